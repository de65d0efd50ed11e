#pragma once
// The about window: title, version, icon and the author's lines.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace blefino::windows {

// "Версия " and the program's major.minor.revision, from the build.
QString version_line();

class FrmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit FrmAbout(QWidget* parent = nullptr);

  QLabel* titleLabel() const { return title_; }
  QLabel* versionLabel() const { return version_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* title_ = nullptr;
  QLabel* version_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace blefino::windows
