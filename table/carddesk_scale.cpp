// The table grows with its window: every position, font and line of its 794 x
// 529 layout is multiplied by one scale, the largest that fits, and the table
// sits in the middle of the cloth. Child widgets stay real widgets (focus,
// keyboard, screen readers come with them); they are placed and given fonts
// anew at each scale. At the table's own size the scale is exactly 1 and
// every control gets back the geometry and font it was made with.
#include <QFrame>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

#include "table/carddesk_layout.h"
#include "table/carddesk_table.h"

namespace blefino {

// The buttons' and rank buttons' own measures (the round indicator, the gap
// before a caption, margins and frames) grow with the table, as the fonts do.
// Their focus ring is the hand's two-tone frame, dark and yellow, which
// stands out on the dark cloth and on a light button alike; the style's own
// hairline hardly shows on the cloth.
class ScaledStyle : public QProxyStyle {
 public:
  void setScale(qreal s) { scale_ = s; }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_FrameFocusRect)
      drawFocusRing(option->rect, painter);
    else
      QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

  // The style draws a push button's focus only after a Tab, and faintly.
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus))
      drawFocusRing(option->rect.adjusted(2, 2, -2, -2), painter);
  }

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    if (scale_ == 1) return base;
    switch (metric) {
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight:
      case PM_RadioButtonLabelSpacing:
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
      case PM_CheckBoxLabelSpacing:
      case PM_ButtonMargin:
      case PM_ButtonDefaultIndicator:
      case PM_ButtonShiftHorizontal:
      case PM_ButtonShiftVertical:
      case PM_DefaultFrameWidth:
      case PM_FocusFrameHMargin:
      case PM_FocusFrameVMargin:
        return qRound(base * scale_);
      default:
        return base;
    }
  }

 private:
  void drawFocusRing(const QRect& rect, QPainter* painter) const {
    const int w = std::max(1, qRound(scale_));
    painter->save();
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(QColor(0, 0, 0), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->drawRect(QRectF(rect).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0));
    painter->setPen(QPen(layout::kFocusYellow, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->drawRect(QRectF(rect).adjusted(1.5 * w, 1.5 * w, -1.5 * w, -1.5 * w));
    painter->restore();
  }

  qreal scale_ = 1;
};

namespace {

int scaled(int v, qreal s) { return static_cast<int>(std::lround(v * s)); }

// Both edges are scaled, not the size, so that neighbours stay neighbours.
QRect scaled(const QRect& r, qreal s) {
  const int l = scaled(r.left(), s), t = scaled(r.top(), s);
  return QRect(l, t, scaled(r.left() + r.width(), s) - l, scaled(r.top() + r.height(), s) - t);
}

QFont scaled(const QFont& base, qreal s) {
  if (s == 1) return base;
  QFont f = base;
  if (base.pixelSize() > 0)
    f.setPixelSize(std::max(1, scaled(base.pixelSize(), s)));
  else
    f.setPointSizeF(base.pointSizeF() * s);
  return f;
}

}  // namespace

QSize CarddeskTable::sizeHint() const { return layout::kTable; }

QRect CarddeskTable::toWidget(const QRect& r) const {
  return scaled(r, scale_).translated(origin_);
}

QPoint CarddeskTable::toWidget(QPoint p) const {
  return QPoint(scaled(p.x(), scale_), scaled(p.y(), scale_)) + origin_;
}

void CarddeskTable::rememberPlacement() {
  // After the constructor has made every control: what they are now is what
  // they are at scale 1.
  style_ = new ScaledStyle;
  style_->setParent(this);
  placed_.clear();
  for (QWidget* w : findChildren<QWidget*>()) {
    auto* frame = qobject_cast<QFrame*>(w);
    placed_.push_back({w, w->geometry(), w->font(), frame ? frame->lineWidth() : 0});
    if (qobject_cast<QAbstractButton*>(w) || w == Frame1) w->setStyle(style_);
  }
  setMinimumSize(layout::kTable);
}

void CarddeskTable::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  applyScale();
}

void CarddeskTable::applyScale() {
  const QSize table = layout::kTable;
  const qreal s = std::max(
      qreal(0.25), std::min(qreal(width()) / table.width(), qreal(height()) / table.height()));
  const QPoint origin((width() - scaled(table.width(), s)) / 2,
                      (height() - scaled(table.height(), s)) / 2);
  if (s == scale_ && origin == origin_) return;
  const bool rescaled = s != scale_;
  scale_ = s;
  origin_ = origin;
  style_->setScale(s);
  for (const Placed& p : placed_) {
    // Controls inside the frame keep to the frame's corner.
    const QRect g = scaled(p.geometry, s);
    p.widget->setGeometry(p.widget->parentWidget() == this ? g.translated(origin) : g);
    if (!rescaled) continue;
    p.widget->setFont(scaled(p.font, s));
    if (auto* frame = qobject_cast<QFrame*>(p.widget); frame && p.line_width > 0)
      frame->setLineWidth(std::max(1, scaled(p.line_width, s)));
    // The style's measures changed under the widget: let it lay itself out again.
    if (p.widget->style() == style_) p.widget->updateGeometry();
    // A button's caption breaks anew for its new width.
    if (auto* b = qobject_cast<QPushButton*>(p.widget)) b->setProperty("caption", QVariant());
  }
  if (rescaled) sync();
  update();
}

}  // namespace blefino
