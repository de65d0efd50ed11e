// Card faces: a white card with corner indices of the Russian pack, pips laid
// out as on a real card, double-ended court figures and a large ace pip.
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace blefino::form1 {

namespace {

constexpr qreal kW = 71;
constexpr qreal kH = 96;
const QPointF kCentre(kW / 2, kH / 2);

const QColor kRed(208, 18, 32);
const QColor kBlack(22, 22, 26);
const QColor kInk(40, 34, 30);
const QColor kSkin(248, 220, 188);
const QColor kGold(234, 186, 44);

// Suit shapes in a unit box centred on the origin, y pointing down.
QPainterPath diamond_path() {
  QPainterPath p;
  p.moveTo(0, -0.5);
  p.quadTo(0.17, -0.22, 0.38, 0);
  p.quadTo(0.17, 0.22, 0, 0.5);
  p.quadTo(-0.17, 0.22, -0.38, 0);
  p.quadTo(-0.17, -0.22, 0, -0.5);
  return p;
}

QPainterPath heart_path() {
  QPainterPath p;
  p.moveTo(0, 0.5);
  p.cubicTo(-0.12, 0.36, -0.5, 0.12, -0.5, -0.18);
  p.cubicTo(-0.5, -0.4, -0.36, -0.5, -0.25, -0.5);
  p.cubicTo(-0.12, -0.5, -0.03, -0.42, 0, -0.3);
  p.cubicTo(0.03, -0.42, 0.12, -0.5, 0.25, -0.5);
  p.cubicTo(0.36, -0.5, 0.5, -0.4, 0.5, -0.18);
  p.cubicTo(0.5, 0.12, 0.12, 0.36, 0, 0.5);
  return p;
}

QPainterPath stem_path(qreal top) {
  QPainterPath p;
  p.moveTo(0, top);
  p.quadTo(0.04, 0.4, 0.21, 0.5);
  p.lineTo(-0.21, 0.5);
  p.quadTo(-0.04, 0.4, 0, top);
  return p;
}

QPainterPath spade_path() {
  QPainterPath p;
  p.moveTo(0, -0.5);
  p.cubicTo(0.12, -0.33, 0.5, -0.14, 0.5, 0.1);
  p.cubicTo(0.5, 0.27, 0.37, 0.35, 0.25, 0.35);
  p.cubicTo(0.13, 0.35, 0.04, 0.29, 0, 0.2);
  p.cubicTo(-0.04, 0.29, -0.13, 0.35, -0.25, 0.35);
  p.cubicTo(-0.37, 0.35, -0.5, 0.27, -0.5, 0.1);
  p.cubicTo(-0.5, -0.14, -0.12, -0.33, 0, -0.5);
  p.closeSubpath();
  return p.united(stem_path(0.12)).simplified();
}

QPainterPath club_path() {
  QPainterPath p;
  const qreal r = 0.215;
  p.addEllipse(QPointF(0, -0.27), r, r);
  p.addEllipse(QPointF(-0.27, 0.07), r, r);
  p.addEllipse(QPointF(0.27, 0.07), r, r);
  p.addEllipse(QPointF(0, 0.0), 0.13, 0.13);
  p.setFillRule(Qt::WindingFill);
  return p.united(stem_path(0.0)).simplified();
}

const QPainterPath& suit_path(int suit) {
  static const QPainterPath paths[4] = {diamond_path(), heart_path(), club_path(), spade_path()};
  return paths[(suit - 1) & 3];
}

QColor suit_colour(int suit) { return suit <= 2 ? kRed : kBlack; }

void pip(QPainter& p, int suit, QPointF at, qreal size, bool upside_down = false) {
  p.save();
  p.translate(at);
  if (upside_down) p.rotate(180);
  p.scale(size, size);
  p.setPen(Qt::NoPen);
  p.setBrush(suit_colour(suit));
  p.drawPath(suit_path(suit));
  p.restore();
}

// The corners are in Arial Bold as on Windows; on Linux that is Liberation
// Sans, Arial's widths, which the windows' text already has in memory.
QFont index_font() {
  QFont f;
  f.setFamilies(
      {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Tahoma")});
  f.setBold(true);
  f.setPixelSize(12);
  f.setHintingPreference(
      QFont::PreferNoHinting);  // keeps the glyphs true when the card is stretched
  return f;
}

// Rank index in the top-left corner with a small pip under it.
void corner(QPainter& p, int suit, int rank) {
  static const char16_t* const labels[9] = {u"6", u"7", u"8", u"9", u"10", u"В", u"Д", u"К", u"Т"};
  const QString text = QString::fromUtf16(labels[rank - 1]);
  const QFont font = index_font();
  p.save();
  p.setFont(font);
  p.setPen(suit_colour(suit));
  const qreal cx = 8.2;
  const QFontMetricsF fm(font);
  const qreal width = fm.horizontalAdvance(text);
  const qreal squeeze = width > 12 ? 12 / width : 1;  // "10" must fit the narrow corner
  p.translate(cx, 2);
  p.scale(squeeze, 1);
  p.drawText(QRectF(-width / 2 - 2, 0, width + 4, 13), Qt::AlignHCenter | Qt::AlignTop, text);
  p.restore();
  pip(p, suit, QPointF(cx, 21), 8);
}

// Pip centres of the number cards 6..10: column (0 left, 1 middle, 2 right)
// and height from 0 (top row) to 1 (bottom row).
struct Spot {
  int column;
  qreal t;
};

void number_pips(QPainter& p, int suit, int rank) {
  static const Spot six[] = {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
  static const Spot nine_base[] = {{0, 0},       {2, 0},       {0, 1.0 / 3}, {2, 1.0 / 3},
                                   {0, 2.0 / 3}, {2, 2.0 / 3}, {0, 1},       {2, 1}};
  QList<Spot> spots;
  if (rank <= 3) {  // six, seven, eight
    spots.append(QList<Spot>(std::begin(six), std::end(six)));
    if (rank >= 2) spots.append({1, 0.25});
    if (rank == 3) spots.append({1, 0.75});
  } else {  // nine, ten
    spots.append(QList<Spot>(std::begin(nine_base), std::end(nine_base)));
    if (rank == 4)
      spots.append({1, 0.5});
    else
      spots.append({{1, 1.0 / 6}, {1, 5.0 / 6}});
  }
  const qreal xs[3] = {22.5, kW / 2, kW - 22.5};
  const qreal top = 17.5, bottom = kH - 17.5;
  for (const Spot& s : spots)
    pip(p, suit, QPointF(xs[s.column], top + s.t * (bottom - top)), 12.5, s.t > 0.5);
}

struct Dress {
  QColor main;
  QColor accent;
  QColor hair;
};

Dress dress(int suit) {
  switch (suit) {
    case 1:
      return {QColor(196, 34, 40), QColor(236, 186, 48), QColor(120, 76, 40)};
    case 2:
      return {QColor(180, 28, 62), QColor(48, 92, 182), QColor(70, 50, 36)};
    case 3:
      return {QColor(36, 112, 64), QColor(58, 92, 172), QColor(96, 66, 40)};
    default:
      return {QColor(44, 50, 84), QColor(220, 170, 40), QColor(40, 36, 34)};
  }
}

// One half of a court figure, drawn in the top half of the frame; the card
// repeats it upside down below, as on a real double-ended court card.
void court_half(QPainter& p, int suit, int rank) {
  const Dress d = dress(suit);
  const qreal cx = kW / 2;
  const QPen outline(kInk, 0.6);
  p.setPen(outline);

  const bool queen = rank == 7, king = rank == 8;

  // Hair that falls behind the shoulders.
  if (queen) {
    p.setBrush(d.hair);
    QPainterPath hair;
    hair.moveTo(cx - 8, 24);
    hair.cubicTo(cx - 10, 34, cx - 10, 40, cx - 7, 44);
    hair.lineTo(cx + 7, 44);
    hair.cubicTo(cx + 10, 40, cx + 10, 34, cx + 8, 24);
    hair.closeSubpath();
    p.drawPath(hair);
  }

  // Robe with a collar in the accent colour.
  QPainterPath robe;
  robe.moveTo(16, 49);
  robe.cubicTo(17, 41, 23, 37.5, 30, 36.5);
  robe.lineTo(41, 36.5);
  robe.cubicTo(48, 37.5, 54, 41, 55, 49);
  robe.closeSubpath();
  p.setBrush(d.main);
  p.drawPath(robe);
  p.setBrush(d.accent);
  p.drawPolygon(QPolygonF({QPointF(30, 36.5), QPointF(cx, 45), QPointF(41, 36.5)}));
  // Trim on the shoulders.
  p.setPen(QPen(d.accent, 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20, 42.5), QPointF(27, 39));
  p.drawLine(QPointF(51, 42.5), QPointF(44, 39));
  p.setPen(outline);

  // Neck and face.
  p.setBrush(kSkin);
  p.drawRect(QRectF(cx - 2.3, 32, 4.6, 5));
  if (king) {  // beard under the face
    p.setBrush(d.hair.lighter(suit == 4 ? 220 : 130));
    QPainterPath beard;
    beard.moveTo(cx - 6, 28);
    beard.cubicTo(cx - 6, 36, cx - 2, 39.5, cx, 39.5);
    beard.cubicTo(cx + 2, 39.5, cx + 6, 36, cx + 6, 28);
    beard.closeSubpath();
    p.drawPath(beard);
    p.setBrush(kSkin);
  }
  p.drawEllipse(QPointF(cx, 27), 5.8, 6.8);
  if (king) {  // the beard covers the chin, the moustache sits on it
    p.setBrush(d.hair.lighter(suit == 4 ? 220 : 130));
    QPainterPath beard;
    beard.moveTo(cx - 5.6, 29);
    beard.cubicTo(cx - 5, 35, cx - 2, 38, cx, 38);
    beard.cubicTo(cx + 2, 38, cx + 5, 35, cx + 5.6, 29);
    beard.cubicTo(cx + 3, 31.5, cx - 3, 31.5, cx - 5.6, 29);
    p.drawPath(beard);
  }

  // Eyes, nose, mouth.
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(cx - 2.3, 26.3), 0.75, 0.75);
  p.drawEllipse(QPointF(cx + 2.3, 26.3), 0.75, 0.75);
  p.setPen(QPen(kInk, 0.5));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(cx, 26.8), QPointF(cx - 0.6, 29));
  p.setPen(QPen(suit <= 2 ? QColor(200, 60, 60) : QColor(170, 100, 90), 0.7));
  p.drawArc(QRectF(cx - 1.8, 29.3, 3.6, 1.8), 200 * 16, 140 * 16);
  p.setPen(outline);

  if (king) {
    // Crown with three points and a jewel.
    p.setBrush(kGold);
    p.drawPolygon(QPolygonF({QPointF(cx - 6.5, 22), QPointF(cx - 7, 14.5), QPointF(cx - 3.3, 18),
                             QPointF(cx, 12.5), QPointF(cx + 3.3, 18), QPointF(cx + 7, 14.5),
                             QPointF(cx + 6.5, 22)}));
    p.setBrush(d.main);
    p.drawEllipse(QPointF(cx, 19.5), 1.2, 1.2);
    p.setBrush(d.accent);
    p.drawEllipse(QPointF(cx - 4.5, 20.3), 0.8, 0.8);
    p.drawEllipse(QPointF(cx + 4.5, 20.3), 0.8, 0.8);
  } else if (queen) {
    // Kokoshnik: an arched headdress edged with pearls.
    QPainterPath head;
    head.moveTo(cx - 7.5, 23.5);
    head.cubicTo(cx - 8, 15, cx - 4, 12, cx, 12);
    head.cubicTo(cx + 4, 12, cx + 8, 15, cx + 7.5, 23.5);
    head.cubicTo(cx + 4, 20.5, cx - 4, 20.5, cx - 7.5, 23.5);
    p.setBrush(d.accent);
    p.drawPath(head);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 7; ++i) {
      const qreal a = 3.14159 * (0.12 + 0.76 * i / 6.0);
      p.drawEllipse(QPointF(cx - 6.3 * std::cos(a), 21 - 7.4 * std::sin(a)), 0.65, 0.65);
    }
    p.setBrush(d.main);
    p.drawEllipse(QPointF(cx, 16.8), 1.2, 1.2);
    // Earrings.
    p.setBrush(kGold);
    p.drawEllipse(QPointF(cx - 6, 30.5), 0.9, 0.9);
    p.drawEllipse(QPointF(cx + 6, 30.5), 0.9, 0.9);
    p.setPen(outline);
  } else {
    // Jack: short hair and a tilted cap with a feather.
    p.setBrush(d.hair);
    p.drawChord(QRectF(cx - 6, 19.5, 12, 9), 0, 180 * 16);
    p.setPen(QPen(d.accent.darker(115), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath feather;
    feather.moveTo(cx + 4, 19);
    feather.cubicTo(cx + 8, 16, cx + 10, 13, cx + 13, 12.5);
    p.drawPath(feather);
    p.setPen(outline);
    p.setBrush(d.main);
    QPainterPath cap;
    cap.moveTo(cx - 8, 22.5);
    cap.cubicTo(cx - 8, 16.5, cx + 7, 14.5, cx + 8.5, 20.5);
    cap.cubicTo(cx + 4, 22.8, cx - 4, 23.5, cx - 8, 22.5);
    p.drawPath(cap);
    p.setBrush(d.accent);
    p.drawEllipse(QPointF(cx + 3.5, 19.6), 1.0, 1.0);
    // Moustache.
    p.setPen(QPen(d.hair, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 2.4, 29.2), QPointF(cx - 0.3, 28.6));
    p.drawLine(QPointF(cx + 2.4, 29.2), QPointF(cx + 0.3, 28.6));
    p.setPen(outline);
  }
}

void court(QPainter& p, int suit, int rank) {
  const QRectF frame(14, 11.5, kW - 28, kH - 23);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(253, 248, 232));
  p.drawRect(frame);
  for (int half = 0; half < 2; ++half) {
    p.save();
    if (half == 1) {
      p.translate(kCentre);
      p.rotate(180);
      p.translate(-kCentre);
    }
    p.setClipRect(QRectF(frame.left(), frame.top(), frame.width(), frame.height() / 2));
    p.save();
    // The figure is drawn a little larger than its sketch so it fills the frame.
    p.translate(kW / 2, kH / 2);
    p.scale(1.12, 1.12);
    p.translate(-kW / 2, -kH / 2 + 3.2);
    court_half(p, suit, rank);
    p.restore();
    pip(p, suit, QPointF(frame.left() + 4.5, frame.top() + 5), 6.5);
    p.restore();
  }
  p.setPen(QPen(suit_colour(suit), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawRect(frame);
  p.drawLine(QPointF(frame.left(), kCentre.y()), QPointF(frame.right(), kCentre.y()));
  p.restore();
}

}  // namespace

void paint_face(QPainter& p, int code) {
  const int suit = code / 10, rank = code % 10;
  p.setPen(QPen(QColor(96, 96, 96), 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(0.5, 0.5, kW - 1, kH - 1), 4.5, 4.5);

  for (int end = 0; end < 2; ++end) {
    p.save();
    if (end == 1) {
      p.translate(kCentre);
      p.rotate(180);
      p.translate(-kCentre);
    }
    corner(p, suit, rank);
    p.restore();
  }

  if (rank <= 5)
    number_pips(p, suit, rank);
  else if (rank <= 8)
    court(p, suit, rank);
  else
    pip(p, suit, kCentre, 32);
}

}  // namespace blefino::form1
