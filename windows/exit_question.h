#pragma once
// "Завершить игру?": asked by "Выход" and by the table window's close box.

#include <QObject>
#include <functional>

#include "windows/message_box.h"

class QWidget;

namespace blefino::windows {

// Asks the question; true when the player answered Yes.
bool ask_exit(const AskFn& ask);

// Watches a window's close requests. A close the player asked for (close
// box, system menu, Alt+F4) asks the question: Yes ends the program and lets
// the window close, No keeps it open. Any other close — the program closing
// its own window, the session ending — goes through without a question.
// One question per close: a request that comes again while the question is
// up, or after Yes (the window system may send one more while the program
// ends), asks nothing.
class ExitQuestion : public QObject {
  Q_OBJECT
 public:
  ExitQuestion(QWidget& window, AskFn ask, std::function<void()> end_program);

  // The session is ending (log-out, shutdown): from now on no close waits for an answer.
  void sessionEnds() { session_ending_ = true; }
  bool sessionEnding() const { return session_ending_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  AskFn ask_;
  std::function<void()> end_program_;
  bool session_ending_ = false;
  bool asking_ = false;
  bool ended_ = false;
};

}  // namespace blefino::windows
