#include "forms/Steuerelemente.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QValidator>

#include "language/Sprachumschaltung.h"
#include "platform/Global.h"
#include "platform/widgets/Formular.h"
#include "platform/widgets/Tastatur.h"

namespace {
constexpr int TEXT_GOLFERTITEL = 216;
bool ohnePruefung = false;  // SetzeFokusOhnePruefung is moving the focus
}  // namespace

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
// A longer text than the box was made for is drawn in a smaller type, so that it shows whole.
class Eingabegrenze : public QValidator {
 public:
  Eingabegrenze(QLineEdit* feld, int zeichen)
      : QValidator(feld), m_feld(feld), m_zeichen(zeichen), m_grenze(zeichen), m_punkte(feld->font().pointSizeF()) {
    // An edit the validator refuses is taken back before the box tells of a change.
    connect(feld, &QLineEdit::textChanged, this, [this](const QString& t) {
      m_grenze = qMax(m_zeichen, int(t.size()));
      Einpassen(t);
    });
  }
  State validate(QString& text, int&) const override { return text.size() <= m_grenze ? Acceptable : Invalid; }

 private:
  void Einpassen(const QString& text) {
    if (m_punkte <= 0) return;
    QFont schrift = m_feld->font();
    const QMargins rand = m_feld->textMargins();
    // The box's frame and the edit's own margin of two pixels on each side.
    const int platz = m_feld->width() - 2 * m_feld->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4 -
                      rand.left() - rand.right();
    qreal punkte = m_punkte;
    schrift.setPointSizeF(punkte);
    while (punkte > 5 && QFontMetrics(schrift).horizontalAdvance(text) > platz) {
      punkte -= 0.5;
      schrift.setPointSizeF(punkte);
    }
    if (schrift != m_feld->font()) m_feld->setFont(schrift);
  }

  QLineEdit* m_feld;
  int m_zeichen;
  int m_grenze;
  qreal m_punkte;  // the box's own type size
};
}  // namespace

void BegrenzeEingabe(QLineEdit* t, int zeichen) { t->setValidator(new Eingabegrenze(t, zeichen)); }

