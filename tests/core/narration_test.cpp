// The opponents' moves in words, as a screen reader speaks them.
#include "core/narration.h"

#include "tests/support/fixture.h"

namespace blefino::testing {
namespace {

// What is told of a move by the opponent in `who`'s seat, drawn from row `row`
// of the name table, when the batch holds `batch` under a claim of `rank`.
std::vector<std::string> told(Seat who, int row, Play what, std::initializer_list<int> batch,
                              int rank) {
  Table t;
  t.position({}, {}, {}, who == Seat::Cpu1 ? row : 2, who == Seat::Cpu2 ? row : 1);
  Narrator narrator(t.g);
  t.g.batch = pile(batch);
  claim(t.g, rank);
  narrator.played(who, what);
  return narrator.take_new();
}

TEST(Narration, EachOpponentMoveIsOneSentenceInTheSpeakersGender) {
  using v = std::vector<std::string>;
  EXPECT_EQ(told(Seat::Cpu1, 8, Play::Led, {47, 37}, 7),
            v{"DORINA положила 2 карты, заявка: дамы."});
  EXPECT_EQ(told(Seat::Cpu2, 6, Play::AddedBlind, {12}, 9),
            v{"LILA добавила 1 карту, заявка: тузы."});
  EXPECT_EQ(told(Seat::Cpu2, 9, Play::AddedBluff, {11, 22, 33, 44}, 8),
            v{"GRUB добавил 4 карты, заявка: короли."});
  EXPECT_EQ(told(Seat::Cpu2, 7, Play::Doubted, {47, 15}, 7),
            v{"MIRTA не поверила, что это дамы; открыты 2 карты: дама пик и 10 бубен."});
  EXPECT_EQ(told(Seat::Cpu1, 1, Play::Believed, {36}, 6),
            v{"TORVIK поверил, что это валет; открыта 1 карта: валет треф."});
  EXPECT_EQ(
      told(Seat::Cpu1, 4, Play::RefusedImpossible, {11, 21, 41}, 1),
      v{"DUKE LOPATSKY не поверил, что это шестёрки; открыты 3 карты: 6 бубен, 6 червей и 6 пик."});
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
