// Blefino: one player against two computer opponents at a green table.
#include <QApplication>
#include <QByteArray>
#include <thread>

#ifdef BLEFINO_WARM_FONTS
#include <fontconfig/fontconfig.h>
#endif

#include "app_icon.h"
#include "carddesk.h"
#include "game.h"
#include "game_menu.h"
#include "ini_backend.h"
#include "message_box.h"
#include "opponents.h"
#include "qt_host.h"
#include "random.h"
#include "store.h"
#include "title.h"
#include "ui_font.h"

int main(int argc, char* argv[]) {
#ifdef BLEFINO_WARM_FONTS
  // The name window is the first thing with text; loading the font
  // configuration meanwhile, while Qt connects to the display, lets it
  // appear that much sooner.
  std::thread([] { FcInit(); }).detach();
#endif
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Blefino"));
  QApplication::setWindowIcon(blefino::windows::app_icon());
  blefino::fonts::install_application_font();

  auto backend = blefino::store::make_default_backend();
  blefino::store::Store store(*backend, [](const std::string& text, const std::string& title,
                                           blefino::Icon icon) {
    blefino::windows::show_message_box(text, title, icon, blefino::Buttons::Ok, nullptr);
  });
  auto save_all = [&store](const blefino::Settings& s) { store.save_all(s); };

  blefino::MtRandom rng;
  blefino::ComputerOpponents opponents;
  blefino::QtHost host(save_all);
  blefino::Game g(host, rng, opponents);
  g.settings = store.load_at_startup();
  // For trying the table out: shows the show-cards button from the first deal.
  g.open_cards_allowed = qEnvironmentVariableIntValue("BLEFINO_OPEN_CARDS") == 1;

  {
    // The name first. Closing this window ends the program with nothing saved.
    blefino::windows::Title title(g.settings, g.open_cards_allowed, save_all);
    if (title.exec() != QDialog::Accepted) return 0;
  }

  blefino::CarddeskEvents events;
  events.card_pressed = [&g](int i) { blefino::press_card(g, i); };
  events.rank_clicked = [&g](int k) { blefino::click_rank(g, k); };
  events.main_pressed = [&g] { blefino::press_main(g); };
  events.show_cards_pressed = [&g] { blefino::press_show_cards(g); };
  events.veru_pressed = [&g] { blefino::press_veru(g); };
  events.neveru_pressed = [&g] { blefino::press_neveru(g); };
  events.close_requested = [&g] { blefino::quit(g); };

  blefino::Carddesk desk(g.m, events);
  blefino::windows::install_game_menu(desk, g);  // the menu bar, its clock and the exit question
  host.setWindow(&desk);
  blefino::new_game(g);
  desk.showModel();
  desk.show();
  if (host.ending()) return 0;
  return QApplication::exec();
}
