#include "reports/Berichtsquellen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Auswertungsfenster.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Kartenschnappschuss.h"
#include "forms/Turnier.h"
#include "scoring/Scoreberechnungen.h"

namespace {
QString zahlOderNichts(const std::optional<int>& z) { return z ? QString::number(*z) : QString(); }

// The name of a row of `tabelle` by its key, "" for none.
QString nameZumSchluessel(const QString& tabelle, const QString& schluesselfeld, const QString& schluessel,
                          const QString& namensfeld) {
  if (schluessel.isEmpty()) return {};
  return DBG().gib_tab_eintrag(tabelle, schluesselfeld, schluessel, namensfeld);
}
}  // namespace

KursKarte Kurskarte(const Golfplatzdaten& p) {
  KursKarte k;
  k.golfplatzname = p.Golfplatzname;
  for (int i = 0; i < 18; ++i) {
    k.par[i] = zahlOderNichts(p.Par[i]);
    k.vorgabe[i] = zahlOderNichts(p.Vorgabe[i]);
  }
  return k;
}

KursKarte LiesKursKarte() { return Kurskarte(GolfplaetzeForm().GezeigterGolfplatz()); }

TurnierBlatt Turnierblatt(const Turnierdaten& t) {
  TurnierBlatt b;
  b.name = t.Turniername;
  b.datum = Turnierdatum(t);
  b.golfplatz = nameZumSchluessel(QStringLiteral("tab_Golfplatz"), QStringLiteral("Golfplatzidn"), t.GolfplatzNo,
                                  QStringLiteral("Golfplatzname"));
  b.spielart = nameZumSchluessel(QStringLiteral("SpielartGolf"), QStringLiteral("Spielartenidn"), t.SpielartNo,
                                 QStringLiteral("Spielartname"));
  b.handicap = t.TurnierHandicap;
  for (int i = 1; i <= 5; ++i) b.loecher[i - 1] = t.LochOption == i ? Qt::Checked : Qt::Unchecked;
  b.sonstige = t.SonstigeLochOption;
  b.bemerkung = t.TurnierBemerkung;
  return b;
}

TurnierBlatt LiesTurnierBlatt() { return Turnierblatt(TurnierForm().GezeigtesTurnier()); }

HistorienQuelle LiesHistorienQuelle() {
  const Golfer::Historienansicht a = GolferForm().HistorieWieGezeigt();
  HistorienQuelle q;
  q.koepfe = a.Koepfe;
  q.breiten = a.Breiten;
  for (const Handicapeintrag& e : LiesHistorienzeilen()) q.zeilen << Historienzellen(e).mid(0, a.Koepfe.size());
  q.zeile = a.Zeile;
  q.zeileSel = a.ZeileSel;
  q.golfername = AktiverGolfer.Golfername;
  q.heimatclub = nameZumSchluessel(QStringLiteral("tab_golfplatz"), QStringLiteral("Golfplatzidn"),
                                   AktiverGolfer.Heimatclub, QStringLiteral("Golfplatzname"));
  return q;
}

