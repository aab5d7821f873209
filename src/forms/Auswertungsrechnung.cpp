#include "forms/Auswertungsrechnung.h"

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "forms/AuswertungAllgemein.h"
#include "forms/AuswertungGolfplatz.h"
#include "forms/Steuerelemente.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Hauptfenster.h"
#include "platform/widgets/Fortschritt.h"
#include "records/Rekorde.h"
#include "statistics/Analyseabfrage.h"
#include "statistics/Lochstatistik.h"
#include "statistics/Rundendaten.h"

namespace {

void fortschritt(Fortschrittsanzeige& anzeige, int schritt, int anzahl, int text) {
  anzeige.Zeige(schritt, anzahl, SPU().GibTranslation(text));
}

// Header and selection of a window from the analysis: the golfer as stored and the choice
// of the analysis page, or the header copied from `von` when the same rounds come from
// another statistics window.
void schreibeKopf(Auswertungsfenster& f, const Auswertungsauswahl& auswahl, const QString& Golferidn,
                  const Auswertungsfenster* von, const Analysewahl& wahl) {
  f.Golferidn = Golferidn;
  if (von) {
    f.SetzeNamen(von->Kopf().Golfername, von->Kopf().Platzname);
    f.SetzeVorgabewirksam(von->Kopf().Vorgabewirksam);
  } else {
    f.SetzeNamen(GolfernameDerAuswertung(Golferidn), wahl.Platzname);
    f.SetzeVorgabewirksam(wahl.Vorgabewirksam);
  }
  f.SetzeAuswahl(auswahl);
}

Statistikeinstellungen einstellungen() {
  return LiesStatistikeinstellungen(FairwaytrefferPar3, DrivingDistancePar3, MinMon, MinJahr);
}

// Reads the rounds; false (after the error box) when the database refused.
bool liesRunden(const QString& SQL, QVector<Rundendaten>& runden) {
  QString fehler;
  runden = LiesRunden(DBG().Db(), SQL, &fehler);
  if (fehler.isEmpty()) return true;
  Fehlerbox(fehler);
  return false;
}

// Compares the table with the stored records of its scope.
void vergleiche(Statistiktabelle& t, const QString& GolfplatzIdn, const QString& MonatOderJahr,
                const QString& Golferidn, Fortschrittsanzeige& anzeige) {
  if (MonatOderJahr == QLatin1String("DontSave")) return;
  fortschritt(anzeige, 1, 2, 124);
  QSqlError fehler;
  const QVector<Rekordzeile> gespeichert =
      LiesRekorde(DBG().Db(), Rekordschluessel(MonatOderJahr, GolfplatzIdn, Golferidn), &fehler);
  if (fehler.isValid()) {
    MeldeDatenbankfehler(fehler);
    return;
  }
  MarkiereRekorde(t, gespeichert, MonatOderJahr, einstellungen());
  fortschritt(anzeige, 2, 2, 124);
}

// A computation runs once at a time.
bool& laeuft() {
  static bool l = false;
  return l;
}

}  // namespace

QString GolfernameDerAuswertung(const QString& Golferidn) {
  if (Golferidn.isEmpty() || Golferidn == AktiverGolfer.Golferidn) return AktiverGolfer.Golfername;
  return DBG().gib_tab_eintrag(QStringLiteral("tab_golfer"), QStringLiteral("Golferidn"), Golferidn,
                               QStringLiteral("Golfername"));
}

void ReadHighscoresAllgemein(int Modus) {
  if (FormExistiert<AuswertungAllgemein>()) AuswertungAllgemeinForm().ZeigeRekorde(Modus == 1);
}

void ReadHighscoresGP(int Modus) {
  if (FormExistiert<AuswertungGolfplatz>()) AuswertungGolfplatzForm().ZeigeRekorde(Modus == 1);
}

void SchalteAufZahlenAllgemein(int Modus) {
  if (FormExistiert<AuswertungAllgemein>()) AuswertungAllgemeinForm().ZeigeZahlen(Modus == 1);
}

void SchalteAufZahlenGolfplatz(int Modus) {
  if (FormExistiert<AuswertungGolfplatz>()) AuswertungGolfplatzForm().ZeigeZahlen(Modus == 1);
}

namespace {

// The two views of one window.
struct Ansichten {
  void (*rekorde)(int);
  void (*zahlen)(int);
};

Ansichten ansichtenVon(const Auswertungsfenster* f) {
  if (FormExistiert<AuswertungAllgemein>() && f == &AuswertungAllgemeinForm())
    return {ReadHighscoresAllgemein, SchalteAufZahlenAllgemein};
  return {ReadHighscoresGP, SchalteAufZahlenGolfplatz};
}

// The window back from whichever view it shows.
template <class F>
void zurueckZuWerten() {
  if (!FormExistiert<F>()) return;
  Auswertungsfenster& f = FormInstanz<F>();
  const Ansichten a = ansichtenVon(&f);
  if (f.AktuelleAnsicht() == Auswertungsfenster::Ansicht::Rekorde) a.rekorde(2);
  if (f.AktuelleAnsicht() == Auswertungsfenster::Ansicht::Zahlen) a.zahlen(2);
}

}  // namespace

void AnsichtenAus() {
  if (HF_LeseButton(13) == 1) HF_SchalteButton(13);
  if (HF_LeseButton(14) == 1) HF_SchalteButton(14);
  zurueckZuWerten<AuswertungGolfplatz>();
  zurueckZuWerten<AuswertungAllgemein>();
}

