#include "reports/Berichtsquellen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Turnier.h"

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
