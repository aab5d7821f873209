#include "platform/Farben.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

void SetzeHintergrund(QWidget* w, long bgr) {
  // Only the role the widget paints its own face with, so that children keep theirs.
  QPalette p = w->palette();
  const QColor c = VBFarbe(bgr);
  if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractScrollArea*>(w)) {
    p.setColor(QPalette::Base, c);
  } else if (qobject_cast<QAbstractButton*>(w) && !qobject_cast<QCheckBox*>(w) && !qobject_cast<QRadioButton*>(w)) {
    p.setColor(QPalette::Button, c);
  } else {
    p.setColor(QPalette::Window, c);
    w->setAutoFillBackground(true);
  }
  w->setPalette(p);
}

void SetzeTextfarbe(QWidget* w, long bgr) {
  QPalette p = w->palette();
  const QColor c = VBFarbe(bgr);
  p.setColor(QPalette::WindowText, c);
  p.setColor(QPalette::Text, c);
  p.setColor(QPalette::ButtonText, c);
  w->setPalette(p);
}

long LeseHintergrund(const QWidget* w) {
  if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractScrollArea*>(w))
    return FarbeVB(w->palette().color(QPalette::Base));
  if (qobject_cast<const QAbstractButton*>(w) && !qobject_cast<const QCheckBox*>(w) && !qobject_cast<const QRadioButton*>(w))
    return FarbeVB(w->palette().color(QPalette::Button));
  return FarbeVB(w->palette().color(QPalette::Window));
}
