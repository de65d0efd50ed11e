#include "message_box.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace blefino::windows {

Answer show_message_box(const std::string& text, const std::string& title, Icon icon,
                        Buttons buttons, QWidget* parent) {
  QMessageBox box(parent);
  box.setWindowTitle(QString::fromStdString(title));
  box.setText(QString::fromStdString(text));
  box.setTextFormat(Qt::PlainText);
  switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
  }
  if (buttons == Buttons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::Ok: return Answer::Ok;
    default:  // No, or the box closed some other way: the cautious answer
      return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
  }
}

AskFn asker(AskFn ask, QWidget* parent) {
  if (ask) return ask;
  QPointer<QWidget> owner(parent);
  return [owner](const std::string& text, const std::string& title, Icon icon, Buttons buttons) {
    return show_message_box(text, title, icon, buttons, owner.data());
  };
}

}  // namespace blefino::windows
