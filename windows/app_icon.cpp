#include "app_icon.h"

#include <QFont>
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
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setBold(true);
  f.setPixelSize(28);
  p.setFont(f);
  p.setPen(QColor(0xc0, 0x18, 0x18));
  p.drawText(QRectF(-13, -19, 26, 38), Qt::AlignCenter, QStringLiteral("?"));
  p.restore();

  p.end();
  pm.setDevicePixelRatio(dpr);
  return pm;
}

QIcon app_icon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(app_icon_pixmap(size, 1.0));
  return icon;
}

}  // namespace blefino::windows
