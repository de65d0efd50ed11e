#include <tuple>

#include "fixture.h"

namespace blefino::testing {
namespace {

TEST(TableTalk, GreetingCountsTheDaysToNewYearInDecember) {
  Table t;
  struct Case { int month, day; const char* first; const char* second; };
  const Case cases[] = {
      {6, 15, "Желаю удачи!!!", "Вы готовы проиграть?"},
      {11, 30, "Желаю удачи!!!", "Вы готовы проиграть?"},
      {12, 1, "keep", "До Нового года осталось 30 дней"},
      {12, 5, "keep", "До Нового года осталось 26 дней"},
      {12, 9, "keep", "До Нового года осталось 22 дня"},
      {12, 10, "keep", "До Нового года остался 21 день"},
      {12, 11, "keep", "До Нового года осталось 20 дней"},
      {12, 27, "keep", "До Нового года осталось 4 дня"},
      {12, 28, "keep", "До Нового года осталось 3 дня"},
      {12, 30, "keep", "До Нового года остался 1 день"},
      {12, 31, "С новым годом!!!", "С новым годом!!!"},
  };
  for (const Case& c : cases) {
    t.host.today = {2026, c.month, c.day, 10, 0, 0};
    t.g.m.Conversation1.caption = "before";
    table_talk(t.g, 1);
    EXPECT_EQ(t.g.m.Conversation1.caption, std::string(c.first) == "keep" ? "before" : c.first)
        << c.month << "/" << c.day;
    EXPECT_EQ(t.g.m.Conversation2.caption, c.second) << c.month << "/" << c.day;
  }
}

TEST(TableTalk, EachCodeWritesItsLineAndOthersDoNothing) {
  Table t;
  auto& m = t.g.m;
  table_talk(t.g, 0);
  EXPECT_EQ(m.Conversation1.caption, "Я хожу");
  table_talk(t.g, 2);
  EXPECT_EQ(m.Conversation2.caption, "Я хожу");
  table_talk(t.g, 3);
  EXPECT_EQ(m.Conversation3.caption, "Ваш ход");
  table_talk(t.g, 7);  // opponent 1's move begins
  EXPECT_EQ(m.Conversation1.caption, "Я хожу");
  EXPECT_EQ(m.Conversation2.caption, "");
  EXPECT_EQ(m.Conversation3.caption, "");
  table_talk(t.g, 11);
  table_talk(t.g, 3);
  table_talk(t.g, 8);  // opponent 2's move begins
  EXPECT_EQ(m.Conversation1.caption, "");
  EXPECT_EQ(m.Conversation2.caption, "Верю!");
  EXPECT_EQ(m.Conversation3.caption, "");
  const std::tuple<int, Label*, const char*> lines[] = {
      {4, &m.Conversation1, "Не верю!"}, {5, &m.Conversation1, "Добавляю..."},
      {6, &m.Conversation1, "Верю!"},    {9, &m.Conversation2, "Добавляю..."},
      {10, &m.Conversation2, "Не верю!"}, {11, &m.Conversation2, "Верю!"}};
  for (auto [code, label, text] : lines) {
    table_talk(t.g, code);
    EXPECT_EQ(label->caption, text) << code;
  }
  const TableModel before = t.g.m;
  table_talk(t.g, 12);
  table_talk(t.g, -1);
  EXPECT_EQ(m.Conversation1.caption, before.Conversation1.caption);
  EXPECT_EQ(m.Conversation2.caption, before.Conversation2.caption);
  EXPECT_EQ(m.Conversation3.caption, before.Conversation3.caption);
}

TEST(TurnOrder, PassingOnPausesAndSkipsPlayersWhoAreOut) {
  Table t;
  t.position({11}, {12}, {13});
  EXPECT_EQ(pass_on_after(t.g, 1), Next::Cpu2);
  EXPECT_EQ(pass_on_after(t.g, 2), Next::Human);
  EXPECT_EQ(t.host.pauses, 2);
  t.g.cpu2_out = true;
  EXPECT_EQ(pass_on_after(t.g, 1), Next::Human);
  t.g.cpu2_out = false;
  t.g.player_out = true;
  EXPECT_EQ(pass_on_after(t.g, 2), Next::Cpu1);
  t.g.player_out = false;
  t.g.cpu1_out = true;
  EXPECT_EQ(opponent_after_human(t.g), Next::Cpu2);
}

TEST(TurnOrder, QuittingDuringAPauseStopsTheChain) {
  Table t;
  t.position({11}, {12}, {13});
  struct QuitHost : TestHost {
    Game* g = nullptr;
    void pause() override { quit(*g); }
  };
  // The host quits from inside the pause: nothing may move afterwards.
  QuitHost host;
  RecordingOpponents opponents;
  Game g(host, t.rng, opponents);
  host.g = &g;
  new_game(g);
  EXPECT_EQ(pass_on_after(g, 1), Next::Stop);
  EXPECT_TRUE(g.stopped);
  EXPECT_EQ(host.ended, 1);
  run_moves(g, Next::Cpu1);
  EXPECT_TRUE(opponents.moves.empty());
}

TEST(TurnOrder, HandOverToTheHumanOpensARoundOrAsksForAnAnswer) {
  Table t;
  EXPECT_EQ(selected_rank(t.g), 1);  // the table starts with "Шестёрка" selected
  EXPECT_EQ(t.g.m.koncard.caption, "Шестерка");
  t.position({11}, {12}, {13, 14});
  lock_controls(t.g, "options", true);
  lock_controls(t.g, "my_cards", true);
  t.g.m.mainbutton.enabled = true;
  hand_over_to_human(t.g);
  EXPECT_TRUE(t.g.m.Option1[1].enabled);
  EXPECT_TRUE(t.g.m.koloda3[2].enabled);
  EXPECT_FALSE(t.g.m.mainbutton.enabled);
  EXPECT_FALSE(t.g.m.veru.visible);
  EXPECT_EQ(t.g.m.Chesspiece.left, 4594);

  lock_controls(t.g, "options", true);
  t.g.kon_cards.add(15);
  hand_over_to_human(t.g);
  EXPECT_FALSE(t.g.m.Option1[1].enabled);
  EXPECT_TRUE(t.g.m.veru.visible);
  EXPECT_TRUE(t.g.m.neveru.visible);
}

}  // namespace
}  // namespace blefino::testing
