#include "table/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace blefino {

void centre_on_screen(QWidget& window) {
  QScreen* screen = window.screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QRect frame = window.frameGeometry();
  window.move(area.left() + area.width() / 2 - frame.width() / 2,
              area.top() + area.height() / 2 - frame.height() / 2);
}

}  // namespace blefino
