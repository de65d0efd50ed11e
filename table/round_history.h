#pragma once
// The opponents' moves of the current round in words, in a window of their
// own: a read-only list a screen reader reads line by line, the newest line
// under the keyboard. Esc or Enter closes it.

#include <deque>
#include <string>

class QWidget;

namespace blefino {

void show_round_history(QWidget* parent, const std::deque<std::string>& sentences);

}  // namespace blefino
