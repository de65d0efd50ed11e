#include "fixture.h"

namespace blefino::testing {
namespace {

struct EndOfGame : ::testing::Test {
  Table t;
  void hands(std::initializer_list<int> a, std::initializer_list<int> b,
             std::initializer_list<int> h, int row1 = 1, int row2 = 2) {
    t.position(a, b, h, row1, row2);
  }
};

TEST_F(EndOfGame, OneEmptyHandMarksThatPlayerOutAndPlayGoesOn) {
  hands({}, {31}, {11});
  EXPECT_FALSE(end_of_game_check(t.g));
  EXPECT_TRUE(t.g.cpu1_out);
  hands({21}, {}, {11});
  EXPECT_FALSE(end_of_game_check(t.g));
  EXPECT_TRUE(t.g.cpu2_out);
  hands({21}, {31}, {});
  EXPECT_FALSE(end_of_game_check(t.g));
  EXPECT_TRUE(t.g.player_out);
  hands({21}, {31}, {11});
  EXPECT_FALSE(end_of_game_check(t.g));
  EXPECT_FALSE(t.g.cpu1_out || t.g.cpu2_out || t.g.player_out);
  EXPECT_TRUE(t.host.shown.empty());
  EXPECT_TRUE(t.host.saved.empty());
}

TEST_F(EndOfGame, EachEndingCountsItsResultAndSavesBeforeAsking) {
  struct Case {
    std::initializer_list<int> a, b, h;
    int row1, row2;
    std::string text;
    std::string Settings::*result;
  };
  const Case cases[] = {
      {{}, {}, {}, 1, 2, "Ничья!!!", &Settings::draw},
      {{}, {}, {11}, 1, 2, "Вася, вы проиграли!!!", &Settings::loss},
      {{}, {31}, {}, 1, 2, "GORDAN проиграл!!!", &Settings::win},
      {{}, {31}, {}, 1, 7, "MIRTA проиграла!!!", &Settings::win},
      {{21}, {}, {}, 6, 2, "LILA проиграла!!!", &Settings::win},
      {{21}, {}, {}, 8, 2, "DORINA проиграла!!!", &Settings::win},
      {{21}, {}, {}, 9, 2, "GRUB проиграл!!!", &Settings::win},
  };
  for (const Case& c : cases) {
    hands(c.a, c.b, c.h, c.row1, c.row2);
    t.g.settings.*c.result = "7";
    t.host.saved.clear();
    EXPECT_TRUE(end_of_game_check(t.g));
    ASSERT_EQ(t.host.shown.size(), 2u) << c.text;
    EXPECT_EQ(t.host.shown[0].text, c.text);
    EXPECT_EQ(t.host.shown[0].title, "Блефино");
    EXPECT_EQ(t.host.shown[0].icon, Icon::None);
    EXPECT_EQ(t.host.shown[0].buttons, Buttons::Ok);
    EXPECT_EQ(t.host.shown[1].text, "Сыграем еще раз?");
    EXPECT_EQ(t.host.shown[1].icon, Icon::Question);
    EXPECT_EQ(t.host.shown[1].buttons, Buttons::YesNo);
    ASSERT_EQ(t.host.saved.size(), 1u);
    EXPECT_EQ(t.host.saved[0].*c.result, "8");
    EXPECT_FALSE(t.g.m.Chesspiece.visible);
    EXPECT_FALSE(t.g.m.mainbutton.visible);
    EXPECT_EQ(t.host.ended, 1);  // answered No
    t.host.ended = 0;
    t.g.stopped = false;
  }
}

TEST_F(EndOfGame, TheFeminineFormNeedsTheExactName) {
  hands({}, {31}, {}, 1, 7);
  t.g.m.Labelcpu2.caption = "Mirta";
  end_of_game_check(t.g);
  EXPECT_EQ(t.host.shown[0].text, "Mirta проиграл!!!");
}

TEST_F(EndOfGame, YesDealsANewGameAndTheOldResolutionStops) {
  // Opponent 2 is out and opponent 1 has laid its last card as a bluff; the
  // human believes it, takes it, and is the only one left holding cards.
  hands({}, {}, {11});
  t.g.cpu2_out = true;
  t.claim({14}, 2);
  t.host.yes_no = {Answer::Yes};
  t.rng.values.assign(36, 0.3);
  t.rng.push({0.1, 0.6, 0.76});  // the new game: the human begins
  const auto generation = t.g.generation;
  press_veru(t.g);
  EXPECT_EQ(t.g.settings.loss, "1");
  EXPECT_EQ(t.g.generation, generation + 1);
  EXPECT_FALSE(t.g.stopped);
  // The new game is left as dealt: no opponent moves on the old game's behalf
  // and the human's fresh hand is not locked.
  EXPECT_EQ(t.g.player_cards.count(), 12);
  EXPECT_FALSE(t.g.cpu2_out);
  EXPECT_TRUE(t.recorder.moves.empty());
  EXPECT_TRUE(t.g.m.koloda3[1].enabled);
  EXPECT_TRUE(t.g.m.Option1[1].enabled);
}

TEST(Results, CountsAreIncrementedFromTheirLeadingDigits) {
  EXPECT_EQ(incremented("7"), "8");
  EXPECT_EQ(incremented("0"), "1");
  EXPECT_EQ(incremented("12abc"), "13");
  EXPECT_EQ(incremented("abc"), "1");
  EXPECT_EQ(incremented(""), "1");
  EXPECT_EQ(incremented(" 41"), "42");
  EXPECT_EQ(incremented("99999"), "100000");
  // An absurdly long count stops growing instead of overflowing.
  EXPECT_EQ(incremented("99999999999999999999999"), "999999999999999");
  EXPECT_EQ(incremented("-5"), "1");
}

}  // namespace
}  // namespace blefino::testing
