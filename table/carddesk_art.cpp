#include "table/carddesk_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "table/carddesk_layout.h"

namespace blefino::art {

namespace {

QPixmap draw_marker(qreal dpr) {
  const QSize size = layout::kMarker;
  QPixmap pm(size * dpr);
  pm.setDevicePixelRatio(dpr);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);

  // A pawn: round head, collar, flared body on a wide foot.
  QPainterPath body;
  body.moveTo(10.5, 28);
  body.cubicTo(11.5, 22, 13.5, 17, 13.5, 14);
  body.lineTo(18.5, 14);
  body.cubicTo(18.5, 17, 20.5, 22, 21.5, 28);
  body.closeSubpath();
  QPainterPath foot;
  foot.addRoundedRect(QRectF(7, 26.5, 18, 4.5), 2, 2);
  QPainterPath collar;
  collar.addRoundedRect(QRectF(11, 12.5, 10, 3), 1.5, 1.5);
  QPainterPath head;
  head.addEllipse(QPointF(16, 8.5), 5.5, 5.5);
  QPainterPath pawn = body.united(foot).united(collar).united(head);

  // A soft shadow so the piece stands on the cloth.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawEllipse(QRectF(6, 28.5, 21, 3.5));

  QRadialGradient ivory(QPointF(13, 10), 20);
  ivory.setColorAt(0, QColor(255, 252, 235));
  ivory.setColorAt(0.6, QColor(236, 218, 170));
  ivory.setColorAt(1, QColor(184, 150, 92));
  p.setBrush(ivory);
  p.setPen(QPen(QColor(70, 45, 15), 1.2));
  p.drawPath(pawn);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(QPointF(14.2, 6.8), 1.6, 1.6);
  return pm;
}

}  // namespace

QPixmap marker(qreal dpr) {
  static QPixmap cached;
  if (cached.isNull() || cached.devicePixelRatio() != dpr) cached = draw_marker(dpr);
  return cached;
}

}  // namespace blefino::art
