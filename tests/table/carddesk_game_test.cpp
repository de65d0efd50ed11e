// The table window with the real game behind it: the player's clicks go in,
// the model comes back out on the screen.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "carddesk.h"
#include "core/game.h"
#include "core/table_view.h"
#include "opponents/opponents.h"
#include "qt_host.h"

namespace blefino {
namespace {

// Deals from given values first, then plays on with a seeded generator.
class ScriptedRandom : public Random {
 public:
  explicit ScriptedRandom(std::deque<double> script) : script_(std::move(script)) {}
  double next() override {
    if (script_.empty()) return rest_.next();
    double v = script_.front();
    script_.pop_front();
    return v;
  }

 private:
  std::deque<double> script_;
  MtRandom rest_{12345};
};

// 36 shuffle values, two opponents' rows, then who begins: 0.9 is the human.
std::deque<double> deal_where(double first_player) {
  std::deque<double> s(36, 0.37);
  s.push_back(0.0);   // opponent 1: row 1
  s.push_back(0.5);   // opponent 2: row 5
  s.push_back(first_player);
  return s;
}

struct Shown {
  std::string text, title;
  QMessageBox::Icon icon;
  std::vector<std::string> buttons;
};

struct Table {
  explicit Table(std::deque<double> script, bool open_cards = false)
      : rng(std::move(script)), g(host, rng, opponents) {
    g.settings.player_name = "Вася";
    g.open_cards_allowed = open_cards;
    host.setInterceptor([this](QMessageBox& box) {
      Shown s{box.text().toStdString(), box.windowTitle().toStdString(), box.icon(), {}};
      for (QAbstractButton* b : box.buttons()) s.buttons.push_back(b->text().toStdString());
      shown.push_back(s);
      return box.text() == QStringLiteral("Сыграем еще раз?") ? again : box.standardButtons() & QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::Yes;
    });
    host.setExitAction([this] { ++exits; });
    desk = std::make_unique<Carddesk>(view_of(g), events_for(g));
    host.setWindow(desk.get());
    new_game(g);
    desk->showModel();
    desk->show();
  }

  template <typename W = QWidget>
  W* get(const char* name) {
    W* w = desk->findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void pressSlot(int i, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(desk->table(), b, {}, desk->slotRect(3, i).center() + QPoint(0, 20));
  }
  void clickRank(int k) {
    auto* r = get<QRadioButton>(("Option1_" + std::to_string(k)).c_str());
    QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(10, r->height() / 2));  // on its circle
  }
  void click(const char* button) { QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton); }
  bool answering() { return get<QWidget>("veru")->isVisible(); }
  bool enabled(const char* name) { return get<QWidget>(name)->isVisible() && get<QWidget>(name)->isEnabled(); }

