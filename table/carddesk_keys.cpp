// The table from the keyboard. Every key does what a click on the same
// control does, through the same path, so the game refuses a key exactly
// where it would refuse the click:
//   Left/Right, Home/End   move along the human's hand (the focus frame)
//   Space                  press the card under the frame: raise, then lay
//   1 .. 9                 the rank buttons, six to ace; Up/Down among them
//   Enter                  the main button (Carddesk's own shortcut)
//   В, Н                   "Верю", "Не верю"
//   К                      the show-cards button, while it is shown
//   И                      the opponents' moves of this round, in words
//   F11, Esc               full screen on and off
// Letters also answer to the Latin key in the same place (D, Y, R, B), so they
// work whichever keyboard layout is on. Keys with Ctrl or Alt are left to the
// menu, whose access keys are Alt+Ф and Alt+И.
#include <QEvent>
#include <QFrame>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <QShortcut>
#include <QToolTip>
#include <algorithm>

#include "table/carddesk_access.h"
#include "table/carddesk_layout.h"
#include "table/carddesk_table.h"

namespace blefino {

namespace {

constexpr Qt::Key kCyrillicVe = Qt::Key(0x0412);  // В
constexpr Qt::Key kCyrillicEn = Qt::Key(0x041D);  // Н
constexpr Qt::Key kCyrillicKa = Qt::Key(0x041A);  // К
constexpr Qt::Key kCyrillicI = Qt::Key(0x0418);   // И

const char* const kHandTip =
    "Ваши карты. Стрелки влево и вправо, Home, End — выбрать карту; "
    "пробел — поднять её, ещё раз пробел — положить в кон; "
    "И — ходы противников в этом коне";

bool plain(const QKeyEvent* e) {
  return !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// Presses a button the way the mouse would: only while it is on the table;
// a disabled button ignores it by itself.
void press(QAbstractButton* b, const QWidget* table) {
  if (b->isVisibleTo(table)) b->click();
}

}  // namespace

void CarddeskTable::setupKeys() {
  access::install();
  setFocus();  // the window's first focus is the hand

  auto* full = new QShortcut(QKeySequence(Qt::Key_F11), this);
  connect(full, &QShortcut::activated, this, [this] {
    QWidget* w = window();
    w->setWindowState(w->windowState() ^ Qt::WindowFullScreen);
  });

  mainbutton->setToolTip(QStringLiteral("Клавиша Enter"));
  veru->setToolTip(QStringLiteral("Клавиша В"));
  neveru->setToolTip(QStringLiteral("Клавиша Н"));
  Command1->setToolTip(QStringLiteral("Клавиша К"));
  for (int k = 1; k <= 9; ++k)
    Option1[static_cast<std::size_t>(k)]->setToolTip(
        QStringLiteral("Клавиша %1; стрелки вверх и вниз — соседний ранг").arg(k));

  // Buttons take Left and Right for themselves; on this table those keys
  // always walk the hand.
  for (QAbstractButton* b : findChildren<QAbstractButton*>()) b->installEventFilter(this);
}

int CarddeskTable::focusedSlot() const {
  int shown = 0;
  while (shown < kHandSlots && m_.koloda3[static_cast<std::size_t>(shown + 1)].visible) ++shown;
  return shown == 0 ? 0 : std::clamp(focus_, 1, shown);
}

void CarddeskTable::moveFocusTo(int index) {
  focus_ = index;
  focus_ = focusedSlot();  // kept within the hand
  keyboard_ = true;
  if (!hasFocus()) setFocus(Qt::OtherFocusReason);
  update();
  access::focus_moved(*this);
}

bool CarddeskTable::handleKey(QKeyEvent* e) {
  if (!plain(e)) return false;
  const int key = e->key();
  switch (key) {
    case Qt::Key_Left:
      moveFocusTo(focusedSlot() - 1);
      return true;
    case Qt::Key_Right:
      moveFocusTo(focusedSlot() + 1);
      return true;
    case Qt::Key_Home:
      moveFocusTo(1);
      return true;
    case Qt::Key_End:
      moveFocusTo(kHandSlots);
      return true;
    case Qt::Key_Space:
    case Qt::Key_Select: {
      // The same as a click on the card: the mouse reaches only a shown,
      // enabled card.
      const int i = focusedSlot();
      keyboard_ = true;
      update();
      const Slot& s = m_.koloda3[static_cast<std::size_t>(i)];
      if (i != 0 && s.visible && s.enabled && on_card_pressed) on_card_pressed(i);
      return true;
    }
    case kCyrillicVe:
    case Qt::Key_D:
      press(veru, this);
      return true;
    case kCyrillicEn:
    case Qt::Key_Y:
      press(neveru, this);
      return true;
    case kCyrillicKa:
    case Qt::Key_R:
      press(Command1, this);
      return true;
    case kCyrillicI:
    case Qt::Key_B:
      if (on_history) on_history();
      return true;
    case Qt::Key_Escape:
      if (!(window()->windowState() & Qt::WindowFullScreen)) return false;
      window()->setWindowState(window()->windowState() & ~Qt::WindowFullScreen);
      return true;
    default:
      break;
  }
  if (key >= Qt::Key_1 && key <= Qt::Key_9) {
    press(Option1[static_cast<std::size_t>(key - Qt::Key_0)], this);
    return true;
  }
  return false;
}

void CarddeskTable::keyPressEvent(QKeyEvent* event) {
  // Keys the focused button or rank button did not want arrive here too.
  if (!handleKey(event)) QWidget::keyPressEvent(event);
}

bool CarddeskTable::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(event);
    if (plain(k) && (k->key() == Qt::Key_Left || k->key() == Qt::Key_Right)) return handleKey(k);
  }
  return QWidget::eventFilter(watched, event);
}

