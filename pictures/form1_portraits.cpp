// Portraits of the nine computer opponents, one row of the name table each:
// head and shoulders in front of a coloured background, every one with his
// or her own hair, headgear, face and clothes.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace blefino::form1 {

namespace {

constexpr qreal kW = 100;
constexpr qreal kH = 120;
constexpr qreal kCx = kW / 2;
const QColor kInk(40, 30, 28);

enum class Hair { bald, short_cut, slick, long_straight, bun, curly, shaggy };
enum class Hat { none, horned_helmet, top_hat, cowboy, beanie };
enum class Beard { none, full, moustache, twirled, stubble, sideburns, scruffy };
enum class Clothes { fur, suit, polo, tailcoat, denim, dress, jacket };

struct Look {
  QColor background;
  QColor skin;
  QColor hair;
  QColor eyes;
  QColor clothes;
  QColor trim;
  Hair hair_style;
  Hat hat;
  Beard beard;
  Clothes dress;
  bool woman = false;
  qreal face_rx = 16.5;
  qreal face_ry = 20.5;
  bool monocle = false;
  bool glasses = false;
  bool red_nose = false;
};

const qreal kHeadY = 54;

QPen outline() { return QPen(kInk, 0.9); }

void background(QPainter& p, const Look& l) {
  QRadialGradient g(QPointF(kCx, 45), 85);
  g.setColorAt(0, l.background.lighter(135));
  g.setColorAt(1, l.background.darker(125));
  p.fillRect(QRectF(0, 0, kW, kH), g);
}

void hair_behind(QPainter& p, const Look& l) {
  p.setPen(outline());
  p.setBrush(l.hair);
  switch (l.hair_style) {
    case Hair::long_straight: {
      QPainterPath h;
      h.moveTo(kCx - 20, 45);
      h.cubicTo(kCx - 26, 70, kCx - 26, 92, kCx - 30, 104);
      h.lineTo(kCx + 30, 104);
      h.cubicTo(kCx + 26, 92, kCx + 26, 70, kCx + 20, 45);
      h.closeSubpath();
      p.drawPath(h);
      break;
    }
    case Hair::curly:
      for (int i = 0; i < 14; ++i) {
        const qreal a = M_PI * (0.9 + 1.2 * i / 13.0);
        p.drawEllipse(QPointF(kCx + 21 * std::cos(a), kHeadY + 6 - 26 * std::sin(a) * -1), 8, 8);
      }
      for (int i = 0; i < 6; ++i) {
        p.drawEllipse(QPointF(kCx - 24 + (i % 2) * 3, 68 + i * 4.5), 7, 7);
        p.drawEllipse(QPointF(kCx + 24 - (i % 2) * 3, 68 + i * 4.5), 7, 7);
      }
      break;
    case Hair::shaggy:
      p.drawEllipse(QPointF(kCx, kHeadY - 2), l.face_rx + 5, l.face_ry + 4);
      break;
    default:
      break;
  }
}

void body(QPainter& p, const Look& l) {
  // Neck.
  p.setPen(outline());
  p.setBrush(l.skin.darker(108));
  p.drawRect(QRectF(kCx - 7, 68, 14, 18));

  QPainterPath torso;
  const qreal shoulder = l.woman ? 88 : 86;
  torso.moveTo(2, kH + 1);
  torso.cubicTo(4, 100, 14, shoulder, kCx - 12, shoulder - 2);
  torso.lineTo(kCx + 12, shoulder - 2);
  torso.cubicTo(86, shoulder, 96, 100, 98, kH + 1);
  torso.closeSubpath();
  p.setBrush(l.clothes);
  p.drawPath(torso);

  switch (l.dress) {
    case Clothes::fur: {
      p.setBrush(l.trim);
      for (int i = 0; i < 11; ++i)
        p.drawEllipse(QPointF(14 + i * 7.2, 86 + std::abs(i - 5) * 1.4), 6, 5);
      break;
    }
    case Clothes::suit:
    case Clothes::tailcoat: {
      p.setBrush(Qt::white);
      p.drawPolygon(QPolygonF({QPointF(kCx - 12, 84), QPointF(kCx, 112), QPointF(kCx + 12, 84)}));
      if (l.dress == Clothes::suit) {
        p.setBrush(l.trim);
        p.drawPolygon(QPolygonF({QPointF(kCx - 3, 86), QPointF(kCx + 3, 86), QPointF(kCx + 4, 104),
                                 QPointF(kCx, 110), QPointF(kCx - 4, 104)}));
      } else {
        // Cravat and gold epaulettes.
        p.setBrush(QColor(245, 245, 235));
        p.drawEllipse(QPointF(kCx, 90), 6, 5);
        p.setBrush(l.trim);
        p.drawRoundedRect(QRectF(10, 90, 20, 7), 3, 3);
        p.drawRoundedRect(QRectF(70, 90, 20, 7), 3, 3);
        p.setPen(QPen(l.trim, 1.2));
        for (int i = 0; i < 5; ++i) {
          p.drawLine(QPointF(12 + i * 4, 97), QPointF(12 + i * 4, 101));
          p.drawLine(QPointF(72 + i * 4, 97), QPointF(72 + i * 4, 101));
        }
        p.setPen(outline());
      }
      // Lapels.
      p.setBrush(l.clothes.darker(130));
      p.drawPolygon(
          QPolygonF({QPointF(kCx - 12, 84), QPointF(kCx - 4, 112), QPointF(kCx - 18, 96)}));
      p.drawPolygon(
          QPolygonF({QPointF(kCx + 12, 84), QPointF(kCx + 4, 112), QPointF(kCx + 18, 96)}));
      break;
    }
    case Clothes::polo:
      p.setBrush(l.clothes.lighter(120));
      p.drawPolygon(
          QPolygonF({QPointF(kCx - 11, 84), QPointF(kCx - 2, 94), QPointF(kCx - 16, 96)}));
      p.drawPolygon(
          QPolygonF({QPointF(kCx + 11, 84), QPointF(kCx + 2, 94), QPointF(kCx + 16, 96)}));
      p.setBrush(l.trim);
      p.drawEllipse(QPointF(kCx, 100), 1.5, 1.5);
      p.drawEllipse(QPointF(kCx, 107), 1.5, 1.5);
      break;
    case Clothes::denim:
      p.setPen(QPen(l.clothes.lighter(140), 1, Qt::DashLine));
      p.drawLine(QPointF(kCx, 95), QPointF(kCx, kH));
      p.drawRect(QRectF(20, 100, 14, 10));
      p.drawRect(QRectF(66, 100, 14, 10));
      p.setPen(outline());
      p.setBrush(l.trim);  // bandana
      p.drawPolygon(QPolygonF({QPointF(kCx - 14, 82), QPointF(kCx + 14, 82), QPointF(kCx, 100)}));
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      for (const QPointF d : {QPointF(kCx - 6, 86), QPointF(kCx + 5, 87), QPointF(kCx, 93)})
        p.drawEllipse(d, 1.1, 1.1);
      break;
    case Clothes::dress: {
      // Neckline showing skin, with a necklace.
      p.setBrush(l.skin.darker(104));
      QPainterPath neck;
      neck.moveTo(kCx - 16, 86);
      neck.cubicTo(kCx - 12, 102, kCx + 12, 102, kCx + 16, 86);
      neck.closeSubpath();
      p.drawPath(neck);
      p.setPen(Qt::NoPen);
      p.setBrush(l.trim);
      for (int i = 0; i < 9; ++i) {
        const qreal a = M_PI * (0.15 + 0.7 * i / 8.0);
        p.drawEllipse(QPointF(kCx + 13 * std::cos(a), 87 + 8 * std::sin(a)), 1.5, 1.5);
      }
      break;
    }
    case Clothes::jacket:
      p.setPen(QPen(l.trim, 1.6));
      p.drawLine(QPointF(kCx, 86), QPointF(kCx, kH));
      p.setPen(outline());
      p.setBrush(l.clothes.darker(120));
      p.drawPolygon(
          QPolygonF({QPointF(kCx - 13, 83), QPointF(kCx - 1, 90), QPointF(kCx - 10, 95)}));
      p.drawPolygon(
          QPolygonF({QPointF(kCx + 13, 83), QPointF(kCx + 1, 90), QPointF(kCx + 10, 95)}));
      p.drawRect(QRectF(18, 104, 12, 8));
      break;
  }
}

void face(QPainter& p, const Look& l) {
  p.setPen(outline());
  p.setBrush(l.skin);
  // Ears.
  p.drawEllipse(QPointF(kCx - l.face_rx, kHeadY + 2), 3.5, 5.5);
  p.drawEllipse(QPointF(kCx + l.face_rx, kHeadY + 2), 3.5, 5.5);
  p.drawEllipse(QPointF(kCx, kHeadY), l.face_rx, l.face_ry);

  // Eyes.
  const qreal ey = kHeadY - 2, ex = 7;
  for (int s : {-1, 1}) {
    p.setPen(QPen(kInk, 0.6));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(kCx + s * ex, ey), 3.6, 2.4);
    p.setPen(Qt::NoPen);
    p.setBrush(l.eyes);
    p.drawEllipse(QPointF(kCx + s * ex, ey), 1.7, 1.7);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(kCx + s * ex, ey), 0.8, 0.8);
    // Brows; a woman's thinner and arched, with lashes.
    p.setPen(QPen(l.woman ? kInk : l.hair.darker(140), l.woman ? 0.9 : 1.8, Qt::SolidLine,
                  Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath brow;
    brow.moveTo(kCx + s * (ex - 4), ey - 4.5);
    brow.quadTo(kCx + s * ex, ey - (l.woman ? 7.5 : 6), kCx + s * (ex + 4.5), ey - 4);
    p.drawPath(brow);
    if (l.woman) {
      p.setPen(QPen(kInk, 0.7));
      p.drawLine(QPointF(kCx + s * (ex + 3.4), ey - 1), QPointF(kCx + s * (ex + 5), ey - 2.4));
    }
  }

  // Nose.
  p.setPen(QPen(l.skin.darker(150), 0.9, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  if (l.red_nose) {
    p.setPen(outline());
    p.setBrush(QColor(222, 110, 96));
    p.drawEllipse(QPointF(kCx, kHeadY + 6), 4.6, 4);
  } else {
    QPainterPath nose;
    nose.moveTo(kCx - 0.5, ey + 2);
    nose.lineTo(kCx - 2.2, kHeadY + 8);
    nose.quadTo(kCx, kHeadY + 9.5, kCx + 2.2, kHeadY + 8);
    p.drawPath(nose);
  }

  // Cheeks and mouth.
  if (l.woman) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 120, 120, 70));
    p.drawEllipse(QPointF(kCx - 10, kHeadY + 7), 3.5, 2.5);
    p.drawEllipse(QPointF(kCx + 10, kHeadY + 7), 3.5, 2.5);
    p.setBrush(QColor(200, 40, 60));
    QPainterPath lips;
    lips.moveTo(kCx - 5, kHeadY + 13);
    lips.quadTo(kCx, kHeadY + 10.5, kCx + 5, kHeadY + 13);
    lips.quadTo(kCx, kHeadY + 17, kCx - 5, kHeadY + 13);
    p.drawPath(lips);
  } else {
    p.setPen(QPen(QColor(140, 70, 60), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(kCx - 5, kHeadY + 10, 10, 4.5), 200 * 16, 140 * 16);
  }

  if (l.glasses) {
    p.setPen(QPen(QColor(60, 30, 20), 1.2));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(QRectF(kCx - ex - 5, ey - 4, 10, 8), 3, 3);
    p.drawRoundedRect(QRectF(kCx + ex - 5, ey - 4, 10, 8), 3, 3);
    p.drawLine(QPointF(kCx - 2, ey - 1), QPointF(kCx + 2, ey - 1));
  }
  if (l.monocle) {
    p.setPen(QPen(QColor(200, 160, 40), 1.2));
    p.setBrush(QColor(255, 255, 255, 50));
    p.drawEllipse(QPointF(kCx + ex, ey), 5, 5);
    p.drawLine(QPointF(kCx + ex + 3.5, ey + 3.6), QPointF(kCx + ex + 9, kHeadY + 30));
  }
}

void beard(QPainter& p, const Look& l) {
  p.setPen(outline());
  p.setBrush(l.hair);
  switch (l.beard) {
    case Beard::full:
    case Beard::scruffy: {
      QPainterPath b;
      const qreal rx = l.face_rx + 0.5;
      b.moveTo(kCx - rx, kHeadY - 2);
      b.cubicTo(kCx - rx, kHeadY + 30, kCx - 6, kHeadY + 36, kCx, kHeadY + 36);
      b.cubicTo(kCx + 6, kHeadY + 36, kCx + rx, kHeadY + 30, kCx + rx, kHeadY - 2);
      b.lineTo(kCx + rx - 3, kHeadY + 4);
      b.cubicTo(kCx + 8, kHeadY + 8, kCx + 8, kHeadY + 17, kCx, kHeadY + 17);
      b.cubicTo(kCx - 8, kHeadY + 17, kCx - 8, kHeadY + 8, kCx - rx + 3, kHeadY + 4);
      b.closeSubpath();
      p.drawPath(b);
      if (l.beard == Beard::scruffy) {
        p.setPen(QPen(l.hair.darker(150), 0.8));
        for (int i = 0; i < 9; ++i)
          p.drawLine(QPointF(kCx - 12 + i * 3, kHeadY + 22 + (i % 3)),
                     QPointF(kCx - 13 + i * 3, kHeadY + 30 + (i % 2) * 3));
      } else {
        // Braid at the chin.
        p.setBrush(l.hair.darker(110));
        for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(kCx, kHeadY + 37 + i * 4.5), 3, 2.6);
      }
      p.setPen(outline());
      p.setBrush(l.hair);
      p.drawChord(QRectF(kCx - 9, kHeadY + 6.5, 18, 7), 0, 180 * 16);  // moustache
      break;
    }
    case Beard::moustache:
      p.drawChord(QRectF(kCx - 8, kHeadY + 7, 16, 6), 0, 180 * 16);
      break;
    case Beard::twirled: {
      QPainterPath m;
      m.moveTo(kCx, kHeadY + 8.5);
      m.cubicTo(kCx - 6, kHeadY + 7, kCx - 11, kHeadY + 12, kCx - 13, kHeadY + 6);
      m.cubicTo(kCx - 9, kHeadY + 14, kCx - 4, kHeadY + 12, kCx, kHeadY + 11);
      m.cubicTo(kCx + 4, kHeadY + 12, kCx + 9, kHeadY + 14, kCx + 13, kHeadY + 6);
      m.cubicTo(kCx + 11, kHeadY + 12, kCx + 6, kHeadY + 7, kCx, kHeadY + 8.5);
      p.drawPath(m);
      break;
    }
    case Beard::stubble: {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(70, 60, 50, 120));
      for (int i = 0; i < 40; ++i) {
        const qreal a = M_PI * (0.1 + 0.8 * (i % 20) / 19.0);
        const qreal r = i < 20 ? 0.82 : 0.7;
        p.drawEllipse(
            QPointF(kCx + l.face_rx * r * std::cos(a), kHeadY + 3 + l.face_ry * r * std::sin(a)),
            0.55, 0.55);
      }
      break;
    }
    case Beard::sideburns:
      p.drawRect(QRectF(kCx - l.face_rx, kHeadY - 10, 4, 16));
      p.drawRect(QRectF(kCx + l.face_rx - 4, kHeadY - 10, 4, 16));
      p.drawChord(QRectF(kCx - 7, kHeadY + 7.5, 14, 5), 0, 180 * 16);
      break;
    case Beard::none:
      break;
  }
}

