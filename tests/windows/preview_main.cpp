// Shows one front window on its own, for looking at it and for screenshots:
//   windows_preview title|skins|stats|help|about
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstring>

#include "about.h"
#include "app_icon.h"
#include "fake_host.h"
#include "game_menu.h"
#include "help.h"
#include "skins.h"
#include "statistika.h"
#include "title.h"

using namespace blefino;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(windows::app_icon());
  const char* which = argc > 1 ? argv[1] : "title";
  fakes::TestGame t;
  t.g.settings.player_name = "введите имя";
  t.g.settings.win = "3";
  t.g.settings.loss = "1";
  t.g.settings.draw = "0";
  new_game(t.g);

  std::unique_ptr<QDialog> dialog;
  if (!std::strcmp(which, "title")) {
    dialog = std::make_unique<windows::Title>(t.g.settings, t.g.open_cards_allowed,
                                              windows::Title::SaveFn{});
  } else if (!std::strcmp(which, "skins")) {
    auto s = std::make_unique<windows::Skins>(t.g);
    s->pressTile(5);
    dialog = std::move(s);
  } else if (!std::strcmp(which, "stats")) {
    dialog = std::make_unique<windows::FrmStatistika>(t.g.settings);
  } else if (!std::strcmp(which, "help")) {
    dialog = std::make_unique<windows::Help>();
  } else if (!std::strcmp(which, "about")) {
    dialog = std::make_unique<windows::FrmAbout>();
  } else {
    return 2;
  }
  dialog->show();
  return QApplication::exec();
}
