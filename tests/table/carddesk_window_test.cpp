// The table window on a hand-made model: what the model says is what the
// screen shows, every click reaches its handler, and programmatic updates
// never pass for the player's clicks.
#include <QAction>
#include <QCursor>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "carddesk.h"

namespace blefino {
namespace {

constexpr QRgb kFeltRgb = 0x004000;

// A shown window on model m whose events are counted.
struct Desk {
  explicit Desk(TableModel& m) {
    e.card_pressed = [this](int i) { cards.push_back(i); };
    e.rank_clicked = [this](int k) { ranks.push_back(k); };
    e.main_pressed = [this] { ++main; };
    e.show_cards_pressed = [this] { ++show; };
    e.veru_pressed = [this] { ++veru; };
    e.neveru_pressed = [this] { ++neveru; };
    e.close_requested = [this] { ++close; };
    w = std::make_unique<Carddesk>([&m] { return m; }, e);
    w->show();
  }
  template <typename W = QWidget>
  W* get(const char* name) {
    W* c = w->findChild<W*>(QLatin1String(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  void click(const char* name) { QTest::mouseClick(get(name), Qt::LeftButton); }
  void press(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(w->table(), b, {}, p); }
  QRgb pixel(QPoint p) { return w->table()->grab().toImage().pixel(p) & 0xffffff; }

  CarddeskEvents e;
  std::unique_ptr<Carddesk> w;
  std::vector<int> cards, ranks;
  int main = 0, show = 0, veru = 0, neveru = 0, close = 0;
};

// Three overlapping human cards, 20 px apart, like a hand of many.
TableModel overlapping_hand() {
  TableModel m;
  for (int i = 1; i <= 3; ++i) {
    m.koloda3[i].visible = true;
    m.koloda3[i].left = 241 + 300 * (i - 1);
    m.koloda3[i].picture = 10 + i;
  }
  m.koloda1[1] = {241, 2160, true, true, back_picture(1), Cursor::Default};
  return m;
}

TEST(CarddeskWindow, ShowsTheModelsVisibilityAndCaptions) {
  TableModel m;
  m.mainbutton.visible = true;
  m.Conversation2.caption = "До Нового года осталось 26 дней";
  Desk d(m);
  EXPECT_FALSE(d.get("koncard")->isVisible());
  EXPECT_FALSE(d.get("Frame1")->isVisible());
  EXPECT_TRUE(d.get("mainbutton")->isVisible());
  // Long captions wrap inside their boxes rather than being cut off.
  auto* main = d.get<QPushButton>("mainbutton");
  EXPECT_EQ(main->text().simplified(), QStringLiteral("Нажмите на кнопку"));
  for (const QString& line : main->text().split(QLatin1Char('\n')))
    EXPECT_LE(QFontMetrics(main->font()).horizontalAdvance(line), main->width() - 8) << line.toStdString();
  auto* talk = d.get<QLabel>("Conversation2");
  EXPECT_EQ(talk->text(), QStringLiteral("До Нового года осталось 26 дней"));
  EXPECT_LE(talk->heightForWidth(talk->width()), talk->height());

  m.mainbutton.visible = false;
  m.Frame1_visible = true;
  m.koncard.caption = "Туз";
  m.koncard.visible = true;
  d.w->showModel();
  EXPECT_FALSE(d.get("mainbutton")->isVisible());
  EXPECT_TRUE(d.get("Frame1")->isVisible());
  EXPECT_EQ(d.get<QLabel>("koncard")->text(), QStringLiteral("Туз"));
}

TEST(CarddeskWindow, PaintsCardsWhereTheModelPutsThem) {
  TableModel m = overlapping_hand();
  m.konpic[2] = {1440, 3840, true, 25};
  Desk d(m);
  EXPECT_EQ(d.pixel({5, 300}), kFeltRgb);             // bare cloth
  EXPECT_NE(d.pixel({16 + 35, 144 + 48}), kFeltRgb);  // opponent 1's first card
  EXPECT_NE(d.pixel({96 + 37, 256 + 50}), kFeltRgb);  // konpic(2)
  EXPECT_EQ(d.pixel({16 + 37, 256 + 50}), kFeltRgb);  // konpic(1) is empty
  EXPECT_NE(d.pixel({16 + 40 + 60, 500}), kFeltRgb);  // the human's third card
  EXPECT_EQ(d.pixel({16 + 40 + 75, 500}), kFeltRgb);  // ... and right of it, cloth

  // Raising the second card shows it 9 px higher.
  m.koloda3[2].top = kRaisedTop;
  d.w->showModel();
  EXPECT_EQ(d.w->slotRect(3, 2).top(), 449);
  EXPECT_NE(d.pixel({16 + 20 + 5, 452}), kFeltRgb);
  EXPECT_EQ(d.pixel({16 + 5, 452}), kFeltRgb);
}

TEST(CarddeskWindow, APressGoesToTheTopmostVisibleEnabledHumanCard) {
  TableModel m = overlapping_hand();
  Desk d(m);
  d.press({16 + 45, 500});                      // cards 1..3 all lie here
  d.press({16 + 5, 500}, Qt::RightButton);      // only card 1
  d.press({16 + 25, 500}, Qt::MiddleButton);    // cards 1 and 2
  d.press({40, 180});                           // opponent 1's card: not the player's
  EXPECT_EQ(d.cards, (std::vector<int>{3, 1, 2}));

  m.koloda3[3].enabled = false;
  m.koloda3[2].visible = false;
  d.w->showModel();
  d.cards.clear();
  d.press({16 + 45, 500});
  d.press({16 + 200, 500});  // no card there
  EXPECT_EQ(d.cards, (std::vector<int>{1}));
}

TEST(CarddeskWindow, CardsCarryTheHandCursorsAndTheClothThePointingHand) {
  TableModel m = overlapping_hand();
  m.koloda3[3].cursor = Cursor::HandPut;
  Desk d(m);
  QWidget* t = d.w->table();
  const std::pair<QPoint, Qt::CursorShape> cases[] = {
      {{16 + 5, 500}, Qt::OpenHandCursor},
      {{16 + 45, 500}, Qt::ClosedHandCursor},
      {{300, 300}, Qt::PointingHandCursor}};
  for (const auto& [where, shape] : cases) {
    QTest::mouseMove(t, where);
    EXPECT_EQ(t->cursor().shape(), shape) << where.x();
  }
  EXPECT_EQ(d.get("veru")->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(d.get("Frame1")->cursor().shape(), Qt::PointingHandCursor);
}

TEST(CarddeskWindow, TheModelsRankSelectionIsShownWithoutCallingTheGame) {
  TableModel m;
  m.Frame1_visible = true;
  Desk d(m);
  auto checked = [&](int k) {
    return d.get<QRadioButton>(("Option1_" + std::to_string(k)).c_str())->isChecked();
  };
  m.Option1[1].selected = false;
  m.Option1[9].selected = true;
  d.w->showModel();
  EXPECT_TRUE(checked(9));
  EXPECT_FALSE(checked(1));
  m.Option1[9].selected = false;  // none selected is a state of its own
  d.w->showModel();
  EXPECT_FALSE(checked(9));
  EXPECT_TRUE(d.ranks.empty());

  // The player's click is forwarded; afterwards the window shows the model again.
  d.click("Option1_4");
  EXPECT_EQ(d.ranks, std::vector<int>{4});
  EXPECT_FALSE(checked(4));
  m.Option1[5].enabled = false;
  d.w->showModel();
  d.click("Option1_5");
  EXPECT_EQ(d.ranks, std::vector<int>{4});
}

TEST(CarddeskWindow, EnterPressesTheMainButtonOnlyWhileItCanBePressed) {
  TableModel m;
  Desk d(m);
  QApplication::setActiveWindow(d.w.get());
  QTest::keyClick(d.w.get(), Qt::Key_Return);  // hidden
  m.mainbutton.visible = true;
  m.mainbutton.enabled = false;
  d.w->showModel();
  QTest::keyClick(d.w.get(), Qt::Key_Return);  // disabled
  EXPECT_EQ(d.main, 0);
  m.mainbutton.enabled = true;
  d.w->showModel();
  QTest::keyClick(d.w.get(), Qt::Key_Return);
  QTest::keyClick(d.w.get(), Qt::Key_Enter);
  EXPECT_EQ(d.main, 2);
}

TEST(CarddeskWindow, ButtonsReachTheirHandlers) {
  TableModel m;
  m.mainbutton.visible = true;
  Desk d(m);
  for (const char* b : {"mainbutton", "Command1", "veru", "neveru"}) d.click(b);
  EXPECT_EQ((std::vector<int>{d.main, d.show, d.veru, d.neveru}),
            (std::vector<int>{1, 1, 1, 1}));

  m.veru.enabled = false;
  d.w->showModel();
  d.click("veru");
  EXPECT_EQ(d.veru, 1);
  d.w->close();
  EXPECT_EQ(d.close, 1);
}


// The window grows: the table with it, centred on the cloth, and presses land
// on the cards where they are drawn now.
TEST(CarddeskScale, TheTableGrowsCentredAndPressesLandOnTheCardsDrawnThere) {
  TableModel m = overlapping_hand();
  Desk d(m);
  d.w->resize(794 * 2, 529 * 2 + 60);  // twice the size, 30 px of cloth above and below
  QApplication::processEvents();
  const QPoint top(0, 30);
  EXPECT_EQ(d.pixel({700, 15}), kFeltRgb);
  EXPECT_NE(d.pixel(top + QPoint(16 + 40 + 60, 480) * 2), kFeltRgb);  // the third card
  EXPECT_EQ(d.pixel(top + QPoint(16 + 40 + 75, 480) * 2), kFeltRgb);
  d.press(top + QPoint(16 + 45, 500) * 2);
  d.press(top + QPoint(16 + 5, 500) * 2);
  d.press({16 + 45, 500});  // where the cards lay at the table's own size
  EXPECT_EQ(d.cards, (std::vector<int>{3, 1}));
  EXPECT_EQ(d.get<QLabel>("Label1")->font().pixelSize(), 64);
  EXPECT_EQ(d.get("veru")->geometry(), QRect(QPoint(344, 376) * 2 + top, QSize(81, 25) * 2));
}

// Scaled up and back, the table is pixel for pixel the table drawn directly
// at its own size.
TEST(CarddeskScale, AtItsOwnSizeEveryPixelIsAsUnscaled) {
  TableModel m = overlapping_hand();
  m.mainbutton.visible = m.Frame1_visible = m.Chesspiece.visible = true;
  m.konpic[1] = {240, 3840, true, 47};
  m.Conversation3.caption = "Ваш ход";
  Desk direct(m);
  QImage want(direct.w->table()->size(), QImage::Format_ARGB32_Premultiplied);
  direct.w->table()->render(&want);

  Desk d(m);
  const QSize own = d.w->size();
  for (QSize size : {QSize(1920, 1080), QSize(1000, 900), own}) {
    d.w->resize(size);
    QApplication::processEvents();
  }
  EXPECT_EQ(d.w->table()->size(), QSize(794, 529));
  EXPECT_TRUE(d.w->table()->grab().toImage().convertToFormat(want.format()) == want);
}

QImage grab_keys(Desk& d) { return d.w->table()->grab().toImage(); }

// Keys go where clicks go, so what a click cannot do a key cannot either.
TEST(CarddeskKeys, EveryKeyTakesThePathOfTheClickItStandsFor) {
  TableModel m = overlapping_hand();
  m.Frame1_visible = true;
  m.Option1[3].enabled = false;
  m.koloda3[2].enabled = false;
  Desk d(m);
  QApplication::setActiveWindow(d.w.get());
  auto key = [](int k, Qt::KeyboardModifiers mod = {}) {
    QKeyEvent press(QEvent::KeyPress, k, mod);
    QApplication::sendEvent(QApplication::focusWidget(), &press);
  };
  for (int k : std::vector<int>{Qt::Key_Space, Qt::Key_End, Qt::Key_Space, Qt::Key_Left, Qt::Key_Space, Qt::Key_Home,
                Qt::Key_Left, Qt::Key_Space})
    key(k);
  EXPECT_EQ(d.cards, (std::vector<int>{1, 3, 1}));  // card 2 is disabled

  for (int k : std::vector<int>{Qt::Key_9, Qt::Key_3, 0x0412, Qt::Key_D, 0x041D, 0x041A}) key(k);
  key(0x0412, Qt::AltModifier);  // Alt is the menu's
  d.get("Option1_1")->setFocus();  // in the rank frame, Down names the next rank
  key(Qt::Key_Down);
  EXPECT_EQ(d.ranks, (std::vector<int>{9, 2}));
  EXPECT_EQ((std::vector<int>{d.veru, d.neveru, d.show}), (std::vector<int>{2, 1, 1}));

  // On a button, Left and Right still walk the hand.
  d.get("veru")->setFocus();
  key(Qt::Key_Right);
  key(Qt::Key_Right);
  key(Qt::Key_Space);
  EXPECT_EQ(d.cards.back(), 3);
}

// The frame shows which card the keyboard is on, and hides no card's corners.
TEST(CarddeskKeys, TheFocusFrameNeverHidesACardsIndex) {
  TableModel m = overlapping_hand();
  Desk d(m);
  QApplication::setActiveWindow(d.w.get());
  d.w->table()->setFocus();
  const QImage before = grab_keys(d);
  QTest::keyClick(d.w->table(), Qt::Key_Right);  // onto card 2
  const QImage after = grab_keys(d);
  EXPECT_NE(after.pixel(d.w->slotRect(3, 2).topLeft() - QPoint(3, 3)), before.pixel(d.w->slotRect(3, 2).topLeft() - QPoint(3, 3)));
  for (int i = 1; i <= 3; ++i) {
    const QRect index(d.w->slotRect(3, i).topLeft(), QSize(17, 30));
    for (int y = index.top(); y <= index.bottom(); ++y)
      for (int x = index.left(); x <= index.right(); ++x)
        ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << "card " << i << " at " << x << "," << y;
  }
}

}  // namespace
}  // namespace blefino
