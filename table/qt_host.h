#pragma once
// The game's window on the world, made of Qt: message boxes, the pause
// between computer moves, the clock, saving, and ending the program.

#include <QMessageBox>
#include <QPointer>
#include <chrono>
#include <functional>
#include <memory>

#include "core/host.h"

class QEventLoop;

namespace blefino {

class Carddesk;

class QtHost : public Host {
 public:
  using SaveAll = std::function<void(const Settings&)>;
  // Tests answer message boxes through this instead of showing them; it gets
  // the box fully built and returns the button "pressed".
  using Interceptor = std::function<QMessageBox::StandardButton(QMessageBox&)>;

  explicit QtHost(SaveAll save_all = {},
                  std::chrono::milliseconds pause_length = std::chrono::milliseconds(1500));

  void setWindow(Carddesk* window) { window_ = window; }
  void setInterceptor(Interceptor interceptor) { interceptor_ = std::move(interceptor); }
  // What ending the program does once the window is gone; by default it
  // leaves every running event loop, the main one included.
  void setExitAction(std::function<void()> exit_action) { exit_ = std::move(exit_action); }
  bool ending() const { return ending_; }

  Answer message(const std::string& text, const std::string& title, Icon icon,
                 Buttons buttons) override;
  void pause() override;
  LocalDateTime now() override;
  void save_all(const Settings& settings) override;
  void end_program() override;
  void show_model() override;

 private:
  SaveAll save_;
  std::chrono::milliseconds pause_length_;
  QPointer<Carddesk> window_;
  Interceptor interceptor_;
  std::function<void()> exit_;
  QEventLoop* pause_loop_ = nullptr;
  bool ending_ = false;
};

}  // namespace blefino
