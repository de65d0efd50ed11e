#pragma once
// The table's cards, portraits and piles at the table's current scale.
//
// The picture store draws each picture in code, sharp at any density; a
// table twice its size needs some forty of them drawn anew, which takes
// longer than a frame. So a frame draws what its time allows; a picture it
// has no time for is shown as the same picture from the previous scale,
// stretched, and drawn sharp as soon as the window is idle. A window dragged
// to a new size every frame stays smooth, and a table at rest is sharp.

#include <QElapsedTimer>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QTimer>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace blefino {

class TablePictures : public QObject {
 public:
  // `ready` is called when pictures left for later have been drawn.
  explicit TablePictures(std::function<void()> ready, QObject* parent = nullptr);

  // A new frame: its time for drawing pictures starts now.
  void beginFrame();

  struct Picture {
    QPixmap pixmap;
    bool sharp = true;  // drawn at the density asked for; else stretch it
  };
  // Element `element` of the picture store at `logical` size (its own size
  // when empty), for `density` device pixels per table pixel.
  Picture get(int element, QSize logical, qreal density);

  bool waiting() const { return !later_.empty(); }

 private:
  using Key = std::tuple<int, int, int>;  // element, logical width, height
  void drawLater();

  std::function<void()> ready_;
  qreal density_ = 0;
  std::map<Key, QPixmap> sharp_;     // at density_
  std::map<Key, QPixmap> previous_;  // at earlier densities, the latest of each
  std::vector<Key> later_;
  QElapsedTimer frame_;
  QTimer idle_;
};

}  // namespace blefino
