#include "platform/widgets/Eintragsbinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTableWidget>

void Eintragsbinder::Binde(QLineEdit* feld, Eintrag* eintrag) {
  if (!feld || !eintrag) return;
  m_boxen.insert(feld, eintrag);
  feld->installEventFilter(this);
  connect(feld, &QLineEdit::textEdited, this, [this, feld](const QString& text) {
    if (Eintrag* e = m_boxen.value(feld)) e->Tippe(text);
  });
  connect(feld, &QObject::destroyed, this, [this, feld] { m_boxen.remove(feld); });
}

void Eintragsbinder::Binde(QComboBox* liste, Eintrag* eintrag) {
  if (!liste || !eintrag) return;
  m_boxen.insert(liste, eintrag);
  liste->installEventFilter(this);
  if (QLineEdit* feld = liste->lineEdit()) {
    feld->installEventFilter(this);
    connect(feld, &QLineEdit::textEdited, this, [this, liste](const QString&) {
      if (Eintrag* e = m_boxen.value(liste)) e->Tippe(liste->currentText());
    });
  }
  // A pick from the list is the user's as much as typing.
  connect(liste, &QComboBox::activated, this, [this, liste](int) {
    if (Eintrag* e = m_boxen.value(liste)) e->Tippe(liste->currentText());
  });
  connect(liste, &QObject::destroyed, this, [this, liste] { m_boxen.remove(liste); });
}

void Eintragsbinder::Binde(QCheckBox* kaestchen, Eintrag* eintrag) {
  if (!kaestchen || !eintrag) return;
  m_boxen.insert(kaestchen, eintrag);
  kaestchen->installEventFilter(this);
  connect(kaestchen, &QCheckBox::clicked, this, [this, kaestchen](bool) {
    if (Eintrag* e = m_boxen.value(kaestchen)) e->Tippe(TextVon(kaestchen));
  });
  connect(kaestchen, &QObject::destroyed, this, [this, kaestchen] { m_boxen.remove(kaestchen); });
}

void Eintragsbinder::BindeZelle(QTableWidget* raster, int zeile, int spalte, Eintrag* eintrag) {
  if (!raster || !eintrag) return;
  if (!m_zellen.contains(raster))
    connect(raster, &QObject::destroyed, this, [this, raster] { m_zellen.remove(raster); });
  m_zellen[raster].insert(Zellschluessel(zeile, spalte), eintrag);
}

void Eintragsbinder::ZelleBeginnt(QTableWidget* raster, int zeile, int spalte) {
  Eintrag* e = EintragVon(raster, zeile, spalte);
  if (!e) return;
  // A cell is judged as its editor leaves it: what it shows as it is entered again was
  // taken, and is what it held before the new typing.
  if (!e->IstAbgelehnt()) e->Angenommen();
  e->BeginneEingabe();
}

void Eintragsbinder::ZelleGetippt(QTableWidget* raster, int zeile, int spalte, const QString& text) {
  if (Eintrag* e = EintragVon(raster, zeile, spalte)) e->Tippe(text);
}

void Eintragsbinder::LoeseZellen(QTableWidget* raster) { m_zellen.remove(raster); }

Eintrag* Eintragsbinder::EintragVon(const QWidget* box) const { return m_boxen.value(box); }

Eintrag* Eintragsbinder::EintragVon(const QTableWidget* raster, int zeile, int spalte) const {
  const auto it = m_zellen.constFind(raster);
  return it == m_zellen.constEnd() ? nullptr : it->value(Zellschluessel(zeile, spalte));
}

void Eintragsbinder::Lade(QWidget* box, const QVariant& gespeichert, const QString& text) {
  if (Eintrag* e = EintragVon(box)) e->Lade(gespeichert, text);
  SetzeText(box, text);
}

void Eintragsbinder::Zeige(QWidget* box, const QString& text) {
  if (Eintrag* e = EintragVon(box)) e->Zeige(text);
  SetzeText(box, text);
}

Eintrag* Eintragsbinder::Nimm(QWidget* box) {
  Eintrag* e = EintragVon(box);
  if (e && TextVon(box) != e->Text()) e->Tippe(TextVon(box));
  return e;
}

Eintrag* Eintragsbinder::NimmZelle(const QTableWidget* raster, int zeile, int spalte) {
  Eintrag* e = EintragVon(raster, zeile, spalte);
  if (!e) return nullptr;
  const QTableWidgetItem* item = raster->item(zeile, spalte);
  const QString text = item ? item->text() : QString();
  if (text != e->Text()) e->Tippe(text);
  return e;
}

void Eintragsbinder::Annehmen(QWidget* box) {
  if (Eintrag* e = Nimm(box)) e->Angenommen();
}

void Eintragsbinder::Ablehnen(QWidget* box) {
  if (Eintrag* e = EintragVon(box)) SetzeText(box, e->Abgelehnt());
}

void Eintragsbinder::AblehnenZelle(QTableWidget* raster, int zeile, int spalte) {
  Eintrag* e = EintragVon(raster, zeile, spalte);
  if (!e || !raster) return;
  const QString text = e->Abgelehnt();
  if (QTableWidgetItem* item = raster->item(zeile, spalte))
    item->setText(text);
  else
    raster->setItem(zeile, spalte, new QTableWidgetItem(text));
}

bool Eintragsbinder::eventFilter(QObject* obj, QEvent* ev) {
  // The focus back from a list dropped down, a completion or another window is no new
  // typing: what the entry held before stays.
  const auto keinNeuesTippen = [](QEvent* e) {
    const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
    return grund == Qt::PopupFocusReason || grund == Qt::ActiveWindowFocusReason;
  };
  if (ev->type() == QEvent::FocusIn && !keinNeuesTippen(ev))
    if (QWidget* box = BoxVon(obj))
      if (Eintrag* e = m_boxen.value(box)) {
        // The entry holds what the box shows: a text put there past the binder counts as
        // shown by the program, or, once typed into, as typed (a list's completion).
        if (TextVon(box) != e->Text()) {
          if (e->IstGetippt())
            e->Tippe(TextVon(box));
          else
            e->Zeige(TextVon(box));
        }
        e->BeginneEingabe();
      }
  return QObject::eventFilter(obj, ev);
}

QWidget* Eintragsbinder::BoxVon(QObject* obj) const {
  auto* w = qobject_cast<QWidget*>(obj);
  if (!w) return nullptr;
  if (m_boxen.contains(w)) return w;
  // The edit field of a list box stands for the box.
  if (auto* liste = qobject_cast<QComboBox*>(w->parentWidget()); liste && m_boxen.contains(liste)) return liste;
  return nullptr;
}

QString Eintragsbinder::TextVon(const QWidget* box) {
  if (const auto* feld = qobject_cast<const QLineEdit*>(box)) return feld->text();
  if (const auto* liste = qobject_cast<const QComboBox*>(box)) return liste->currentText();
  if (const auto* kaestchen = qobject_cast<const QCheckBox*>(box))
    return kaestchen->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
  return QString();
}

void Eintragsbinder::SetzeText(QWidget* box, const QString& text) {
  if (auto* feld = qobject_cast<QLineEdit*>(box)) {
    feld->setText(text);
  } else if (auto* liste = qobject_cast<QComboBox*>(box)) {
    const int i = text.isEmpty() ? -1 : liste->findText(text, Qt::MatchFixedString);
    liste->setCurrentIndex(i);
    if (liste->isEditable()) liste->setEditText(text);
  } else if (auto* kaestchen = qobject_cast<QCheckBox*>(box)) {
    kaestchen->setChecked(text == QLatin1String("1"));
  }
}
