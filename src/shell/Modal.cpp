#include "shell/Modal.h"

#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

#include "platform/Dialoge.h"
#include "platform/widgets/Formular.h"
#include "shell/Start.h"

std::function<void(Formular&)>& ModalHaken() {
  static std::function<void(Formular&)> haken;
  return haken;
}

namespace {
bool istGeladen(const Formular* f) { return GeladeneFormulare().contains(const_cast<Formular*>(f)); }

// Ends the wait when the window has been unloaded (it hides as it closes).
class Wache : public QObject {
 public:
  Wache(Formular* f, QEventLoop* schleife) : m_f(f), m_schleife(schleife) { f->installEventFilter(this); }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (o == m_f && e->type() == QEvent::Hide && !istGeladen(m_f)) m_schleife->quit();
    return false;
  }

 private:
  Formular* m_f;
  QEventLoop* m_schleife;
};

// The keys of a dialog that no field of the window takes: Return and Enter answer the
// button with the focus, else the window's default button; Escape closes the window, as
// its Cancel does.
class Dialogtasten : public QObject {
 public:
  explicit Dialogtasten(Formular* f) : QObject(f), m_f(f) { f->installEventFilter(this); }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (o != m_f || e->type() != QEvent::KeyPress) return false;
    const auto* k = static_cast<QKeyEvent*>(e);
    if (k->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) return false;
    if (k->key() == Qt::Key_Escape) {
      m_f->Schliessen();
      return true;
    }
    if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) return false;
    auto bereit = [](const QPushButton* b) { return b && b->isVisible() && b->isEnabled(); };
    QPushButton* knopf = qobject_cast<QPushButton*>(m_f->focusWidget());
    if (!bereit(knopf)) {
      knopf = nullptr;
      for (QPushButton* b : m_f->findChildren<QPushButton*>())
        if (b->isDefault() && bereit(b)) knopf = b;
    }
    if (knopf) knopf->click();
    return true;
  }

 private:
  Formular* m_f;
};
}  // namespace

void ZeigeModal(Formular& f) {
  QPointer<Formular> fenster(&f);
  QRect lage = f.geometry();
  if (Start* s = StartFensterFallsDa()) {
    f.setParent(s, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    // A dialog that was given no place of its own opens over the program.
    if (lage.topLeft() == QPoint(0, 0)) {
      lage.setSize(f.sizeHint().expandedTo(lage.size()).expandedTo(f.minimumSizeHint()));
      lage.moveCenter(s->frameGeometry().center());
    }
  } else {
    f.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  }
  f.setGeometry(lage);
  f.setWindowModality(Qt::ApplicationModal);
  // Once per window: a window shown again keeps the keys it was given.
  if (!f.property("Dialogtasten").toBool()) {
    new Dialogtasten(&f);
    f.setProperty("Dialogtasten", true);
  }
  f.show();
  f.raise();
  f.activateWindow();
  // The default button has the focus first, as in every dialog.
  for (QPushButton* b : f.findChildren<QPushButton*>())
    if (b->isDefault() && b->isVisible() && b->isEnabled()) b->setFocus(Qt::ActiveWindowFocusReason);
  if (ModalHaken()) ModalHaken()(f);
  if (fenster && istGeladen(fenster) && fenster->isVisible()) {
    const OffenerDialog offen;
    QEventLoop schleife;
    Wache wache(fenster, &schleife);
    QObject::connect(fenster, &QObject::destroyed, &schleife, &QEventLoop::quit);
    schleife.exec();
  }
  // A closed window goes at once, so that the next showing loads a fresh one.
  if (fenster && !istGeladen(fenster)) delete fenster;
}
