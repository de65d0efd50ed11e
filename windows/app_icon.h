#pragma once
// The game's icon: two cards on the green cloth, the front one asking "?".
// Drawn in code (the same picture as assets/blefino.svg) so it is sharp at
// any size and density.

#include <QIcon>
#include <QPixmap>

namespace blefino::windows {

QPixmap app_icon_pixmap(int logical_size, qreal dpr);
QIcon app_icon();

}  // namespace blefino::windows
