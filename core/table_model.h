#pragma once
// The table window's controls as plain data: exactly the properties the game
// reads or writes. The window renders this and owns nothing else. Positions
// are in twips (15 twips = 1 pixel at 96 dpi); arrays are indexed as on the
// table, from 1 (konpic keeps element 0 as the empty place).

#include <array>
#include <string>

namespace blefino {

// A picture is an element number of the picture store: faces at their card
// code, back k at 10 × k, portraits 1..9. kNoPicture is the empty picture.
inline constexpr int kNoPicture = -1;
constexpr int back_picture(int back) { return 10 * back; }

enum class Cursor { Default, Hand, HandPut };

struct Slot {
  int left = 0;
  int top = 0;
  bool visible = false;
  bool enabled = true;
  int picture = kNoPicture;
  Cursor cursor = Cursor::Hand;
};

struct Label {
  std::string caption;
  bool visible = true;
};

struct Button {
  std::string caption;
  bool visible = true;
  bool enabled = true;
  Cursor cursor = Cursor::Default;
};

struct OptionButton {
  std::string caption;
  bool selected = false;
  bool enabled = true;
};

struct Picture {
  int left = 0;
  int top = 0;
  bool visible = true;
  int picture = kNoPicture;
};

inline constexpr int kHandSlots = 36;
inline constexpr int kRestingTop = 6863;   // the human's card lying in the hand
inline constexpr int kRaisedTop = 6730;    // ... and raised, ready to be laid
inline constexpr int kRaisedBelow = 6735;  // a slot above this line counts as raised
inline constexpr int kOpponentRowTop = 2160;

struct TableModel {
  std::array<Slot, kHandSlots + 1> koloda1{};  // opponent 1's hand, 1..36
  std::array<Slot, kHandSlots + 1> koloda2{};  // opponent 2's hand, 1..36
  std::array<Slot, kHandSlots + 1> koloda3{};  // the human's hand, 1..36
  std::array<Picture, 5> konpic{};             // the batch, 1..4; 0 is the empty place

  Picture heappic;
  Picture otboypic;
  Picture Example;  // never shown: holds the current card back
  Picture Image1;   // portraits
  Picture Image2;
  Picture Chesspiece;  // the turn marker
  int turn_row = 0;    // whose move it marks: 1, 2 the opponents, 3 the human; 0 before a deal

  Label Label1;  // the title
  Label Conversation1, Conversation2, Conversation3;
  Label Labelcpu1, Labelcpu2;
  Label koncard;
  Label Label_of_heap, in_heap;
  Label Label_of_otboy, in_otboy;
  Label myname;

  Button Command1;  // show cards
  Button mainbutton;
  Button neveru;
  Button veru;

  bool Frame1_visible = false;
  std::array<OptionButton, 10> Option1{};  // rank buttons, 1..9

  TableModel();
};

}  // namespace blefino
