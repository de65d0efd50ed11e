#include "table/qt_host.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include "table/carddesk.h"
#include "table/message_box_builder.h"

namespace blefino {

QtHost::QtHost(SaveAll save_all, std::chrono::milliseconds pause_length)
    : save_(std::move(save_all)),
      pause_length_(pause_length),
      exit_([] { QCoreApplication::exit(0); }) {}

Answer QtHost::message(const std::string& text, const std::string& title, Icon icon,
                       Buttons buttons) {
  const Answer fallback = buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
  if (ending_) return fallback;
  show_model();  // the player reads the verdict while seeing the table

  auto box = make_message_box(text, title, icon, buttons, window_);
  QMessageBox::StandardButton pressed = QMessageBox::NoButton;
  if (interceptor_) {
    pressed = interceptor_(*box);
  } else {
    box->exec();
    pressed = box->standardButton(box->clickedButton());
  }
  if (ending_) return fallback;
  return answer_of(pressed, buttons);
}

void QtHost::pause() {
  if (ending_) return;
  show_model();
  // A monotonic deadline, so a change of the wall clock cannot stretch the
  // pause. Meanwhile the window repaints and timers run, but mouse and keys
  // wait in the queue until the move has come back to the player.
  const QDeadlineTimer deadline(pause_length_, Qt::PreciseTimer);
  while (!ending_ && !deadline.hasExpired()) {
    QEventLoop loop;
    pause_loop_ = &loop;
    QTimer::singleShot(std::max<qint64>(deadline.remainingTime(), 0), Qt::PreciseTimer, &loop,
                       &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    pause_loop_ = nullptr;
  }
}

LocalDateTime QtHost::now() {
  const QDateTime t = QDateTime::currentDateTime();
  const QDate d = t.date();
  const QTime h = t.time();
  return {d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second()};
}

void QtHost::save_all(const Settings& settings) {
  if (save_) save_(settings);
}

void QtHost::end_program() {
  if (ending_) return;
  ending_ = true;
  if (window_) window_->hide();
  if (pause_loop_) pause_loop_->quit();
  // Leaves the main loop and any message box or pause still on the stack;
  // the game unwinds itself once this returns.
  if (exit_) exit_();
}

void QtHost::show_model() {
  if (!window_) return;
  window_->showModel();
  window_->table()->repaint();
}

}  // namespace blefino
