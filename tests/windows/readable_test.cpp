// What the player reads: every window's text stands whole inside its box, in
// the game's own face, with the longest texts the game can put there; the
// rules need no scroll bar; a standing claim stays readable on the cloth.
// And the fixed-size windows: a close button but no minimise or maximise.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <cmath>

#include "table/carddesk.h"
#include "table/message_box_builder.h"
#include "table/placement.h"
#include "table/text_fit.h"
#include "table/ui_font.h"
#include "tests/support/fixture.h"
#include "windows/about.h"
#include "windows/help.h"
#include "windows/skins.h"
#include "windows/statistika.h"
#include "windows/title.h"

using namespace blefino;

namespace {

// The room a label or button gives its text.
QRect text_box(QWidget* w) {
  auto* b = qobject_cast<QAbstractButton*>(w);
  if (!b) return static_cast<QLabel*>(w)->contentsRect();
  QStyleOptionButton opt;
  opt.initFrom(b);
  opt.text = b->text();
  const auto part = qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonContents
                                                   : QStyle::SE_PushButtonContents;
  return b->style()->subElementRect(part, &opt, b);
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
    // A word wider than the box sticks out of it even where lines wrap.
    const int wrap = label && label->wordWrap() ? Qt::TextWordWrap : 0;
    const QRect need = w->fontMetrics().boundingRect(QRect(0, 0, box.width(), 10000),
                                                     Qt::AlignLeft | Qt::AlignTop | wrap, text);
    const QFontInfo face(w->font());
    const std::string where = window.objectName().toStdString() + " \"" + text.toStdString() +
                              "\" in " + face.family().toStdString() + " " +
                              std::to_string(face.pixelSize()) + " px";
    EXPECT_LE(need.width(), box.width()) << where;
    EXPECT_LE(need.height(), box.height()) << where;
    EXPECT_TRUE(fonts::kFamilies.contains(face.family())) << where;
    ++checked;
  }
  EXPECT_GT(checked, 0) << window.objectName().toStdString();
}

TEST(Readable, TheTablesWidestTextsFitAndANameTooLongIsCutVisibly) {
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
  m.myname.caption = "Ш" + std::string(254, 'W');
  Carddesk desk([&m] { return m; });
  for (const char* name : {"BARNABY KROSS", "DUKE LOPATSKY"}) {
    m.Labelcpu1.caption = m.Labelcpu2.caption = name;
    desk.showModel();
    expect_texts_fit(desk);
  }
  const QString shown = desk.findChild<QLabel*>(QStringLiteral("myname"))->text();
  EXPECT_TRUE(shown.startsWith(QStringLiteral("ШWWW")) && shown.endsWith(QChar(0x2026)))
      << shown.toStdString();
}

// Where the system's face is wider than the layout's, a caption that would
// stick out is set smaller until it stands whole; one that fits is left alone.
TEST(Readable, ACaptionTooBigForItsBoxIsSetSmallerUntilItFits) {
  QWidget window;
  auto* wide = new QLabel(QStringLiteral("Закрыть карты"), &window);
  auto* fits = new QLabel(QStringLiteral("OK"), &window);
  for (QLabel* l : {wide, fits}) l->setFont(fonts::ui_font_px(16));
  wide->setGeometry(0, 0, wide->fontMetrics().horizontalAdvance(wide->text()) * 3 / 4, 30);
  fits->setGeometry(0, 40, 100, 30);
  fonts::fit_texts(window);
  EXPECT_LT(QFontInfo(wide->font()).pixelSize(), 16);
  EXPECT_EQ(QFontInfo(fits->font()).pixelSize(), 16);
  expect_texts_fit(window);
}

// Each fixed window with its worst texts: a whole share written the Russian
// way, and counts at their largest. OK leaves each.
TEST(FixedWindows, TextsFitTheRulesNeedNoScrollBarNoMinimiseOrMaximiseAndTheVersion) {
  blefino::testing::Table t;
  Settings s{"введите имя", "1", "99999", "0", "0"};
  bool open_cards = false;
  windows::Title title(s, open_cards, {});
  windows::Skins skins(t.g);
  const QLocale ru(QLocale::Russian, QLocale::Russia);
  windows::FrmStatistika stats(s, {}, {}, nullptr, ru);
  Settings most{"", "1", "999999999999999", "999999999999999", "999999999999999"};
  windows::FrmStatistika counts(most, {}, {}, nullptr, ru);
  windows::Help help;
  windows::FrmAbout about;
  ASSERT_EQ(stats.figure(5)->text(), QStringLiteral("100,00%"));
  EXPECT_EQ(counts.figure(0)->text(), QStringLiteral("2999999999999997"));
  EXPECT_EQ(about.versionLabel()->text(), QStringLiteral("Версия " EXPECTED_VERSION));
  for (QDialog* w :
       std::initializer_list<QDialog*>{&title, &skins, &stats, &counts, &help, &about}) {
    const std::string name = w->objectName().toStdString();
    expect_texts_fit(*w);
    EXPECT_EQ(w->windowFlags(), blefino::kFixedWindowFlags) << name;  // a close button, no min/max
    if (w == &help) {  // the rules: all 21 lines with no scroll bar, none under the OK button
      auto* rules = help.findChild<QTextEdit*>();
      EXPECT_EQ(rules->verticalScrollBar()->maximum() + rules->horizontalScrollBar()->maximum(), 0);
      ASSERT_EQ(rules->document()->blockCount(), 21);
      for (QTextBlock b = rules->document()->begin(); b.isValid(); b = b.next()) {
        QTextCursor end(b);
        end.movePosition(QTextCursor::EndOfBlock);
        const QRect line =
            rules->cursorRect(end).translated(rules->viewport()->mapTo(&help, QPoint()));
        EXPECT_FALSE(line.intersects(help.findChild<QPushButton*>()->geometry()))
            << b.blockNumber() + 1;
      }
    }
    // Whatever the keys reach has a name a screen reader can say (the name box, each back).
    for (QWidget* c : w->findChildren<QWidget*>()) {
      if (!c->isVisibleTo(w) || !(c->focusPolicy() & Qt::TabFocus)) continue;
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
      EXPECT_FALSE(a->text(QAccessible::Name).isEmpty())
          << name << " " << c->objectName().toStdString();
    }
    for (QPushButton* b : w->findChildren<QPushButton*>())
      if (b->text() == QStringLiteral("OK")) QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_FALSE(w->isVisible()) << name;
  }
}

