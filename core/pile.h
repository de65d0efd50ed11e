#pragma once
// An ordered list of card codes, positions counted from 1 as the rules count
// them. Removing closes the gap, so moving a card keeps every other in order.

#include <cassert>
#include <cstddef>
#include <vector>

#include "core/card.h"

namespace blefino {

class Pile {
 public:
  int count() const { return static_cast<int>(items_.size()); }
  bool empty() const { return items_.empty(); }
  CardCode item(int position) const {
    assert(position >= 1 && position <= count());
    return items_[static_cast<std::size_t>(position - 1)];
  }
  CardCode last() const { return items_.back(); }
  void add(CardCode code) { items_.push_back(code); }
  void remove(int position) {
    assert(position >= 1 && position <= count());
    items_.erase(items_.begin() + (position - 1));
  }
  void clear() { items_.clear(); }

  const std::vector<CardCode>& items() const { return items_; }
  std::vector<CardCode>& items() { return items_; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  friend bool operator==(const Pile&, const Pile&) = default;

 private:
  std::vector<CardCode> items_;
};

// Moves every card of `from`, first to last, to the end of `to`.
inline void move_all(Pile& from, Pile& to) {
  for (CardCode c : from) to.add(c);
  from.clear();
}

// Appends a copy of every item of `source` to `target`; the source is unchanged.
inline void append_copies(Pile& target, const Pile& source) {
  for (CardCode c : source) target.add(c);
}

}  // namespace blefino
