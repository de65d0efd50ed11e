// Plays a real game to a given point without pauses, then opens the table
// there, for screenshots: blefino-table-scene [--human-cards N] [--open] [--seed S]
// With --human-cards the player takes every batch until holding N cards.
#include <QApplication>
#include <QMessageBox>

#include "carddesk.h"
#include "game.h"
#include "opponents.h"
#include "qt_host.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  int want = 12, seed = 20;
  bool open = false;
  const QStringList args = QApplication::arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--human-cards") && i + 1 < args.size()) want = args[++i].toInt();
    else if (args[i] == QLatin1String("--seed") && i + 1 < args.size()) seed = args[++i].toInt();
    else if (args[i] == QLatin1String("--open")) open = true;
  }

  using namespace blefino;
  QtHost host({}, std::chrono::milliseconds(0));
  MtRandom rng(static_cast<std::uint64_t>(seed));
  ComputerOpponents opponents;
  Game g(host, rng, opponents);
  g.settings.player_name = "Вася";
  g.open_cards_allowed = open;
  host.setInterceptor([](QMessageBox& box) {
    return box.standardButtons() & QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::Yes;
  });

  CarddeskEvents events;
  events.card_pressed = [&g](int i) { press_card(g, i); };
  events.rank_clicked = [&g](int k) { click_rank(g, k); };
  events.main_pressed = [&g] { press_main(g); };
  events.show_cards_pressed = [&g] { press_show_cards(g); };
  events.veru_pressed = [&g] { press_veru(g); };
  events.neveru_pressed = [&g] { press_neveru(g); };
  events.close_requested = [&g] { quit(g); };
  Carddesk desk(g.m, events);
  host.setWindow(&desk);
  new_game(g);
  if (open) press_show_cards(g);

  auto humans_turn = [&g] { return g.m.Chesspiece.left == 4594 && !g.m.mainbutton.enabled; };
  for (int step = 0; step < 2000; ++step) {
    if (humans_turn() && g.player_cards.count() >= want) break;
    if (g.m.veru.visible) {
      // Always the wrong answer, so the player takes the lot.
      if (claim_check(g)) press_neveru(g); else press_veru(g);
    } else if (humans_turn()) {
      press_card(g, 1);
      press_card(g, 1);
      press_main(g);
    } else {
      press_main(g);
    }
  }
  host.setInterceptor({});
  desk.showModel();
  desk.show();
  return QApplication::exec();
}
