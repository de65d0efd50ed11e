// The human's answers, the verdicts, and the end of a game.
#include "tests/support/fixture.h"

namespace blefino::testing {
namespace {

TEST(Answers, EachAnswerSendsTheRoundWhereItBelongs) {
  struct Case {
    bool honest, believe;
    std::string verdict;
    Seat taker;  // Human when the human takes; Cpu1 stands for "nobody": out of play
  };
  const Case cases[] = {
      {true, true, "DUKE LOPATSKY: Отбой", Seat::Cpu1},
      {false, true, "DUKE LOPATSKY: Вася, забирай", Seat::Human},
      {true, false, "DUKE LOPATSKY: Вася, забирай", Seat::Human},
      {false, false, "DUKE LOPATSKY: Я беру", Seat::Cpu2},
  };
  for (const Case& c : cases) {
    Table t;
    t.position({12, 22}, {13, 23}, {48, 18, 11}, 1, 4);
    t.claim_made(c.honest ? std::initializer_list<int>{38, 28} : std::initializer_list<int>{38, 25},
                 8, {16, 26});
    c.believe ? press_veru(t.g) : press_neveru(t.g);
    EXPECT_EQ(t.host.messages(), (std::vector<std::string>{c.verdict}));
    const bool out_of_play = c.taker == Seat::Cpu1;
    EXPECT_EQ(t.g.discard.count(), out_of_play ? 4 : 0);
    EXPECT_EQ(t.g.hand(Seat::Human).count(), c.taker == Seat::Human ? 7 : 3);
    EXPECT_EQ(t.g.hand(Seat::Cpu2).count(), c.taker == Seat::Cpu2 ? 6 : 2);
    EXPECT_TRUE(t.g.batch.empty() && t.g.heap.empty());
    const TableModel m = t.view();
    EXPECT_FALSE(m.veru.visible || m.neveru.visible);
    if (c.taker == Seat::Human) {
      // Wrong: opponent 1 moves at once, and the human's cards stay out of reach meanwhile.
      EXPECT_EQ(t.recorder.moves, (std::vector<Seat>{Seat::Cpu1}));
      EXPECT_EQ(t.recorder.human_could_play, (std::vector<bool>{false}));
    } else {
      // Right: the human opens the next round.
      EXPECT_TRUE(t.recorder.moves.empty());
      EXPECT_TRUE(can_press_card(t.g, 1) && can_pick_rank(t.g, 1) && !can_press_main(t.g));
    }
  }
}

// What the opponents learn of the human: every answer, a card laid on a claim
// as a belief, for the whole run, the counts stopping at the top of their range.
TEST(Answers, EveryAnswerIsLearntForTheWholeRun) {
  Table t;
  t.position({12, 22}, {13, 23}, {48, 18, 11});
  t.g.human_doubted = 32766;
  t.g.cpu1_saw_true = 5;
  t.g.cpu1_saw_false = 6;
  for (int i = 0; i < 2; ++i) {
    t.claim_made({44}, 9);  // a bluff, doubted
    press_neveru(t.g);
  }
  t.claim_made({38}, 8);
  press_veru(t.g);
  t.claim_made({28}, 8);
  t.lay(1);
  new_game(t.g);
  const std::vector<int> learnt = {t.g.human_believed, t.g.human_doubted, t.g.cpu1_saw_true,
                                   t.g.cpu1_saw_false};
  EXPECT_EQ(learnt, (std::vector<int>{2, 32767, 5, 6}));
}

TEST(Answers, OpponentOneRemembersTheBatchTheHumanBelieved) {
  Table t;
  t.position({12, 22}, {13, 23}, {48, 18, 11});
  t.g.seat(Seat::Cpu2).laid = pile({26});
  t.claim_made({38, 28}, 8, {26});
  press_veru(t.g);
  EXPECT_EQ(codes(t.g.seat(Seat::Cpu1).known), (std::vector<int>{38, 28}));
  EXPECT_EQ(codes(t.g.seat(Seat::Cpu2).known), (std::vector<int>{26}));
}

TEST(EndOfGame, ResultsAreCountedSavedBeforeTheQuestionAndAnswered) {
  struct Case {
    std::initializer_list<int> cpu1, cpu2;
    bool honest;
    int cpu1_row, cpu2_row;
    std::string result, saved;
  };
  const Case cases[] = {
      // The human's last card goes out with a believed honest batch.
      {{}, {13}, true, 9, 7, "Блефино: MIRTA проиграла!!!", "save 4/2/1"},
      {{}, {13}, true, 9, 8, "Блефино: DORINA проиграла!!!", "save 4/2/1"},
      {{12}, {}, true, 6, 7, "Блефино: LILA проиграла!!!", "save 4/2/1"},
      {{12}, {}, true, 9, 7, "Блефино: GRUB проиграл!!!", "save 4/2/1"},
      {{}, {}, true, 9, 7, "Блефино: Ничья!!!", "save 3/2/2"},
      {{}, {}, false, 9, 7, "Блефино: Вася, вы проиграли!!!", "save 3/3/1"},
  };
  for (const Case& c : cases) {
    Table t;
    t.g.settings.win = "3";
    t.g.settings.loss = "2";
    t.g.settings.draw = "1";
    t.position(c.cpu1, c.cpu2, {}, c.cpu1_row, c.cpu2_row);
    // Under the question the table shows no turn marker and no main button.
    bool marker_at_question = true;
    t.host.on_message = [&] {
      const TableModel m = t.view();
      if (t.host.log.back() == "Блефино: Сыграем еще раз?")
        marker_at_question = m.Chesspiece.visible || m.mainbutton.visible;
    };
    t.claim_made({44}, c.honest ? 4 : 9);
    t.g.hand(Seat::Cpu1) = pile(c.cpu1);  // the round goes to whoever was wrong
    t.host.yes_no = {Answer::No};
    press_veru(t.g);
    const std::vector<std::string> tail(t.host.log.end() - 4, t.host.log.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{c.result, c.saved, "Блефино: Сыграем еще раз?", "end"}));
    EXPECT_TRUE(t.g.stopped);
    EXPECT_FALSE(marker_at_question);
  }
}

TEST(EndOfGame, AnotherGameStartsCleanAndTheOldOneDoesNothingMore) {
  Table t;
  t.position({12}, {13, 23}, {48});
  t.claim_made({44}, 9);  // a bluff the human believes and takes
  t.g.hand(Seat::Cpu2).clear();
  t.g.hand(Seat::Cpu1).clear();
  t.host.yes_no = {Answer::Yes};
  const auto before = t.g.generation;
  press_veru(t.g);  // opponents both out of cards: the human has lost
  EXPECT_EQ(t.g.generation, before + 1);
  EXPECT_EQ(t.g.settings.loss, "1");
  // The fresh deal is as new_game left it: no move was made on the old game's behalf.
  EXPECT_TRUE(t.recorder.moves.empty());
  EXPECT_EQ(
      t.g.hand(Seat::Human).count() + t.g.hand(Seat::Cpu1).count() + t.g.hand(Seat::Cpu2).count(),
      36);
  EXPECT_TRUE(can_press_main(t.g) || can_press_card(t.g, 1));
}

TEST(EndOfGame, APlayerWithNoCardsDropsOutAndHearsNoMoreVerdicts) {
  Table t;
  t.position({12, 22}, {13, 23}, {}, 1, 2);
  t.claim_made({44}, 8);
  t.g.hand(Seat::Human).add(48);
  t.lay(1);  // the human's last card accepts the claim
  press_main(t.g);
  EXPECT_EQ(end_of_game_check(t.g), false);
  EXPECT_TRUE(t.g.seat(Seat::Human).out);
  announce(t.g, Verdict::ITake, Seat::Cpu1);
  EXPECT_TRUE(t.host.messages().empty());
}

}  // namespace
}  // namespace blefino::testing
