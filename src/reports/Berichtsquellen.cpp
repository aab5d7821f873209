#include "reports/Berichtsquellen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "data/Global.h"
#include "forms/Auswertungsfenster.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Kartenschnappschuss.h"
#include "forms/Steuerelemente.h"
#include "forms/Turnier.h"
#include "platform/widgets/Farben.h"

KursKarte LiesKursKarte() {
  Golfplaetze& g = GolfplaetzeForm();
  KursKarte k;
  k.golfplatzname = g.Golfplatzname->text();
  for (int i = 1; i <= 18; ++i) {
    k.par[i - 1] = g.ParLoch(i)->text();
    k.vorgabe[i - 1] = g.VorgabeLoch(i)->text();
  }
  return k;
}

TurnierBlatt LiesTurnierBlatt() {
  Turnier& t = TurnierForm();
  TurnierBlatt b;
  b.name = t.Turniername->text();
  b.datum = t.Datum->text();
  b.golfplatz = t.GolfplatzNo->currentText();
  b.spielart = t.SpielartNo->currentText();
  b.handicap = t.TurnierHandicap->text();
  for (int i = 1; i <= 5; ++i) b.loecher[i - 1] = t.OptionLoch18(i)->checkState();
  b.sonstige = t.LochzahlSonstige->text();
  b.bemerkung = t.TurnierBemerkung->toPlainText();
  return b;
}

HistorienQuelle LiesHistorienQuelle() {
  Golfer& g = GolferForm();
  const QTableWidget* raster = g.HdcpHistorie;
  HistorienQuelle q;
  // The last column holds the row key and is not printed.
  const int spalten = raster->columnCount() - 1;
  auto zelle = [raster](int r, int c) {
    const QTableWidgetItem* i = raster->item(r, c);
    return i ? i->text() : QString();
  };
  for (int c = 0; c < spalten; ++c) {
    q.koepfe << zelle(0, c);
    q.breiten << raster->columnWidth(c);
  }
  for (int r = 1; r < raster->rowCount(); ++r) {
    QStringList zeile;
    for (int c = 0; c < spalten; ++c) zeile << zelle(r, c);
    q.zeilen << zeile;
  }
  q.zeile = q.zeileSel = std::max(1, raster->currentRow());
  // The selection's far end: the end of the selected range that holds the current row.
  for (const QTableWidgetSelectionRange& b : raster->selectedRanges()) {
    if (b.topRow() <= q.zeile && q.zeile <= b.bottomRow()) {
      q.zeileSel = b.topRow() == q.zeile ? b.bottomRow() : b.topRow();
      break;
    }
  }
  q.golfername = g.Golfername->text();
  q.heimatclub = g.Heimatclub->currentText();
  return q;
}

namespace {
QString textVon(const QWidget* w) {
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* t = qobject_cast<const QLineEdit*>(w)) return t->text();
  return QString();
}
int hakenVon(const QCheckBox* c) { return c && c->checkState() == Qt::Checked ? 1 : 0; }
}  // namespace

