#include "windows/game_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QSignalBlocker>

#include "core/game.h"
#include "windows/about.h"
#include "windows/exit_question.h"
#include "windows/help.h"
#include "windows/skins.h"
#include "windows/statistika.h"

namespace blefino::windows {

GameMenu install_game_menu(QMainWindow& window, Game& g, std::function<void(Level)> keep_level) {
  AskFn ask = [&g](const std::string& text, const std::string& title, Icon icon, Buttons buttons) {
    return g.host.message(text, title, icon, buttons);
  };
  QMainWindow* owner = &window;

  MenuActions actions;
  // No question: F2 deals a new game at once, whatever the one on the table.
  actions.new_game = [&g] {
    new_game(g);
    g.host.show_model();
  };
  // The opponents change from their next move on; the choice is kept at once.
  actions.experienced = [&g, keep = std::move(keep_level)](bool on) {
    g.level = on ? Level::Experienced : Level::Default;
    if (keep) keep(g.level);
  };
  // Each window is made afresh at every opening, so it always shows what is
  // current, and is gone again when it closes.
  actions.choose_back = [&g, owner] {
    Skins chooser(g, owner);
    chooser.exec();
  };
  actions.statistics = [&g, owner, ask] {
    FrmStatistika stats(
        g.settings, [&g](const Settings& s) { g.host.save_all(s); }, ask, owner);
    stats.exec();
  };
  actions.help = [owner] {
    Help help(owner);
    help.exec();
  };
  actions.about = [owner] {
    FrmAbout about(owner);
    about.exec();
  };
  // Yes ends the program without saving: a game in progress counts for nothing.
  actions.exit = [&g, ask] {
    if (ask_exit(ask)) quit(g);
  };

  GameMenu out;
  out.menu = install_main_menu(window, std::move(actions));
  {
    const QSignalBlocker quiet(out.menu.mnu_level);  // showing the level is no choice of it
    out.menu.mnu_level->setChecked(g.level == Level::Experienced);
  }
  out.exit_question = new ExitQuestion(window, ask, [&g] { quit(g); });
  return out;
}

}  // namespace blefino::windows
