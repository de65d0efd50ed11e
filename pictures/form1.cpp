#include "pictures/form1.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace blefino::form1 {

// Painters of the four kinds of picture, each in its own design box
// (faces and backs 71x96, portraits 100x120, globe 32x32); the painter
// is already scaled so that the box fills the target.
void paint_face(QPainter& p, int code);
void paint_back(QPainter& p, int back);
void paint_portrait(QPainter& p, int row);
void paint_globus(QPainter& p, int frame);

namespace {

constexpr QSize kCardSize(71, 96);
constexpr QSize kPortraitSize(100, 120);
constexpr QSize kGlobusSize(32, 32);

bool is_face(int e) { return e / 10 >= 1 && e / 10 <= 4 && e % 10 != 0; }
bool is_back(int e) { return e >= 0 && e <= 170 && e % 10 == 0; }
bool is_portrait(int e) { return e >= 1 && e <= 9; }

enum class Kind { card, globus };

// Key: kind, element, logical width and height, dpr in thousandths.
using Key = std::tuple<Kind, int, int, int, long long>;

// The table repaints some forty cards at a time from here. Our own map rather
// than QPixmapCache, so a picture of a density in use is never evicted and
// redrawn mid-game; it is emptied when the application object goes, before
// the pixmaps lose their platform.
struct Cache {
  std::map<Key, QPixmap> pictures;
  std::vector<long long> densities;  // in use, the latest last
};

Cache* cache() {
  static Cache* store = nullptr;
  if (!store) {
    store = new Cache;
    qAddPostRoutine([] {
      delete store;
      store = nullptr;
    });
  }
  return store;
}

// A table being resized asks for its cards at a new density at every step.
// Only the latest few densities keep their pictures, so dragging a window's
// edge does not pile up a set of cards for every width it passed through.
constexpr std::size_t kDensitiesKept = 4;

void use_density(Cache& c, long long milli) {
  auto& d = c.densities;
  if (!d.empty() && d.back() == milli) return;
  if (auto it = std::find(d.begin(), d.end(), milli); it != d.end()) d.erase(it);
  d.push_back(milli);
  if (d.size() <= kDensitiesKept) return;
  const long long gone = d.front();
  d.erase(d.begin());
  std::erase_if(c.pictures, [gone](const auto& entry) { return std::get<4>(entry.first) == gone; });
}

QPixmap render(QSize logical, qreal dpr, QSize design,
               const std::function<void(QPainter&)>& paint) {
  const QSize px(qMax(1, qRound(logical.width() * dpr)), qMax(1, qRound(logical.height() * dpr)));
  QImage img(px, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  img.setDevicePixelRatio(dpr);
  {
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    p.scale(px.width() / dpr / design.width(), px.height() / dpr / design.height());
    paint(p);
  }
  QPixmap pm = QPixmap::fromImage(std::move(img));
  pm.setDevicePixelRatio(dpr);
  return pm;
}

// With `draw` false, a picture not drawn yet is not drawn now: the answer is null.
QPixmap cached(Kind kind, int element, QSize logical, qreal dpr, QSize design,
               const std::function<void(QPainter&)>& paint, bool draw = true) {
  if (logical.isEmpty() || !(dpr > 0) || !std::isfinite(dpr) || dpr > 16) return {};
  if (logical.width() * dpr > 8192 || logical.height() * dpr > 8192)
    return {};  // far beyond any screen; refuse rather than allocate gigabytes
  if (!QCoreApplication::instance()) return {};  // a pixmap needs the application object
  const Key key{kind, element, logical.width(), logical.height(), std::llround(dpr * 1000)};
  Cache& c = *cache();
  auto& map = c.pictures;
  auto it = map.find(key);
  if (it == map.end() && !draw) return {};
  use_density(c, std::get<4>(key));
  if (it == map.end()) it = map.emplace(key, render(logical, dpr, design, paint)).first;
  return it->second;
}

}  // namespace

bool has_card(int element) { return is_face(element) || is_back(element) || is_portrait(element); }

QSize card_size(int element) {
  if (is_portrait(element)) return kPortraitSize;
  if (is_face(element) || is_back(element)) return kCardSize;
  return {};
}

QPixmap card(int element, qreal dpr) { return card(element, card_size(element), dpr); }

namespace {

QPixmap card_picture(int element, QSize logical, qreal dpr, bool draw) {
  if (!has_card(element)) return {};
  const QSize design = card_size(element);
  return cached(
      Kind::card, element, logical, dpr, design,
      [element](QPainter& p) {
        if (is_portrait(element))
          paint_portrait(p, element);
        else if (is_back(element))
          paint_back(p, element / 10);
        else
          paint_face(p, element);
      },
      draw);
}

}  // namespace

QPixmap card(int element, QSize logical, qreal dpr) {
  return card_picture(element, logical, dpr, true);
}

QPixmap card_if_drawn(int element, QSize logical, qreal dpr) {
  return card_picture(element, logical, dpr, false);
}

bool has_globus(int frame) { return frame >= 1 && frame <= 14; }

QPixmap globus(int frame, qreal dpr) {
  if (!has_globus(frame)) return {};
  return cached(Kind::globus, frame, kGlobusSize, dpr, kGlobusSize,
                [frame](QPainter& p) { paint_globus(p, frame); });
}

}  // namespace blefino::form1
