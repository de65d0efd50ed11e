#pragma once
// Where everything stands on the table. The game keeps positions in twips,
// the screen wants pixels: at 96 dpi 15 twips make one pixel, and Qt's
// device-pixel ratio takes care of denser screens.

#include <QColor>
#include <QRect>
#include <QSize>

#include "table/placement.h"

namespace blefino::layout {

using blefino::px;

inline constexpr QSize kTable{794, 529};     // 11910 x 7935 twips
inline constexpr QSize kCard{71, 96};        // a hand slot shows the card at its own size
inline constexpr QSize kBatchCard{75, 100};  // konpic stretches it
inline constexpr QSize kPortrait{104, 112};  // Image1, Image2 stretch the portrait
inline constexpr QSize kMarker{32, 32};      // the turn marker

inline const QColor kFelt{0, 64, 0};
inline const QColor kGreenText{0, 192, 0};
inline const QColor kSpeech{255, 255, 0};
inline const QColor kTitle{192, 192, 255};
inline const QColor kFocusYellow{255, 255, 0};  // the keyboard's frame, inside a dark one

// Controls that never move.
inline constexpr QRect kImage1 = twips(240, 240, 1560, 1680);
inline constexpr QRect kImage2 = twips(10080, 240, 1560, 1680);
inline constexpr QRect kLabel1 = twips(4155, 240, 3405, 555);
inline constexpr QRect kConversation1 = twips(1920, 840, 3975, 615);
inline constexpr QRect kConversation2 = twips(5880, 840, 3975, 615);
inline constexpr QRect kCommand1 = twips(2040, 1320, 1335, 495);
inline constexpr QRect kLabelcpu1 = twips(120, 1920, 5775, 255);
inline constexpr QRect kLabelcpu2 = twips(6480, 1920, 5295, 255);
inline constexpr QRect kMainbutton = twips(5160, 4080, 1215, 1095);
inline constexpr QRect kFrame1 = twips(9960, 4080, 1695, 3615);
inline constexpr QRect option1(int k) { return twips(120, 240 + 360 * (k - 1), 1455, 375); }
inline constexpr QRect kKoncard = twips(360, 5280, 4695, 375);
inline constexpr QRect kNeveru = twips(5160, 5280, 1215, 375);
inline constexpr QRect kVeru = twips(5160, 5640, 1215, 375);
inline constexpr QRect kLabelOfHeap = twips(7080, 5400, 1095, 375);
inline constexpr QRect kInHeap = twips(7080, 5640, 1095, 375);
inline constexpr QRect kLabelOfOtboy = twips(8520, 5400, 1095, 375);
inline constexpr QRect kInOtboy = twips(8520, 5640, 1095, 375);
inline constexpr QRect kConversation3 = twips(240, 5640, 4695, 375);
inline constexpr QRect kMyname = twips(240, 6000, 7935, 375);
// The green rectangle around the discard pile and its two labels.
inline constexpr QRect kOtboyBox{px(8400), px(3840), px(9720) - px(8400), px(6000) - px(3840)};

// Pixel sizes of the fonts: the point sizes of the table at 96 dpi.
inline constexpr int kTitlePx = 32;   // 24 pt
inline constexpr int kLabelPx = 16;   // 12 pt
inline constexpr int kNamePx = 13;    // 9.75 pt
inline constexpr int kButtonPx = 11;  // 8.25 pt, the buttons' own font

}  // namespace blefino::layout
