#include "platform/Farben.h"

void SetzeHintergrund(QWidget* w, long bgr) {
  QPalette p = w->palette();
  const QColor c = VBFarbe(bgr);
  p.setColor(QPalette::Window, c);
  p.setColor(QPalette::Base, c);
  p.setColor(QPalette::Button, c);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

void SetzeTextfarbe(QWidget* w, long bgr) {
  QPalette p = w->palette();
  const QColor c = VBFarbe(bgr);
  p.setColor(QPalette::WindowText, c);
  p.setColor(QPalette::Text, c);
  p.setColor(QPalette::ButtonText, c);
  w->setPalette(p);
}

long LeseHintergrund(const QWidget* w) { return FarbeVB(w->palette().color(QPalette::Window)); }
