#include "core/random.h"

namespace blefino {

MtRandom::MtRandom() {
  std::random_device rd;
  std::seed_seq seq{rd(), rd(), rd(), rd(), rd(), rd(), rd(), rd()};
  engine_.seed(seq);
}

}  // namespace blefino
