// Colours are kept as the stored 0x00BBGGRR numbers; these convert where they are painted.
#pragma once
#include <QColor>
#include <QWidget>

inline QColor VBFarbe(long bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }
inline long FarbeVB(const QColor& c) { return long(c.red()) | (long(c.green()) << 8) | (long(c.blue()) << 16); }

// Background and text colour of one widget, through its palette. A background set on a
// widget whose text colour the program has not chosen gives its text a colour that reads
// on it (LesbareTextfarbe), whatever the desktop's colour scheme.
void SetzeHintergrund(QWidget* w, long bgr);
void SetzeTextfarbe(QWidget* w, long bgr);
long LeseHintergrund(const QWidget* w);
// `text` where it reads on `hinter` (a contrast of 3:1 at least), else black or white,
// whichever reads better.
QColor LesbareTextfarbe(const QColor& hinter, const QColor& text);

// Paints `Formular` with `Farbe` (0x00BBGGRR), or with Hintergrundfarbe when Farbe is 0:
// the window itself, its check boxes (except the ten named ones of the golfer window,
// which keep their own background), its option buttons, and its frames and shapes
// unless these are light grey (0xC0C0C0). Labels, text boxes, buttons, lists and grids
// keep their colours. A main window with an MDI area takes the colour in that area only.
void SetzeFarben(QWidget* Formular, long Farbe = 0);
