// The tournament editor and its records: the fields loaded from and copied back into a
// value, and the tournament commands over it.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Dateiwechsel.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "forms/Eingabefehler.h"
#include "forms/Golfplaetze.h"
#include "forms/Listen.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Global.h"
#include "platform/widgets/Tastatur.h"

namespace {

constexpr int MELDUNG_TURNIER_NICHT_GEFUNDEN = 50;

// Looks the text of `liste` up among its items (case-blind) and puts the key of the row
// with that item's name into `schluessel` (empty for an empty text). The text the list
// showed as loaded leaves the stored key: it may name no row of the table. False for a
// text not in the list, which leaves `schluessel` as it is.
bool SchluesselDerListe(const QComboBox* liste, const QString& tabelle, const QString& namensfeld,
                        const QString& schluesselfeld, const QString& wieGeladen, QString& schluessel) {
  const QString text = liste->currentText();
  if (text == wieGeladen) return true;
  if (IstLeer(text)) {
    schluessel.clear();
    return true;
  }
  const int i = SucheListeneintrag(liste, text);
  if (i < 0) return false;
  // The item's own text: the list may differ from what was typed in letter case.
  schluessel = DBG().gib_tab_eintrag(tabelle, namensfeld, liste->itemText(i), schluesselfeld);
  return true;
}

// SchluesselDerListe; a text not in the list shows `meldung` and puts back what the list
// held before the typing. As the program ends, such a text is noted under the field
// `feld` instead.
void LiesListe(QComboBox* liste, const QString& tabelle, const QString& namensfeld, const QString& schluesselfeld,
               int meldung, int feld, const QString& wieGeladen, QString& schluessel) {
  if (SchluesselDerListe(liste, tabelle, namensfeld, schluesselfeld, wieGeladen, schluessel)) return;
  if (Schlussart() != Programmschluss::Keiner) {
    MerkeEintragsfehler(SCHLUSS_NICHT_IN_LISTE, feld, liste->currentText());
    return;
  }
  MsgAntwort = SPU().Zantro_Msg(meldung, STIL_INFO);
  GibTextVorDemTippenZurueck(liste);
}

// The last store of the tournament failed or was refused: the editor stays.
bool turnierNichtGespeichert = false;

QVariant Auswahl(const QString& schluessel) { return schluessel.isEmpty() ? QVariant() : QVariant(schluessel); }

}  // namespace

// ---------------------------------------------------------------------------------------
// The editor's fields

void Turnier::ZeigeTurnier(const Turnierdaten& t) {
  Turniernummer->setText(t.Turniernummer);
  Turniername->setText(t.Turniername);
  Datum->setText(Turnierdatum(t));
  TurnierHandicap->setText(t.TurnierHandicap);
  TurnierBemerkung->setPlainText(t.TurnierBemerkung);
  if (!t.SonstigeLochOption.isEmpty()) {
    OptionLoch18[5]->setChecked(true);
    LochzahlSonstige->setEnabled(true);
    LochzahlSonstige->setText(t.SonstigeLochOption);
  }
  // 5 ticks nothing here: "Sonstige" comes from the other number of holes above.
  const int option = t.LochOption.value_or(0);
  if (option > 0 && option < 5) OptionLoch18[option]->setChecked(true);
  FuelleListe(GolfplatzNo, QStringLiteral("tab_Golfplatz"), QStringLiteral("Golfplatzname"),
              QStringLiteral("Golfplatzidn"), Auswahl(t.GolfplatzNo));
  FuelleListe(SpielartNo, QStringLiteral("SpielartGolf"), QStringLiteral("Spielartname"),
              QStringLiteral("Spielartenidn"), Auswahl(t.SpielartNo));
  MerkeWieGeladen();
  m_platzOhneEintrag = !t.GolfplatzNo.isEmpty() && GolfplatzNo->currentIndex() < 0;
}

void Turnier::MerkeWieGeladen() {
  // A stored course that none of the list shows stays so while its box shows what it did.
  m_platzOhneEintrag = m_platzOhneEintrag && GolfplatzNo->currentText() == m_platzWieGeladen;
  DatumWieGeladen = Datum->text();
  m_platzWieGeladen = GolfplatzNo->currentText();
  m_spielartWieGeladen = SpielartNo->currentText();
}