// WCAG contrast ratio of two colours, 1 to 21.
double contrast(QColor a, QColor b) {
  auto luminance = [](QColor c) {
    auto lin = [](double v) {
      return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
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

TEST(Readable, AStandingClaimStaysReadableOnTheClothAndStandsOut) {
  TableModel m;
  m.Frame1_visible = true;
  for (auto& o : m.Option1) o.enabled = o.selected = false;
  m.Option1[8].selected = true;  // "Король" claimed
  Carddesk desk([&m] { return m; });
  desk.show();
  auto* frame = desk.findChild<QWidget*>(QStringLiteral("Frame1"));
  const QColor cloth = desk.table()->grab().toImage().pixelColor(frame->pos() + QPoint(6, 6));
  auto rank = [&desk](int k) {
    return desk.findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(k));
  };
  const QColor claimed = drawn_text(rank(8), cloth);
  EXPECT_GE(contrast(claimed, cloth), 4.5);
  for (int k : {1, 5, 9}) {
    ASSERT_FALSE(rank(k)->isEnabled());
    const QColor other = drawn_text(rank(k), cloth);
    EXPECT_GE(contrast(other, cloth), 4.5) << k;
    EXPECT_GE(contrast(claimed, other), 1.5) << k;
  }
}

// Every control the keys reach shows it at 3 : 1 or more against how it looks
// unfocused: the hand (from the moment it has the keys), the buttons, the
// rank buttons on the cloth.
TEST(Readable, EveryFocusShowsAtThreeToOneAndTheClaimStandsClearOfTheBatch) {
  TableModel m;
  m.Frame1_visible = m.mainbutton.visible = m.veru.visible = m.neveru.visible = true;
  m.Command1.visible = m.koncard.visible = true;
  m.mainbutton.caption = "Нажмите на кнопку";
  m.veru.caption = "Верю";
  m.Command1.caption = "Открыть карты";
  m.koloda3[1] = {240, kRestingTop, true, true, 11};
  for (int i = 1; i <= 4; ++i) m.konpic[i].visible = true, m.konpic[i].picture = 11 + i;
  m.koncard.caption = "Восьмерка";
  Carddesk desk([&m] { return m; });
  desk.show();
  QApplication::setActiveWindow(&desk);
  QWidget* table = desk.table();
  auto get = [&desk](const char* name) { return desk.findChild<QWidget*>(QLatin1String(name)); };
  for (QWidget* w : {table, get("mainbutton"), get("veru"), get("Command1"), get("Option1_1"),
                     get("Option1_9")}) {
    const QRect area = w == table ? desk.slotRect(3, 1).adjusted(-8, -8, 8, 8)
                                  : QRect(w->mapTo(table, QPoint()), w->size());
    get("neveru")->setFocus();
    const QImage off = table->grab(area).toImage();
    w->setFocus();
    ASSERT_TRUE(w->hasFocus());
    const QImage on = table->grab(area).toImage();
    double best = 1;
    int changed = 0;
    for (int y = 0; y < on.height(); ++y)
      for (int x = 0; x < on.width(); ++x) {
        const double c = contrast(on.pixelColor(x, y), off.pixelColor(x, y));
        changed += c >= 3;
        best = std::max(best, c);
      }
    const std::string name = w->objectName().toStdString();
    EXPECT_GE(best, 3.0) << name;
    EXPECT_GE(changed, (area.width() + area.height()) / 2) << name;  // a frame, not a speck
  }
  // The claim's text below the cards laid, not under them.
  QLabel* claim = desk.findChild<QLabel*>(QStringLiteral("koncard"));
  const QRect text =
      claim->fontMetrics()
          .boundingRect(claim->contentsRect(), int(claim->alignment()), claim->text())
          .translated(claim->pos());
  for (int i = 1; i <= 4; ++i) {
    const Picture& p = m.konpic[i];
    EXPECT_FALSE(text.intersects(QRect(px(p.left), px(p.top), 75, 100))) << i;
  }
}

}  // namespace
