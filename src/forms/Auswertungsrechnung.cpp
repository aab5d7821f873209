#include "forms/Auswertungsrechnung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Analyseseite.h"
#include "forms/AuswertungAllgemein.h"
#include "forms/AuswertungGolfplatz.h"
#include "forms/Golfer.h"
#include "language/Sprachumschaltung.h"
#include "platform/Hauptfenster.h"
#include "records/Rekorde.h"
#include "platform/Fortschritt.h"
#include "statistics/Lochstatistik.h"
#include "statistics/Rundendaten.h"

namespace {

void fortschritt(Fortschrittsanzeige& anzeige, int schritt, int anzahl, int text) {
  anzeige.Zeige(schritt, anzahl, SPU().GibTranslation(text));
}

// Header and hidden fields of a window from the analysis.
void schreibeKopf(Auswertungsfenster& f, const QString& GolfplatzIdn, const QString& MonatOderJahr,
                  const QString& Wann, const QString& Startdatum, const QString& Enddatum) {
  if (FormExistiert<Golfer>()) {
    Golfer& g = GolferForm();
    f.SetzeNamen(g.Golfername->text(), g.Analyse ? g.Analyse->AuswahlGolfplatz->currentText() : f.PlatzName->toolTip());
    if (g.Analyse) f.VW_chek->setChecked(g.Analyse->VW->isChecked());
  }
  f.TextFeldGPIdn->setText(GolfplatzIdn);
  f.TextfeldMonatJahr->setText(MonatOderJahr);
  f.TextfeldWann->setText(Wann);
  f.TextfeldStartdatum->setText(Startdatum);
  f.TextfeldEnddatum->setText(Enddatum);
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
                Fortschrittsanzeige& anzeige) {
  if (MonatOderJahr == QLatin1String("DontSave")) return;
  fortschritt(anzeige, 1, 2, 124);
  QString fehler;
  const QVector<Rekordzeile> gespeichert =
      LiesRekorde(DBG().Db(), Rekordschluessel(MonatOderJahr, GolfplatzIdn, AktiverGolfer.Golferidn), &fehler);
  if (!fehler.isEmpty()) {
    Fehlerbox(fehler);
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

void AnsichtenAus() {
  if (HF_LeseButton(13) == 1) HF_SchalteButton(13);
  if (HF_LeseButton(14) == 1) HF_SchalteButton(14);
  if (FormExistiert<AuswertungGolfplatz>() && AuswertungGolfplatzForm().AktuelleAnsicht() != Auswertungsfenster::Ansicht::Werte)
    AuswertungGolfplatzForm().ZeigeRekorde(false);
  if (FormExistiert<AuswertungAllgemein>() && AuswertungAllgemeinForm().AktuelleAnsicht() != Auswertungsfenster::Ansicht::Werte)
    AuswertungAllgemeinForm().ZeigeRekorde(false);
}

void CalcGP(const QString& SQL, const QString& GolfplatzIdn, const QString& MonatOderJahr, const QString& Wann,
            const QString& Startdatum, const QString& Enddatum) {
  if (laeuft()) return;
  laeuft() = true;
  MitFehlerfalleFenster([&] {
    AnsichtenAus();
    AuswertungGolfplatz& f = AuswertungGolfplatzForm();
    f.Zeige();
    schreibeKopf(f, GolfplatzIdn, MonatOderJahr, Wann, Startdatum, Enddatum);
    f.SQLBox->setText(SQL);
    Fortschrittsanzeige anzeige;
    fortschritt(anzeige, 1, 3, 117);
    const std::optional<Platzdaten> platz = LiesPlatzdaten(DBG().Db(), GolfplatzIdn);
    QVector<Rundendaten> runden;
    if (!liesRunden(SQL, runden)) return;
    f.Rundenzahl->setText(QString::number(runden.size()));
    if (runden.isEmpty()) MsgAntwort = SPU().Zantro_Msg(38, 64);
    fortschritt(anzeige, 2, 3, 123);
    Statistiktabelle t = BerechneLochstatistik(runden, platz, einstellungen());
    vergleiche(t, GolfplatzIdn, MonatOderJahr, anzeige);
    f.ZeigeTabelle(t);
  });
  BeendeProgressBar(1);
  laeuft() = false;
}

void CalcRunden(const QString& SQL, const QString& GolfplatzIdn, const QString& MonatOderJahr, const QString& Wann,
                const QString& Startdatum, const QString& Enddatum) {
  if (laeuft()) return;
  laeuft() = true;
  MitFehlerfalleFenster([&] {
    AnsichtenAus();
    Fortschrittsanzeige anzeige;
    fortschritt(anzeige, 1, 3, 117);
    QVector<Rundendaten> runden;
    if (!liesRunden(SQL, runden)) return;
    AuswertungAllgemein& f = AuswertungAllgemeinForm();
    f.Rundenzahl->setText(QString::number(runden.size()));
    schreibeKopf(f, GolfplatzIdn, MonatOderJahr, Wann, Startdatum, Enddatum);
    if (runden.isEmpty()) {
      MsgAntwort = SPU().Zantro_Msg(38, 64);
      return;
    }
    f.Zeige();
    fortschritt(anzeige, 2, 3, 123);
    Statistiktabelle t = BerechneParstatistik(runden, einstellungen());
    vergleiche(t, GolfplatzIdn, MonatOderJahr, anzeige);
    f.ZeigeTabelle(t);
  });
  BeendeProgressBar(1);
  laeuft() = false;
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
void SchalteAnsicht(int button, int anderer, void (Auswertungsfenster::*zeige)(bool),
                    void (Auswertungsfenster::*zeigeAnderen)(bool)) {
  Auswertungsfenster* f = AuswertungsZiel();
  if (!f) return;
  if (HF_LeseButton(button) != 1) {
    (f->*zeige)(false);
    return;
  }
  if (HF_LeseButton(anderer) == 1) {
    (f->*zeigeAnderen)(false);
    HF_SchalteButton(anderer);
  }
  (f->*zeige)(true);
}

}  // namespace

void SchalteRekordansicht() {
  SchalteAnsicht(13, 14, &Auswertungsfenster::ZeigeRekorde, &Auswertungsfenster::ZeigeZahlen);
}

void SchalteZaehlansicht() {
  SchalteAnsicht(14, 13, &Auswertungsfenster::ZeigeZahlen, &Auswertungsfenster::ZeigeRekorde);
}

void AuswertungWeiter() {
  if (!FormExistiert<AuswertungGolfplatz>()) return;
  AuswertungGolfplatz& gp = AuswertungGolfplatzForm();
  AnsichtenAus();
  // Copies: the computation rewrites the fields it reads from.
  const QString sql = gp.SQLBox->text(), id = gp.TextFeldGPIdn->text(), mj = gp.TextfeldMonatJahr->text(),
                wann = gp.TextfeldWann->text(), start = gp.TextfeldStartdatum->text(), ende = gp.TextfeldEnddatum->text();
  CalcRunden(sql, id, mj, wann, start, ende);
}

void AuswertungZurueck() {
  if (FormExistiert<AuswertungGolfplatz>()) AuswertungGolfplatzForm().Zeige();
}
