#include "table/qt_host.h"

#include <QApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>

#include "table/carddesk.h"
#include "table/message_box_builder.h"

namespace blefino {

namespace {

bool is_input(QEvent::Type t) {
  switch (t) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
      return true;
    default:
      return false;
  }
}

// While it lives, what the player types or clicks at the table is thrown
// away: kept for later, a key pressed during the opponents' moves would
// answer the next verdict box before the player has seen it. Other windows
// (the exit question, asked when the close box is pressed meanwhile) get
// their input as usual.
class DropTableInput : public QObject {
 public:
  explicit DropTableInput(QWidget* table) : table_(table) { qApp->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!table_ || !is_input(event->type())) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    const auto* window = qobject_cast<QWindow*>(watched);
    if (!(widget && widget->window() == table_) && !(window && window == table_->windowHandle()))
      return false;
    // Accepted, so no menu shortcut takes the key either.
    if (event->type() == QEvent::ShortcutOverride) event->accept();
    return true;
  }

 private:
  QPointer<QWidget> table_;
};

}  // namespace

QtHost::QtHost(SaveAll save_all, std::chrono::milliseconds pause_length)
    : save_(std::move(save_all)),
      pause_length_(pause_length),
      exit_([] { QCoreApplication::exit(0); }) {}

Answer QtHost::message(const std::string& text, const std::string& title, Icon icon,
                       Buttons buttons) {
  const Answer fallback = asks_yes_no(buttons) ? Answer::No : Answer::Ok;
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
  // pause. Meanwhile the window repaints and timers run; mouse and keys at
  // the table are dropped.
  const DropTableInput drop(window_);
  const QDeadlineTimer deadline(pause_length_, Qt::PreciseTimer);
  while (!ending_ && !deadline.hasExpired()) {
    QEventLoop loop;
    pause_loop_ = &loop;
    QTimer::singleShot(std::max<qint64>(deadline.remainingTime(), 0), Qt::PreciseTimer, &loop,
                       &QEventLoop::quit);
    loop.exec();
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
