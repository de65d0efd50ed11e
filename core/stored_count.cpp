#include "core/stored_count.h"

#include "core/card.h"

namespace blefino {

namespace {

// The number a text starts with; `found` tells whether it has digits at all.
std::int64_t leading_number(const std::string& text, bool& found) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::int64_t value = 0;
  found = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    found = true;
    if (value <= kMaxCount)
      value = value * 10 + (text[i] - '0');  // beyond the cap it stops growing
  }
  return negative ? -value : value;
}

}  // namespace

std::int64_t stored_count(const std::string& text) {
  bool found = false;
  const std::int64_t n = leading_number(text, found);
  if (n < 0) return 0;
  return n > kMaxCount ? kMaxCount : n;
}

std::string incremented(const std::string& count_text) {
  const std::int64_t n = stored_count(count_text);
  return std::to_string(n < kMaxCount ? n + 1 : n);
}

int stored_back(const std::string& skin_text) {
  bool found = false;
  const std::int64_t n = leading_number(skin_text, found);
  // A back we have no picture for shows back 1, the one every table starts with.
  return (found && n >= 0 && n < kBackCount) ? static_cast<int>(n) : 1;
}

}  // namespace blefino