void CarddeskTable::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
    keyboard_ = true;
  update();
  access::focus_moved(*this);
}

void CarddeskTable::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

bool CarddeskTable::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    // Only the human's cards have something to tell; the bare cloth keeps quiet.
    auto* help = static_cast<QHelpEvent*>(event);
    const int i = humanSlotAt(help->pos());
    if (i != 0)
      QToolTip::showText(help->globalPos(), QString::fromUtf8(kHandTip), this, slotRect(3, i));
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

// A two-tone frame round the part of the card the keyboard is on that shows,
// dark outside and yellow within, so it stands out on the cloth and on white
// cards alike. It gives way to every card's index corners: it never hides a
// rank or a suit.
void CarddeskTable::paintFocusFrame(QPainter& p) const {
  const int f = focusedSlot();
  if (f == 0) return;
  const int gap = std::max(1, qRound(scale_)), width = std::max(4, qRound(4 * scale_));
  // The corners of a face that carry its rank and suit.
  const QSize index(qRound(17 * scale_), qRound(30 * scale_));
  QRegion corners;
  int shown = 0;
  for (; shown < kHandSlots && m_.koloda3[static_cast<std::size_t>(shown + 1)].visible; ++shown) {
    const QRect card = slotRect(3, shown + 1);
    corners += QRect(card.topLeft(), index);
    corners += QRect(card.bottomRight() - QPoint(index.width() - 1, index.height() - 1), index);
  }
  auto lifted = [this](int i) {
    return m_.koloda3[static_cast<std::size_t>(i)].top < kRaisedBelow;
  };
  // The frame keeps off what shows of a lifted card: another one's face, and
  // the framed card's own where it stands above its neighbour.
  QRegion keep_off = corners;
  for (int i = 1; i <= shown; ++i) {
    if (i == f || !lifted(i)) continue;
    QRegion face(slotRect(3, i));
    for (int j = i + 1; j <= shown; ++j) face -= slotRect(3, j);
    keep_off += face;
  }
  QRect box = slotRect(3, f);
  if (f < shown && lifted(f)) {
    // Around the whole lifted card; the cards in front hide what they cover.
    for (int j = f + 1; j <= shown; ++j) keep_off += slotRect(3, j);
  } else if (f < shown) {
    // Where the next card covers this one, the frame closes just short of it.
    box.setRight(std::min(box.right(), slotRect(3, f + 1).left() - 1 - gap - width));
  }
  auto ring = [&](int outer, int inner, const QColor& colour) {
    const QRect out = box.adjusted(-outer, -outer, outer, outer);
    p.setClipRegion(QRegion(out) - QRegion(box.adjusted(-inner, -inner, inner, inner)) - keep_off);
    p.fillRect(out, colour);
  };
  p.save();
  ring(gap + width, gap, QColor(0, 0, 0));
  ring(gap + width - 1, gap + 1, layout::kFocusYellow);
  p.restore();
}

}  // namespace blefino
