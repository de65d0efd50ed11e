// The table window on a hand-made model: it shows what the model says, at any
// size, and hands on the player's clicks and keys, and nothing else.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include "table/carddesk.h"
#include "table/carddesk_pictures.h"

namespace blefino {
namespace {

using Log = std::vector<std::string>;
constexpr QRgb kFeltRgb = 0x004000;

// A shown, active window on model m; what the player did is logged: "card 3", "rank 9", "veru".
struct Desk {
  explicit Desk(TableModel& m) : w([&m] { return m; }, events()) {
    w.show();
    QApplication::setActiveWindow(&w);
  }
  CarddeskEvents events() {
    auto note = [this](std::string what) { return [this, what] { log.push_back(what); }; };
    return {[this](int i) { log.push_back("card " + std::to_string(i)); },
            [this](int k) { log.push_back("rank " + std::to_string(k)); },
            note("main"),
            note("show"),
            note("veru"),
            note("neveru"),
            note("close")};
  }
  template <typename W = QWidget>
  W* get(const char* name) {
    return w.findChild<W*>(QLatin1String(name));
  }
  Log took() { return std::exchange(log, {}); }
  QImage image() const { return w.table()->grab().toImage(); }

  Log log;
  Carddesk w;
};

// Three cards of the human's, 20 px apart as in a large hand, the second raised, the
// third with the pointer of a card about to be laid; a card of opponent 1's; batch place 2.
TableModel overlapping_hand() {
  TableModel m;
  for (int i = 1; i <= 3; ++i)
    m.koloda3[i] = {241 + 300 * (i - 1), kRestingTop, true, true, 10 + i};
  m.koloda3[2].top = kRaisedTop;
  m.koloda3[3].cursor = Cursor::HandPut;
  m.koloda1[1] = {241, kOpponentRowTop, true, true, back_picture(1), Cursor::Default};
  m.konpic[2] = {1440, 3840, true, 25};
  return m;
}

// The table grows with the window, centred on the cloth: cards are drawn, and
// take presses of any button, where the model puts them times the scale; so
// does the keyboard's frame.
TEST(CarddeskWindow, DrawsAndTakesPressesWhereTheModelPutsTheCardsAtAnySize) {
  TableModel m = overlapping_hand();
  Desk d(m);
  const struct {
    QSize size;
    int scale;
    QPoint origin;
  } sizes[] = {{{794, 529}, 1, {0, 0}},
               {{794 * 2 + 200, 529 * 2}, 2, {100, 0}},
               {{794 * 2, 529 * 2 + 200}, 2, {0, 100}}};
  // A point of the table at its own size: the card a press there reaches, the pointer, the cloth.
  const struct {
    QPoint at;
    int card;
    Qt::CursorShape pointer;
    bool cloth;
  } points[] = {
      {{16 + 5, 500}, 1, Qt::OpenHandCursor, false},            // card 1 alone
      {{16 + 45, 500}, 3, Qt::ClosedHandCursor, false},         // all three: the topmost
      {{16 + 25, 452}, 2, Qt::OpenHandCursor, false},           // raised 9 px above the others
      {{16 + 5, 452}, 0, Qt::PointingHandCursor, true},         // ... which leave cloth there
      {{16 + 40 + 75, 500}, 0, Qt::PointingHandCursor, true},   // right of the hand
      {{16 + 35, 144 + 48}, 0, Qt::PointingHandCursor, false},  // opponent 1's card
      {{96 + 37, 256 + 50}, 0, Qt::PointingHandCursor, false},  // batch place 2 ...
      {{16 + 37, 256 + 50}, 0, Qt::PointingHandCursor, true},   // ... and the empty place 1
  };
  int presses = 0;  // left, right and middle button in turn
  for (const auto& s : sizes) {
    d.w.resize(s.size);
    QApplication::processEvents();
    const QImage shown = d.image();
    for (const auto& p : points) {
      const QPoint at = s.origin + p.at * s.scale;
      SCOPED_TRACE(::testing::Message()
                   << "scale " << s.scale << " at " << at.x() << "," << at.y());
      EXPECT_EQ((shown.pixel(at) & 0xffffff) == kFeltRgb, p.cloth);
      QTest::mouseMove(d.w.table(), at);
      EXPECT_EQ(d.w.table()->cursor().shape(), p.pointer);
      QTest::mouseClick(d.w.table(), Qt::MouseButton(Qt::LeftButton << presses++ % 3), {}, at);
      EXPECT_EQ(d.took(), p.card ? Log{"card " + std::to_string(p.card)} : Log{});
    }
    EXPECT_EQ(d.get<QLabel>("Label1")->font().pixelSize(), 32 * s.scale);
    EXPECT_EQ(d.get("veru")->geometry(),
              QRect(s.origin + QPoint(344, 376) * s.scale, QSize(81, 25) * s.scale));
  }
  // The keyboard's frame marks its card, and hides no card's corner.
  const QImage before = d.image();
  QTest::keyClick(d.w.table(), Qt::Key_Home);
  QTest::keyClick(d.w.table(), Qt::Key_Right);
  const QImage after = d.image();
  const QPoint outside = d.w.slotRect(3, 2).topLeft() - QPoint(3, 3);
  EXPECT_NE(after.pixel(outside), before.pixel(outside));
  for (int i = 1; i <= 3; ++i) {
    const QRect index(d.w.slotRect(3, i).topLeft(), QSize(17, 30) * 2);
    EXPECT_TRUE(after.copy(index) == before.copy(index)) << "card " << i;
  }
  // Nor does it cross what shows of the lifted card 2, framed or beside the frame.
  const QRect lifted = d.w.slotRect(3, 2);
  const QRect shows(lifted.topLeft(), QPoint(d.w.slotRect(3, 3).left() - 1, lifted.bottom()));
  const QRect above(lifted.topLeft(), QPoint(lifted.right(), d.w.slotRect(3, 3).top() - 1));
  for (Qt::Key k : {Qt::Key_Right, Qt::Key_Left}) {
    QTest::keyClick(d.w.table(), k);
    const QImage framed = d.image();
    for (QRect part : {shows, above})
      EXPECT_TRUE(framed.copy(part) == before.copy(part)) << "card " << (k == Qt::Key_Left ? 2 : 3);
  }
  // A hidden or disabled card takes no press: it goes to the one beneath.
  m.koloda3[3].enabled = m.koloda3[2].visible = false;
  d.w.showModel();
  QTest::mouseClick(d.w.table(), Qt::LeftButton, {}, QPoint(0, 100) + QPoint(16 + 45, 500) * 2);
  EXPECT_EQ(d.took(), Log{"card 1"});
}

// Scaled up and back, the table is pixel for pixel the table never scaled.
TEST(CarddeskWindow, BackAtItsOwnSizeEveryPixelIsAsNeverGrown) {
  TableModel m = overlapping_hand();
  m.mainbutton.visible = m.Frame1_visible = m.Chesspiece.visible = true;
  m.konpic[1] = {240, 3840, true, 47};
  m.Conversation3.caption = "Ваш ход";
  Desk direct(m), d(m);
  for (QSize size : {QSize(1920, 1080), QSize(1000, 900), direct.w.size()}) {
    d.w.resize(size);
    QApplication::processEvents();
  }
  const QImage grown = d.image();
  QApplication::setActiveWindow(&direct.w);  // the keyboard's frame on its hand as well
  EXPECT_TRUE(grown == direct.image());
}

// The controls show the model, and only the player's clicks and keys reach the game, each
// key by the path of the click it stands for: what a click cannot do, a key cannot either.
TEST(CarddeskWindow, ControlsShowTheModelAndTakeOnlyThePlayersClicksAndKeys) {
  TableModel m = overlapping_hand();
  m.koloda3[2].top = kRestingTop;
  m.koloda3[2].enabled = m.Option1[3].enabled = false;
  m.Frame1_visible = m.mainbutton.visible = true;
  Desk d(m);
  // A caption too wide for its button breaks between words, inside the button.
  auto* main = d.get<QPushButton>("mainbutton");
  EXPECT_EQ(main->text().simplified(), QStringLiteral("Нажмите на кнопку"));
  for (const QString& line : main->text().split(QLatin1Char('\n')))
    EXPECT_LE(main->fontMetrics().horizontalAdvance(line), main->width() - 8) << line.toStdString();

  const int kVe = 0x0412, kEn = 0x041D, kKa = 0x041A;  // В, Н, К
  // Clicked when no keys are given, else focused and given the keys.
  const struct {
    const char* control;
    std::vector<int> keys;
    Log heard;
  } steps[] = {
      {"mainbutton", {}, {"main"}},
      {"Command1", {}, {"show"}},
      {"veru", {}, {"veru"}},
      {"neveru", {}, {"neveru"}},
      {"Option1_4", {}, {"rank 4"}},
      {"Option1_3", {}, {}},
      {"table", {Qt::Key_Return, Qt::Key_Enter}, {"main", "main"}},
      {"table",
       {Qt::Key_Space, Qt::Key_End, Qt::Key_Space, Qt::Key_Left, Qt::Key_Space, Qt::Key_Home,
        Qt::Key_Left, Qt::Key_Space},
       {"card 1", "card 3", "card 1"}},
      {"table",
       {Qt::Key_9, Qt::Key_3, kVe, Qt::Key_D, kEn, Qt::Key_Y, kKa, Qt::Key_R},
       {"rank 9", "veru", "veru", "neveru", "neveru", "show", "show"}},
      {"Option1_1", {Qt::Key_Down}, {"rank 2"}},  // among the rank buttons, Down names the next
      {"veru",
       {Qt::Key_Right, Qt::Key_Right, Qt::Key_Space},
       {"card 3"}},  // Left and Right walk the hand
  };
  for (const auto& s : steps) {
    if (s.keys.empty())
      QTest::mouseClick(d.get(s.control), Qt::LeftButton, {},
                        QPoint(10, d.get(s.control)->height() / 2));
    else
      d.get(s.control)->setFocus();
    for (int k : s.keys)
      QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(k), {}, {});
    EXPECT_EQ(d.took(), s.heard) << s.control;
  }
  auto checked = [&](const char* name) { return d.get<QRadioButton>(name)->isChecked(); };
  EXPECT_TRUE(checked("Option1_1") && !checked("Option1_4"));  // the model's choice is shown again
  m.Option1[1].selected = false;  // none selected is a state of its own
  d.w.showModel();
  EXPECT_FALSE(checked("Option1_1"));
  QTest::sendKeyEvent(QTest::Click, d.w.table(), Qt::Key(kVe), {},
                      Qt::AltModifier);  // Alt is the menu's
  EXPECT_FALSE(d.get("koncard")->isVisible());
  m.veru.enabled = m.mainbutton.enabled = false;
  m.koncard = {"Туз", true};
  d.w.showModel();
  EXPECT_TRUE(d.get("koncard")->isVisible());
  EXPECT_EQ(d.get<QLabel>("koncard")->text(), QStringLiteral("Туз"));
  QTest::mouseClick(d.get("veru"), Qt::LeftButton);
  QTest::keyClick(d.w.table(), Qt::Key_Return);
  m.mainbutton = {"", false, true};
  d.w.showModel();
  EXPECT_FALSE(main->isVisible());
  QTest::keyClick(d.w.table(), Qt::Key_Return);
  EXPECT_EQ(d.took(), Log{});
  d.w.close();
  EXPECT_EQ(d.took(), Log{"close"});
}

// On a screen smaller than the table (1920 x 1080 at a scale factor of 2) the
// window fits, title bar and all, the table made smaller; a kept place that
// runs off the screen comes back onto it, at the table's own size.
TEST(CarddeskWindow, FitsTheScreenTitleBarAndAll) {
  const struct {
    QRect area;
    QPoint at;
    bool own_size;
  } cases[] = {{{0, 0, 960, 540}, {0, 0}, false},
               {{0, 0, 1280, 1024}, {900, 800}, true},
               {{100, 50, 1280, 1024}, {-500, -300}, true}};
  const int title = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
  for (const auto& c : cases) {
    TableModel m;
    Carddesk desk([&m] { return m; });
    desk.show();
    desk.move(c.at);
    desk.fitInto(c.area);
    const QRect outer = desk.geometry().adjusted(0, -title, 0, 0);
    EXPECT_TRUE(c.area.contains(outer)) << c.area.width() << " " << c.at.x();
    EXPECT_EQ(desk.table()->size() == QSize(794, 529), c.own_size) << c.area.width();
  }
}

// A frame out of time shows the previous scale's picture, to be stretched;
// the sharp one is drawn once the window is idle, and the table told.
TEST(CarddeskWindow, AFrameOutOfTimeStandsInThePreviousPictureUntilIdle) {
  static int runs = 0;
  const qreal fresh = 3.7 + 0.01 * runs++;  // a density never drawn, however often the test runs
  int ready = 0;
  TablePictures pictures([&] { ++ready; });
  const QPixmap before = pictures.get(27, {71, 96}, 1).pixmap;  // nothing stands in: drawn at once
  QTest::qSleep(10);                                            // the frame's time is spent
  const auto stand_in = pictures.get(27, {71, 96}, fresh);
  EXPECT_TRUE(!stand_in.sharp && stand_in.pixmap.cacheKey() == before.cacheKey());
  QApplication::processEvents();
  EXPECT_EQ(ready, 1);
  const auto sharp = pictures.get(27, {71, 96}, fresh);
  EXPECT_TRUE(sharp.sharp);
  EXPECT_EQ(sharp.pixmap.size(), QSize(71, 96) * fresh);
}

}  // namespace
}  // namespace blefino
