// Plays a real game to a given point without pauses, then opens the table
// there, for screenshots: blefino-table-scene [--human-cards N] [--open] [--seed S]
// With --human-cards the player takes every batch until holding N cards.
#include <QApplication>
#include <QMessageBox>

#include "core/game.h"
#include "opponents/opponents.h"
#include "table/carddesk.h"
#include "table/qt_host.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  int want = 12, seed = 20;
  bool open = false;
  const QStringList args = QApplication::arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--human-cards") && i + 1 < args.size())
      want = args[++i].toInt();
    else if (args[i] == QLatin1String("--seed") && i + 1 < args.size())
      seed = args[++i].toInt();
    else if (args[i] == QLatin1String("--open"))
      open = true;
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

  Carddesk desk(view_of(g), events_for(g));
  host.setWindow(&desk);
  new_game(g);
  if (open) press_show_cards(g);

  auto humans_turn = [&g] { return g.marker == Seat::Human && !g.main_enabled; };
  for (int step = 0; step < 2000; ++step) {
    if (humans_turn() && g.hand(Seat::Human).count() >= want) break;
    if (can_answer(g)) {
      // Always the wrong answer, so the player takes the lot.
      if (claim_is_true(g))
        press_neveru(g);
      else
        press_veru(g);
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
