#pragma once
// The game's modal message box, and a way for tests to answer it instead.

#include <functional>
#include <string>

#include "host.h"

class QWidget;

namespace blefino::windows {

// (text, title, icon, buttons) -> the button pressed.
using AskFn = std::function<Answer(const std::string& text, const std::string& title, Icon icon,
                                   Buttons buttons)>;

// A real message box over `parent`, with Russian Yes/No captions.
Answer show_message_box(const std::string& text, const std::string& title, Icon icon,
                        Buttons buttons, QWidget* parent);

// `ask` when it is set, otherwise a real message box over `parent`.
AskFn asker(AskFn ask, QWidget* parent);

}  // namespace blefino::windows
