#pragma once
// The one text face of every window. The windows were laid out for
// "MS Sans Serif", 8 pt, a narrow face of about Arial's widths; Liberation
// Sans is drawn to Arial's metrics, has every Cyrillic letter and comes with
// Debian (fonts-liberation2). Where it is missing, its metric twins come
// next, then whatever sans-serif face the system offers.

#include <QFont>
#include <QGuiApplication>
#include <QStringList>

namespace blefino::fonts {

// On Windows the face is the system's own: Tahoma, the face of Windows'
// dialogs since 2000 (Wine has one of the same measures), then Microsoft Sans
// Serif. Tahoma is wider and taller than the layout's face: the windows set a
// caption that would not fit its box a little smaller (table/text_fit.h).
#ifdef Q_OS_WIN
inline const QStringList kFamilies = {QStringLiteral("Tahoma"),
                                      QStringLiteral("Microsoft Sans Serif")};
#else
inline const QStringList kFamilies = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                      QStringLiteral("Arial")};
#endif

inline QFont ui_font(bool bold = false) {
  QFont f;
  f.setFamilies(kFamilies);
  f.setStyleHint(QFont::SansSerif);
  f.setBold(bold);
  return f;
}

// At a point size of the layout: 8 for plain text, 12 for the table's lines ...
inline QFont ui_font_pt(qreal points, bool bold = false) {
  QFont f = ui_font(bold);
  f.setPointSizeF(points);
  return f;
}

// ... or at the pixel size such a point size has at 96 dpi, where a box is
// measured in pixels of that density.
inline QFont ui_font_px(int pixels, bool bold = false) {
  QFont f = ui_font(bold);
  f.setPixelSize(pixels);
  return f;
}

// Message boxes, menus and anything else without a font of its own.
inline void install_application_font() { QGuiApplication::setFont(ui_font_pt(8)); }

}  // namespace blefino::fonts
