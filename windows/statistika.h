#pragma once
// The statistics window: games played, won, lost and drawn, each result's
// share, a reset, and a small turning globe.

#include <QDialog>
#include <QLocale>
#include <array>
#include <functional>

#include "core/host.h"
#include "windows/message_box.h"

class QLabel;
class QPushButton;
class QTimer;

namespace blefino::windows {

// f x 100 with exactly two decimals in the locale's way of writing numbers,
// followed by "%": 1/3 gives "33.33%" or "33,33%".
QString percent_text(double fraction, const QLocale& locale);

class FrmStatistika : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kGlobeFrames = 14;
  static constexpr int kGlobeInterval = 100;  // ms

  using SaveFn = std::function<void(const Settings&)>;

  // Reads the counts of `settings` now; "Очистить" asks first, then sets
  // them to "0" there and saves all at once, so the reset outlives the run.
  // Counts too long for their column widen it, and the window with it.
  explicit FrmStatistika(Settings& settings, SaveFn save_all = {}, AskFn ask = {},
                         QWidget* parent = nullptr, const QLocale& locale = QLocale());

  // Label2(i): 0 games played, 1 wins, 2 losses, 3 draws, 5..7 their shares.
  QLabel* figure(int i) const { return figures_.at(static_cast<std::size_t>(i)); }
  QLabel* caption(int i) const { return captions_.at(static_cast<std::size_t>(i)); }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cleanButton() const { return clean_; }
  QTimer* globeTimer() const { return timer_; }
  QLabel* globe() const { return shape_; }
  // The globe frame on show (1..14), 0 before the first tick.
  int globeFrame() const { return shown_frame_; }
  const QString& gamesTotal() const { return games_total_; }

  // "Очистить": the question, and on Yes the reset.
  void clean();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void fill(const QLocale& locale);
  void widenForCounts(QWidget* panel);
  void zero();
  void tick();

  Settings& settings_;
  SaveFn save_all_;
  AskFn ask_;
  std::array<QLabel*, 4> captions_{};
  std::array<QLabel*, 8> figures_{};  // element 4 unused
  QLabel* shape_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* clean_ = nullptr;
  QTimer* timer_ = nullptr;
  QString games_total_;
  int globe_frame_ = 1;
  int shown_frame_ = 0;
};

}  // namespace blefino::windows
