// Who is out, who has lost, and the question of another game.
#include "game.h"

namespace blefino {

namespace {

bool feminine(const std::string& name) {
  return name == "LILA" || name == "MIRTA" || name == "DORINA";
}

void opponent_lost(Game& g, const std::string& name) {
  g.settings.win = incremented(g.settings.win);
  ++g.stats.wins;
  show_message(g, name + (feminine(name) ? " проиграла!!!" : " проиграл!!!"), kProgramTitle,
               Icon::None, Buttons::Ok);
}

}  // namespace

bool end_of_game_check(Game& g) {
  const auto generation = g.generation;
  const bool a = g.cpu1_cards.empty();
  const bool b = g.cpu2_cards.empty();
  const bool h = g.player_cards.empty();

  if (a && b && h) {
    g.settings.draw = incremented(g.settings.draw);
    ++g.stats.draws;
    show_message(g, "Ничья!!!", kProgramTitle, Icon::None, Buttons::Ok);
  } else if (a && b) {
    g.settings.loss = incremented(g.settings.loss);
    ++g.stats.losses;
    show_message(g, g.settings.player_name + ", вы проиграли!!!", kProgramTitle, Icon::None,
                 Buttons::Ok);
  } else if (a && h) {
    opponent_lost(g, g.m.Labelcpu2.caption);
  } else if (b && h) {
    opponent_lost(g, g.m.Labelcpu1.caption);
  } else {
    if (a)
      g.cpu1_out = true;
    else if (b)
      g.cpu2_out = true;
    else if (h)
      g.player_out = true;
    return false;
  }
  if (!halted(g, generation)) play_again(g);
  return true;
}

void play_again(Game& g) {
  g.m.Chesspiece.visible = false;
  g.m.mainbutton.visible = false;
  // Saved before the question, so the result survives whatever the answer.
  g.host.save_all(g.settings);
  const Answer answer =
      show_message(g, "Сыграем еще раз?", kProgramTitle, Icon::Question, Buttons::YesNo);
  if (g.stopped) return;
  if (answer == Answer::Yes)
    new_game(g);
  else
    quit(g);
}

}  // namespace blefino
