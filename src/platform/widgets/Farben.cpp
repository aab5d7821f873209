#include "platform/widgets/Farben.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QRadioButton>
#include <QRegularExpression>
#include <cmath>

#include "platform/Global.h"

namespace {
// The widget has the colour in the role already, set on itself in every group: setting it
// again would change nothing but cost a new palette for the widget and its children.
bool hatFarbe(const QWidget* w, const QPalette& p, QPalette::ColorRole rolle, const QColor& c) {
  if (!w->testAttribute(Qt::WA_SetPalette)) return false;
  const QBrush b(c);
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    if (!p.isBrushSet(g, rolle) || p.brush(g, rolle) != b) return false;
  return true;
}

// Set on a widget whose text colour the program chose: a new background keeps it.
constexpr const char* EIGENE_TEXTFARBE = "pwEigeneTextfarbe";

double leuchtdichte(const QColor& c) {
  const auto kanal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * kanal(c.redF()) + 0.7152 * kanal(c.greenF()) + 0.0722 * kanal(c.blueF());
}
double kontrast(const QColor& a, const QColor& b) {
  const double la = leuchtdichte(a), lb = leuchtdichte(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text role that goes with the role a widget paints its face with.
QPalette::ColorRole textrolle(QPalette::ColorRole rolle) {
  if (rolle == QPalette::Base) return QPalette::Text;
  if (rolle == QPalette::Button) return QPalette::ButtonText;
  return QPalette::WindowText;
}

// With a background of its own the widget's text takes a colour that reads on it: the
// desktop's own where it does, black or white where the desktop's colour scheme would put
// light text on a light cell (a dark scheme) or dark text on a dark one.
void passeTextAn(QWidget* w, QPalette& p, QPalette::ColorRole rolle, const QColor& hinter) {
  if (w->property(EIGENE_TEXTFARBE).toBool()) return;
  const QPalette::ColorRole text = textrolle(rolle);
  const QColor c = LesbareTextfarbe(hinter, p.color(QPalette::Active, text));
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) p.setColor(g, text, c);
}
}  // namespace

QColor LesbareTextfarbe(const QColor& hinter, const QColor& text) {
  if (kontrast(hinter, text) >= 3.0) return text;
  return kontrast(hinter, Qt::black) >= kontrast(hinter, Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
}

void SetzeHintergrund(QWidget* w, long bgr) {
  // Only the role the widget paints its own face with, so that children keep theirs.
  QPalette p = w->palette();
  const QColor c = VBFarbe(bgr);
  QPalette::ColorRole rolle = QPalette::Window;
  if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractScrollArea*>(w))
    rolle = QPalette::Base;
  else if (qobject_cast<QAbstractButton*>(w) && !qobject_cast<QCheckBox*>(w) && !qobject_cast<QRadioButton*>(w))
    rolle = QPalette::Button;
  else
    w->setAutoFillBackground(true);
  if (hatFarbe(w, p, rolle, c)) return;
  p.setColor(rolle, c);
  passeTextAn(w, p, rolle, c);
  w->setPalette(p);
}

void SetzeTextfarbe(QWidget* w, long bgr) {
  w->setProperty(EIGENE_TEXTFARBE, true);
  QPalette p = w->palette();
  const QColor c = VBFarbe(bgr);
  if (hatFarbe(w, p, QPalette::WindowText, c) && hatFarbe(w, p, QPalette::Text, c) &&
      hatFarbe(w, p, QPalette::ButtonText, c))
    return;
  p.setColor(QPalette::WindowText, c);
  p.setColor(QPalette::Text, c);
  p.setColor(QPalette::ButtonText, c);
  w->setPalette(p);
}

long LeseHintergrund(const QWidget* w) {
  if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
      qobject_cast<const QAbstractScrollArea*>(w))
    return FarbeVB(w->palette().color(QPalette::Base));
  if (qobject_cast<const QAbstractButton*>(w) && !qobject_cast<const QCheckBox*>(w) &&
      !qobject_cast<const QRadioButton*>(w))
    return FarbeVB(w->palette().color(QPalette::Button));
  return FarbeVB(w->palette().color(QPalette::Window));
}

namespace {
constexpr long HELLGRAU = 0xC0C0C0;

// Check boxes of the golfer window that keep their own background. Elements of a control
// array carry the array's name followed by their index.
bool behaeltFarbe(const QCheckBox* c) {
  static const QRegularExpression namen(
      QStringLiteral("^(MonJahr|GIRNettoLoch|GIRBruttoLoch|Woche|Monat|Best|MonatName|BestWhat|Last|AlleDatum)"
                     "([^A-Za-z].*)?$"));
  return namen.match(c->objectName()).hasMatch();
}

// A shape: a plain frame that is not a line.
bool istFigur(const QWidget* w) {
  if (w->metaObject() != &QFrame::staticMetaObject) return false;
  const auto form = static_cast<const QFrame*>(w)->frameShape();
  return form != QFrame::HLine && form != QFrame::VLine;
}

// Only the window role changes, so that text boxes, buttons and lists inside keep theirs.
// Check boxes and option buttons fill with that role too (by default they fill with the
// button colour).
void faerbe(QWidget* w, long bgr) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, VBFarbe(bgr));
  passeTextAn(w, p, QPalette::Window, VBFarbe(bgr));
  w->setPalette(p);
  w->setBackgroundRole(QPalette::Window);
  w->setAutoFillBackground(true);
}
}  // namespace

void SetzeFarben(QWidget* Formular, long Farbe) {
  if (!Formular) return;
  MitFehlerfalle([&] {
    const long farbe = Farbe != 0 ? Farbe : Hintergrundfarbe;
    if (auto* haupt = qobject_cast<QMainWindow*>(Formular))
      if (auto* mdi = qobject_cast<QMdiArea*>(haupt->centralWidget())) {
        mdi->setBackground(VBFarbe(farbe));
        return;
      }
    // Decide on every control by the colours it has now, before the window changes.
    QList<QWidget*> malen, festhalten;
    for (QWidget* c : Formular->findChildren<QWidget*>()) {
      if (auto* k = qobject_cast<QCheckBox*>(c))
        (behaeltFarbe(k) ? festhalten : malen) << c;
      else if (qobject_cast<QRadioButton*>(c))
        malen << c;
      else if ((qobject_cast<QGroupBox*>(c) || istFigur(c)) && LeseHintergrund(c) != HELLGRAU)
        malen << c;
    }
    for (QWidget* c : festhalten)
      if (!c->autoFillBackground()) faerbe(c, LeseHintergrund(c));
    faerbe(Formular, farbe);
    for (QWidget* c : malen) faerbe(c, farbe);
  });
}
