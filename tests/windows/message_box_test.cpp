// The message box and the frames of the fixed-size windows, as the window
// manager gets them.
#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <gtest/gtest.h>

#include "about.h"
#include "fake_host.h"
#include "help.h"
#include "message_box_builder.h"
#include "skins.h"
#include "statistika.h"
#include "title.h"

using namespace blefino;

namespace {

bool offers_min_or_max(const QWidget& w) {
  return w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
}

TEST(MessageBox, AVerdictBoxIsAsWideAsTheOpponentsNameInItsTitleBar) {
  for (const char* name : {"BARNABY KROSS", "DUKE LOPATSKY"}) {
    auto box = make_message_box("Отбой", name, Icon::Information, Buttons::Ok);
    box->show();  // the box sizes itself when shown
    EXPECT_GE(box->width(), title_bar_width(QString::fromUtf8(name))) << name;
    EXPECT_EQ(box->text(), QStringLiteral("Отбой"));
    EXPECT_TRUE(box->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(offers_min_or_max(*box)) << std::hex << int(box->windowFlags());
  }
}

TEST(MessageBox, FixedSizeWindowsOfferNeitherMinimiseNorMaximise) {
  fakes::TestGame t;
  Settings s;
  bool open_cards = false;
  windows::Title title(s, open_cards, {});
  windows::Skins skins(t.g);
  windows::FrmStatistika stats(s);
  windows::Help help;
  windows::FrmAbout about;
  for (QDialog* w : std::initializer_list<QDialog*>{&title, &skins, &stats, &help, &about}) {
    w->show();
    EXPECT_FALSE(offers_min_or_max(*w)) << w->objectName().toStdString();
    EXPECT_TRUE(w->windowFlags() & Qt::WindowCloseButtonHint) << w->objectName().toStdString();
  }
}

}  // namespace
