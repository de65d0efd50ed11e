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

// On Windows the face is the system's own: Microsoft Sans Serif is the
// TrueType "MS Sans Serif" of every Windows since 2000 (Wine has a scalable
// "MS Sans Serif"), Tahoma its successor in dialogs.
#ifdef Q_OS_WIN
inline const QStringList kFamilies = {QStringLiteral("Microsoft Sans Serif"),
                                      QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma")};
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