void hair_top(QPainter& p, const Look& l) {
  p.setPen(outline());
  p.setBrush(l.hair);
  const qreal top = kHeadY - l.face_ry;
  switch (l.hair_style) {
    case Hair::bald:
      p.drawChord(QRectF(kCx - l.face_rx - 2, kHeadY - 12, 7, 16), 90 * 16, 180 * 16);
      p.drawChord(QRectF(kCx + l.face_rx - 5, kHeadY - 12, 7, 16), 270 * 16, 180 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, 90));
      p.drawEllipse(QPointF(kCx - 5, top + 6), 5, 2.5);
      break;
    case Hair::short_cut:
    case Hair::shaggy:
    case Hair::slick: {
      QPainterPath h;
      h.moveTo(kCx - l.face_rx - 1, kHeadY - 2);
      h.cubicTo(kCx - l.face_rx - 3, top - 6, kCx + l.face_rx + 3, top - 6, kCx + l.face_rx + 1,
                kHeadY - 2);
      if (l.hair_style == Hair::slick) {
        h.cubicTo(kCx + 12, top + 8, kCx - 2, top + 8, kCx - 4, top + 4);  // side parting
        h.cubicTo(kCx - 8, top + 10, kCx - 14, top + 12, kCx - l.face_rx - 1, kHeadY - 2);
      } else {
        for (int i = 0; i < 6; ++i)  // ragged fringe
          h.lineTo(kCx + l.face_rx - (i + 1) * l.face_rx / 3, top + (i % 2 ? 12 : 8));
      }
      h.closeSubpath();
      p.drawPath(h);
      if (l.hair_style == Hair::slick) {
        p.setPen(QPen(l.hair.lighter(170), 1));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(kCx - 12, top - 1, 16, 8), 30 * 16, 110 * 16);
      }
      break;
    }
    case Hair::long_straight: {
      QPainterPath h;
      h.moveTo(kCx - l.face_rx - 2, kHeadY + 6);
      h.cubicTo(kCx - l.face_rx - 4, top - 8, kCx + l.face_rx + 4, top - 8, kCx + l.face_rx + 2,
                kHeadY + 6);
      h.cubicTo(kCx + 12, top + 12, kCx + 4, top + 6, kCx, top + 4);
      h.cubicTo(kCx - 4, top + 6, kCx - 12, top + 12, kCx - l.face_rx - 2, kHeadY + 6);
      p.drawPath(h);
      break;
    }
    case Hair::bun: {
      p.drawEllipse(QPointF(kCx, top - 5), 9, 8);
      QPainterPath h;
      h.moveTo(kCx - l.face_rx - 1, kHeadY);
      h.cubicTo(kCx - l.face_rx - 3, top - 5, kCx + l.face_rx + 3, top - 5, kCx + l.face_rx + 1,
                kHeadY);
      h.cubicTo(kCx + 10, top + 8, kCx - 10, top + 8, kCx - l.face_rx - 1, kHeadY);
      p.drawPath(h);
      p.setBrush(QColor(210, 40, 60));  // a flower in the hair
      p.drawEllipse(QPointF(kCx + 12, top + 2), 3.5, 3.5);
      break;
    }
    case Hair::curly:
      for (int i = 0; i < 9; ++i) {
        const qreal a = M_PI * (0.08 + 0.84 * i / 8.0);
        p.drawEllipse(QPointF(kCx - 15 * std::cos(a), top + 6 - 6 * std::sin(a)), 6, 6);
      }
      break;
  }
}

