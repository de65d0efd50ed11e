#pragma once
// The table window: it shows the table model and hands every click to the
// game through CarddeskEvents. It keeps no game state of its own.

#include <QMainWindow>
#include <functional>
#include <string>

#include "core/table_model.h"

class QMenu;

namespace blefino {

class CarddeskTable;

// What the player did at the table. Empty entries are ignored.
struct CarddeskEvents {
  std::function<void(int)> card_pressed;  // any mouse button on koloda3(index)
  std::function<void(int)> rank_clicked;  // Option1(index)
  std::function<void()> main_pressed;
  std::function<void()> show_cards_pressed;
  std::function<void()> veru_pressed;
  std::function<void()> neveru_pressed;
  std::function<void()> close_requested;  // the window's close box
};

struct Game;
class Narrator;

// The table of a game: its handlers as the window's events, its state as the window's model.
CarddeskEvents events_for(Game& g);
std::function<TableModel()> view_of(const Game& g);

class Carddesk : public QMainWindow {
  Q_OBJECT
 public:
  // `source` gives the table as it stands now; the window asks it at every showModel().
  explicit Carddesk(std::function<TableModel()> source, CarddeskEvents events = {},
                    QWidget* parent = nullptr);
  ~Carddesk() override;

  // Asks for the model again and schedules a repaint. Called after every event
  // and by the host before a message or a pause.
  void showModel();

  // The opponents' moves in words: each new sentence goes to a screen reader
  // as the table is shown, and the key И (B) lists the current round's.
  void followNarration(Narrator* narrator);

  // The window's size, place and state (maximised, full screen) as text to
  // keep between runs, and back: a place that cannot be taken leaves the
  // window to open in the middle of the screen.
  std::string placement() const;
  void restorePlacement(const std::string& text);

  // Makes the window fit `area` (a screen's available part), frame and all:
  // the table may shrink below its own size where the screen is smaller (a
  // large scale factor), the window is made smaller if it is larger, and
  // moved so that its title bar is on the screen. Done at every showing.
  void fitInto(const QRect& area);

  // The table under the menu bar: 794 x 529 at its own size, scaled up to fill
  // a larger window.
  QWidget* table() const;
  // Where slot `index` of hand `row` (1, 2 or 3) is drawn, in pixels of table().
  QRect slotRect(int row, int index) const;
  // The human's slot a press at `pos` (pixels of table()) lands on: the
  // topmost visible and enabled one, or 0.
  int humanSlotAt(QPoint pos) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void forward(const std::function<void()>& handler);

  std::function<TableModel()> source_;
  TableModel model_;
  CarddeskEvents events_;
  CarddeskTable* table_ = nullptr;
  Narrator* narrator_ = nullptr;
  bool centred_ = false;
  bool framed_ = false;  // fitted to the screen with the window manager's frame
};

}  // namespace blefino
