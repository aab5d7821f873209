// Colours are kept as the stored 0x00BBGGRR numbers; these convert where they are painted.
#pragma once
#include <QColor>
#include <QWidget>

inline QColor VBFarbe(long bgr) {
  return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
inline long FarbeVB(const QColor& c) { return long(c.red()) | (long(c.green()) << 8) | (long(c.blue()) << 16); }

// Background and text colour of one widget, through its palette.
void SetzeHintergrund(QWidget* w, long bgr);
void SetzeTextfarbe(QWidget* w, long bgr);
long LeseHintergrund(const QWidget* w);
