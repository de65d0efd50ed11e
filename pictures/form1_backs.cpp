// The eighteen card backs: each its own colour and pattern inside a white
// margin, so a player tells them apart at a glance in the chooser.
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace blefino::form1 {

namespace {

constexpr qreal kW = 71;
constexpr qreal kH = 96;
const QRectF kField(4.5, 4.5, kW - 9, kH - 9);
const QPointF kCentre(kW / 2, kH / 2);

void lines(QPainter& p, const QColor& c, qreal width, qreal step, qreal slope) {
  // Parallel lines y = slope * x + b across the field (slope 0: horizontal).
  p.setPen(QPen(c, width));
  const qreal span = kH + std::abs(slope) * kW;
  for (qreal b = -span; b <= span; b += step)
    p.drawLine(QPointF(0, b), QPointF(kW, b + slope * kW));
}

void lattice(QPainter& p, const QColor& c, qreal width, qreal step) {
  lines(p, c, width, step, 1);
  lines(p, c, width, step, -1);
}

QPainterPath star(QPointF c, qreal outer, qreal inner, int points) {
  QPainterPath s;
  for (int i = 0; i < points * 2; ++i) {
    const qreal r = i % 2 ? inner : outer;
    const qreal a = M_PI * i / points - M_PI / 2;
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    i ? s.lineTo(pt) : s.moveTo(pt);
  }
  s.closeSubpath();
  return s;
}

void pattern(QPainter& p, int back) {
  const QRectF& f = kField;
  switch (back) {
    case 0:  // blue diagonal lattice
      p.fillRect(f, QColor(28, 58, 150));
      lattice(p, QColor(190, 208, 255), 0.9, 7);
      break;
    case 1: {  // the house back: fine red lattice with a medallion
      p.fillRect(f, QColor(172, 22, 32));
      lattice(p, QColor(236, 150, 150), 0.5, 4.5);
      p.setPen(QPen(Qt::white, 1.4));
      p.setBrush(QColor(140, 10, 22));
      p.drawEllipse(kCentre, 15, 21);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(240, 196, 70));
      p.drawPath(star(kCentre, 12, 3.5, 4));
      p.setBrush(Qt::white);
      p.drawEllipse(kCentre, 2, 2);
      break;
    }
    case 2:  // green checks
      p.fillRect(f, QColor(18, 104, 48));
      for (int i = 0; i * 7.75 < kW; ++i)
        for (int j = 0; j * 7.25 < kH; ++j)
          if ((i + j) % 2)
            p.fillRect(QRectF(f.left() + i * 7.75, f.top() + j * 7.25, 7.75, 7.25),
                       QColor(120, 196, 112));
      break;
    case 3:  // white dots on purple
      p.fillRect(f, QColor(92, 38, 140));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(246, 236, 255));
      for (int j = 0; j < 14; ++j)
        for (int i = -1; i < 10; ++i)
          p.drawEllipse(QPointF(f.left() + 3 + i * 8 + (j % 2) * 4, f.top() + 3 + j * 7), 1.9, 1.9);
      break;
    case 4:  // orange stripes
      p.fillRect(f, QColor(236, 128, 24));
      for (qreal x = f.left() + 2; x < f.right(); x += 8)
        p.fillRect(QRectF(x, f.top(), 3.5, f.height()), QColor(255, 222, 150));
      break;
    case 5: {  // teal waves
      p.fillRect(f, QColor(0, 118, 130));
      p.setPen(QPen(QColor(200, 246, 246), 1.3));
      p.setBrush(Qt::NoBrush);
      for (qreal y = f.top() - 4; y < f.bottom() + 4; y += 7) {
        QPainterPath wave;
        wave.moveTo(0, y);
        for (qreal x = 0; x <= kW; x += 1) wave.lineTo(x, y + 2.2 * std::sin(x * 2 * M_PI / 14));
        p.drawPath(wave);
      }
      break;
    }
    case 6:  // harlequin diamonds, gold and brown
      p.fillRect(f, QColor(142, 82, 28));
      p.setPen(QPen(QColor(90, 48, 12), 0.7));
      p.setBrush(QColor(232, 190, 84));
      for (int j = 0; j < 7; ++j)
        for (int i = 0; i < 7; ++i) {
          const QPointF c(f.left() + i * 10.33, f.top() + j * 14.5);
          p.drawPolygon(QPolygonF({c + QPointF(0, -7.25), c + QPointF(5.17, 0),
                                   c + QPointF(0, 7.25), c + QPointF(-5.17, 0)}));
        }
      break;
    case 7:  // golden stars in a night sky
      p.fillRect(f, QColor(14, 24, 72));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 214, 60));
      for (int j = 0; j < 8; ++j)
        for (int i = -1; i < 6; ++i)
          p.drawPath(star(QPointF(f.left() + 6 + i * 12 + (j % 2) * 6, f.top() + 5 + j * 11.3), 4.2,
                          1.7, 5));
      break;
    case 8:  // concentric rings, pink and magenta
      p.fillRect(f, QColor(198, 36, 138));
      p.setPen(QPen(QColor(252, 186, 226), 2.2));
      p.setBrush(Qt::NoBrush);
      for (qreal r = 3; r < 60; r += 5) p.drawEllipse(kCentre, r, r);
      break;
    case 9: {  // tartan
      p.fillRect(f, QColor(24, 72, 44));
      const QColor navy(20, 30, 90, 150), red(200, 30, 40, 190), yellow(250, 220, 60);
      for (qreal v = 2; v < kH; v += 16) {
        p.fillRect(QRectF(0, v, kW, 6), navy);
        p.fillRect(QRectF(v, 0, 6, kH), navy);
      }
      for (qreal v = 11; v < kH; v += 16) {
        p.fillRect(QRectF(0, v, kW, 2.5), red);
        p.fillRect(QRectF(v, 0, 2.5, kH), red);
        p.fillRect(QRectF(0, v + 4, kW, 0.7), yellow);
        p.fillRect(QRectF(v + 4, 0, 0.7, kH), yellow);
      }
      break;
    }
    case 10:  // grey and black bands
      p.fillRect(f, QColor(36, 36, 42));
      for (qreal y = f.top() + 1; y < f.bottom(); y += 9) {
        p.fillRect(QRectF(f.left(), y, f.width(), 3.5), QColor(160, 160, 172));
        p.fillRect(QRectF(f.left(), y + 5.5, f.width(), 0.8), QColor(120, 120, 132));
      }
      break;
    case 11: {  // sky-blue fish scales
      p.fillRect(f, QColor(110, 176, 232));
      p.setPen(QPen(QColor(232, 244, 255), 1.1));
      p.setBrush(QColor(150, 200, 242));
      for (int j = 0; j < 15; ++j)
        for (int i = -1; i < 9; ++i) {
          const QPointF c(f.left() + i * 8 + (j % 2) * 4, f.top() - 2 + j * 6.5);
          p.drawChord(QRectF(c.x() - 4, c.y() - 4, 8, 8), 180 * 16, 180 * 16);
        }
      break;
    }
    case 12: {  // olive chevrons on yellow
      p.fillRect(f, QColor(236, 204, 40));
      p.setPen(QPen(QColor(100, 92, 16), 2.4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
      p.setBrush(Qt::NoBrush);
      for (qreal y = f.top() - 6; y < f.bottom() + 6; y += 8) {
        QPolygonF zig;
        for (int i = 0; i * 6 <= kW + 6; ++i) zig << QPointF(i * 6, y + (i % 2 ? -4 : 0));
        p.drawPolyline(zig);
      }
      break;
    }
    case 13:  // white crosses on maroon
      p.fillRect(f, QColor(104, 18, 40));
      p.setPen(QPen(QColor(246, 226, 232), 1.6));
      for (int j = 0; j < 10; ++j)
        for (int i = 0; i < 7; ++i) {
          const QPointF c(f.left() + 5 + i * 9 + (j % 2) * 4.5, f.top() + 4.5 + j * 9);
          p.drawLine(c + QPointF(-2.6, 0), c + QPointF(2.6, 0));
          p.drawLine(c + QPointF(0, -2.6), c + QPointF(0, 2.6));
        }
      break;
    case 14: {  // turquoise honeycomb
      p.fillRect(f, QColor(48, 196, 200));
      p.setPen(QPen(QColor(0, 84, 96), 1.2));
      p.setBrush(Qt::NoBrush);
      const qreal r = 5, w = r * std::sqrt(3.0);
      for (int j = -1; j < 14; ++j)
        for (int i = -1; i < 9; ++i) {
          const QPointF c(f.left() + i * w + (j % 2) * w / 2, f.top() + j * r * 1.5);
          QPolygonF hex;
          for (int k = 0; k < 6; ++k)
            hex << c + QPointF(r * std::cos(M_PI / 6 + k * M_PI / 3),
                               r * std::sin(M_PI / 6 + k * M_PI / 3));
          p.drawPolygon(hex);
        }
      break;
    }
    case 15: {  // gold sunburst on black
      p.fillRect(f, QColor(18, 16, 14));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(214, 168, 52));
      for (int i = 0; i < 24; i += 2) {
        const qreal a0 = 2 * M_PI * i / 24, a1 = 2 * M_PI * (i + 1) / 24;
        p.drawPolygon(QPolygonF({kCentre, kCentre + QPointF(80 * std::cos(a0), 80 * std::sin(a0)),
                                 kCentre + QPointF(80 * std::cos(a1), 80 * std::sin(a1))}));
      }
      p.setBrush(QColor(18, 16, 14));
      p.drawEllipse(kCentre, 6, 6);
      p.setBrush(QColor(214, 168, 52));
      p.drawEllipse(kCentre, 3.5, 3.5);
      break;
    }
    case 16:  // brick wall
      p.fillRect(f, QColor(236, 222, 200));
      for (int j = 0; j * 6 < kH; ++j)
        for (int i = -1; i < 6; ++i)
          p.fillRect(
              QRectF(f.left() + i * 13 + (j % 2) * 6.5 + 0.6, f.top() + j * 6 + 0.6, 11.8, 4.8),
              QColor(178, 66, 36));
      break;
    default:  // violet triangles
      p.fillRect(f, QColor(200, 180, 250));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(112, 52, 196));
      for (int j = 0; j * 10 < kH; ++j)
        for (int i = -1; i < 8; ++i) {
          const qreal x = f.left() + i * 10 + (j % 2) * 5, y = f.top() + j * 10;
          p.drawPolygon(
              QPolygonF({QPointF(x, y + 9), QPointF(x + 5, y + 1), QPointF(x + 10, y + 9)}));
        }
      break;
  }
}

}  // namespace

void paint_back(QPainter& p, int back) {
  p.setPen(QPen(QColor(96, 96, 96), 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(0.5, 0.5, kW - 1, kH - 1), 4.5, 4.5);

  QPainterPath field;
  field.addRoundedRect(kField, 2.5, 2.5);
  p.save();
  p.setClipPath(field);
  pattern(p, back);
  p.restore();
  p.setPen(QPen(QColor(0, 0, 0, 90), 0.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(field);
}

}  // namespace blefino::form1