void Turnier::LiesTurnier(Turnierdaten& t) {
  LiesListe(GolfplatzNo, QStringLiteral("Tab_Golfplatz"), QStringLiteral("Golfplatzname"),
            QStringLiteral("Golfplatzidn"), MELDUNG_NICHT_IN_LISTE, FELD_TURNIERPLATZ, m_platzWieGeladen,
            t.GolfplatzNo);
  LiesListe(SpielartNo, QStringLiteral("SpielartGolf"), QStringLiteral("Spielartname"), QStringLiteral("Spielartenidn"),
            MELDUNG_TURNIERSPIELART_NICHT_IN_LISTE, FELD_TURNIERSPIELART, m_spielartWieGeladen, t.SpielartNo);
  LiesTextfelder(t);
  t.DatumBleibt = Datum->text() == DatumWieGeladen;
  if (t.DatumBleibt) return;
  t.Datum = GibDatumswert(Datum->text());
  t.UnlesbaresDatum.clear();
}

void Turnier::LiesTextfelder(Turnierdaten& t) const {
  for (int i = 1; i <= 5; ++i)
    if (OptionLoch18[i]->isChecked()) t.LochOption = i;
  t.Turniername = Turniername->text();
  t.TurnierHandicap = TurnierHandicap->text();
  t.TurnierBemerkung = TurnierBemerkung->toPlainText();
  t.SonstigeLochOption = LochzahlSonstige->text();
}

Turnierdaten Turnier::GezeigtesTurnier() const {
  std::optional<Turnierdaten> gespeichert;
  if (!IstLeer(Turniernummer->text())) gespeichert = DBG().ReadTurnierdaten(Turniernummer->text());
  Turnierdaten t = gespeichert.value_or(Turnierdaten{});
  SchluesselDerListe(GolfplatzNo, QStringLiteral("Tab_Golfplatz"), QStringLiteral("Golfplatzname"),
                     QStringLiteral("Golfplatzidn"), m_platzWieGeladen, t.GolfplatzNo);
  SchluesselDerListe(SpielartNo, QStringLiteral("SpielartGolf"), QStringLiteral("Spielartname"),
                     QStringLiteral("Spielartenidn"), m_spielartWieGeladen, t.SpielartNo);
  LiesTextfelder(t);
  const QDate datum = GibDatumswert(Datum->text());
  if (Datum->text() != DatumWieGeladen && (datum.isValid() || IstLeer(Datum->text()))) {
    t.Datum = datum;
    t.UnlesbaresDatum.clear();
  }
  return t;
}

// ---------------------------------------------------------------------------------------
// Tournaments

bool NeuTurnier(const QString& Name) {
  Turnier& f = TurnierForm();
  // A tournament that could not be stored stays on screen to be corrected.
  if (!WriteTurnier(f.Turniernummer->text()) && TurnierNichtGespeichert()) return false;
  LoescheTurnierFelder();
  const QString nummer = DBG().LegeTurnierAn(Name);
  if (nummer.isEmpty()) return false;
  GotoTurnier(nummer);
  return true;
}

bool ReadTurnierdaten(const QString& Turniernummer) {
  Turnier& f = TurnierForm();
  LoescheTurnierFelder();
  const std::optional<Turnierdaten> t = DBG().ReadTurnierdaten(Turniernummer);
  if (!t) {
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_TURNIER_NICHT_GEFUNDEN, STIL_KRITISCH);
    return false;
  }
  f.ZeigeTurnier(*t);
  return true;
}

QString GotoTurnier(const QString& Turniernummer) {
  QString nummer = Turniernummer;
  QStringList ids;
  // The latest date last.
  if (!DBG().TurnierschluesselNachDatum(ids)) return nummer;
  if (ids.isEmpty()) {
    TurnierForm().Zeige();
    NeuTurnier(QString());
    nummer = TurnierForm().Turniernummer->text();
  } else {
    if (nummer == QLatin1String("LAST")) nummer = ids.last();
    ReadTurnierdaten(nummer);
    TurnierForm().Zeige();
  }
  // The course editor saves its course on closing; it refuses while its name is empty.
  if (FormExistiert<Golfplaetze>()) GolfplaetzeForm().Schliessen();
  return nummer;
}

