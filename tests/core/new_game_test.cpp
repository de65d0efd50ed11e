#include <algorithm>

#include "fixture.h"

namespace blefino::testing {
namespace {

std::vector<int> all_hands(const Game& g) {
  std::vector<int> all;
  for (const Pile* p : {&g.cpu1_cards, &g.cpu2_cards, &g.player_cards})
    all.insert(all.end(), p->begin(), p->end());
  std::sort(all.begin(), all.end());
  return all;
}

TEST(NewGame, DealsTheWholePackIntoThreeHandsOfTwelve) {
  Table t;
  for (int game = 0; game < 50; ++game) {
    new_game(t.g);
    EXPECT_EQ(t.g.cpu1_cards.count(), 12);
    EXPECT_EQ(t.g.cpu2_cards.count(), 12);
    EXPECT_EQ(t.g.player_cards.count(), 12);
    const auto pack = full_pack();
    EXPECT_EQ(all_hands(t.g), std::vector<int>(pack.begin(), pack.end()));
  }
}

TEST(NewGame, ShufflesWithOneValuePerCardAndDealsRoundTheTable) {
  Table t;
  // All zeros: each step swaps deck[1] with deck[j], walking the pack round once.
  std::vector<double> zeros(36, 0.0);
  for (double z : zeros) t.rng.values.push_back(z);
  t.rng.push({0.0, 0.5});       // names: rows 1 and 5 (4 + 1 = 5)
  t.rng.push({0.0});            // opponent 1 begins
  new_game(t.g);
  EXPECT_TRUE(t.rng.values.empty());
  // With every roll 0 each step swaps deck[1] with deck[j].
  std::vector<int> deck(37);
  auto pack = full_pack();
  for (int i = 1; i <= 36; ++i) deck[i] = pack[i - 1];
  for (int j = 36; j >= 1; --j) std::swap(deck[1], deck[j]);
  for (int i = 1; i <= 36; ++i) EXPECT_EQ(t.g.deck[i], deck[i]);
  std::vector<int> cpu1, cpu2, human;
  for (int k = 1; k <= 36; ++k) (k % 3 == 1 ? cpu2 : k % 3 == 2 ? human : cpu1).push_back(deck[k]);
  EXPECT_EQ(codes(t.g.cpu1_cards), cpu1);
  EXPECT_EQ(codes(t.g.cpu2_cards), cpu2);
  std::sort(human.begin(), human.end(), [](int a, int b) { return display_key(a) < display_key(b); });
  EXPECT_EQ(codes(t.g.player_cards), human);
}

TEST(NewGame, DrawsTwoDifferentOpponentsRoundingHalfToEven) {
  Table t;
  auto deal_with_names = [&](std::initializer_list<double> names) {
    t.rng.values.assign(36, 0.3);
    t.rng.values.insert(t.rng.values.end(), names);
    t.rng.push({0.0});
    new_game(t.g);
    EXPECT_TRUE(t.rng.values.empty());
  };
  // 0.0625 × 8 + 1 = 1.5 → 2; 0.9375 × 8 + 1 = 8.5 → 8; a tie is drawn again.
  deal_with_names({0.0625, 0.9375});
  EXPECT_EQ(t.g.cpu1_name_idx, 2);
  EXPECT_EQ(t.g.cpu2_name_idx, 8);
  EXPECT_EQ(t.g.cpu2_name, "DORINA");
  deal_with_names({0.5, 0.5, 0.0, 0.99});
  EXPECT_EQ(t.g.cpu1_name_idx, 1);
  EXPECT_EQ(t.g.cpu2_name_idx, 9);
  EXPECT_EQ(t.g.m.Labelcpu1.caption, "TORVIK");
  EXPECT_EQ(t.g.m.Labelcpu2.caption, "GRUB");
  EXPECT_EQ(t.g.m.Image1.picture, 1);
  EXPECT_EQ(t.g.m.Image2.picture, 9);
}

TEST(NewGame, FirstMoverAndWhatTheHumanMayTouch) {
  Table t;
  auto begin_with = [&](double roll) {
    t.rng.values.assign(36, 0.3);
    t.rng.push({0.1, 0.6, roll});
    new_game(t.g);
  };
  begin_with(0.24);  // 1.48 → 1
  EXPECT_EQ(t.g.next_mover, 1);
  EXPECT_EQ(t.g.m.Chesspiece.left, 5562);
  EXPECT_EQ(t.g.m.Chesspiece.top, 2849);
  EXPECT_TRUE(t.g.m.mainbutton.enabled);
  EXPECT_FALSE(t.g.m.koloda3[1].enabled);
  EXPECT_FALSE(t.g.m.Option1[5].enabled);

  begin_with(0.25);  // 1.5 → 2
  EXPECT_EQ(t.g.next_mover, 2);
  EXPECT_EQ(t.g.m.Chesspiece.left, 6046);
  begin_with(0.75);  // 2.5 → 2
  EXPECT_EQ(t.g.next_mover, 2);

  begin_with(0.76);  // 2.52 → 3
  EXPECT_EQ(t.g.next_mover, 3);
  EXPECT_EQ(t.g.m.Chesspiece.left, 4594);
  EXPECT_EQ(t.g.m.Chesspiece.top, 5957);
  EXPECT_FALSE(t.g.m.mainbutton.enabled);
  EXPECT_TRUE(t.g.m.koloda3[12].enabled);
  EXPECT_TRUE(t.g.m.Option1[9].enabled);
  EXPECT_EQ(t.g.m.Conversation3.caption, "Ваш ход");
}

TEST(NewGame, ResetsTheTableButKeepsWhatTheOpponentsLearned) {
  Table t;
  new_game(t.g);
  t.g.player_veru_count = 5;
  t.g.player_neveru_count = 3;
  t.g.cpu1_count_a = 7;
  t.g.cpu1_count_b = 2;
  t.g.cpu1_out = true;
  t.g.show_cards = true;
  t.g.otboy_cards.add(11);
  t.g.cpu1_known.add(11);
  select_rank(t.g, 7);
  t.g.m.veru.visible = t.g.m.neveru.visible = true;

  new_game(t.g);
  EXPECT_EQ(t.g.player_veru_count, 5);
  EXPECT_EQ(t.g.player_neveru_count, 3);
  EXPECT_EQ(t.g.cpu1_count_a, 7);
  EXPECT_EQ(t.g.cpu1_count_b, 2);
  EXPECT_FALSE(t.g.cpu1_out);
  EXPECT_FALSE(t.g.show_cards);
  EXPECT_TRUE(t.g.otboy_cards.empty());
  EXPECT_TRUE(t.g.cpu1_known.empty());
  EXPECT_EQ(selected_rank(t.g), 7);  // the claim carries over from game to game
  EXPECT_FALSE(t.g.m.veru.visible);
  EXPECT_FALSE(t.g.m.neveru.visible);
  EXPECT_EQ(t.g.m.in_heap.caption, " 0");
  EXPECT_EQ(t.g.m.in_otboy.caption, " 0");
  EXPECT_FALSE(t.g.m.heappic.visible);
  EXPECT_FALSE(t.g.m.otboypic.visible);
  EXPECT_EQ(t.g.m.Command1.caption, "Открыть карты");
  EXPECT_FALSE(t.g.m.Command1.visible);
  EXPECT_TRUE(t.g.m.mainbutton.visible);
  EXPECT_EQ(t.g.m.myname.caption, "Вася");
  t.g.open_cards_allowed = true;  // only those who know the word keep the button
  new_game(t.g);
  EXPECT_TRUE(t.g.m.Command1.visible);
}

TEST(NewGame, ShowsTheChosenBackAndFallsBackToBackOne) {
  Table t;
  for (auto [skin, element] : std::vector<std::pair<std::string, int>>{
           {"5", 50}, {"0", 0}, {"17", 170}, {"18", 10}, {"-3", 10}, {"abc", 10}, {"", 10}}) {
    t.g.settings.skin = skin;
    new_game(t.g);
    EXPECT_EQ(t.g.m.Example.picture, element) << "skin '" << skin << "'";
    EXPECT_EQ(t.g.m.koloda1[1].picture, element);
    EXPECT_EQ(t.g.m.heappic.picture, element);
  }
}

TEST(MtRandom, StaysBelowOneAndIsRepeatableFromASeed) {
  MtRandom a(99), b(99);
  for (int i = 0; i < 10000; ++i) {
    double x = a.next();
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
    ASSERT_EQ(x, b.next());
  }
}

}  // namespace
}  // namespace blefino::testing
