#pragma once
// Geometry as the game's layout gives it, for the table and every other
// window: twips (1/1440 inch), 15 per pixel at 96 dpi. Qt's device-pixel
// ratio scales the pixels further.

#include <QRect>

class QWidget;

namespace blefino {

constexpr int px(int twips) { return (twips + 7) / 15; }  // to the nearest pixel
constexpr QRect twips(int left, int top, int width, int height) {
  return QRect(px(left), px(top), px(width), px(height));
}

// Moves a top-level window so that its outer frame stands in the middle of
// the screen it is on.
void centre_on_screen(QWidget& window);

}  // namespace blefino
