// The opponents' moves in words, as a screen reader speaks them.
#include "core/narration.h"

#include "tests/support/fixture.h"

namespace blefino::testing {
namespace {

TEST(Narration, EachOpponentMoveIsOneSentenceInTheSpeakersGender) {
  struct Case {
    Seat who;
    int row;
    Play what;
    std::initializer_list<int> batch;
    int rank;
    std::string said;
  };
  const Case cases[] = {
      {Seat::Cpu1, 8, Play::Led, {47, 37}, 7, "DORINA положила 2 карты, заявка: дамы."},
      {Seat::Cpu2, 6, Play::AddedBlind, {12}, 9, "LILA добавила 1 карту, заявка: тузы."},
      {Seat::Cpu2,
       7,
       Play::Doubted,
       {47, 15},
       7,
       "MIRTA не поверила, что это дамы; открыты 2 карты: дама пик и 10 бубен."},
      {Seat::Cpu1,
       1,
       Play::Believed,
       {36},
       6,
       "TORVIK поверил, что это валет; открыта 1 карта: валет треф."},
      {Seat::Cpu1,
       4,
       Play::RefusedImpossible,
       {11, 21, 41},
       1,
       "DUKE LOPATSKY не поверил, что это шестёрки; открыты 3 карты: 6 бубен, 6 червей и 6 пик."},
      {Seat::Cpu2,
       9,
       Play::AddedBluff,
       {11, 22, 33, 44},
       8,
       "GRUB добавил 4 карты, заявка: короли."},
  };
  for (const Case& c : cases) {
    Table t;
    t.position({}, {}, {}, c.who == Seat::Cpu1 ? c.row : 2, c.who == Seat::Cpu2 ? c.row : 1);
    Narrator narrator(t.g);
    t.g.batch = pile(c.batch);
    claim(t.g, c.rank);
    narrator.played(c.who, c.what);
    EXPECT_EQ(narrator.take_new(), (std::vector<std::string>{c.said}));
  }
  EXPECT_EQ(counted(5, "карту", "карты", "карт"), "5 карт");
  EXPECT_EQ(counted(22, "карта", "карты", "карт"), "22 карты");
  EXPECT_EQ(counted(111, "карта", "карты", "карт"), "111 карт");
}

TEST(Narration, TheRoundKeepsItsLastTenSentencesAndEachIsSpokenOnce) {
  Table t;
  t.position({}, {}, {}, 1, 2);
  Narrator narrator(t.g);
  t.g.batch = pile({12});
  narrator.played(Seat::Cpu1, Play::Led);
  for (int i = 0; i < 11; ++i) narrator.played(Seat::Cpu2, Play::Added);
  narrator.played(Seat::Human, Play::Doubted);  // the human's own moves are not told
  EXPECT_EQ(narrator.take_new().size(), 12u);
  EXPECT_TRUE(narrator.take_new().empty());
  ASSERT_EQ(narrator.round().size(), Narrator::kKept);
  EXPECT_EQ(narrator.round().front(), "GORDAN добавил 1 карту, заявка: шестёрки.");
  // A round opened by anyone, or a new deal, starts the list afresh.
  narrator.played(Seat::Cpu2, Play::LedBluff);
  EXPECT_EQ(narrator.round().size(), 1u);
  narrator.played(Seat::Human, Play::Opened);
  EXPECT_TRUE(narrator.round().empty());
  narrator.played(Seat::Cpu1, Play::Believed);
  narrator.dealt(Seat::Cpu1, 1, 2);
  EXPECT_TRUE(narrator.round().empty());
}

}  // namespace
}  // namespace blefino::testing
