#include "platform/widgets/Formular.h"

#include "platform/Dialoge.h"
#include "platform/Global.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QSet>
#include <QTimer>

namespace {
QPointer<QMdiArea>& bereich() {
  static QPointer<QMdiArea> b;
  return b;
}
QList<Formular*>& geladene() {
  static QList<Formular*> l;
  return l;
}

// Windows and window frames being destroyed, until their last child is gone.
QSet<const QObject*>& imAbbau() {
  static QSet<const QObject*> s;
  return s;
}
bool ImAbbau(const QObject* o) {
  if (imAbbau().isEmpty()) return false;
  for (; o; o = o->parent())
    if (imAbbau().contains(o)) return true;
  return false;
}

// `o` leaves the set when it is gone.
void ImAbbauBis(QObject* o) {
  QObject::connect(o, &QObject::destroyed, [](QObject* weg) { imAbbau().remove(weg); });
}

// A field of `w` that holds the focus gives it up while `w` is marked as being destroyed:
// the focus-out is filtered there, and none comes later from a field already half gone.
void GibFokusAb(QWidget* w) {
  if (QWidget* f = QApplication::focusWidget(); f && (f == w || w->isAncestorOf(f))) f->clearFocus();
}

// A window's frame in the MDI area: the window goes with it.
class Rahmenfenster : public QMdiSubWindow {
 public:
  Rahmenfenster() { ImAbbauBis(this); }
  ~Rahmenfenster() override {
    imAbbau().insert(this);
    GibFokusAb(this);
  }

 protected:
  // A frame uncovered under a pointer that has not moved since (the window above closed by
  // its close box at the same place) has not seen the pointer over its title bar: the
  // press counts for the button it is on, so that the first click closes the window.
  void mousePressEvent(QMouseEvent* e) override {
    QMouseEvent ueber(QEvent::MouseMove, e->position(), e->scenePosition(), e->globalPosition(), Qt::NoButton,
                      Qt::NoButton, e->modifiers());
    QMdiSubWindow::mouseMoveEvent(&ueber);
    QMdiSubWindow::mousePressEvent(e);
  }
};

// A window being destroyed, or its frame, takes the focus from its fields while its own
// parts are gone already: no focus event reaches those fields, and so no leave or enter
// handler of the window (a filter of its own or of the field) runs. It filters the
// application's events, ahead of the fields' own filters.
class Abbauwache : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    return (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) && ImAbbau(o);
  }
};
}  // namespace

void SetzeMdiBereich(QMdiArea* b) {
  bereich() = b;
  if (b)
    QObject::connect(b, &QMdiArea::subWindowActivated, b, [](QMdiSubWindow* w) {
      if (w)
        if (auto* f = qobject_cast<Formular*>(w->widget())) {
          f->Aktiviert();
          // The window activated holds the focus, also when it was activated while a dialog
          // held the activation: the main window, active again, gives the focus back to
          // where it was, and a field of another window would bring that one to the front.
          if (!f->IstEntladen() && f->Rahmen() == w) f->NimmFokus();
        }
    });
}
QMdiArea* MdiBereich() { return bereich(); }

QList<Formular*> GeladeneFormulare() { return geladene(); }

Formular* SucheFormular(const QString& name) {
  for (Formular* f : geladene())
    if (f->objectName() == name) return f;
  return nullptr;
}

Formular::Formular(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setAttribute(Qt::WA_DeleteOnClose);
  static QPointer<Abbauwache> wache;
  if (!wache && qApp) {
    wache = new Abbauwache(qApp);
    qApp->installEventFilter(wache);
  }
  ImAbbauBis(this);
}

Formular::~Formular() {
  geladene().removeAll(this);
  imAbbau().insert(this);
  GibFokusAb(this);
}

void Formular::Laden() {
  if (m_geladen) return;
  m_geladen = true;
  geladene().append(this);
  Form_Load();
}

QMdiSubWindow* Formular::Rahmen() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

void Formular::SetzeTitel(const QString& t) {
  setWindowTitle(t);
  if (auto* r = Rahmen()) r->setWindowTitle(t);
}

