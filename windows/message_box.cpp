#include "windows/message_box.h"

#include <QPointer>
#include <QWidget>

#include "table/message_box_builder.h"

namespace blefino::windows {

AskFn asker(AskFn ask, QWidget* parent) {
  if (ask) return ask;
  QPointer<QWidget> owner(parent);
  return [owner](const std::string& text, const std::string& title, Icon icon, Buttons buttons) {
    return show_message_box(text, title, icon, buttons, owner.data());
  };
}

}  // namespace blefino::windows
