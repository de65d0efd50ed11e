#pragma once
// The table window's menu bar: "&Файл", "&Информация" and the clock.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QTimer;

namespace blefino::windows {

// What each entry does. Empty entries do nothing.
struct MenuActions {
  std::function<void()> new_game;  // "Новая игра", F2
  std::function<void(bool)> experienced;  // "Опытные соперники", a check item: ticked or not
  std::function<void()> choose_back;  // "Рубашка...", F3
  std::function<void()> statistics;   // "Статистика...", F4
  std::function<void()> exit;         // "Выход", F12
  std::function<void()> help;         // "Справка...", F1
  std::function<void()> about;        // "О программе...", F5
};

struct MainMenu {
  QMenu* mnu_file = nullptr;
  QAction* mnu_start_game = nullptr;
  QAction* mnu_level = nullptr;
  QAction* mnu_choicechirt = nullptr;
  QAction* mnu_stat = nullptr;
  QAction* mnu_exit = nullptr;
  QMenu* mnu_inf = nullptr;
  QAction* mnu_help = nullptr;
  QAction* mnu_prog = nullptr;
  QAction* mnu_clock = nullptr;   // the top-level clock item
  QTimer* clock_timer = nullptr;  // renews the clock every second
};

// Replaces the window's menu bar with the game's menu and starts the clock.
MainMenu install_main_menu(QMainWindow& window, MenuActions actions);

// The clock's caption: the locale's short date and long time, or the date
// alone at exactly midnight.
QString clock_caption(const QDateTime& when, const QLocale& locale = QLocale());

}  // namespace blefino::windows
