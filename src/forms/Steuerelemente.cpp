#include "forms/Steuerelemente.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>

#include "language/Sprachumschaltung.h"
#include "platform/Global.h"
#include "platform/Tastatur.h"

namespace {
constexpr int TEXT_GOLFERTITEL = 216;
bool neuerDatensatz = false;  // FokusAufNeuenDatensatz is moving the focus
}

QString Golfertitel(const QString& name) {
  return PRODUKTTITEL + QString(5, QLatin1Char(' ')) + SPU().GibTranslation(TEXT_GOLFERTITEL) + QStringLiteral(":   ") +
         name;
}

QString Feldname(const QString& name, int index) { return name + QLatin1Char('_') + QString::number(index); }

QLabel* NeuesLabel(QWidget* eltern, const QString& name, const QString& text, int tag) {
  auto* l = new QLabel(text, eltern);
  l->setObjectName(name);
  if (tag) setzeTag(l, tag);
  return l;
}

void SetzeGekuerzt(QLabel* l, const QString& text) {
  const int platz = l->contentsRect().width() - 2 * l->margin();
  l->setText(l->fontMetrics().elidedText(text, Qt::ElideRight, platz));
  l->setToolTip(text);
}

QString VollerText(const QLabel* l) { return l->toolTip().isEmpty() ? l->text() : l->toolTip(); }

QLineEdit* NeuesTextfeld(QWidget* eltern, const QString& name) {
  auto* t = new QLineEdit(eltern);
  t->setObjectName(name);
  return t;
}

QComboBox* NeueListe(QWidget* eltern, const QString& name) {
  auto* c = new QComboBox(eltern);
  c->setObjectName(name);
  MitVervollstaendigung(c);
  c->setMaxVisibleItems(20);
  return c;
}

bool IstFeldwechsel(const QFocusEvent* e) {
  const Qt::FocusReason g = e->reason();
  if (g == Qt::ActiveWindowFocusReason || g == Qt::PopupFocusReason || g == Qt::MenuBarFocusReason) return false;
  if (neuerDatensatz && e->type() == QEvent::FocusOut) return false;
  // A list that drops down takes the focus while it is open; the box is not left by that.
  return QApplication::activePopupWidget() == nullptr;
}

void FokusAufNeuenDatensatz(QWidget* feld) {
  if (!feld) return;
  neuerDatensatz = true;
  feld->setFocus(Qt::OtherFocusReason);
  neuerDatensatz = false;
}
