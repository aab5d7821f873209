#include "forms/Listen.h"

#include <QComboBox>
#include <QSignalBlocker>

bool FuelleComboBox(QComboBox* Liste, ComboQuelle& q, QStringList* IdWerte) {
  const Listeninhalt inhalt = DBG().Listenzeilen(q);
  if (!inhalt.Abgefragt || !Liste) return false;
  const QSignalBlocker sperre(Liste);
  Liste->clear();
  for (const Listeneintrag& e : inhalt.Eintraege) Liste->addItem(e.Text);
  if (!inhalt.Gelesen) return false;
  Liste->setCurrentIndex(-1);
  if (!q.IdFeld.isEmpty() && IdWerte) {
    QStringList ids;
    for (int i = 0; i <= inhalt.Zeilen + 1; ++i) ids << QString();
    int zaehler = 1;
    for (const Listeneintrag& e : inhalt.Eintraege)
      if (!e.Id.isNull()) ids[zaehler++] = e.Id.toString();
    *IdWerte = ids;
  }
  if (inhalt.Auswahl >= 0) {
    // Selecting raises the list's change signal, as a click would.
    Liste->blockSignals(false);
    Liste->setCurrentIndex(inhalt.Auswahl);
  }
  return true;
}

bool FuelleListe(QComboBox* Liste, const QString& Tabelle, const QString& Anzeigefeld, const QString& Auswahlfeld,
                 const QVariant& Auswahlwert) {
  ComboQuelle k;
  k.Tabelle = Tabelle;
  k.Anzeigefeld = Anzeigefeld;
  k.Sortierung = 1;
  k.Auswahlfeld = Auswahlfeld;
  k.Auswahlwert = Auswahlwert;
  return FuelleComboBox(Liste, k);
}