namespace {
// The list of an entry box drops down when the user moves into the box. While it is open,
// the keys of the edit field edit the text (GehoertInsFeld), Up, Down, Page Up and Page
// Down move in the list, and Tab, Shift+Tab and Enter take the entry and move on as they
// do with the list closed: the entry highlighted when the list keys moved the highlight
// last, else what was typed.
// A list never drops over a message box: when the box is left by a field whose check asks
// something, the list waits for the answer, and drops only if the focus is still in the
// box (or came into it) once the window is in front again.
// Nor does it drop when the focus only comes back to it: when a box, a dialog or another
// window closes and its window is in front again, or that window, activated, gives the
// focus to its field. Only a move from one field of its window to the box counts (the
// user's, or the program's for the user, as a check that sends the focus back).
class Aufklappliste : public QObject {
 public:
  explicit Aufklappliste(QComboBox* liste) : QObject(liste), m_liste(liste), m_ansicht(liste->view()) {
    liste->installEventFilter(this);
    m_ansicht->installEventFilter(this);
    m_behaelter = m_ansicht->window();
    m_behaelter->installEventFilter(this);
    FolgeDemFokus();
  }

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override {
    if (obj == m_liste) {
      if (ev->type() == QEvent::FocusIn) {
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(ev)->reason();
        if (grund == Qt::ActiveWindowFocusReason) {
          // The window in front again gives the focus to where it was; a focus put into
          // the box while the window was not in front (a check sending it back while its
          // message box was up) is a move into it: the box was the field left last. Not
          // so when the window, its field with the focus gone or disabled, gives the
          // focus to its first field after the user had gone on from the box.
          if (!m_hatFokus && (zuletztVerlassen() == m_liste || zuletztVerlassen() == m_liste->lineEdit()))
            m_faellig = true;
        } else if (IstFeldwechsel(obj, static_cast<QFocusEvent*>(ev))) {
          // The program gives the focus to the box from another window: that window has
          // closed, or this one has been activated.
          if (grund != Qt::OtherFocusReason || ImFenster(vorherigerFokus())) m_faellig = true;
        }
        m_hatFokus = true;
        if (m_faellig) Spaeter();
      } else if (ev->type() == QEvent::FocusOut && IstFeldwechsel(obj, static_cast<QFocusEvent*>(ev))) {
        // Left for another window (or for none), the box keeps its window's focus, which
        // that window gives back to it.
        if (ImFenster(QApplication::focusWidget())) m_hatFokus = false;
        m_faellig = false;
      }
      return false;
    }
    if (obj == m_meldung) {
      if (ev->type() == QEvent::Hide) {
        m_meldung->removeEventFilter(this);
        m_meldung = nullptr;
        Spaeter();
      }
      return false;
    }
    if (ev->type() == QEvent::Show) m_bewegt = false;
    if (obj == m_behaelter) {
      if (ev->type() == QEvent::Hide) m_vonSelbst = false;
      // A click beside the list it dropped by itself closes it, choosing nothing, and goes
      // to where it was aimed.
      if (ev->type() == QEvent::MouseButtonPress && m_vonSelbst) {
        auto* m = static_cast<QMouseEvent*>(ev);
        if (!static_cast<QWidget*>(obj)->rect().contains(m->position().toPoint())) {
          const QPoint wo = m->globalPosition().toPoint();
          m_liste->hidePopup();
          QTimer::singleShot(0, this, [wo] { KlickeAn(wo); });
          return true;
        }
      }
    }
    // The view is known by its address: while the box is being destroyed its children
    // still send events here, and the box is no longer a combo box to ask.
    if (obj != m_ansicht || (ev->type() != QEvent::KeyPress && ev->type() != QEvent::ShortcutOverride)) return false;
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
        case Qt::Key_PageDown: m_bewegt = true; break;
        default:
          if (GehoertInsFeld(k)) m_bewegt = false;
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

  // The window of a field: its frame in the main window's workspace, or its own.
  static const QWidget* FensterVon(const QWidget* w) {
    for (; w; w = w->parentWidget())
      if (w->isWindow() || qobject_cast<const QMdiSubWindow*>(w)) return w;
    return nullptr;
  }
  bool ImFenster(const QWidget* w) const { return w && FensterVon(w) == FensterVon(m_liste); }
  // The field that had the focus before the change under way: the application tells the
  // change once the focus events are delivered.
  static QPointer<QWidget>& vorherigerFokus() {
    static QPointer<QWidget> w;
    return w;
  }
  // The field the focus last left for another field of its window.
  static QPointer<QWidget>& zuletztVerlassen() {
    static QPointer<QWidget> w;
    return w;
  }
  static void FolgeDemFokus() {
    static bool verbunden = false;
    if (verbunden || !qApp) return;
    verbunden = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* alt, QWidget* jetzt) {
      vorherigerFokus() = jetzt;
      if (alt && jetzt && !QApplication::activePopupWidget() && FensterVon(alt) == FensterVon(jetzt))
        zuletztVerlassen() = alt;
    });
  }

  // Once the focus change (and the leave check it started) is over.
  void Spaeter() {
    QTimer::singleShot(0, this, [this] { Aufklappen(); });
  }
  // A click of the left button on the widget at the screen point `wo`.
  static void KlickeAn(const QPoint& wo) {
    QWidget* ziel = QApplication::widgetAt(wo);
    if (!ziel || !ziel->isEnabled()) return;
    const QPointer<QWidget> w(ziel);
    // The focus goes where a click gives it, as with the user's own click.
    for (QWidget* f = ziel; f; f = f->isWindow() ? nullptr : f->parentWidget())
      if (f->isEnabled() && (f->focusPolicy() & Qt::ClickFocus)) {
        f->setFocus(Qt::MouseFocusReason);
        break;
      }
    if (!w) return;
    const QPointF hier = ziel->mapFromGlobal(QPointF(wo));
    QMouseEvent druck(QEvent::MouseButtonPress, hier, QPointF(wo), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &druck);
    if (!w) return;
    QMouseEvent los(QEvent::MouseButtonRelease, hier, QPointF(wo), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &los);
  }

