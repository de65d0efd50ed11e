// Whose move it is, the pause between computer moves, and the table talk.
#include <string>

#include "game.h"

namespace blefino {

namespace {

std::string days_left_line(int n) {
  const std::string s = " " + std::to_string(n);
  if (n == 1 || n == 21) return "До Нового года остался" + s + " день";
  if ((n >= 2 && n <= 4) || (n >= 22 && n <= 24)) return "До Нового года осталось" + s + " дня";
  return "До Нового года осталось" + s + " дней";
}

void greet(Game& g) {
  g.m.Conversation2.caption = "Вы готовы проиграть?";
  const LocalDateTime now = g.host.now();
  if (now.month != 12) {
    g.m.Conversation1.caption = "Желаю удачи!!!";
    return;
  }
  if (now.day == 31) {
    g.m.Conversation1.caption = "С новым годом!!!";
    g.m.Conversation2.caption = "С новым годом!!!";
    return;
  }
  // Before the 31st opponent 1 keeps whatever it said last.
  if (now.day >= 1 && now.day < 31) g.m.Conversation2.caption = days_left_line(31 - now.day);
}

}  // namespace

void table_talk(Game& g, int code) {
  auto& m = g.m;
  switch (code) {
    case 0: m.Conversation1.caption = "Я хожу"; break;
    case 1: greet(g); break;
    case 2: m.Conversation2.caption = "Я хожу"; break;
    case 3: m.Conversation3.caption = "Ваш ход"; break;
    case 4: m.Conversation1.caption = "Не верю!"; break;
    case 5: m.Conversation1.caption = "Добавляю..."; break;
    case 6: m.Conversation1.caption = "Верю!"; break;
    case 7: m.Conversation2.caption.clear(); m.Conversation3.caption.clear(); break;
    case 8: m.Conversation1.caption.clear(); m.Conversation3.caption.clear(); break;
    case 9: m.Conversation2.caption = "Добавляю..."; break;
    case 10: m.Conversation2.caption = "Не верю!"; break;
    case 11: m.Conversation2.caption = "Верю!"; break;
    default: break;
  }
}

int selected_rank(const Game& g) {
  for (int k = 1; k <= 9; ++k)
    if (g.m.Option1[k].selected) return k;
  return 0;
}

void select_rank(Game& g, int rank) {
  if (rank < 1 || rank > 9) return;
  for (int k = 1; k <= 9; ++k) g.m.Option1[k].selected = (k == rank);
  g.m.koncard.caption = g.m.Option1[rank].caption;
}

Answer show_message(Game& g, const std::string& text, const std::string& title, Icon icon,
                    Buttons buttons) {
  g.host.show_model();
  return g.host.message(text, title, icon, buttons);
}

void pause(Game& g) {
  g.host.show_model();
  g.host.pause();
}

void hand_over_to_human(Game& g) {
  table_talk(g, 3);
  g.m.Chesspiece.left = 4594;
  g.m.Chesspiece.top = 5957;
  lock_controls(g, "my_cards", false);
  g.m.mainbutton.enabled = false;
  if (!g.kon_cards.empty()) {
    g.m.neveru.visible = true;
    g.m.veru.visible = true;
  } else {
    lock_controls(g, "options", false);
  }
}

Next pass_on_after(Game& g, int who) {
  const auto generation = g.generation;
  pause(g);
  if (halted(g, generation)) return Next::Stop;
  if (who == 1) return g.cpu2_out ? Next::Human : Next::Cpu2;
  return g.player_out ? Next::Cpu1 : Next::Human;
}

Next opponent_after_human(const Game& g) { return g.cpu1_out ? Next::Cpu2 : Next::Cpu1; }

// Computer moves hand on to each other through this loop rather than by
// calling each other, so a long duel after the human is out cannot grow the stack.
void run_moves(Game& g, Next next) {
  const auto generation = g.generation;
  while (!halted(g, generation)) {
    switch (next) {
      case Next::Cpu1: next = g.opponents.move(g, 1); break;
      case Next::Cpu2: next = g.opponents.move(g, 2); break;
      case Next::Human: hand_over_to_human(g); return;
      case Next::Stop: return;
    }
  }
}

void quit(Game& g) {
  if (g.stopped) return;
  g.stopped = true;
  g.host.end_program();
}

}  // namespace blefino