namespace {
constexpr int MELDUNG_DATUM_BEIM_SCHLIESSEN = 4810;

// `schliessen`: the editor closes, which a date it cannot take does not stop.
bool schreibeTurnier(const QString& Turniernummer, bool schliessen) {
  turnierNichtGespeichert = false;
  std::optional<Turnierdaten> t = DBG().ReadTurnierdaten(Turniernummer);
  if (!t) return false;
  Turnier& f = TurnierForm();
  const QPointer<Turnier> fenster(&f);
  // As the program ends, a date that cannot be stored is noted, and the stored one stays
  // while the rest is stored.
  const bool endet = Schlussart() != Programmschluss::Keiner;
  // A date that is no date is refused; the stored date is never replaced by none. The
  // date as loaded is not judged.
  const QString datum = f.Datum->text();
  const bool datumFalsch =
      datum != f.DatumWieGeladen && !IstLeer(datum) && PruefeDatum(datum).Tag == QLatin1String("0");
  if (datumFalsch && endet) {
    MerkeEintragsfehler(SCHLUSS_KEIN_DATUM, FELD_TURNIERDATUM, datum);
  } else if (datumFalsch && !schliessen) {
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_DATUM_UNGUELTIG, STIL_INFO);
    turnierNichtGespeichert = true;
    // The editor may have closed under the box, as the program ended.
    if (!fenster) return false;
    f.Datum->setFocus(Qt::OtherFocusReason);
    f.Datum->selectAll();
    return false;
  }
  f.LiesTurnier(*t);
  if (datumFalsch) t->DatumBleibt = true;
  if (!AlsEineAktion([&] { return DBG().WriteTurnier(*t); })) {
    turnierNichtGespeichert = true;
    return false;
  }
  if (!fenster) return true;
  // What is stored now is what the fields show; a date refused is not.
  const QString datumGespeichert = f.DatumWieGeladen;
  f.MerkeWieGeladen();
  if (!datumFalsch) return true;
  f.DatumWieGeladen = datumGespeichert;
  if (!endet)
    MsgAntwort = DLG().Meldung(SPU()
                                   .Meldungstext(MELDUNG_DATUM_BEIM_SCHLIESSEN)
                                   .arg(SPU().GibTranslation(FELD_TURNIERDATUM), ZitierterEintrag(datum)),
                               STIL_INFO, PRODUKTTITEL);
  return true;
}

bool schreibe(const QString& Turniernummer, bool schliessen) {
  // A file renamed over the database is taken over as the card's is: one question.
  return SpeichereDatensatzInDieDatei([&] { return schreibeTurnier(Turniernummer, schliessen); },
                                      turnierNichtGespeichert, [&] { ReadTurnierdaten(Turniernummer); });
}
}  // namespace

bool WriteTurnier(const QString& Turniernummer) { return schreibe(Turniernummer, false); }
bool WriteTurnierBeimSchliessen(const QString& Turniernummer) { return schreibe(Turniernummer, true); }

bool TurnierNichtGespeichert() { return turnierNichtGespeichert; }

void ScrollTurnier(int Richtung) {
  const QString aktuell = TurnierForm().Turniernummer->text();
  if (!WriteTurnier(aktuell) && TurnierNichtGespeichert()) return;
  QStringList ids;
  // The numbers are texts and scroll in text order (10 before 2).
  if (!DBG().Turnierschluessel(ids)) return;
  if (ids.isEmpty()) {
    SPU().Zantro_Msg(MELDUNG_KEIN_DATENSATZ, STIL_INFO);
    return;
  }
  const QString ziel = NaechsterSchluessel(ids, aktuell, Richtung);
  if (!ziel.isEmpty()) GotoTurnier(ziel);
}
