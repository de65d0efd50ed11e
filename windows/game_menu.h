#pragma once
// The menu bar of the table window wired to the game: new game, card backs,
// statistics, rules, about and the exit question on the menu and close box.

#include <functional>

#include "core/host.h"
#include "windows/main_menu.h"

class QMainWindow;

namespace blefino {
struct Game;
}

namespace blefino::windows {

class ExitQuestion;

struct GameMenu {
  MainMenu menu;
  ExitQuestion* exit_question = nullptr;
};

// Messages go through g.host; ending the program is the game's quit().
// «Опытные соперники» shows g.level and changes it; `keep_level` stores the choice.
GameMenu install_game_menu(QMainWindow& window, Game& g,
                           std::function<void(Level)> keep_level = {});

}  // namespace blefino::windows
