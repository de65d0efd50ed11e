// The fixed-size windows' frames, as the window manager gets them (the
// message box itself is tested with the table's host).
#include <QDialog>
#include <gtest/gtest.h>

#include "about.h"
#include "fixture.h"
#include "help.h"
#include "skins.h"
#include "statistika.h"
#include "title.h"

using namespace blefino;

TEST(FixedWindows, OfferACloseButtonButNeitherMinimiseNorMaximise) {
  blefino::testing::Table t;
  Settings s;
  bool open_cards = false;
  windows::Title title(s, open_cards, {});
  windows::Skins skins(t.g);
  windows::FrmStatistika stats(s);
  windows::Help help;
  windows::FrmAbout about;
  for (QDialog* w : std::initializer_list<QDialog*>{&title, &skins, &stats, &help, &about}) {
    w->show();
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) << w->objectName().toStdString();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint) << w->objectName().toStdString();
  }
}
