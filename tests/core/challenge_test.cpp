#include "fixture.h"

namespace blefino::testing {
namespace {

struct Answering : ::testing::Test {
  void SetUp() override { t.position({21, 22, 23}, {31, 32, 33}, {11, 12, 13}, 3, 7); }
  Table t;
};

TEST_F(Answering, ClaimCheckJudgesOnlyTheLatestBatch) {
  t.claim({45, 35, 25}, 5, {11, 22});  // the heap's bluffs never count
  EXPECT_TRUE(claim_check(t.g));
  t.g.kon_cards = pile({45, 35, 25, 16});
  EXPECT_FALSE(claim_check(t.g));
  t.g.kon_cards.clear();
  EXPECT_TRUE(claim_check(t.g));  // an empty batch counts as true
}

TEST_F(Answering, BelievingAnHonestBatchSendsTheRoundOutOfPlay) {
  t.g.cpu1_laid = pile({14});
  t.g.cpu2_laid = pile({24, 34});
  t.claim({24, 34}, 4, {14, 15, 16, 17, 18});
  press_veru(t.g);

  ASSERT_EQ(t.host.shown.size(), 1u);
  EXPECT_EQ(t.host.shown[0].text, "Отбой");
  EXPECT_EQ(t.host.shown[0].title, "MIRTA");  // opponent 2 speaks
  EXPECT_EQ(t.host.shown[0].icon, Icon::Question);
  EXPECT_EQ(t.g.otboy_cards.count(), 7);
  EXPECT_EQ(t.g.m.in_otboy.caption, " 7");
  EXPECT_EQ(t.g.m.in_heap.caption, " 0");
  EXPECT_TRUE(t.g.m.otboypic.visible);
  EXPECT_FALSE(t.g.m.heappic.visible);
  EXPECT_EQ(codes(t.g.cpu1_known), (std::vector<int>{24, 34, 14}));
  EXPECT_EQ(codes(t.g.cpu2_known), (std::vector<int>{24, 34}));
  EXPECT_TRUE(t.g.cpu1_laid.empty());
  EXPECT_TRUE(t.g.cpu2_laid.empty());
  EXPECT_EQ(t.g.player_veru_count, 1);
  EXPECT_TRUE(t.g.player_said_veru);
  // The human opens the next round.
  EXPECT_TRUE(t.g.m.Option1[3].enabled);
  EXPECT_TRUE(t.g.m.koloda3[1].enabled);
  EXPECT_FALSE(t.g.m.mainbutton.enabled);
  EXPECT_FALSE(t.g.m.veru.visible);
  EXPECT_EQ(t.g.m.konpic[1].picture, kNoPicture);
  EXPECT_TRUE(t.recorder.moves.empty());
}

TEST_F(Answering, BelievingABluffMakesTheHumanTakeEverything) {
  t.g.cpu2_laid = pile({44});
  t.claim({44, 15}, 4, {26, 27});
  press_veru(t.g);
  ASSERT_EQ(t.host.shown.size(), 1u);
  EXPECT_EQ(t.host.shown[0].text, "Вася, забирай");
  EXPECT_EQ(t.host.shown[0].title, "MIRTA");
  EXPECT_EQ(codes(t.g.player_cards), (std::vector<int>{11, 12, 13, 44, 15, 26, 27}));
  EXPECT_TRUE(t.g.heap_cards.empty());
  EXPECT_TRUE(t.g.cpu2_laid.empty());
  EXPECT_TRUE(t.g.cpu2_known.empty());
  EXPECT_FALSE(t.g.m.koloda3[7].enabled);
  EXPECT_TRUE(t.g.m.mainbutton.enabled);
  EXPECT_EQ(t.recorder.moves, std::vector<int>{1});  // the next opponent moves at once
}

TEST_F(Answering, DoubtingABluffMakesTheClaimerTake) {
  t.claim({44, 15}, 4, {26});
  press_neveru(t.g);
  ASSERT_EQ(t.host.shown.size(), 1u);
  EXPECT_EQ(t.host.shown[0].text, "Я беру");
  EXPECT_EQ(t.host.shown[0].title, "MIRTA");
  EXPECT_EQ(codes(t.g.cpu2_cards), (std::vector<int>{31, 32, 33, 44, 15, 26}));
  EXPECT_TRUE(t.g.m.koloda2[6].visible);
  EXPECT_EQ(t.g.player_neveru_count, 1);
  EXPECT_FALSE(t.g.player_said_veru);
  EXPECT_TRUE(t.g.m.Option1[1].enabled);
  EXPECT_TRUE(t.recorder.moves.empty());  // the human opens the next round
}

TEST_F(Answering, DoubtingABluffWhileOpponentTwoIsOutMakesOpponentOneTake) {
  t.g.cpu2_out = true;
  t.g.cpu2_cards.clear();
  t.claim({44}, 1);
  press_neveru(t.g);
  EXPECT_EQ(t.host.shown[0].title, "KRUMP");
  EXPECT_EQ(t.host.shown[0].text, "Я беру");
  EXPECT_EQ(codes(t.g.cpu1_cards), (std::vector<int>{21, 22, 23, 44}));
  EXPECT_TRUE(t.g.m.koloda1[4].visible);
}

TEST_F(Answering, DoubtingAnHonestBatchMakesTheHumanTake) {
  t.claim({44, 24}, 4, {16});
  press_neveru(t.g);
  EXPECT_EQ(t.host.shown[0].text, "Вася, забирай");
  EXPECT_EQ(t.g.player_cards.count(), 6);
  EXPECT_EQ(t.g.m.in_heap.caption, " 0");
  EXPECT_EQ(t.recorder.moves, std::vector<int>{1});
  t.g.cpu1_out = true;
  t.claim({44}, 4);
  t.g.player_cards.remove(1);
  press_neveru(t.g);
  EXPECT_EQ(t.recorder.moves, (std::vector<int>{1, 2}));
}

TEST_F(Answering, AnEmptyHandAfterAWinningAnswerPassesTheMoveOn) {
  t.g.player_cards.clear();
  t.claim({24}, 4);
  press_veru(t.g);
  EXPECT_EQ(t.g.player_out, true);  // marked out by the check
  EXPECT_EQ(t.recorder.moves, std::vector<int>{1});
}

TEST_F(Answering, AHumanWhoIsOutSeesNoVerdicts) {
  t.g.player_out = true;
  announce(t.g, 0);
  announce(t.g, 6);
  EXPECT_TRUE(t.host.shown.empty());
  t.g.player_out = false;
  for (int code : {0, 1, 2, 3, 4, 5, 6, 7, -1}) announce(t.g, code);
  std::vector<std::pair<std::string, std::string>> seen;
  for (const Shown& s : t.host.shown) seen.emplace_back(s.title, s.text);
  EXPECT_EQ(seen, (std::vector<std::pair<std::string, std::string>>{
                      {"KRUMP", "Я беру"},
                      {"MIRTA", "Я беру"},
                      {"KRUMP", "Отбой"},
                      {"MIRTA", "Отбой"},
                      {"KRUMP", "Вася, забирай"},
                      {"KRUMP", "Я беру"},
                      {"MIRTA", "Вася, забирай"}}));
}

TEST_F(Answering, HiddenAnswerButtonsIgnoreClicks) {
  press_veru(t.g);
  press_neveru(t.g);
  EXPECT_EQ(t.g.player_veru_count, 0);
  EXPECT_EQ(t.g.player_neveru_count, 0);
  EXPECT_TRUE(t.host.shown.empty());
}

TEST_F(Answering, LearningCountersStopAtTheTopOfTheirRange) {
  t.g.player_veru_count = 32767;
  t.claim({24}, 4);
  press_veru(t.g);
  EXPECT_EQ(t.g.player_veru_count, 32767);
}

TEST_F(Answering, QuittingAtTheVerdictMovesNothing) {
  t.host.on_message = [&] { quit(t.g); };
  t.claim({44, 15}, 4, {26});
  const Pile hand = t.g.player_cards;
  press_veru(t.g);
  EXPECT_EQ(t.host.ended, 1);
  EXPECT_EQ(t.g.player_cards, hand);
  EXPECT_TRUE(t.recorder.moves.empty());
}

}  // namespace
}  // namespace blefino::testing
