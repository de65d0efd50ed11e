#pragma once
// The table's own picture: the turn marker. Cards come from the picture store
// (carddesk_pictures.h).

#include <QPixmap>
#include <QSize>

namespace blefino::art {

// A small chess pawn that stands next to whoever moves.
QPixmap marker(qreal dpr);

}  // namespace blefino::art
