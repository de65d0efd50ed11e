#pragma once
// Everything the game needs from the world outside it. The window implements
// it with Qt; tests and the self-play tool implement it with a script.

#include <string>

namespace blefino {

enum class Icon { None, Information, Question };
// YesNo presses Yes on Enter; YesNoDefaultNo, for a question whose Yes loses
// something, presses No.
enum class Buttons { Ok, YesNo, YesNoDefaultNo };
enum class Answer { Ok, Yes, No };

inline bool asks_yes_no(Buttons b) { return b != Buttons::Ok; }

struct LocalDateTime {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The five stored values, all kept as text the way they are stored.
struct Settings {
  std::string player_name;
  std::string skin = "1";
  std::string win = "0";
  std::string loss = "0";
  std::string draw = "0";
};

// Who sits at the table with the human: the opponents as they always were,
// or «Опытные соперники», who count the cards and read the human's habits.
// Stored beside the five values, in a key of its own.
enum class Level { Default, Experienced };

class Host {
 public:
  virtual ~Host() = default;
  // A modal message over the table as it stands now; returns the button pressed.
  virtual Answer message(const std::string& text, const std::string& title, Icon icon,
                         Buttons buttons) = 0;
  // The 1.5-second pause between computer moves, the table as it stands now shown.
  virtual void pause() = 0;
  virtual LocalDateTime now() = 0;
  virtual void save_all(const Settings& settings) = 0;
  // Ends the program. The game stops everything it was doing once this returns.
  virtual void end_program() = 0;
  // The table changed outside a move (a new card back): show it.
  virtual void show_model() {}
};

}  // namespace blefino
