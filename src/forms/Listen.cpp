#include "forms/Listen.h"

#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QSignalBlocker>
#include <iterator>

#include "data/Aenderungen.h"

namespace {

// What a box was last filled with by FuelleComboBoxBeiBedarf.
struct Fuellung {
  QString Quelle;   // statement, values, fields
  QString Tabelle;  // its table, in lower case
  QString Stand;    // the mark of other connections' changes then
  int Eintraege = 0;
  bool Gelesen = false;
  QHash<QString, int> AuswahlJeWert;
};

QHash<const QComboBox*, Fuellung>& fuellungen() {
  static QHash<const QComboBox*, Fuellung> f;
  return f;
}

// The lists read for a box, by source: a box that shows the tees of one course and then of
// another (a card of another course) takes them from here, without a read.
struct Gelesen {
  QString Tabelle;  // in lower case
  QString Stand;
  Listeninhalt Inhalt;
};
QHash<const QComboBox*, QHash<QString, Gelesen>>& gelesen() {
  static QHash<const QComboBox*, QHash<QString, Gelesen>> g;
  return g;
}

void vergiss(const QComboBox* Liste) { fuellungen().remove(Liste); }

QString tabelleVon(Datensatzart art) {
  switch (art) {
    case Datensatzart::Golfplatz: return QStringLiteral("tab_golfplatz");
    case Datensatzart::Abschlag: return QStringLiteral("tab_slope");
    case Datensatzart::Turnier: return QStringLiteral("tab_turnier");
    case Datensatzart::Spielart: return QStringLiteral("tab_spielart");
    case Datensatzart::Golfer: return QStringLiteral("tab_golfer");
  }
  return QString();
}

// A fill holds until the notifier tells of a change to its table or the database file taken
// over; what other connections change shows in their mark.
void folgeDenAenderungen() {
  static bool verbunden = false;
  if (verbunden) return;
  verbunden = true;
  auto geaendert = [](Datensatzart art) {
    const QString t = tabelleVon(art);
    for (auto f = fuellungen().begin(); f != fuellungen().end();)
      f = f->Tabelle == t ? fuellungen().erase(f) : std::next(f);
    for (QHash<QString, Gelesen>& listen : gelesen())
      for (auto l = listen.begin(); l != listen.end();) l = l->Tabelle == t ? listen.erase(l) : std::next(l);
  };
  Aenderungsmelder& m = Aenderungen();
  QObject::connect(&m, &Aenderungsmelder::Angelegt, &m,
                   [geaendert](Datensatzart art, const QString&, const QString&) { geaendert(art); });
  QObject::connect(&m, &Aenderungsmelder::Umbenannt, &m,
                   [geaendert](Datensatzart art, const QString&, const QString&, const QString&) { geaendert(art); });
  QObject::connect(&m, &Aenderungsmelder::Geaendert, &m,
                   [geaendert](Datensatzart art, const QString&) { geaendert(art); });
  QObject::connect(&m, &Aenderungsmelder::Geloescht, &m,
                   [geaendert](Datensatzart art, const QString&) { geaendert(art); });
  QObject::connect(&m, &Aenderungsmelder::DateiGewechselt, &m, [] {
    fuellungen().clear();
    gelesen().clear();
  });
}

QString quelle(const ComboQuelle& q) {
  QStringList teile{q.SQL,
                    q.Tabelle,
                    q.Anzeigefeld,
                    q.Auswahlfeld,
                    QString::number(q.Sortierung),
                    q.Feld2,
                    QString::number(q.Breite1),
                    q.Feld3,
                    QString::number(q.Breite2),
                    q.Feld4,
                    QString::number(q.Breite3)};
  for (const QVariant& p : q.Parameter)
    teile << (p.isNull() ? QStringLiteral("<null>") : QLatin1Char('=') + p.toString());
  return teile.join(QChar(0x1f));
}

// Selects the entry as the fill does: from no entry, with the box's signals on.
void waehle(QComboBox* Liste, int Auswahl) {
  {
    const QSignalBlocker sperre(Liste);
    Liste->setCurrentIndex(-1);
    if (Liste->lineEdit()) Liste->lineEdit()->clear();
  }
  if (Auswahl >= 0) Liste->setCurrentIndex(Auswahl);
}

// Puts the entries into the box and selects the chosen one.
bool fuelle(QComboBox* Liste, const Listeninhalt& inhalt, QStringList* IdWerte, const ComboQuelle& q) {
  // Another fill: what FuelleComboBoxBeiBedarf knew of the box is gone.
  vergiss(Liste);
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

}  // namespace

bool FuelleComboBoxBeiBedarf(QComboBox* Liste, ComboQuelle& q) {
  if (!Liste) return false;
  folgeDenAenderungen();
  const QString wer = quelle(q);
  const QString stand = DBG().Fremdstand();
  const auto f = fuellungen().constFind(Liste);
  const bool mitAuswahl = q.Auswahlwert.isValid() && !q.Auswahlwert.isNull() && !q.Auswahlfeld.isEmpty();
  if (!stand.isEmpty() && f != fuellungen().constEnd() && f->Quelle == wer && f->Stand == stand &&
      f->Eintraege == Liste->count()) {
    waehle(Liste, f->Gelesen && mitAuswahl ? f->AuswahlJeWert.value(q.Auswahlwert.toString(), -1) : -1);
    return f->Gelesen;
  }
  Listeninhalt inhalt;
  const Gelesen vorher = gelesen().value(Liste).value(wer);
  if (!stand.isEmpty() && vorher.Stand == stand) {
    inhalt = vorher.Inhalt;
    inhalt.Auswahl = inhalt.Gelesen && mitAuswahl ? inhalt.AuswahlJeWert.value(q.Auswahlwert.toString(), -1) : -1;
  } else {
    inhalt = DBG().Listenzeilen(q);
    if (!inhalt.Abgefragt) return false;
    if (!stand.isEmpty()) gelesen()[Liste].insert(wer, {q.Tabelle.toLower(), stand, inhalt});
  }
  const bool gelesenOk = fuelle(Liste, inhalt, nullptr, q);
  if (stand.isEmpty()) return gelesenOk;
  Fuellung neu;
  neu.Quelle = wer;
  neu.Tabelle = q.Tabelle.toLower();
  neu.Stand = stand;
  neu.Eintraege = Liste->count();
  neu.Gelesen = inhalt.Gelesen;
  neu.AuswahlJeWert = inhalt.AuswahlJeWert;
  if (!Liste->property("pw_fuellung").toBool()) {
    Liste->setProperty("pw_fuellung", true);
    QObject::connect(Liste, &QObject::destroyed, [Liste] {
      vergiss(Liste);
      gelesen().remove(Liste);
    });
  }
  fuellungen().insert(Liste, neu);
  return gelesenOk;
}

bool FuelleComboBox(QComboBox* Liste, ComboQuelle& q, QStringList* IdWerte) {
  const Listeninhalt inhalt = DBG().Listenzeilen(q);
  if (!inhalt.Abgefragt || !Liste) return false;
  return fuelle(Liste, inhalt, IdWerte, q);
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

void FuelleUndZeigeWeiter(QComboBox* Liste, const std::function<void()>& fuellen, const QString& alterName,
                          const QString& neuerName) {
  QString text = Liste->currentText();
  if (!alterName.isEmpty() && text == alterName) text = neuerName;
  const QSignalBlocker sperre(Liste);
  // Read anew, whoever heard of the change first.
  vergiss(Liste);
  gelesen().remove(Liste);
  fuellen();
  if (Liste->currentText() == text && Liste->currentIndex() == Liste->findText(text, Qt::MatchExactly)) return;
  Liste->setCurrentIndex(Liste->findText(text, Qt::MatchExactly));
  Liste->setEditText(text);
  if (Liste->lineEdit()) Liste->lineEdit()->setCursorPosition(0);
}

bool HaeltSchluessel(const QComboBox* Liste, const ComboQuelle& q, const QString& wert) {
  const auto f = fuellungen().constFind(Liste);
  return f != fuellungen().constEnd() && f->Quelle == quelle(q) && f->Eintraege == Liste->count() &&
         f->AuswahlJeWert.contains(wert) && !f->Stand.isEmpty() && f->Stand == DBG().Fremdstand();
}
