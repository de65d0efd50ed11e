// Blefino: one player against two computer opponents at a green table.
#include <QApplication>
#include <QByteArray>

#include "carddesk.h"
#include "game.h"
#include "opponents.h"
#include "qt_host.h"
#include "random.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Blefino"));

  blefino::MtRandom rng;
  blefino::ComputerOpponents opponents;
  // Saving comes with the settings store; until then results live for the run.
  blefino::QtHost host([](const blefino::Settings&) {});
  blefino::Game g(host, rng, opponents);
  g.settings.player_name = "введите имя";
  g.settings.skin = "1";
  // For trying the table out: shows the show-cards button from the first deal.
  g.open_cards_allowed = qEnvironmentVariableIntValue("BLEFINO_OPEN_CARDS") == 1;

  blefino::CarddeskEvents events;
  events.card_pressed = [&g](int i) { blefino::press_card(g, i); };
  events.rank_clicked = [&g](int k) { blefino::click_rank(g, k); };
  events.main_pressed = [&g] { blefino::press_main(g); };
  events.show_cards_pressed = [&g] { blefino::press_show_cards(g); };
  events.veru_pressed = [&g] { blefino::press_veru(g); };
  events.neveru_pressed = [&g] { blefino::press_neveru(g); };
  events.new_game = [&g] { blefino::new_game(g); };
  events.close_requested = [&g] { blefino::quit(g); };

  blefino::Carddesk desk(g.m, events);
  host.setWindow(&desk);
  blefino::new_game(g);
  desk.showModel();
  desk.show();
  if (host.ending()) return 0;
  return QApplication::exec();
}
