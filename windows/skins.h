#pragma once
// The card-back chooser: 18 backs as tiles, the one pressed last enlarged
// under "Выбранная". OK or a double-click puts it on the table and saves.
// It opens on the back in use; from the keyboard the arrows walk the tiles
// (each a press) and Enter is OK.

#include <QDialog>
#include <array>

#include "core/card.h"

class QLabel;
class QPushButton;

namespace blefino {
struct Game;
}

namespace blefino::windows {

class Skins : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kBacks = kBackCount;

  explicit Skins(Game& g, QWidget* parent = nullptr);

  // A press on tile k (any mouse button): preview it and record k in
  // g.settings.skin at once; nothing reaches the table or the store yet.
  void pressTile(int k);
  // OK: the previewed back goes on the table and into the settings,
  // everything is saved, the window closes.
  void applyChoice();
  // A double-click on tile k: apply, with k as the chosen back.
  void doubleClickTile(int k);

  // The back shown under "Выбранная" (the table's when the window opens).
  int previewed() const { return previewed_; }
  QLabel* tile(int k) const { return tiles_.at(static_cast<std::size_t>(k)); }
  QLabel* preview() const { return choice_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void showPreview(int back);
  bool keyOnTile(int k, int key);
  void apply(int double_clicked);

  Game& g_;
  std::array<QLabel*, kBacks> tiles_{};
  QLabel* choice_ = nullptr;
  QPushButton* ok_ = nullptr;
  int previewed_ = 1;
};

}  // namespace blefino::windows
