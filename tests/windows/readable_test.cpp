// Every window's text stands whole inside its box, in the game's own face,
// with the longest texts the game can put there; and the claimed rank stays
// readable while the rank buttons are disabled.
#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTextBlock>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "about.h"
#include "carddesk.h"
#include "fixture.h"
#include "help.h"
#include "skins.h"
#include "statistika.h"
#include "title.h"
#include "ui_font.h"

using namespace blefino;

namespace {

// The room a label or button gives its text.
QRect text_box(QWidget* w) {
  if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    const bool radio = qobject_cast<QRadioButton*>(b) != nullptr;
    return b->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &opt, b);
  }
  return static_cast<QLabel*>(w)->contentsRect();
}

// Each visible caption of `window` fits its box, set in the game's face.
void expect_texts_fit(QWidget& window) {
  window.show();
  int checked = 0;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    auto* label = qobject_cast<QLabel*>(w);
    auto* button = qobject_cast<QAbstractButton*>(w);
    const QString text = label ? label->text() : button ? button->text() : QString();
    if (text.isEmpty() || !w->isVisibleTo(&window)) continue;
    const QRect box = text_box(w);
    const int wrap = label && label->wordWrap() ? Qt::TextWordWrap : 0;
    // A word wider than the box sticks out of it even where lines wrap.
    const QRect need = w->fontMetrics().boundingRect(QRect(0, 0, box.width(), 10000),
                                                     Qt::AlignLeft | Qt::AlignTop | wrap, text);
    const std::string where = window.objectName().toStdString() + "." +
                              w->objectName().toStdString() + " \"" + text.toStdString() + "\"";
    EXPECT_LE(need.width(), box.width()) << where;
    EXPECT_LE(need.height(), box.height()) << where;
    EXPECT_EQ(QFontInfo(w->font()).family().toStdString(), fonts::kFamily.toStdString()) << where;
    ++checked;
  }
  EXPECT_GT(checked, 0) << window.objectName().toStdString();
}

TEST(Readable, EveryWindowsTextsFitTheirBoxes) {
  // The table with the widest texts the game puts on it.
  TableModel m;
  m.Conversation1.caption = m.Conversation2.caption = "До Нового года осталось 30 дней";
  m.Conversation3.caption = "Ваш ход";
  m.Command1.caption = "Закрыть карты";
  m.mainbutton.visible = m.koncard.visible = m.myname.visible = m.Frame1_visible = true;
  m.koncard.caption = "Восьмерка";
  for (Label* l : {&m.Label_of_heap, &m.in_heap, &m.Label_of_otboy, &m.in_otboy}) l->visible = true;
  m.in_heap.caption = m.in_otboy.caption = " 36";
  for (auto& o : m.Option1) o.enabled = false;
  m.Option1[3].selected = true;
  const std::string long_name(254, 'W');
  m.myname.caption = "Ш" + long_name;
  Carddesk desk([&m] { return m; });
  for (const char* name : {"BARNABY KROSS", "DUKE LOPATSKY"}) {
    m.Labelcpu1.caption = m.Labelcpu2.caption = name;
    desk.showModel();
    expect_texts_fit(desk);
  }
  // A name too long for the table is cut short, visibly.
  const QString shown = desk.findChild<QLabel*>(QStringLiteral("myname"))->text();
  EXPECT_TRUE(shown.startsWith(QStringLiteral("ШWWW")) && shown.endsWith(QChar(0x2026)))
      << shown.toStdString();

  // Five-digit counts and a share of all games, written the Russian way.
  Settings s{"введите имя", "1", "99999", "0", "0"};
  windows::FrmStatistika stats(s, {}, nullptr, QLocale(QLocale::Russian, QLocale::Russia));
  ASSERT_EQ(stats.figure(5)->text(), QStringLiteral("100,00%"));
  expect_texts_fit(stats);

  bool open_cards = false;
  windows::Title title(s, open_cards, {});
  expect_texts_fit(title);
  blefino::testing::Table t;
  windows::Skins skins(t.g);
  expect_texts_fit(skins);
  windows::FrmAbout about;
  expect_texts_fit(about);

  // The rules: all 21 lines with no scroll bar, none under the OK button.
  windows::Help help;
  expect_texts_fit(help);
  auto* rules = help.findChild<QTextEdit*>();
  auto* ok = help.findChild<QPushButton*>();
  EXPECT_EQ(rules->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(rules->horizontalScrollBar()->maximum(), 0);
  ASSERT_EQ(rules->document()->blockCount(), 21);
  for (QTextBlock b = rules->document()->begin(); b.isValid(); b = b.next()) {
    QTextCursor end(b);
    end.movePosition(QTextCursor::EndOfBlock);
    const QRect line = rules->cursorRect(end).translated(rules->viewport()->mapTo(&help, QPoint()));
    EXPECT_LE(line.bottom(), rules->viewport()->mapTo(&help, rules->viewport()->rect().bottomLeft()).y())
        << b.blockNumber() + 1;
    EXPECT_FALSE(line.intersects(ok->geometry())) << b.blockNumber() + 1;
  }
}

// WCAG contrast ratio of two colours, 1 to 21.
double contrast(QColor a, QColor b) {
  auto luminance = [](QColor c) {
    auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour of a rank button's text as drawn: its pixel that stands out most from the cloth.
QColor drawn_text(QRadioButton* r, QColor cloth) {
  const QImage img = r->grab().toImage();
  const QRect box = text_box(r);
  QColor best = cloth;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x) {
      const QColor c = img.pixelColor(x * img.width() / r->width(), y * img.height() / r->height());
      if (contrast(c, cloth) > contrast(best, cloth)) best = c;
    }
  return best;
}

TEST(Readable, AStandingClaimStaysReadableOnTheCloth) {
  TableModel m;
  m.Frame1_visible = true;
  for (auto& o : m.Option1) o.enabled = o.selected = false;
  m.Option1[8].selected = true;  // "Король" claimed
  Carddesk desk([&m] { return m; });
  desk.show();
  auto* frame = desk.findChild<QWidget*>(QStringLiteral("Frame1"));
  const QColor cloth = desk.table()->grab().toImage().pixelColor(frame->pos() + QPoint(6, 6));
  const QColor claimed = drawn_text(desk.findChild<QRadioButton*>(QStringLiteral("Option1_8")), cloth);
  EXPECT_GE(contrast(claimed, cloth), 4.5);
  for (int k : {1, 5, 9}) {
    auto* r = desk.findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(k));
    ASSERT_FALSE(r->isEnabled());
    const QColor other = drawn_text(r, cloth);
    EXPECT_GE(contrast(other, cloth), 4.5) << k;
    // The claimed rank stands out from the others.
    EXPECT_GE(contrast(claimed, other), 1.5) << k;
  }
}

}  // namespace