KartenblattQuelle Kartenblatt(const KarteAufDemBildschirm& w, bool mitPar3Fairway, bool mitPar3Abschlag) {
  KartenblattQuelle q;
  q.karte = Schnappschuss(w.Karte, w.Eingabe, w.Ergebnis);
  q.karte.Golfername = w.Golfername;
  q.turnier = w.Karte.Turniername;
  q.slope = w.Karte.Slope ? ZahlStandardText(*w.Karte.Slope) : QString();
  q.courseRating = w.Karte.CourseRating ? ZahlStandardText(*w.Karte.CourseRating) : QString();
  // The holes as the card's rules took them, with the course's par and stroke index; the
  // other strokes are what the rules give.
  auto eintraege = [&](Blattzeile z, QString KartenLoch::*feld) {
    for (int i = 1; i <= 18; ++i) q.text[z][i] = w.Eingabe.Loch[i].*feld;
  };
  eintraege(B_PAR, &KartenLoch::Par);
  eintraege(B_VORGABE, &KartenLoch::Vorgabe);
  eintraege(B_SCORE, &KartenLoch::Score);
  eintraege(B_ABSCHLAEGE, &KartenLoch::Abschlag);
  eintraege(B_LAENGE, &KartenLoch::Distance);
  eintraege(B_PUTT, &KartenLoch::Putts);
  eintraege(B_SAND, &KartenLoch::Bunker);
  eintraege(B_STRAF, &KartenLoch::Strafschlag);
  auto haken = [&](Blattzeile z, int KartenLoch::*feld) {
    for (int i = 1; i <= 18; ++i) q.haken[z][i] = w.Eingabe.Loch[i].*feld;
  };
  haken(B_FAIRWAY, &KartenLoch::Fairwaytreffer);
  haken(B_CHIP, &KartenLoch::Chip);
  haken(B_PITCH, &KartenLoch::Pitch);
  // The results of the card's rules, where they gave one: the sums of 1-9, 10-18 and all
  // holes, and what they give each hole.
  const KartenErgebnis& r = w.Ergebnis;
  auto summen = [&](Blattzeile z, const std::optional<Drei>& d) {
    if (d)
      for (int b = 0; b < 3; ++b) q.text[z][19 + b] = (*d)[b];
  };
  auto zeile = [&](Blattzeile z, const Zeile21& t) {
    for (int i = 1; i <= 21; ++i) q.text[z][i] = t[i];
  };
  summen(B_PAR, r.ParSummen);
  if (r.Score) {
    for (int i = 1; i <= 18; ++i) q.text[B_SCORE][i] = r.Score->ScoreText[i];
    summen(B_SCORE, r.Score->GesamtScore);
    zeile(B_STBL_NETTO, r.Score->StblNetto);
    zeile(B_STBL_BRUTTO, r.Score->StblBrutto);
  }
  summen(B_ABSCHLAEGE, r.Abschlag);
  summen(B_FAIRWAY, r.Fairway);
  summen(B_LAENGE, r.Distance);
  if (r.Kurzspiel) {
    const KartenErgebnis::KurzspielBlock& k = *r.Kurzspiel;
    summen(B_CHIP, k.Chip);
    summen(B_PITCH, k.Pitch);
    summen(B_PUTT, k.Putts);
    summen(B_SAND, k.Bunker);
    summen(B_GIR_NETTO, k.GIRNettoProzent);
    summen(B_GIR_BRUTTO, k.GIRBruttoProzent);
    for (int i = 1; i <= 18; ++i) {
      q.haken[B_GIR_NETTO][i] = k.GIRNetto[i];
      q.haken[B_GIR_BRUTTO][i] = k.GIRBrutto[i];
    }
  }
  summen(B_STRAF, r.Strafschlag);
  if (r.Sonstige) zeile(B_SONSTIGE, r.Sonstige->Sonstige);
  // The evaluation is made from the card just read, never taken from a detail window
  // that may still show another card.
  q.mitPar3Fairway = mitPar3Fairway;
  q.mitPar3Abschlag = mitPar3Abschlag;
  q.auswertung = WerteKarteAus(q.karte, mitPar3Fairway, mitPar3Abschlag);
  return q;
}

KartenblattQuelle LiesKartenblatt() {
  return Kartenblatt(LiesKarteMitErgebnis(), FairwaytrefferPar3 != QLatin1String("0"),
                     DrivingDistancePar3 != QLatin1String("0"));
}

StatistikblattQuelle LiesStatistikblatt(const Auswertungsfenster& f) {
  StatistikblattQuelle q;
  const Auswertungskopf& k = f.Kopf();
  // The whole names: the sheet has room for what the window may show shortened.
  q.golfername = k.Golfername;
  q.platzname = k.Platzname;
  q.runden = k.Runden;
  q.vorgabewirksam = k.Vorgabewirksam ? Qt::Checked : Qt::Unchecked;
  q.tabelle = f.Tabelle();
  q.anzeige = f.Angezeigt();
  return q;
}
