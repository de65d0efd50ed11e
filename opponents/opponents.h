#pragma once
#include "core/game.h"

namespace blefino {

// The two computer players the table seats, of the level the game names.
class ComputerOpponents final : public Opponents {
 public:
  Next move(Game& game, Seat who) override;
};

}  // namespace blefino
