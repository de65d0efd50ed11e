#pragma once
// The start-up window: the player confirms a name, and the game begins.

#include <QDialog>
#include <functional>

#include "core/host.h"
#include "windows/message_box.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace blefino::windows {

// Shows settings.player_name for editing. "OK" with an acceptable name stores
// it, switches on the show-cards mode for "kvardo", saves all five values and
// accepts the dialog; the caller then opens the table. Closing the window
// rejects it without saving anything.
class Title : public QDialog {
  Q_OBJECT
 public:
  using SaveFn = std::function<void(const Settings&)>;

  Title(Settings& settings, bool& open_cards_allowed, SaveFn save_all, AskFn ask = {},
        QWidget* parent = nullptr);

  QLineEdit* nameBox() const { return name_; }
  QPushButton* okButton() const { return ok_; }

  // The name box takes no more than this, so a stored name always reads back.
  static constexpr int kMaxNameLength = 254;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void confirm();

  Settings& settings_;
  bool& open_cards_allowed_;
  SaveFn save_all_;
  AskFn ask_;
  QLineEdit* name_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace blefino::windows