void hat(QPainter& p, const Look& l) {
  p.setPen(outline());
  const qreal top = kHeadY - l.face_ry;
  switch (l.hat) {
    case Hat::horned_helmet: {
      p.setBrush(QColor(244, 236, 214));
      for (int s : {-1, 1}) {
        QPainterPath horn;
        horn.moveTo(kCx + s * 14, top + 6);
        horn.cubicTo(kCx + s * 24, top + 4, kCx + s * 28, top - 4, kCx + s * 27, top - 14);
        horn.cubicTo(kCx + s * 24, top - 6, kCx + s * 20, top - 2, kCx + s * 13, top - 1);
        horn.closeSubpath();
        p.drawPath(horn);
      }
      QLinearGradient metal(kCx - 18, 0, kCx + 18, 0);
      metal.setColorAt(0, QColor(120, 124, 132));
      metal.setColorAt(0.4, QColor(214, 218, 224));
      metal.setColorAt(1, QColor(100, 104, 112));
      p.setBrush(metal);
      p.drawChord(QRectF(kCx - 19, top - 9, 38, 34), 0, 180 * 16);
      p.setBrush(QColor(150, 110, 50));
      p.drawRect(QRectF(kCx - 19, top + 6, 38, 4));
      p.drawRect(QRectF(kCx - 2, top - 9, 4, 15));
      break;
    }
    case Hat::top_hat:
      p.setBrush(QColor(24, 22, 28));
      p.drawRect(QRectF(kCx - 14, top - 22, 28, 26));
      p.drawEllipse(QRectF(kCx - 23, top, 46, 8));
      p.setBrush(QColor(120, 30, 60));
      p.drawRect(QRectF(kCx - 14, top - 3, 28, 4));
      break;
    case Hat::cowboy:
      p.setBrush(QColor(128, 82, 40));
      p.drawRoundedRect(QRectF(kCx - 15, top - 14, 30, 20), 8, 8);
      p.setBrush(QColor(108, 66, 30));
      {
        QPainterPath brim;
        brim.moveTo(kCx - 32, top + 1);
        brim.cubicTo(kCx - 20, top + 10, kCx + 20, top + 10, kCx + 32, top + 1);
        brim.cubicTo(kCx + 20, top + 5, kCx - 20, top + 5, kCx - 32, top + 1);
        p.drawPath(brim);
      }
      p.setBrush(QColor(60, 40, 24));
      p.drawRect(QRectF(kCx - 15, top - 1, 30, 3));
      break;
    case Hat::beanie:
      p.setBrush(l.trim);
      p.drawChord(QRectF(kCx - 18, top - 8, 36, 30), 0, 180 * 16);
      p.setBrush(l.trim.darker(125));
      p.drawRoundedRect(QRectF(kCx - 19, top + 4, 38, 7), 2, 2);
      p.setPen(QPen(l.trim.darker(150), 0.8));
      for (int i = 1; i < 9; ++i)
        p.drawLine(QPointF(kCx - 19 + i * 4.2, top + 4.5), QPointF(kCx - 19 + i * 4.2, top + 10.5));
      break;
    case Hat::none:
      break;
  }
}

