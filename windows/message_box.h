#pragma once
// How the front windows ask: a real message box, or a test's answer instead.

#include <functional>
#include <string>

#include "core/host.h"

class QWidget;

namespace blefino::windows {

// (text, title, icon, buttons) -> the button pressed.
using AskFn = std::function<Answer(const std::string& text, const std::string& title, Icon icon,
                                   Buttons buttons)>;

// `ask` when it is set, otherwise the game's message box over `parent`.
AskFn asker(AskFn ask, QWidget* parent);

}  // namespace blefino::windows
