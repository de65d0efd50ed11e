// Blefino: one player against two computer opponents at a green table.
#include <QApplication>
#include <QByteArray>
#include <QFileInfo>
#include <QThread>
#include <QTimer>
#include <future>
#include <memory>
#include <thread>

#ifdef BLEFINO_WARM_FONTS
#include <fontconfig/fontconfig.h>
#endif

#include "app/command_line.h"
#include "app/single_instance.h"
#include "app/trace.h"
#include "core/game.h"
#include "core/narration.h"
#include "core/random.h"
#include "opponents/opponents.h"
#include "store/ini_backend.h"
#include "store/store.h"
#include "table/carddesk.h"
#include "table/message_box_builder.h"
#include "table/qt_host.h"
#include "table/ui_font.h"
#include "windows/app_icon.h"
#include "windows/game_menu.h"
#include "windows/title.h"

int main(int argc, char* argv[]) {
  // --help and --version answer before Qt looks for a display.
  if (const auto code = blefino::app::answer_command_line(argc, argv, stdout, stderr)) return *code;
  const bool trace = blefino::trace_wanted();
  blefino::StartupClock clock(trace);
#ifdef BLEFINO_WARM_FONTS
  // Reading the font configuration is the longest step before the name
  // window, the first thing with text: it runs while Qt connects to the
  // display and the icon is drawn, and the name window waits for it below.
  std::jthread fonts([] { FcInit(); });
#endif
  // One game at a time per player. The lock file is synced to the disk,
  // which may take longer than anything else here: it is taken meanwhile too.
  // Qt makes the first thread that uses it its main thread: this one, first.
  QThread::currentThread();
  auto taking_lock = std::async(std::launch::async, [] {
    return std::make_unique<blefino::SingleInstance>(
        QFileInfo(blefino::store::default_ini_path()).absolutePath());
  });
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Blefino"));
  clock.step("qt");
  blefino::fonts::install_application_font();
  // Drawing the icon in its five sizes waits until the first window is up (or
  // a box comes before it): a title bar's icon can come a moment later.
  const auto give_icon = [] {
    static const bool given = (QApplication::setWindowIcon(blefino::windows::app_icon()), true);
    (void)given;
  };

  // A second start hands over to the first and ends before it reads or
  // writes anything.
  const std::unique_ptr<blefino::SingleInstance> instance = taking_lock.get();
  if (!instance->first()) {
    clock.step("second-copy");
    if (!instance->wake_running_copy()) {
      give_icon();
      blefino::show_message_box("Блефино уже запущено", blefino::store::kTitle,
                                blefino::Icon::Information, blefino::Buttons::Ok);
    }
    return 0;
  }
  instance->listen(blefino::bring_windows_to_front);
  clock.step("single-instance");

  auto backend = blefino::store::make_default_backend();
  blefino::store::Store store(
      *backend, [&](const std::string& text, const std::string& title, blefino::Icon icon) {
        give_icon();
        blefino::show_message_box(text, title, icon, blefino::Buttons::Ok);
      });
  auto save_all = [&store](const blefino::Settings& s) { store.save_all(s); };

  // BLEFINO_SEED=n plays the same games every run (the real-window tests use it).
  const auto seed = blefino::seed_wanted();
  blefino::MtRandom rng = seed ? blefino::MtRandom(*seed) : blefino::MtRandom();
  blefino::ComputerOpponents opponents;
  blefino::QtHost host(save_all);
  blefino::TracingHost tracing_host(host);
  blefino::TracingObserver tracer;
  blefino::Game g(trace ? static_cast<blefino::Host&>(tracing_host) : host, rng, opponents);
  blefino::Narrator narrator(g);  // the opponents' moves in words, for screen readers
  blefino::Observers observers{&narrator, trace ? &tracer : nullptr};
  g.observer = &observers;
  g.settings = store.load_at_startup();
  g.level = store.load_level();
  // For trying the table out: shows the show-cards button from the first deal.
  g.open_cards_allowed = qEnvironmentVariableIntValue("BLEFINO_OPEN_CARDS") == 1;
  clock.step("settings");
#ifdef BLEFINO_WARM_FONTS
  // Qt starting on the fonts meanwhile would read them all again (as a box
  // above does, which only takes longer).
  fonts.join();
#endif
  clock.step("fonts");

  {
    // The name first. Closing this window ends the program with nothing saved.
    blefino::windows::Title title(g.settings, g.open_cards_allowed, save_all);
    clock.step("name-window");
    QTimer::singleShot(0, &title, [&] {
      clock.step("shown");
      give_icon();
    });
    if (title.exec() != QDialog::Accepted) return 0;
  }

  blefino::Carddesk desk(blefino::view_of(g), blefino::events_for(g));
  // The menu bar, its clock and the exit question.
  blefino::windows::install_game_menu(desk, g, [&store](blefino::Level l) { store.save_level(l); });
  desk.followNarration(&narrator);
  host.setWindow(&desk);
  if (const auto place = store.load_window()) desk.restorePlacement(*place);
  blefino::new_game(g);
  desk.showModel();
  desk.show();
  if (host.ending()) return 0;
  const int status = QApplication::exec();
  store.save_window(desk.placement());  // where the player left it, for the next run
  return status;
}
