#pragma once
#include "game.h"

namespace blefino {

// The two computer players the table seats.
class ComputerOpponents final : public Opponents {
 public:
  Next move(Game& game, int who) override;
};

}  // namespace blefino
