// The picture store: every card face, card back, opponent portrait and globe
// frame of the game, drawn in code at the size and pixel density asked for.
#pragma once

#include <QPixmap>
#include <QSize>

namespace blefino::form1 {

// Element numbers of the `card` array: faces at their card code (11..19, 21..29, 31..39, 41..49;
// tens digit = suit 1 diamonds, 2 hearts, 3 clubs, 4 spades; units digit = rank 1 six .. 9 ace),
// card back k (k = 0..17) at element 10*k, portraits of the nine opponents at 1..9.
bool has_card(int element);

// Natural size in logical pixels: 71x96 faces/backs, 100x120 portraits; QSize() if none.
QSize card_size(int element);

// The picture at its natural size. Null for an unknown element.
QPixmap card(int element, qreal dpr);

// The picture drawn directly at `logical` size (stretched uses: batch 75x100, portraits 104x112,
// chooser tiles 50x67, preview 71x96). The pixmap is logical x dpr device pixels with its
// devicePixelRatio set to dpr. Null for an unknown element, an empty size or dpr <= 0.
QPixmap card(int element, QSize logical, qreal dpr);

// The same picture only if it has been drawn already, else a null pixmap: for
// a caller that cannot wait for the drawing. Pictures are kept for the latest
// few densities asked for.
QPixmap card_if_drawn(int element, QSize logical, qreal dpr);

// Globe frames 1..14, 32x32 logical pixels.
bool has_globus(int frame);
QPixmap globus(int frame, qreal dpr);

}  // namespace blefino::form1
