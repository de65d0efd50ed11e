#pragma once
// Stored values are text, as they have always been kept. This is the one
// place that reads a number out of such a text.

#include <cstdint>
#include <string>

namespace blefino {

// The largest result count we keep: three of them add up without overflow,
// and a share of one of them is still exact in a double.
inline constexpr std::int64_t kMaxCount = 999'999'999'999'999;

// The count a stored text stands for: its leading digits (after blanks and a
// sign), 0 when there are none or the number is negative, kMaxCount when larger.
std::int64_t stored_count(const std::string& text);

// The stored text of a count one larger; the largest count stays where it is.
std::string incremented(const std::string& count_text);

// The card back a stored text names, or back 1 when there is no picture for it.
int stored_back(const std::string& skin_text);

}  // namespace blefino
