#include "table/text_fit.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTextEdit>

namespace blefino::fonts {

namespace {

// Below this a caption would no longer be read; it is left as it stands.
constexpr int kSmallestPx = 7;

// The room the widget gives its caption.
QRect room(const QWidget* w, const QString& text) {
  auto* b = qobject_cast<const QAbstractButton*>(w);
  if (!b) return static_cast<const QLabel*>(w)->contentsRect();
  QStyleOptionButton opt;
  opt.initFrom(b);
  opt.text = text;
  const auto part = qobject_cast<const QRadioButton*>(b) ? QStyle::SE_RadioButtonContents
                                                         : QStyle::SE_PushButtonContents;
  return b->style()->subElementRect(part, &opt, b);
}

bool caption_fits(const QWidget* w, const QString& text) {
  const QRect box = room(w, text);
  auto* label = qobject_cast<const QLabel*>(w);
  const int wrap = label && label->wordWrap() ? Qt::TextWordWrap : 0;
  const QRect need = w->fontMetrics().boundingRect(QRect(0, 0, box.width(), 10000),
                                                   Qt::AlignLeft | Qt::AlignTop | wrap, text);
  return need.width() <= box.width() && need.height() <= box.height();
}

bool scrolls(const QTextEdit* t) {
  return t->verticalScrollBar()->maximum() + t->horizontalScrollBar()->maximum() > 0;
}

// One pixel smaller; false where it is small enough already.
bool shrink(QWidget* w) {
  const int now = QFontInfo(w->font()).pixelSize();
  if (now <= kSmallestPx) return false;
  QFont f = w->font();
  f.setPixelSize(now - 1);
  w->setFont(f);
  return true;
}

}  // namespace

void fit_texts(QWidget& window) {
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window)) continue;
    if (auto* t = qobject_cast<QTextEdit*>(w)) {
      // The box lays its text out again at once, scroll bars included.
      while (t->document()->size().height() > 0 && scrolls(t) && shrink(t)) {
      }
      continue;
    }
    auto* label = qobject_cast<QLabel*>(w);
    auto* button = qobject_cast<QAbstractButton*>(w);
    const QString text = label ? label->text() : button ? button->text() : QString();
    if (text.isEmpty() || (label && label->textFormat() == Qt::RichText)) continue;
    while (!caption_fits(w, text) && shrink(w)) {
    }
  }
}

}  // namespace blefino::fonts
