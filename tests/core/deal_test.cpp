// A fresh deal: the shuffle, who sits where, who begins, and what is said.
#include <set>

#include "tests/support/fixture.h"

namespace blefino::testing {
namespace {

// The shuffle swaps every card with one strictly below it, so the pack always
// ends up as one single cycle: no card can stay where it was.
TEST(Deal, ShuffleIsOneCycleWhateverTheRolls) {
  for (double v : {0.0, 0.5, 0.999999, -1.0}) {
    ScriptRandom rng;
    if (v >= 0) rng.values.assign(36, v);
    const auto deck = shuffled_pack(rng);
    std::array<int, 50> place{};
    for (int i = 1; i <= 36; ++i)
      place[static_cast<std::size_t>(deck[static_cast<std::size_t>(i)])] = i;
    // Follow the cycle from position 1: it must visit all 36 positions.
    const auto pack = full_pack();
    int pos = 1, steps = 0;
    do {
      pos = place[static_cast<std::size_t>(pack[static_cast<std::size_t>(pos - 1)])];
      ++steps;
    } while (pos != 1 && steps <= 36);
    EXPECT_EQ(steps, 36) << "rolls of " << v;
  }
}

TEST(Deal, DealsRoundTheTableFromOpponentTwo) {
  Table t;
  t.rng.values.assign(36, 0.3);
  ScriptRandom same;
  same.values.assign(36, 0.3);
  const auto deck = shuffled_pack(same);
  new_game(t.g);
  std::vector<int> cpu2, cpu1;
  for (int k = 1; k <= 36; k += 3) cpu2.push_back(deck[static_cast<std::size_t>(k)]);
  for (int k = 3; k <= 36; k += 3) cpu1.push_back(deck[static_cast<std::size_t>(k)]);
  EXPECT_EQ(codes(t.g.hand(Seat::Cpu2)), cpu2);
  EXPECT_EQ(codes(t.g.hand(Seat::Cpu1)), cpu1);
  // The human's hand is shown sorted by rank, then suit.
  const auto& human = t.g.hand(Seat::Human).items();
  ASSERT_EQ(human.size(), 12u);
  EXPECT_TRUE(std::is_sorted(human.begin(), human.end(),
                             [](int a, int b) { return display_key(a) < display_key(b); }));
}

TEST(Deal, DrawsTwoDifferentOpponentsAndWhoBegins) {
  struct Case {
    std::vector<double> rolls;  // after the 36 of the shuffle
    std::string cpu1, cpu2;
    Seat first;
  };
  const Case cases[] = {
      // The same row twice is drawn again; 8 × 0.0625 + 1 = 1.5 rounds to the even 2.
      {{0.0, 0.0, 0.0625, 1.0 - 1e-9, 0.25}, "GORDAN", "GRUB", Seat::Cpu2},
      {{0.5, 0.0, 0.75}, "BARNABY KROSS", "TORVIK", Seat::Cpu2},  // 2.5 rounds to 2
      {{0.5, 0.0, 0.9}, "BARNABY KROSS", "TORVIK", Seat::Human},
      {{0.5, 0.0, 0.1}, "BARNABY KROSS", "TORVIK", Seat::Cpu1},
  };
  // The turn marker's place beside each seat (Left, Top in twips).
  const PerSeat<std::pair<int, int>> marker{{{{5562, 2849}, {6046, 2849}, {4594, 5957}}}};
  for (const Case& c : cases) {
    Table t;
    t.rng.values.assign(36, 0.5);
    t.rng.values.insert(t.rng.values.end(), c.rolls.begin(), c.rolls.end());
    claim(t.g, 7);  // the last claim carries over into the new game
    new_game(t.g);
    const TableModel m = t.view();
    EXPECT_EQ(m.Labelcpu1.caption, c.cpu1);
    EXPECT_EQ(m.Labelcpu2.caption, c.cpu2);
    EXPECT_EQ(std::pair(m.Chesspiece.left, m.Chesspiece.top), marker[c.first]);
    EXPECT_TRUE(m.Chesspiece.visible && m.Option1[7].selected);
    // Whoever begins, the human may touch the cards only when it is the human's move.
    const bool human = c.first == Seat::Human;
    EXPECT_EQ(can_press_card(t.g, 1), human);
    EXPECT_EQ(can_press_main(t.g), !human);
    EXPECT_EQ(m.Conversation3.caption, human ? "Ваш ход" : "");
  }
}

TEST(Deal, GreetsByTheCalendarAndStartsWithNoOldLines) {
  struct Case {
    int month, day;
    std::string first, second;
  };
  const Case cases[] = {
      {6, 15, "Желаю удачи!!!", "Вы готовы проиграть?"},
      {12, 31, "С новым годом!!!", "С новым годом!!!"},
      {12, 30, "Hello!!!", "До Нового года остался 1 день"},
      {12, 10, "Hello!!!", "До Нового года остался 21 день"},
      {12, 29, "Hello!!!", "До Нового года осталось 2 дня"},
      {12, 9, "Hello!!!", "До Нового года осталось 22 дня"},
      {12, 27, "Hello!!!", "До Нового года осталось 4 дня"},
      {12, 26, "Hello!!!", "До Нового года осталось 5 дней"},
      {12, 6, "Hello!!!", "До Нового года осталось 25 дней"},
      {12, 1, "Hello!!!", "До Нового года осталось 30 дней"},
  };
  for (const Case& c : cases) {
    Table t;
    t.host.today = {2026, c.month, c.day, 12, 0, 0};
    t.rng.values.assign(36, 0.5);
    t.rng.push({0.5, 0.0, 0.9});  // the human begins
    new_game(t.g);
    // The old game's words must not carry over into the next deal.
    say(t.g, Seat::Cpu1, Line::DontBelieve);
    t.rng.values.assign(36, 0.5);
    t.rng.push({0.5, 0.0, 0.9});
    new_game(t.g);
    const TableModel m = t.view();
    EXPECT_EQ(m.Conversation1.caption, c.first) << c.month << "/" << c.day;
    EXPECT_EQ(m.Conversation2.caption, c.second) << c.month << "/" << c.day;
  }
}

}  // namespace
}  // namespace blefino::testing
