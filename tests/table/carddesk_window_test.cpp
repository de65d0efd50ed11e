// The table window on a hand-made model: layout, hit-testing, cursors, and
// that programmatic updates never pass for the player's clicks.
#include <QAction>
#include <QCursor>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

#include "carddesk.h"

namespace blefino {
namespace {

struct Recorder {
  std::vector<int> cards, ranks;
  int main = 0, show = 0, veru = 0, neveru = 0, new_game = 0, close = 0;
  CarddeskEvents events() {
    CarddeskEvents e;
    e.card_pressed = [this](int i) { cards.push_back(i); };
    e.rank_clicked = [this](int k) { ranks.push_back(k); };
    e.main_pressed = [this] { ++main; };
    e.show_cards_pressed = [this] { ++show; };
    e.veru_pressed = [this] { ++veru; };
    e.neveru_pressed = [this] { ++neveru; };
    e.new_game = [this] { ++new_game; };
    e.close_requested = [this] { ++close; };
    return e;
  }
};

template <typename W>
W* child(const Carddesk& desk, const char* name) {
  W* w = desk.findChild<W*>(QLatin1String(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

QRgb pixel(const QImage& img, QPoint p) { return img.pixel(p) & 0xffffff; }
constexpr QRgb kFeltRgb = 0x004000;

// Three overlapping human cards, like a hand of many.
TableModel overlapping_hand() {
  TableModel m;
  for (int i = 1; i <= 3; ++i) {
    m.koloda3[i].visible = true;
    m.koloda3[i].left = 241 + 300 * (i - 1);  // 20 px apart: each covers most of the one before
    m.koloda3[i].picture = 10 + i;
  }
  return m;
}

TEST(CarddeskWindow, TableIsFixedAtItsSizeUnderTheCaptionAndMenu) {
  TableModel m;
  Carddesk desk(m);
  desk.show();
  EXPECT_EQ(desk.windowTitle(), QStringLiteral("Игровое поле"));
  EXPECT_EQ(desk.table()->size(), QSize(794, 529));
  EXPECT_EQ(desk.table()->minimumSize(), desk.table()->maximumSize());
  auto* start = desk.findChild<QAction*>(QStringLiteral("mnu_start_game"));
  ASSERT_NE(start, nullptr);
  EXPECT_EQ(start->text(), QStringLiteral("Новая игра"));
  EXPECT_EQ(start->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(desk.fileMenu()->title(), QStringLiteral("&Файл"));
}

TEST(CarddeskWindow, ControlsStandAtTheirTwipPositionsWithTheirTexts) {
  TableModel m;
  Carddesk desk(m);
  desk.show();
  EXPECT_EQ(child<QLabel>(desk, "Label1")->geometry(), QRect(277, 16, 227, 37));
  EXPECT_EQ(child<QLabel>(desk, "Label1")->text(), QStringLiteral("Блефино"));
  EXPECT_TRUE(child<QLabel>(desk, "Label1")->font().underline());
  EXPECT_EQ(child<QLabel>(desk, "Conversation1")->text(), QStringLiteral("Hello!!!"));
  EXPECT_EQ(child<QLabel>(desk, "Labelcpu2")->text(), QStringLiteral("Имя второго противника"));
  EXPECT_EQ(child<QPushButton>(desk, "mainbutton")->geometry(), QRect(344, 272, 81, 73));
  EXPECT_EQ(child<QPushButton>(desk, "veru")->geometry(), QRect(344, 376, 81, 25));
  EXPECT_EQ(child<QWidget>(desk, "Frame1")->geometry(), QRect(664, 272, 113, 241));
  EXPECT_EQ(child<QRadioButton>(desk, "Option1_9")->geometry(), QRect(8, 208, 97, 25));
  EXPECT_EQ(child<QRadioButton>(desk, "Option1_9")->text(), QStringLiteral("Туз"));
  // Hidden at creation, as the model says.
  EXPECT_FALSE(child<QPushButton>(desk, "mainbutton")->isVisible());
  EXPECT_FALSE(child<QLabel>(desk, "koncard")->isVisible());
  EXPECT_FALSE(child<QWidget>(desk, "Frame1")->isVisible());
  EXPECT_TRUE(child<QRadioButton>(desk, "Option1_1")->isChecked());
  // Every text is bold.
  for (QLabel* l : desk.findChildren<QLabel*>()) EXPECT_TRUE(l->font().bold()) << l->objectName().toStdString();
}

TEST(CarddeskWindow, LongCaptionsFitTheirBoxes) {
  TableModel m;
  m.mainbutton.visible = true;
  m.Conversation2.caption = "До Нового года осталось 26 дней";
  Carddesk desk(m);
  desk.show();
  auto* main = child<QPushButton>(desk, "mainbutton");
  const QFontMetrics fm(main->font());
  for (const QString& line : main->text().split(QLatin1Char('\n')))
    EXPECT_LE(fm.horizontalAdvance(line), main->width() - 8) << line.toStdString();
  EXPECT_EQ(main->text().simplified(), QStringLiteral("Нажмите на кнопку"));
  auto* talk = child<QLabel>(desk, "Conversation2");
  EXPECT_LE(talk->heightForWidth(talk->width()), talk->height());
}

TEST(CarddeskWindow, PaintsCardsWhereTheModelPutsThem) {
  TableModel m = overlapping_hand();
  m.koloda1[1] = {241, 2160, true, true, back_picture(1), Cursor::Default};
  m.konpic[2] = {1440, 3840, true, 25};
  Carddesk desk(m);
  desk.show();
  QImage img = desk.table()->grab().toImage();
  EXPECT_EQ(pixel(img, {5, 300}), kFeltRgb);                    // bare cloth
  EXPECT_NE(pixel(img, {16 + 35, 144 + 48}), kFeltRgb);         // opponent 1's first card
  EXPECT_NE(pixel(img, {96 + 37, 256 + 50}), kFeltRgb);         // konpic(2)
  EXPECT_EQ(pixel(img, {16 + 37, 256 + 50}), kFeltRgb);         // konpic(1) is empty
  EXPECT_EQ(pixel(img, {560, 300}), 0x00c000u);                  // the discard pile's frame
  EXPECT_NE(pixel(img, {16 + 40 + 60, 500}), kFeltRgb);         // the human's third card
  EXPECT_EQ(pixel(img, {16 + 40 + 75, 500}), kFeltRgb);         // ... and right of it, cloth

  // Raising the second card shows it 9 px higher.
  m.koloda3[2].top = kRaisedTop;
  desk.showModel();
  EXPECT_EQ(desk.slotRect(3, 2).top(), 449);
  img = desk.table()->grab().toImage();
  EXPECT_NE(pixel(img, {16 + 20 + 5, 452}), kFeltRgb);
  EXPECT_EQ(pixel(img, {16 + 5, 452}), kFeltRgb);
}

TEST(CarddeskWindow, APressGoesToTheTopmostVisibleEnabledCard) {
  TableModel m = overlapping_hand();
  Recorder r;
  Carddesk desk(m, r.events());
  desk.show();
  QWidget* t = desk.table();
  QTest::mouseClick(t, Qt::LeftButton, {}, {16 + 45, 500});   // cards 1..3 all lie here
  QTest::mouseClick(t, Qt::RightButton, {}, {16 + 5, 500});   // only card 1
  QTest::mouseClick(t, Qt::MiddleButton, {}, {16 + 25, 500}); // cards 1 and 2
  EXPECT_EQ(r.cards, (std::vector<int>{3, 1, 2}));

  m.koloda3[3].enabled = false;
  m.koloda3[2].visible = false;
  desk.showModel();
  r.cards.clear();
  QTest::mouseClick(t, Qt::LeftButton, {}, {16 + 45, 500});
  QTest::mouseClick(t, Qt::LeftButton, {}, {16 + 200, 500});  // no card there
  EXPECT_EQ(r.cards, (std::vector<int>{1}));
  EXPECT_EQ(desk.humanSlotAt({16 + 45, 500}), 1);
}

TEST(CarddeskWindow, OpponentsCardsIgnoreThePointer) {
  TableModel m;
  m.koloda1[1] = {241, 2160, true, true, back_picture(1), Cursor::Default};
  Recorder r;
  Carddesk desk(m, r.events());
  desk.show();
  QTest::mouseClick(desk.table(), Qt::LeftButton, {}, {40, 180});
  EXPECT_TRUE(r.cards.empty());
}

TEST(CarddeskWindow, CardsCarryTheHandCursorsAndTheClothThePointingHand) {
  TableModel m = overlapping_hand();
  m.koloda3[3].cursor = Cursor::HandPut;
  Carddesk desk(m);
  desk.show();
  QWidget* t = desk.table();
  QTest::mouseMove(t, {16 + 5, 500});
  EXPECT_EQ(t->cursor().shape(), Qt::OpenHandCursor);
  QTest::mouseMove(t, {16 + 45, 500});
  EXPECT_EQ(t->cursor().shape(), Qt::ClosedHandCursor);
  QTest::mouseMove(t, {300, 300});
  EXPECT_EQ(t->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(child<QPushButton>(desk, "veru")->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(child<QWidget>(desk, "Frame1")->cursor().shape(), Qt::PointingHandCursor);
}

TEST(CarddeskWindow, TheModelsRankSelectionIsShownWithoutCallingTheGame) {
  TableModel m;
  m.Frame1_visible = true;
  Recorder r;
  Carddesk desk(m, r.events());
  desk.show();
  auto* six = child<QRadioButton>(desk, "Option1_1");
  auto* ace = child<QRadioButton>(desk, "Option1_9");
  m.Option1[1].selected = false;
  m.Option1[9].selected = true;
  desk.showModel();
  EXPECT_TRUE(ace->isChecked());
  EXPECT_FALSE(six->isChecked());
  m.Option1[9].selected = false;  // none selected is a state of its own
  desk.showModel();
  EXPECT_FALSE(ace->isChecked());
  EXPECT_TRUE(r.ranks.empty());

  // The player's click is forwarded; afterwards the window shows the model again.
  QTest::mouseClick(child<QRadioButton>(desk, "Option1_4"), Qt::LeftButton);
  EXPECT_EQ(r.ranks, std::vector<int>{4});
  EXPECT_FALSE(child<QRadioButton>(desk, "Option1_4")->isChecked());

  m.Option1[5].enabled = false;
  desk.showModel();
  QTest::mouseClick(child<QRadioButton>(desk, "Option1_5"), Qt::LeftButton);
  EXPECT_EQ(r.ranks, std::vector<int>{4});
}

TEST(CarddeskWindow, EnterPressesTheMainButtonOnlyWhileItCanBePressed) {
  TableModel m;
  Recorder r;
  Carddesk desk(m, r.events());
  desk.show();
  QApplication::setActiveWindow(&desk);
  QTest::keyClick(&desk, Qt::Key_Return);  // hidden
  m.mainbutton.visible = true;
  m.mainbutton.enabled = false;
  desk.showModel();
  QTest::keyClick(&desk, Qt::Key_Return);  // disabled
  EXPECT_EQ(r.main, 0);
  m.mainbutton.enabled = true;
  desk.showModel();
  QTest::keyClick(&desk, Qt::Key_Return);
  QTest::keyClick(&desk, Qt::Key_Enter);
  EXPECT_EQ(r.main, 2);
}

TEST(CarddeskWindow, ButtonsAndMenuReachTheirHandlers) {
  TableModel m;
  m.mainbutton.visible = true;
  Recorder r;
  Carddesk desk(m, r.events());
  desk.show();
  QTest::mouseClick(child<QPushButton>(desk, "mainbutton"), Qt::LeftButton);
  QTest::mouseClick(child<QPushButton>(desk, "Command1"), Qt::LeftButton);
  QTest::mouseClick(child<QPushButton>(desk, "veru"), Qt::LeftButton);
  QTest::mouseClick(child<QPushButton>(desk, "neveru"), Qt::LeftButton);
  desk.findChild<QAction*>(QStringLiteral("mnu_start_game"))->trigger();
  EXPECT_EQ(r.main + r.show + r.veru + r.neveru + r.new_game, 5);
  EXPECT_EQ(r.main, 1);
  EXPECT_EQ(r.neveru, 1);

  m.veru.enabled = false;
  desk.showModel();
  QTest::mouseClick(child<QPushButton>(desk, "veru"), Qt::LeftButton);
  EXPECT_EQ(r.veru, 1);

  desk.close();
  EXPECT_EQ(r.close, 1);
}

}  // namespace
}  // namespace blefino
