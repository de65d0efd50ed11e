#include "windows/exit_question.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QWidget>

namespace blefino::windows {

bool ask_exit(const AskFn& ask) {
  return ask && ask("Завершить игру?", "Завершение", Icon::Question, Buttons::YesNo) == Answer::Yes;
}

ExitQuestion::ExitQuestion(QWidget& window, AskFn ask, std::function<void()> end_program)
    : QObject(&window),
      window_(window),
      ask_(std::move(ask)),
      end_program_(std::move(end_program)) {
  window_.installEventFilter(this);
  // A shutdown or log-out must not wait for an answer nobody is there to give.
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    connect(app, &QGuiApplication::commitDataRequest, this, [this] { sessionEnds(); });
}

bool ExitQuestion::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_ || event->type() != QEvent::Close) return false;
  // Only the window system's close requests come in spontaneously: those are
  // the player's. The program's own closes and a session's end pass freely.
  if (session_ending_ || ended_ || !event->spontaneous()) return false;
  if (asking_) {  // the question already stands: it answers this request too
    event->ignore();
    return true;
  }
  asking_ = true;
  const bool yes = ask_exit(ask_);
  asking_ = false;
  if (yes) {
    ended_ = true;
    if (end_program_) end_program_();
    return false;  // the window closes as asked
  }
  event->ignore();
  return true;
}

}  // namespace blefino::windows
