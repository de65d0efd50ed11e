#pragma once
// The rules window.

#include <QDialog>
#include <QString>

class QTextEdit;
class QPushButton;

namespace blefino::windows {

// The rules as the window holds them: 21 lines joined by CR LF, the last
// one empty.
const QString& help_text();

class Help : public QDialog {
  Q_OBJECT
 public:
  explicit Help(QWidget* parent = nullptr);

  QTextEdit* textBox() const { return text_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QTextEdit* text_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace blefino::windows
