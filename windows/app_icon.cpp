#include "windows/app_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace blefino::windows {

QPixmap app_icon_pixmap(int logical_size, qreal dpr) {
  if (logical_size <= 0 || dpr <= 0) return {};
  const int device = qRound(logical_size * dpr);
  QPixmap pm(device, device);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(device / 64.0, device / 64.0);  // drawn on a 64 x 64 grid

  p.setPen(QPen(QColor(0x0f, 0x4d, 0x22), 2));
  p.setBrush(QColor(0x1f, 0x7a, 0x3a));
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

  // The card laid face down: the claim.
  p.save();
  p.translate(37, 29);
  p.rotate(15);
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(QColor(0x8b, 0x1e, 0x2b));
  p.drawRoundedRect(QRectF(-13, -19, 26, 38), 3, 3);
  p.setPen(QPen(QColor(0xe8, 0xb4, 0x4a), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(-9, -15, 18, 30), 2, 2);
  p.restore();

  // The card in hand, and the question every round turns on.
  p.save();
  p.translate(27, 35);
  p.rotate(-12);
  p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(-13, -19, 26, 38), 3, 3);
  // The question mark as strokes, like the SVG: no font to load at start-up.
  QPainterPath hook;
  hook.moveTo(-5, -6.5);
  hook.arcTo(QRectF(-5, -11.5, 10, 10), 180, -180);
  hook.cubicTo(5, -3, 0, -2.5, 0, 2.5);
  QPen red(QColor(0xc0, 0x18, 0x18), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(red);
  p.setBrush(Qt::NoBrush);
  p.drawPath(hook);
  p.setPen(Qt::NoPen);
  p.setBrush(red.color());
  p.drawEllipse(QPointF(0, 9), 2.3, 2.3);
  p.restore();

  p.end();
  pm.setDevicePixelRatio(dpr);
  return pm;
}

QIcon app_icon() {
  static const QIcon icon = [] {
    QIcon i;
    for (int size : {16, 32, 48, 64, 128}) i.addPixmap(app_icon_pixmap(size, 1.0));
    return i;
  }();
  return icon;
}

}  // namespace blefino::windows