KartenblattQuelle LiesKartenblatt() {
  Golfer& g = GolferForm();
  KartenblattQuelle q;
  q.karte = LiesKarteVomBildschirm();
  q.turnier = g.TurnierNameKarte ? g.TurnierNameKarte->currentText() : QString();
  q.slope = textVon(g.Slope);
  q.courseRating = textVon(g.CourseRating);
  auto reihe = [&](Blattzeile z, auto& feld, int bis) {
    for (int i = 1; i <= bis; ++i) q.text[z][i] = textVon(feld[i]);
  };
  reihe(B_PAR, g.ParLoch, 21);
  reihe(B_VORGABE, g.VorgabeLoch, 18);
  reihe(B_SCORE, g.ScoreLoch, 18);
  reihe(B_ABSCHLAEGE, g.AbschlagLoch, 18);
  reihe(B_LAENGE, g.DistanceLoch, 18);
  reihe(B_PUTT, g.PuttsLoch, 18);
  reihe(B_SAND, g.BunkerLoch, 18);
  reihe(B_STRAF, g.StrafschlagLoch, 18);
  reihe(B_SONSTIGE, g.SonstigeLoch, 21);
  reihe(B_STBL_NETTO, g.StblNettoLoch, 21);
  reihe(B_STBL_BRUTTO, g.StblBruttoLoch, 21);
  auto summen = [&](Blattzeile z, const QLabel* a, const QLabel* b, const QLabel* c) {
    q.text[z][19] = textVon(a);
    q.text[z][20] = textVon(b);
    q.text[z][21] = textVon(c);
  };
  summen(B_SCORE, g.GesamtScoreLoch_1_9, g.GesamtScoreLoch_10_18, g.GesamtScore);
  summen(B_ABSCHLAEGE, g.GesamtAbschlagLoch_1_9, g.GesamtAbschlagLoch_10_18, g.GesamtAbschlag);
  summen(B_FAIRWAY, g.GesamtFWT_1_9, g.GesamtFWT_10_18, g.GesamtFWT);
  summen(B_LAENGE, g.GesamtDistanceLoch_1_9, g.GesamtDistanceLoch_10_18, g.GesamtDistance);
  summen(B_CHIP, g.GesamtChipLoch_1_9, g.GesamtChipLoch_10_18, g.GesamtChip);
  summen(B_PITCH, g.GesamtPitchLoch_1_9, g.GesamtPitchLoch_10_18, g.GesamtPitch);
  summen(B_PUTT, g.GesamtPuttsLoch_1_9, g.GesamtPuttsLoch_10_18, g.GesamtPutts);
  summen(B_SAND, g.GesamtBunkerLoch_1_9, g.GesamtBunkerLoch_10_18, g.GesamtBunker);
  summen(B_STRAF, g.GesamtStrafschlagLoch_1_9, g.GesamtStrafschlagLoch_10_18, g.GesamtStrafschlag);
  summen(B_GIR_NETTO, g.GIRNetto_1_9, g.GIRNetto_10_18, g.GIRNettoGesamt);
  summen(B_GIR_BRUTTO, g.GIRBrutto_1_9, g.GIRBrutto_10_18, g.GIRBruttoGesamt);
  for (int i = 1; i <= 18; ++i) {
    q.haken[B_FAIRWAY][i] = hakenVon(g.FairwaytrefferLoch[i]);
    q.haken[B_CHIP][i] = hakenVon(g.ChipLoch[i]);
    q.haken[B_PITCH][i] = hakenVon(g.PitchLoch[i]);
    q.haken[B_GIR_NETTO][i] = hakenVon(g.GIRNettoLoch[i]);
    q.haken[B_GIR_BRUTTO][i] = hakenVon(g.GIRBruttoLoch[i]);
  }
  // The evaluation is made from the card just read, never taken from a detail window
  // that may still show another card.
  q.mitPar3Fairway = FairwaytrefferPar3 != QLatin1String("0");
  q.mitPar3Abschlag = DrivingDistancePar3 != QLatin1String("0");
  q.auswertung = WerteKarteAus(q.karte, q.mitPar3Fairway, q.mitPar3Abschlag);
  return q;
}

StatistikblattQuelle LiesStatistikblatt(const Auswertungsfenster& f, const QStringList& zeilen) {
  StatistikblattQuelle q;
  // The sheet has room for the whole names the window may show shortened.
  q.golfername = VollerText(f.Golfername);
  q.platzname = VollerText(f.PlatzName);
  q.runden = f.Rundenzahl->text();
  q.vorgabewirksam = f.VW_chek->checkState();
  for (const QString& name : zeilen) {
    const Steuerfeld<QLabel>& zellen = f.Zellen(name);
    QVector<Anzeigezelle>& ziel = q.anzeige.Zeilen[name];
    ziel.resize(std::max(0, zellen.Obergrenze()) + 1);
    for (const auto& [i, l] : zellen) {
      ziel[i].Text = l->text();
      ziel[i].Farbe = l->autoFillBackground() ? LeseHintergrund(l) : FARBE_ZELLE;
      ziel[i].Sichtbar = !l->isHidden();
    }
  }
  q.anzeige.EinheitenSichtbar = true;
  for (const auto& [i, l] : f.Einheiten)
    if (l->isHidden()) q.anzeige.EinheitenSichtbar = false;
  return q;
}
