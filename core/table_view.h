#pragma once
// What the table window shows, derived from the game state. No rule reads it.

#include <string>

#include "core/game.h"
#include "core/table_model.h"

namespace blefino {

TableModel table_view(const Game& g);

// The words of a line as the table shows them.
std::string line_text(const Speech& speech);

}  // namespace blefino