  void Aufklappen() {
    if (!m_faellig) return;
    QComboBox* liste = m_liste;
    QWidget* fokus = liste->window()->focusWidget();
    const bool imFeld = fokus == liste || (fokus && fokus == liste->lineEdit());
    if (!imFeld || !liste->isVisible() || liste->count() == 0 || liste->view()->isVisible()) {
      m_faellig = false;
      return;
    }
    if (QWidget* box = QApplication::activeModalWidget(); box && !box->isAncestorOf(liste)) {
      // After the answer; the check that asked may send the focus elsewhere first.
      if (box != m_meldung) {
        if (m_meldung) m_meldung->removeEventFilter(this);
        m_meldung = box;
        box->installEventFilter(this);
      }
      return;
    }
    if (!liste->hasFocus()) return;  // when the window is in front again (FocusIn)
    m_faellig = false;
    // The text selected on entering stays selected, so that typing replaces it.
    QLineEdit* feld = liste->lineEdit();
    const int start = feld->selectionStart(), laenge = feld->selectionLength();
    liste->showPopup();
    if (start >= 0) feld->setSelection(start, laenge);
    m_vonSelbst = liste->view()->isVisible();
    LegeFrei();
  }

  // The list the box dropped by itself covers no other entry box of its window, so that a
  // click aimed at one lands there (and closes the list, choosing nothing): below the box
  // as usual, else above or beside it, as narrow as its entries and, where needed,
  // shorter; where no such place is free it stays where it dropped.
  void LegeFrei() {
    QWidget* behaelter = m_liste->view()->window();
    QWidget* fenster = const_cast<QWidget*>(FensterVon(m_liste));
    const QScreen* schirm = m_liste->screen();
    if (!behaelter->isVisible() || !fenster || !schirm) return;
    const QRect bild = schirm->availableGeometry();
    QList<QRect> felder;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
      if (w == m_liste || m_liste->isAncestorOf(w) || !w->isVisible() || !w->isEnabled() ||
          w->focusPolicy() == Qt::NoFocus)
        continue;
      if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w) ||
          qobject_cast<QAbstractScrollArea*>(w))
        felder << QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    }
    const QRect jetzt = behaelter->geometry();
    const auto frei = [&](const QRect& r) {
      if (!bild.contains(r)) return false;
      for (const QRect& f : felder)
        if (f.intersects(r)) return false;
      return true;
    };
    if (frei(jetzt)) return;
    const QRect box(m_liste->mapToGlobal(QPoint(0, 0)), m_liste->size());
    QAbstractItemView* v = m_liste->view();
    const int rand = jetzt.width() - v->viewport()->width();
    const int breite = qMin(jetzt.width(), v->sizeHintForColumn(0) + rand + 8);
    const int zeile = qMax(1, v->sizeHintForRow(0));
    const int mindestens = qMin(jetzt.height(), 4 * zeile + jetzt.height() - v->viewport()->height());
    // Shortened from `hoehe` down to the least height until it is free, growing away from
    // the box's edge at `y` (downwards) or ending there (upwards).
    const auto kuerzer = [&](int x, int y, bool nachUnten) -> QRect {
      for (int h = jetzt.height(); h >= mindestens; h -= zeile) {
        const QRect r = nachUnten ? QRect(x, y, breite, h) : QRect(x, y - h, breite, h);
        if (frei(r)) return r;
      }
      return {};
    };
    for (const QRect& r : {kuerzer(box.left(), box.bottom() + 1, true), kuerzer(box.left(), box.top(), false),
                           kuerzer(box.right() + 1, box.top(), true), kuerzer(box.left() - breite, box.top(), true)})
      if (r.isValid()) {
        behaelter->setGeometry(r);
        return;
      }
  }

  QComboBox* m_liste;
  QAbstractItemView* m_ansicht;  // the list's view
  QWidget* m_behaelter;          // the view's pop-up frame, known by its address too
  QPointer<QWidget> m_meldung;   // the message box the list waits for
  bool m_bewegt = false;         // the list keys moved the highlight since the list opened
  bool m_hatFokus = false;       // the box was told that the focus came to it
  bool m_faellig = false;        // the list is to drop once nothing stands in the way
  bool m_vonSelbst = false;      // the open list dropped by itself, not at the user's click
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

void BeiFokuswechsel(QWidget* fenster, std::function<void(QWidget*)> f) {
  // The application tells every change of the focus widget, the window coming back to the
  // front included, once its focus events are delivered.
  QObject::connect(qApp, &QApplication::focusChanged, fenster, [fenster, f = std::move(f)](QWidget*, QWidget* jetzt) {
    if (jetzt && fenster->isAncestorOf(jetzt)) f(jetzt);
  });
}