  QtHost host{{}, std::chrono::milliseconds(0)};
  ScriptedRandom rng;
  ComputerOpponents opponents;
  Game g;
  std::unique_ptr<Carddesk> desk;
  std::vector<Shown> shown;
  QMessageBox::StandardButton again = QMessageBox::Yes;
  int exits = 0;
};

QRgb pixel(QWidget* w, QPoint p) { return w->grab().toImage().pixel(p) & 0xffffff; }
const std::vector<std::string> kOk{"OK"};

TEST(CarddeskGame, APressRaisesACardASecondLaysItFaceUpAndTheClaimIsShown) {
  Table t(deal_where(0.9));
  ASSERT_EQ(t.g.to_move, Seat::Human);  // the human opens
  const int code = t.g.hand(Seat::Human).item(5);
  const QRect resting = t.desk->slotRect(3, 5);

  t.pressSlot(5, Qt::RightButton);
  EXPECT_EQ(table_view(t.g).koloda3[5].top, kRaisedTop);
  EXPECT_EQ(t.desk->slotRect(3, 5), resting.translated(0, -9));
  EXPECT_TRUE(t.g.batch.empty());

  t.pressSlot(5);
  ASSERT_EQ(t.g.batch.count(), 1);
  EXPECT_EQ(table_view(t.g).konpic[1].picture, code);  // face up
  EXPECT_NE(pixel(t.desk->table(), {16 + 37, 256 + 50}), 0x004000u);
  const int rank = code % 10;  // the laid card's rank is claimed, on screen as in the model
  EXPECT_TRUE(t.get<QRadioButton>(("Option1_" + std::to_string(rank)).c_str())->isChecked());
  EXPECT_EQ(t.get<QLabel>("koncard")->text().toStdString(), std::string(kRankCaptions[rank]));
  EXPECT_TRUE(t.enabled("mainbutton"));

  t.clickRank(rank == 9 ? 8 : 9);  // the player names another rank
  EXPECT_EQ(t.get<QLabel>("koncard")->text().toStdString(), kRankCaptions[rank == 9 ? 8 : 9]);
  EXPECT_FALSE(t.get<QRadioButton>(("Option1_" + std::to_string(rank)).c_str())->isChecked());
}

TEST(CarddeskGame, AFifthCardIsRefusedWithAMessage) {
  Table t(deal_where(0.9));
  for (int n = 0; n <= 5; ++n) t.pressSlot(1);  // raise, lay four, then the fifth
  ASSERT_EQ(t.shown.size(), 1u);
  EXPECT_EQ(t.shown[0].text, "Больше нельзя!!!");
  EXPECT_EQ(t.shown[0].title, "Блефино");
  EXPECT_EQ(t.shown[0].icon, QMessageBox::Information);
  EXPECT_EQ(t.shown[0].buttons, kOk);
  EXPECT_EQ(t.g.batch.count(), 4);
}

TEST(CarddeskGame, AnswerButtonsShowExactlyWhileAClaimWaitsForThePlayer) {
  Table t(deal_where(0.9));
  EXPECT_FALSE(t.answering());  // the human opens: nothing to answer
  int claims = 0;
  for (int round = 0; round < 40; ++round) {
    // The move is the human's (the turn marker at their name) and the batch holds a claim.
    const bool waits = t.g.marker == Seat::Human && !t.g.batch.empty();
    ASSERT_EQ(t.answering(), waits) << round;
    EXPECT_EQ(t.get("neveru")->isVisible(), waits);
    if (waits) {
      ++claims;
      EXPECT_FALSE(t.get("Option1_3")->isEnabled());  // the rank is the opponent's
      t.click(round % 2 ? "veru" : "neveru");
    } else if (t.enabled("mainbutton")) {
      t.click("mainbutton");
    } else {
      t.pressSlot(1);
      t.pressSlot(1);
      t.click("mainbutton");
    }
  }
  EXPECT_GT(claims, 0);
}

TEST(CarddeskGame, TheShowCardsButtonTurnsTheOpponentsCardsAndItsCaption) {
  Table t(deal_where(0.9), /*open_cards=*/true);
  auto caption = [&] { return t.get<QPushButton>("Command1")->text().simplified(); };
  const struct { QString caption; bool open; } steps[] = {
      {QStringLiteral("Открыть карты"), false},
      {QStringLiteral("Закрыть карты"), true},
      {QStringLiteral("Открыть карты"), false}};
  for (const auto& s : steps) {
    if (&s != steps) t.click("Command1");
    EXPECT_EQ(caption(), s.caption);
    EXPECT_EQ(table_view(t.g).koloda1[1].picture, s.open ? t.g.hand(Seat::Cpu1).item(1) : back_picture(t.g.back));
    EXPECT_EQ(table_view(t.g).koloda2[12].picture, s.open ? t.g.hand(Seat::Cpu2).item(12) : back_picture(t.g.back));
  }
}

// Whole games through the window, every message captured as the player would
// see it, until "Сыграем еще раз?" is answered No: the program then ends from
// inside the chain of moves.
TEST(CarddeskGame, FullGamesShowEveryMessageInItsFormAndNoEndsTheProgram) {
  Table t(deal_where(0.9));
  int games_ended = 0;
  for (int step = 0; step < 5000 && !t.host.ending(); ++step) {
    if (games_ended >= 2) t.again = QMessageBox::No;
    const std::size_t before = t.shown.size();
    if (t.answering()) {
      t.click(step % 3 ? "neveru" : "veru");
    } else if (t.enabled("mainbutton")) {
      t.click("mainbutton");
    } else {
      t.pressSlot(1);
      t.pressSlot(1);
    }
    for (std::size_t i = before; i < t.shown.size(); ++i)
      games_ended += t.shown[i].text == "Сыграем еще раз?";
  }
  ASSERT_TRUE(t.host.ending());
  EXPECT_EQ(games_ended, 3);
  EXPECT_EQ(t.exits, 1);
  EXPECT_TRUE(t.g.stopped);
  EXPECT_FALSE(t.desk->isVisible());

  auto is_opponent = [](const std::string& name) {
    return !name.empty() && std::find(kOpponentNames.begin(), kOpponentNames.end(), name) != kOpponentNames.end();
  };
  for (const Shown& s : t.shown) {
    SCOPED_TRACE(s.text);
    if (s.text == "Сыграем еще раз?") {
      EXPECT_EQ(s.title, "Блефино");
      EXPECT_EQ(s.icon, QMessageBox::Question);
      EXPECT_EQ(s.buttons, (std::vector<std::string>{"Да", "Нет"}));
    } else if (s.text == "Я беру" || s.text == "Отбой" || s.text == "Вася, забирай") {
      EXPECT_EQ(s.icon, QMessageBox::Question);  // the opponents speak with a question mark
      EXPECT_TRUE(is_opponent(s.title)) << s.title;
      EXPECT_EQ(s.buttons, kOk);
    } else {
      EXPECT_EQ(s.title, "Блефино");
      EXPECT_EQ(s.buttons, kOk);
      EXPECT_TRUE(s.text == "Больше нельзя!!!" || s.text == "Ничья!!!" || s.text.ends_with("проиграл!!!") ||
                  s.text.ends_with("проиграла!!!") || s.text == "Вася, вы проиграли!!!");
    }
  }
}

// A whole move with no mouse: along the hand, a card raised and laid, a rank
// named, Enter; then claims answered with "Не верю", each getting its verdict.
TEST(CarddeskGame, MovesArePlayedFromTheKeyboardAlone) {
  Table t(deal_where(0.9));
  QApplication::setActiveWindow(t.desk.get());
  auto keys = [&](std::initializer_list<int> ks) {
    for (int k : ks) {
      if (k == Qt::Key_Return) {
        QTest::keyClick(t.desk.get(), Qt::Key_Return);  // a shortcut of the window
        continue;
      }
      QKeyEvent press(QEvent::KeyPress, k, {});
      QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
  };
  const int last = t.g.hand(Seat::Human).item(12);
  keys({Qt::Key_End, Qt::Key_Space, Qt::Key_Space, Qt::Key_9});
  ASSERT_EQ(t.g.batch.count(), 1);
  EXPECT_EQ(t.g.batch.item(1), last);
  EXPECT_EQ(t.get<QLabel>("koncard")->text(), QStringLiteral("Туз"));
  int answered = 0;
  for (int move = 0; move < 20 && answered < 2 && !t.g.stopped; ++move) {
    keys({Qt::Key_Return});
    if (!t.answering()) {
      keys({Qt::Key_Home, Qt::Key_Space, Qt::Key_Space});
      continue;
    }
    const std::size_t shown = t.shown.size();
    keys({0x041D});  // Н: "Не верю"
    ASSERT_GT(t.shown.size(), shown);  // the verdict
    ++answered;
  }
  EXPECT_EQ(answered, 2);
}

}  // namespace
}  // namespace blefino