void earrings(QPainter& p, const Look& l) {
  p.setPen(QPen(kInk, 0.5));
  p.setBrush(l.trim);
  p.drawEllipse(QPointF(kCx - l.face_rx - 1, kHeadY + 9), 2, 2);
  p.drawEllipse(QPointF(kCx + l.face_rx + 1, kHeadY + 9), 2, 2);
}

Look look(int row) {
  const QColor pale(246, 218, 190), ruddy(236, 194, 164), tan(206, 156, 116);
  const QColor blue(60, 110, 190), brown(110, 70, 40), green(70, 130, 70), grey(110, 110, 120);
  switch (row) {
    case 1:  // TORVIK: red-bearded northerner in a horned helmet and furs
      return {QColor(70, 92, 140),  ruddy,
              QColor(206, 108, 38), blue,
              QColor(110, 74, 44),  QColor(196, 170, 130),
              Hair::shaggy,         Hat::horned_helmet,
              Beard::full,          Clothes::fur};
    case 2:  // GORDAN: slick black hair, moustache, suit and red tie
      return {QColor(128, 36, 48), pale,
              QColor(30, 26, 26),  brown,
              QColor(46, 48, 60),  QColor(190, 28, 36),
              Hair::slick,         Hat::none,
              Beard::moustache,    Clothes::suit};
    case 3: {  // KRUMP: round bald head, stubble, red nose, green shirt
      Look l{QColor(214, 168, 58), ruddy,
             QColor(120, 84, 50),  green,
             QColor(52, 142, 74),  QColor(240, 240, 240),
             Hair::bald,           Hat::none,
             Beard::stubble,       Clothes::polo};
      l.face_rx = 20;
      l.face_ry = 19.5;
      l.red_nose = true;
      return l;
    }
    case 4: {  // DUKE LOPATSKY: grey aristocrat with top hat and monocle
      Look l{QColor(92, 58, 128),   pale,
             QColor(190, 190, 196), grey,
             QColor(26, 26, 34),    QColor(226, 184, 52),
             Hair::short_cut,       Hat::top_hat,
             Beard::twirled,        Clothes::tailcoat};
      l.face_rx = 15;
      l.face_ry = 21.5;
      l.monocle = true;
      return l;
    }
    case 5:  // BARNABY KROSS: cowboy hat, sideburns, denim and bandana
      return {QColor(118, 178, 204), tan,
              QColor(96, 60, 30),    brown,
              QColor(70, 100, 160),  QColor(200, 34, 34),
              Hair::short_cut,       Hat::cowboy,
              Beard::sideburns,      Clothes::denim};
    case 6: {  // LILA: long fair hair, pink dress
      Look l{QColor(168, 212, 244),
             pale,
             QColor(242, 204, 96),
             blue,
             QColor(232, 104, 160),
             QColor(250, 250, 255),
             Hair::long_straight,
             Hat::none,
             Beard::none,
             Clothes::dress,
             true};
      l.face_rx = 15.5;
      return l;
    }
    case 7: {  // MIRTA: black hair in a bun, burgundy dress, gold jewellery
      Look l{QColor(52, 132, 118),
             ruddy,
             QColor(22, 20, 24),
             brown,
             QColor(130, 26, 58),
             QColor(236, 196, 70),
             Hair::bun,
             Hat::none,
             Beard::none,
             Clothes::dress,
             true};
      l.face_rx = 15;
      return l;
    }
    case 8: {  // DORINA: auburn curls, glasses, blue dress
      Look l{QColor(194, 174, 226),
             pale,
             QColor(164, 62, 30),
             green,
             QColor(48, 78, 172),
             QColor(245, 245, 245),
             Hair::curly,
             Hat::none,
             Beard::none,
             Clothes::dress,
             true};
      l.face_rx = 15.5;
      l.glasses = true;
      return l;
    }
    default:  // GRUB: scruffy dark beard, knitted cap, orange work jacket
      return {QColor(78, 80, 84),   tan,
              QColor(52, 40, 32),   brown,
              QColor(222, 128, 36), QColor(150, 38, 32),
              Hair::short_cut,      Hat::beanie,
              Beard::scruffy,       Clothes::jacket};
  }
}

}  // namespace

void paint_portrait(QPainter& p, int row) {
  const Look l = look(row);
  background(p, l);
  hair_behind(p, l);
  body(p, l);
  face(p, l);
  beard(p, l);
  if (l.hat != Hat::beanie && l.hat != Hat::horned_helmet) hair_top(p, l);
  hat(p, l);
  if (l.woman) earrings(p, l);
  p.setPen(QPen(QColor(0, 0, 0, 140), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, kW - 1, kH - 1));
}

}  // namespace blefino::form1
