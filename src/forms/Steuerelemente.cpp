#include "forms/Steuerelemente.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QValidator>

#include "language/Sprachumschaltung.h"
#include "platform/Formular.h"
#include "platform/Global.h"
#include "platform/Tastatur.h"

namespace {
constexpr int TEXT_GOLFERTITEL = 216;
bool ohnePruefung = false;  // SetzeFokusOhnePruefung is moving the focus
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

namespace {
// Refuses an edit that makes the text longer than the limit, or than the text the box held
// before it (a longer one the program set).
class Eingabegrenze : public QValidator {
 public:
  Eingabegrenze(QLineEdit* feld, int zeichen) : QValidator(feld), m_zeichen(zeichen), m_grenze(zeichen) {
    // An edit the validator refuses is taken back before the box tells of a change.
    connect(feld, &QLineEdit::textChanged, this, [this](const QString& t) { m_grenze = qMax(m_zeichen, int(t.size())); });
  }
  State validate(QString& text, int&) const override { return text.size() <= m_grenze ? Acceptable : Invalid; }

 private:
  int m_zeichen;
  int m_grenze;
};
}  // namespace

void BegrenzeEingabe(QLineEdit* t, int zeichen) { t->setValidator(new Eingabegrenze(t, zeichen)); }

namespace {
// The list of an entry box drops down when the user moves into the box. While it is open,
// Tab, Shift+Tab and Enter take the entry and move on as they do with the list closed:
// the entry highlighted when the arrow keys moved the highlight, else what was typed.
class Aufklappliste : public QObject {
 public:
  explicit Aufklappliste(QComboBox* liste) : QObject(liste), m_liste(liste), m_ansicht(liste->view()) {
    liste->installEventFilter(this);
    m_ansicht->installEventFilter(this);
    m_ansicht->window()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override {
    if (obj == m_liste) {
      if (ev->type() == QEvent::FocusIn && IstFeldwechsel(obj, static_cast<QFocusEvent*>(ev))) {
        // Once the focus has arrived.
        QPointer<QComboBox> liste(m_liste);
        QTimer::singleShot(0, m_liste, [liste] {
          if (!liste || !liste->hasFocus() || !liste->isVisible() || liste->count() == 0 || liste->view()->isVisible())
            return;
          // The text selected on entering stays selected, so that typing replaces it.
          QLineEdit* feld = liste->lineEdit();
          const int start = feld->selectionStart(), laenge = feld->selectionLength();
          liste->showPopup();
          if (start >= 0) feld->setSelection(start, laenge);
        });
      }
      return false;
    }
    if (ev->type() == QEvent::Show) m_bewegt = false;
    // The view is known by its address: while the box is being destroyed its children
    // still send events here, and the box is no longer a combo box to ask.
    if (obj != m_ansicht || (ev->type() != QEvent::KeyPress && ev->type() != QEvent::ShortcutOverride))
      return false;
    auto* k = static_cast<QKeyEvent*>(ev);
    if (IstWeiter(k)) {
      // Ahead of the list's own handling of Enter, which takes the highlighted entry only.
      if (ev->type() == QEvent::ShortcutOverride) {
        ev->accept();
        return true;
      }
      Weiter(k);
      return true;
    }
    if (ev->type() == QEvent::KeyPress) {
      switch (k->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End: m_bewegt = true; break;
        default:
          if (k->key() == Qt::Key_Backspace || (!k->text().isEmpty() && k->text().at(0).isPrint())) m_bewegt = false;
      }
    }
    return false;
  }

 private:
  static bool IstWeiter(const QKeyEvent* k) {
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    return k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab || k->key() == Qt::Key_Return ||
           k->key() == Qt::Key_Enter;
  }
  void Weiter(const QKeyEvent* k) {
    const QModelIndex i = m_liste->view()->currentIndex();
    if (m_bewegt && i.isValid()) m_liste->setCurrentIndex(i.row());
    m_liste->hidePopup();
    // The box then handles the key as its window does (Enter moves on as Tab).
    QKeyEvent taste(QEvent::KeyPress, k->key(), k->modifiers(), k->text());
    QCoreApplication::sendEvent(m_liste, &taste);
  }

  QComboBox* m_liste;
  QAbstractItemView* m_ansicht;  // the list's view
  bool m_bewegt = false;  // the arrow keys moved the highlight since the list opened
};
}  // namespace

QComboBox* NeueListe(QWidget* eltern, const QString& name) {
  auto* c = new QComboBox(eltern);
  c->setObjectName(name);
  MitVervollstaendigung(c);
  c->setMaxVisibleItems(20);
  new Aufklappliste(c);
  return c;
}

bool IstFeldwechsel(const QObject* feld, const QFocusEvent* e) {
  // A window that closes takes the focus from its fields; its store does the checks then.
  if (FensterSchliesst(feld)) return false;
  const Qt::FocusReason g = e->reason();
  if (g == Qt::ActiveWindowFocusReason || g == Qt::PopupFocusReason || g == Qt::MenuBarFocusReason) return false;
  if (ohnePruefung && e->type() == QEvent::FocusOut) return false;
  // A list that drops down takes the focus while it is open; the box is not left by that.
  return QApplication::activePopupWidget() == nullptr;
}

void SetzeFokusOhnePruefung(QWidget* feld) {
  if (!feld) return;
  const bool vorher = ohnePruefung;
  ohnePruefung = true;
  feld->setFocus(Qt::OtherFocusReason);
  ohnePruefung = vorher;
}

bool FokusOhnePruefung() { return ohnePruefung; }
