// Who is out, who has lost, and the question of another game.
#include "core/game.h"

namespace blefino {

namespace {

void result(Game& g, Result r, std::string& count, const std::string& text) {
  count = incremented(count);
  if (g.observer) g.observer->ended(r);
  g.host.message(text, kProgramTitle, Icon::None, Buttons::Ok);
}

void opponent_lost(Game& g, Seat loser) {
  const SeatState& s = g.seat(loser);
  result(g, Result::Win, g.settings.win,
         s.name + (is_feminine_row(s.portrait) ? " проиграла!!!" : " проиграл!!!"));
}

}  // namespace

bool end_of_game_check(Game& g) {
  const auto generation = g.generation;
  const bool a = g.hand(Seat::Cpu1).empty();
  const bool b = g.hand(Seat::Cpu2).empty();
  const bool h = g.hand(Seat::Human).empty();

  if (a && b && h) {
    result(g, Result::Draw, g.settings.draw, "Ничья!!!");
  } else if (a && b) {
    result(g, Result::Loss, g.settings.loss, g.settings.player_name + ", вы проиграли!!!");
  } else if (a && h) {
    opponent_lost(g, Seat::Cpu2);
  } else if (b && h) {
    opponent_lost(g, Seat::Cpu1);
  } else {
    // One player out at a time: the first empty hand in seat order.
    for (Seat s : kSeats) {
      if (g.hand(s).empty()) {
        g.seat(s).out = true;
        break;
      }
    }
    return false;
  }
  if (!halted(g, generation)) play_again(g);
  return true;
}

void play_again(Game& g) {
  g.over = true;
  // Saved before the question, so the result survives whatever the answer.
  g.host.save_all(g.settings);
  const Answer answer =
      g.host.message("Сыграем еще раз?", kProgramTitle, Icon::Question, Buttons::YesNo);
  if (g.stopped) return;
  if (answer == Answer::Yes)
    new_game(g);
  else
    quit(g);
}

}  // namespace blefino
