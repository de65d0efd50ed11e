// What `blefino --help` and `blefino --version` answer. They are answered
// before any window exists, so they work on a machine with no display.
#pragma once

#include <cstdio>
#include <optional>

namespace blefino::app {

// Answers --help and --version and refuses anything else with the usage on
// `err`. Returns the exit code when the program should stop here (0 after an
// answer, 2 after a refusal), nothing when the game should start.
std::optional<int> answer_command_line(int argc, const char* const* argv, std::FILE* out,
                                       std::FILE* err);

}  // namespace blefino::app