void Formular::Zeige() {
  QMdiArea* b = bereich();
  if (b && !Rahmen()) {
    // A place set before the window had its frame goes to the frame.
    const QVariant platz = property("Platz");
    auto* sub = new Rahmenfenster;
    sub->setWidget(this);
    b->addSubWindow(sub);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(windowTitle());
    sub->setWindowIcon(windowIcon());
    if (platz.isValid()) sub->setGeometry(platz.toRect());
  }
  if (auto* r = Rahmen()) {
    r->show();
    r->raise();
    if (bereich()) {
      bereich()->setActiveSubWindow(r);
      // While a message box holds the activation, the workspace gives no focus to the
      // window it activates; when the main window is active again, the focus would go back
      // to where it was before, and that window would come to the front instead.
      if (QApplication::activeWindow() != bereich()->window()) NimmFokus();
    }
    show();
  } else {
    show();
    raise();
    activateWindow();
  }
  Aktiviert();
}

void Formular::Aktiviert() { Form_Activate(); }

void Formular::NimmFokus() {
  QWidget* fokus = window()->focusWidget();
  QWidget* ganz = Rahmen() ? static_cast<QWidget*>(Rahmen()) : this;
  if (fokus && (fokus == ganz || ganz->isAncestorOf(fokus))) return;
  // The field that had the focus last in this window, else its first field.
  QWidget* ziel = focusWidget();
  if (!ziel || !isAncestorOf(ziel)) {
    ziel = nullptr;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
      if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this)) {
        ziel = w;
        break;
      }
    }
  }
  // A window without fields (a statistics window) holds the focus itself.
  (ziel ? ziel : this)->setFocus(Qt::OtherFocusReason);
}

bool Formular::Schliessen() {
  if (auto* r = Rahmen()) return r->close();
  return close();
}

void Formular::closeEvent(QCloseEvent* e) {
  if (m_entladen) {
    e->accept();
    return;
  }
  m_schliesst = true;
  const bool zu = Form_Unload();
  m_schliesst = false;
  // The user went back to the program from a store that failed at his end: every window
  // stays open with what it shows.
  if (!zu || Schlussentscheidung() == Schlussentscheid::Zurueck) {
    e->ignore();
    return;
  }
  m_entladen = true;
  geladene().removeAll(this);
  e->accept();
}

bool Formular::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && !Rahmen()) Aktiviert();
  return QWidget::event(e);
}

void PositioniereForm(QWidget* w, int links, int oben, int breite, int hoehe) {
  const QRect platz(TwipsZuPixel(links), TwipsZuPixel(oben), TwipsZuPixel(breite), TwipsZuPixel(hoehe));
  QWidget* ziel = w;
  if (auto* f = qobject_cast<Formular*>(w)) {
    if (f->Rahmen())
      ziel = f->Rahmen();
    else
      f->setProperty("Platz", platz);
  }
  ziel->setGeometry(platz);
}

void EntladeForm(const QString& name) {
  if (Formular* f = SucheFormular(name)) f->Schliessen();
}

bool IstFormGeladen(const QString& name) {
  if (name.isEmpty()) return false;
  return SucheFormular(name) != nullptr;
}

bool FensterSchliesst(const QObject* o) {
  if (ImAbbau(o)) return true;
  for (; o; o = o->parent())
    if (auto* f = qobject_cast<const Formular*>(o)) return f->Schliesst();
  return false;
}

void NachFokuswechsel(QObject* feld, std::function<void()> f) {
  QTimer::singleShot(0, feld, [feld, f = std::move(f)] {
    if (!FensterSchliesst(feld)) f();
  });
}

int SucheListeneintrag(const QComboBox* liste, const QString& text) {
  for (int i = 0; i < liste->count(); ++i)
    if (GleicherName(liste->itemText(i), text)) return i;
  return -1;
}

bool EnterAlsTab(QObject* control, QKeyEvent* taste) {
  if (taste->key() != Qt::Key_Return && taste->key() != Qt::Key_Enter) return false;
  if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  QObject* ziel = control;
  // The edit field of a combo box stands for the combo box.
  if (qobject_cast<QLineEdit*>(control) && qobject_cast<QComboBox*>(control->parent())) ziel = control->parent();
  auto* combo = qobject_cast<QComboBox*>(ziel);
  if (!combo && !qobject_cast<QLineEdit*>(ziel) && !qobject_cast<QCheckBox*>(ziel)) return false;
  if (combo) combo->hidePopup();
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QApplication::sendEvent(ziel, &tab);
  return true;
}
