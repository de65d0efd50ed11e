#include "windows/main_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace blefino::windows {

namespace {

QAction* entry(QMenu* menu, const QString& caption, Qt::Key key, const char* name,
               std::function<void()> action) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(QString::fromLatin1(name));
  a->setShortcut(QKeySequence(key));
  QObject::connect(a, &QAction::triggered, a, [action = std::move(action)] {
    if (action) action();
  });
  return a;
}

// The long time format without the time zone: the clock shows the time of
// day, as a wall clock would.
QString time_format(const QLocale& locale) {
  const QString format = locale.timeFormat(QLocale::LongFormat);
  QString out;
  bool quoted = false;
  for (QChar c : format) {
    if (c == QLatin1Char('\'')) quoted = !quoted;
    if (!quoted && c == QLatin1Char('t')) continue;
    out += c;
  }
  return out.trimmed();
}

}  // namespace

QString clock_caption(const QDateTime& when, const QLocale& locale) {
  const QString date = locale.toString(when.date(), QLocale::ShortFormat);
  if (when.time() == QTime(0, 0)) return date;
  return date + QLatin1Char(' ') + locale.toString(when.time(), time_format(locale));
}

MainMenu install_main_menu(QMainWindow& window, MenuActions actions) {
  QMenuBar* bar = window.menuBar();
  bar->clear();
  MainMenu m;

  m.mnu_file = bar->addMenu(QStringLiteral("&Файл"));
  m.mnu_file->setObjectName(QStringLiteral("mnu_file"));
  m.mnu_start_game = entry(m.mnu_file, QStringLiteral("Новая игра"), Qt::Key_F2, "mnu_start_game",
                           std::move(actions.new_game));
  m.mnu_level = m.mnu_file->addAction(QStringLiteral("Опытные соперники"));
  m.mnu_level->setObjectName(QStringLiteral("mnu_level"));
  m.mnu_level->setCheckable(true);
  QObject::connect(m.mnu_level, &QAction::toggled, m.mnu_level,
                   [action = std::move(actions.experienced)](bool on) {
                     if (action) action(on);
                   });
  m.mnu_file->addSeparator();
  // All in Cyrillic letters: it looks as it always has, and a voice reads it right.
  m.mnu_choicechirt = entry(m.mnu_file, QStringLiteral("Рубашка..."), Qt::Key_F3, "mnu_choicechirt",
                            std::move(actions.choose_back));
  m.mnu_stat = entry(m.mnu_file, QStringLiteral("Статистика..."), Qt::Key_F4, "mnu_stat",
                     std::move(actions.statistics));
  m.mnu_file->addSeparator();
  m.mnu_exit =
      entry(m.mnu_file, QStringLiteral("Выход"), Qt::Key_F12, "mnu_exit", std::move(actions.exit));

  m.mnu_inf = bar->addMenu(QStringLiteral("&Информация"));
  m.mnu_inf->setObjectName(QStringLiteral("mnu_inf"));
  m.mnu_help = entry(m.mnu_inf, QStringLiteral("Справка..."), Qt::Key_F1, "mnu_help",
                     std::move(actions.help));
  m.mnu_inf->addSeparator();
  m.mnu_prog = entry(m.mnu_inf, QStringLiteral("О программе..."), Qt::Key_F5, "mnu_prog",
                     std::move(actions.about));

  m.mnu_clock = bar->addAction(QStringLiteral("Часы"));
  m.mnu_clock->setObjectName(QStringLiteral("mnu_clock"));

  m.clock_timer = new QTimer(&window);
  m.clock_timer->setObjectName(QStringLiteral("Timer_mnu_clock"));
  m.clock_timer->setInterval(1000);
  QAction* clock = m.mnu_clock;
  QObject::connect(m.clock_timer, &QTimer::timeout, clock,
                   [clock] { clock->setText(clock_caption(QDateTime::currentDateTime())); });
  m.clock_timer->start();
  return m;
}

}  // namespace blefino::windows
