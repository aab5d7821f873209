#include "shell/Modal.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>

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
  f.show();
  f.raise();
  f.activateWindow();
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
