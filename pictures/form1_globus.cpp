// Fourteen frames of a small turning globe: a shaded blue sphere whose
// continents move round by a fourteenth of a turn from frame to frame.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

namespace blefino::form1 {

namespace {

constexpr qreal kSize = 32;
const QPointF kCentre(kSize / 2, kSize / 2);
constexpr qreal kRadius = 14.5;
constexpr qreal kTilt = 18;  // degrees the north pole leans towards the viewer

// Land as overlapping round patches: longitude, latitude, radius (degrees).
struct Patch {
  qreal lon, lat, r;
};

constexpr Patch kLand[] = {
    // North America
    {-105, 50, 17},
    {-90, 38, 13},
    {-75, 48, 10},
    {-100, 28, 9},
    {-150, 62, 9},
    {-45, 70, 10},
    // South America
    {-62, -5, 14},
    {-58, -22, 11},
    {-68, -38, 7},
    // Europe and Africa
    {10, 50, 9},
    {28, 56, 10},
    {18, 12, 16},
    {25, -10, 14},
    {25, -26, 9},
    {-2, 18, 9},
    {45, 8, 6},
    // Asia
    {70, 55, 18},
    {100, 60, 17},
    {95, 35, 16},
    {125, 45, 12},
    {78, 22, 8},
    {105, 15, 7},
    {140, 62, 11},
    // Australia and the islands
    {134, -25, 12},
    {117, -5, 5},
    {142, -6, 5},
    {172, -42, 4},
};

}  // namespace

void paint_globus(QPainter& p, int frame) {
  const qreal turn = (frame - 1) * 360.0 / 14;
  const qreal tilt = qDegreesToRadians(kTilt);

  QPainterPath sphere;
  sphere.addEllipse(kCentre, kRadius, kRadius);

  QRadialGradient sea(kCentre + QPointF(-4, -5), kRadius * 1.4);
  sea.setColorAt(0, QColor(90, 160, 240));
  sea.setColorAt(1, QColor(16, 52, 150));
  p.setPen(Qt::NoPen);
  p.setBrush(sea);
  p.drawPath(sphere);

  p.save();
  p.setClipPath(sphere);
  p.setBrush(QColor(58, 160, 64));
  for (const Patch& land : kLand) {
    const qreal lon = qDegreesToRadians(land.lon + turn);
    const qreal lat = qDegreesToRadians(land.lat);
    // Orthographic view of the sphere, then tipped towards the viewer.
    const qreal x = std::cos(lat) * std::sin(lon);
    const qreal y0 = std::sin(lat);
    const qreal z0 = std::cos(lat) * std::cos(lon);
    const qreal y = y0 * std::cos(tilt) - z0 * std::sin(tilt);
    const qreal z = y0 * std::sin(tilt) + z0 * std::cos(tilt);
    const qreal r = qDegreesToRadians(land.r);
    if (z < -std::sin(r)) continue;  // wholly on the far side
    // A patch seen near the rim is foreshortened along the radius.
    const qreal rho = std::hypot(x, y);
    const qreal squash = std::max(0.15, std::sqrt(std::max(0.0, 1 - rho * rho)));
    p.save();
    p.translate(kCentre + QPointF(x, -y) * kRadius);
    p.rotate(qRadiansToDegrees(std::atan2(-y, x)));
    p.drawEllipse(QPointF(0, 0), r * kRadius * squash, r * kRadius);
    p.restore();
  }
  // Light from the upper left, shade towards the lower right.
  QRadialGradient shade(kCentre + QPointF(-5, -6), kRadius * 1.9);
  shade.setColorAt(0, QColor(255, 255, 255, 90));
  shade.setColorAt(0.35, QColor(255, 255, 255, 0));
  shade.setColorAt(0.7, QColor(0, 0, 30, 40));
  shade.setColorAt(1, QColor(0, 0, 30, 150));
  p.setBrush(shade);
  p.drawPath(sphere);
  p.restore();

  p.setPen(QPen(QColor(10, 30, 90), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(sphere);
}

}  // namespace blefino::form1
