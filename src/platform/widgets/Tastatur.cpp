#include "platform/widgets/Tastatur.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <optional>

QString ComboEingabe;

int Tastencode(int taste) {
  switch (taste) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    default: break;
  }
  if (taste >= 0x20 && taste < 0x01000000) return taste;
  return 0;  // modifiers and other special keys
}

void VervollstaendigeComboBox(QComboBox* Liste) {
  if (!Liste) return;
  const QString t = Liste->currentText();
  // Typing inside the text edits it where the caret stands; only typing at its end completes.
  if (QLineEdit* feld = Liste->lineEdit(); feld && feld->cursorPosition() != t.size()) return;
  if (t.size() == 1) ComboEingabe = t;
  Liste->setUpdatesEnabled(false);
  int treffer = -1;
  for (int i = 0; i < Liste->count(); ++i) {
    const QString l = Liste->itemText(i);
    if (l.startsWith(t, Qt::CaseInsensitive)) {
      treffer = i;
      break;
    }
    if (t.contains(ComboEingabe, Qt::CaseInsensitive)) {
      ComboEingabe = ComboEingabe + t.mid(ComboEingabe.size());
      Liste->setEditText(ComboEingabe);
      if (Liste->lineEdit()) Liste->lineEdit()->setCursorPosition(ComboEingabe.size());
    } else {
      ComboEingabe = t;
    }
  }
  if (treffer >= 0) {
    Liste->setCurrentIndex(treffer);
    const QString voll = Liste->itemText(treffer);
    Liste->setEditText(voll);
    if (Liste->lineEdit()) Liste->lineEdit()->setSelection(voll.size(), t.size() - voll.size());
    ComboEingabe = ComboEingabe + t.mid(ComboEingabe.size());
  }
  Liste->setUpdatesEnabled(true);
}

namespace {
// The codes 45 to 127, and every letter or digit beyond them (umlauts and the like, whose
// key codes are their capital letters).
bool IstTippTaste(int KeyCode) {
  if (KeyCode >= 45 && KeyCode <= 127) return true;
  return KeyCode > 127 && KeyCode <= 0x10FFFF && QChar::isLetterOrNumber(char32_t(KeyCode));
}

bool IstKurzbefehl(const QKeyEvent* k) {
  return k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

// A key that types a character into the field (not a shortcut, not Delete).
bool TipptZeichen(const QKeyEvent* k) { return !IstKurzbefehl(k) && !k->text().isEmpty() && k->text().at(0).isPrint(); }

// Sits on the edit field of one combo box and completes it when a key comes up there.
class Tippfilter : public QObject {
 public:
  explicit Tippfilter(QComboBox* liste) : QObject(liste), m_liste(liste) {}

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override {
    switch (ev->type()) {
      case QEvent::KeyPress: m_tasten.Gedrueckt(static_cast<QKeyEvent*>(ev)); break;
      case QEvent::KeyRelease: {
        auto* k = static_cast<QKeyEvent*>(ev);
        // Only a typed character completes: Delete and the moving keys edit the text as
        // they do in any field.
        const int code = m_tasten.Losgelassen(k);
        if (!k->isAutoRepeat()) ComboTastatur(m_liste, TipptZeichen(k) ? code : 0);
        break;
      }
      default: break;
    }
    return QObject::eventFilter(obj, ev);
  }

 private:
  QComboBox* m_liste;
  Tastenmerker m_tasten;
};

// Sits on the open list of a combo box: the keys of the edit field go there.
class Listenfilter : public QObject {
 public:
  explicit Listenfilter(QComboBox* liste) : QObject(liste), m_liste(liste) {}

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override {
    // Only typing is looked at: the other events also come while the box is torn down,
    // when it is no combo box any more.
    const QEvent::Type art = ev->type();
    if (art != QEvent::KeyPress && art != QEvent::KeyRelease && art != QEvent::InputMethod)
      return QObject::eventFilter(obj, ev);
    QLineEdit* feld = m_liste->lineEdit();
    if (!feld) return QObject::eventFilter(obj, ev);
    if (ev->type() == QEvent::KeyPress || ev->type() == QEvent::KeyRelease) {
      auto* k = static_cast<QKeyEvent*>(ev);
      if (GehoertInsFeld(k)) {
        QKeyEvent kopie(k->type(), k->key(), k->modifiers(), k->text(), k->isAutoRepeat(), ushort(k->count()));
        QCoreApplication::sendEvent(feld, &kopie);
        ZeigeAuswahl();
        return true;
      }
    }
    // What an input method composes (a dead key and its letter, a compose sequence, a
    // character picked from its list) is typing too; the list would only search with it.
    if (ev->type() == QEvent::InputMethod) {
      const auto* e = static_cast<QInputMethodEvent*>(ev);
      QInputMethodEvent kopie(e->preeditString(), e->attributes());
      kopie.setCommitString(e->commitString(), e->replacementStart(), e->replacementLength());
      QCoreApplication::sendEvent(feld, &kopie);
      ZeigeAuswahl();
      return true;
    }
    return QObject::eventFilter(obj, ev);
  }

 private:
  // The open list shows the item the completion chose, so that Enter takes it.
  void ZeigeAuswahl() {
    if (QAbstractItemView* v = m_liste->view(); v && m_liste->currentIndex() >= 0)
      v->setCurrentIndex(
          m_liste->model()->index(m_liste->currentIndex(), m_liste->modelColumn(), m_liste->rootModelIndex()));
  }

  QComboBox* m_liste;
};
}  // namespace

bool GehoertInsFeld(const QKeyEvent* k) {
  const Qt::KeyboardModifiers m = k->modifiers();
  if (m & (Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (k->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right: return true;
    default: break;
  }
  if (m & Qt::ControlModifier) {
    for (QKeySequence::StandardKey s : {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut,
                                        QKeySequence::Paste, QKeySequence::Undo, QKeySequence::Redo})
      if (k->matches(s)) return true;
    return false;
  }
  return TipptZeichen(k);
}

void Tastenmerker::Gedrueckt(const QKeyEvent* k) {
  if (k->isAutoRepeat()) return;
  m_kurzbefehle.removeAll(k->key());
  if (IstKurzbefehl(k)) m_kurzbefehle.append(k->key());
}

int Tastenmerker::Losgelassen(const QKeyEvent* k) {
  if (m_kurzbefehle.contains(k->key())) {
    if (!k->isAutoRepeat()) m_kurzbefehle.removeAll(k->key());
    return 0;
  }
  return IstKurzbefehl(k) ? 0 : Tastencode(k->key());
}

void TippenInsFeld(QComboBox* Liste) {
  if (Liste && Liste->view()) Liste->view()->installEventFilter(new Listenfilter(Liste));
}

void ComboTastatur(QComboBox* Liste, int KeyCode) {
  if (Liste && Liste->isEditable() && IstTippTaste(KeyCode)) VervollstaendigeComboBox(Liste);
}

void MitVervollstaendigung(QComboBox* Liste) {
  if (!Liste) return;
  Liste->setEditable(true);
  Liste->setInsertPolicy(QComboBox::NoInsert);
  Liste->setCompleter(nullptr);
  // With the focus on the box, its keys reach the edit field past that field's filters;
  // typed straight into the edit field, they never pass the box. One filter serves both.
  auto* filter = new Tippfilter(Liste);
  Liste->installEventFilter(filter);
  Liste->lineEdit()->installEventFilter(filter);
  TippenInsFeld(Liste);
}