void CalcGP(const QString& SQL, const QString& GolfplatzIdn, const QString& MonatOderJahr, const QString& Wann,
            const QString& Startdatum, const QString& Enddatum, const QString& Golferidn, const Analysewahl& wahl) {
  if (laeuft()) return;
  laeuft() = true;
  const QString golfer = Golferidn.isEmpty() ? AktiverGolfer.Golferidn : Golferidn;
  MitFehlerfalleFenster([&] {
    AnsichtenAus();
    AuswertungGolfplatz& f = AuswertungGolfplatzForm();
    f.Zeige();
    schreibeKopf(f, {SQL, GolfplatzIdn, MonatOderJahr, Wann, Startdatum, Enddatum}, golfer, nullptr, wahl);
    Fortschrittsanzeige anzeige;
    fortschritt(anzeige, 1, 3, 117);
    const std::optional<Platzdaten> platz = LiesPlatzdaten(DBG().Db(), GolfplatzIdn);
    QVector<Rundendaten> runden;
    if (!liesRunden(SQL, runden)) return;
    f.SetzeRundenzahl(int(runden.size()));
    if (runden.isEmpty()) MsgAntwort = SPU().Zantro_Msg(MELDUNG_KEINE_RUNDE, STIL_INFO);
    fortschritt(anzeige, 2, 3, 123);
    Statistiktabelle t = BerechneLochstatistik(runden, platz, einstellungen());
    vergleiche(t, GolfplatzIdn, MonatOderJahr, golfer, anzeige);
    f.ZeigeTabelle(t);
  });
  laeuft() = false;
}

namespace {

void rechneRunden(const QString& SQL, const QString& GolfplatzIdn, const QString& MonatOderJahr, const QString& Wann,
                  const QString& Startdatum, const QString& Enddatum, const QString& Golferidn,
                  const Auswertungsfenster* von, const Analysewahl& wahl) {
  if (laeuft()) return;
  laeuft() = true;
  const QString golfer = Golferidn.isEmpty() ? AktiverGolfer.Golferidn : Golferidn;
  MitFehlerfalleFenster([&] {
    AnsichtenAus();
    Fortschrittsanzeige anzeige;
    fortschritt(anzeige, 1, 3, 117);
    QVector<Rundendaten> runden;
    if (!liesRunden(SQL, runden)) return;
    AuswertungAllgemein& f = AuswertungAllgemeinForm();
    f.SetzeRundenzahl(int(runden.size()));
    schreibeKopf(f, {SQL, GolfplatzIdn, MonatOderJahr, Wann, Startdatum, Enddatum}, golfer, von, wahl);
    if (runden.isEmpty()) {
      MsgAntwort = SPU().Zantro_Msg(MELDUNG_KEINE_RUNDE, STIL_INFO);
      return;
    }
    f.Zeige();
    fortschritt(anzeige, 2, 3, 123);
    Statistiktabelle t = BerechneParstatistik(runden, einstellungen());
    vergleiche(t, GolfplatzIdn, MonatOderJahr, golfer, anzeige);
    f.ZeigeTabelle(t);
  });
  laeuft() = false;
}

}  // namespace

void CalcRunden(const QString& SQL, const QString& GolfplatzIdn, const QString& MonatOderJahr, const QString& Wann,
                const QString& Startdatum, const QString& Enddatum, const QString& Golferidn, const Analysewahl& wahl) {
  rechneRunden(SQL, GolfplatzIdn, MonatOderJahr, Wann, Startdatum, Enddatum, Golferidn, nullptr, wahl);
}

Auswertungsfenster* AuswertungsZiel() {
  const bool gp = FormExistiert<AuswertungGolfplatz>();
  const bool allg = FormExistiert<AuswertungAllgemein>();
  if (allg) return &AuswertungAllgemeinForm();
  if (gp) return &AuswertungGolfplatzForm();
  return nullptr;
}

namespace {

// Follows one toggle button (13 records, 14 counts) on the statistics window; turning it on
// first releases the other one and switches that view back, so only one is shown at a time.
void SchalteAnsicht(int button, int anderer, bool rekorde) {
  Auswertungsfenster* f = AuswertungsZiel();
  if (!f) return;
  const Ansichten a = ansichtenVon(f);
  void (*zeige)(int) = rekorde ? a.rekorde : a.zahlen;
  void (*zeigeAndere)(int) = rekorde ? a.zahlen : a.rekorde;
  if (HF_LeseButton(button) != 1) {
    zeige(2);
    return;
  }
  if (HF_LeseButton(anderer) == 1) {
    zeigeAndere(2);
    HF_SchalteButton(anderer);
  }
  zeige(1);
}

}  // namespace

void SchalteRekordansicht() { SchalteAnsicht(13, 14, true); }

void SchalteZaehlansicht() { SchalteAnsicht(14, 13, false); }

void AuswertungWeiter() {
  if (!FormExistiert<AuswertungGolfplatz>()) return;
  AuswertungGolfplatz& gp = AuswertungGolfplatzForm();
  AnsichtenAus();
  // A copy: the computation rewrites the selection it reads from.
  const Auswertungsauswahl a = gp.Auswahl();
  // The same rounds of the same golfer, whoever is active now.
  rechneRunden(a.SQL, a.GolfplatzIdn, a.MonatOderJahr, a.Wann, a.Startdatum, a.Enddatum, gp.Golferidn, &gp, {});
}

void AuswertungZurueck() { EntladeForm(QStringLiteral("AuswertungAllgemein")); }
