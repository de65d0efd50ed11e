#pragma once
// The pictures the table draws: cards from the picture store, and the turn
// marker, which is the table's own.

#include <QPixmap>
#include <QSize>

namespace blefino::art {

// The picture store's element at its natural size, or at `logical` when the
// control stretches it; a null pixmap when the store has no such element.
QPixmap card(int element, qreal dpr);
QPixmap card(int element, QSize logical, qreal dpr);

// A small chess pawn that stands next to whoever moves.
QPixmap marker(qreal dpr);

}  // namespace blefino::art
