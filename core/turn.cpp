// Whose move it is, the pause between computer moves, and the table talk.
#include "core/game.h"

namespace blefino {

void say(Game& g, Seat who, Line line) { g.seat(who).said = {line}; }

void greet(Game& g) {
  Speech& first = g.seat(Seat::Cpu1).said;
  Speech& second = g.seat(Seat::Cpu2).said;
  second = {Line::Ready};
  const LocalDateTime now = g.host.now();
  if (now.month != 12) {
    first = {Line::GoodLuck};
  } else if (now.day == 31) {
    first = second = {Line::HappyNewYear};
  } else if (now.day >= 1 && now.day < 31) {
    // Before the 31st opponent 1 keeps whatever it said last.
    second = {Line::DaysLeft, 31 - now.day};
  }
}

void claim(Game& g, int rank) {
  if (rank < 1 || rank > 9) return;
  g.claimed_rank = rank;
  g.claim_named = true;
}

void lock_human(Game& g) {
  g.hand_locked = true;
  g.ranks_locked = true;
}

void hand_over_to_human(Game& g) {
  say(g, Seat::Human, Line::YourMove);
  g.marker = Seat::Human;
  g.hand_locked = false;
  g.main_enabled = false;
  if (!g.batch.empty())
    g.answer_awaited = true;
  else
    g.ranks_locked = false;
  if (g.observer) g.observer->handed_over();
}

Next next_of(Seat s) {
  switch (s) {
    case Seat::Cpu1:
      return Next::Cpu1;
    case Seat::Cpu2:
      return Next::Cpu2;
    case Seat::Human:
      break;
  }
  return Next::Human;
}

Next pass_on_after(Game& g, Seat who) {
  const auto generation = g.generation;
  g.host.pause();
  if (halted(g, generation)) return Next::Stop;
  if (who == Seat::Cpu1) return g.seat(Seat::Cpu2).out ? Next::Human : Next::Cpu2;
  return g.seat(Seat::Human).out ? Next::Cpu1 : Next::Human;
}

// Computer moves hand on to each other through this loop rather than by
// calling each other, so a long duel after the human is out cannot grow the stack.
void run_moves(Game& g, Next next) {
  const auto generation = g.generation;
  // Until the loop ends, however it ends (a deal of a new game included).
  struct Moving {
    bool& flag;
    bool before;
    explicit Moving(bool& f) : flag(f), before(f) { flag = true; }
    ~Moving() { flag = before; }
  } moving(g.opponents_moving);
  while (!halted(g, generation)) {
    switch (next) {
      case Next::Cpu1:
        next = g.opponents.move(g, Seat::Cpu1);
        break;
      case Next::Cpu2:
        next = g.opponents.move(g, Seat::Cpu2);
        break;
      case Next::Human:
        hand_over_to_human(g);
        return;
      case Next::Stop:
        return;
    }
  }
}

void quit(Game& g) {
  if (g.stopped) return;
  g.stopped = true;
  g.host.end_program();
}

}  // namespace blefino
