#include "data/Loeschen.h"

#include <QLabel>
#include <QTableWidget>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Historieneditor.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

void LoescheScorekarte(const QString& Scorekartenidn) {
  DBG().DelDS(QStringLiteral("Greenlogs"), QStringLiteral("Scorekartenidn"), Scorekartenidn, true);
  QString letzte = QStringLiteral("LAST");
  GotoScorekarte(letzte);
}

void LoescheGolfplatz(const QString& Golfplatzidn) {
  MsgAntwort = SPU().Zantro_Msg(126, STIL_FRAGE);
  if (MsgAntwort == ANTWORT_JA) {
    // A course in use stays; the first use found is named.
    const struct {
      const char* sql;
      int meldung;
    } verwendungen[] = {
        {"SELECT * FROM Tab_Golfer WHERE Heimatclub = ?", 160},
        {"SELECT * FROM Greenlogs WHERE Golfplatznummer = ?", 158},
        {"SELECT * FROM Tab_Turnier WHERE GolfplatzNo = ?", 159},
    };
    for (const auto& v : verwendungen)
      if (DBT().Anzahl(QString::fromLatin1(v.sql), {Golfplatzidn}) > 0) {
        MsgAntwort = SPU().Zantro_Msg(v.meldung, STIL_INFO);
        return;
      }
    DBG().LoescheGolfplatzMitAbschlaegen(Golfplatzidn);
  } else {
    // The editor moves on: what was typed into the course stays.
    DBG().WriteGolfplatzdaten(Golfplatzidn);
  }
  DBG().GotoGolfplatz(QStringLiteral("LAST"));
}

void LoescheSlope() {
  MsgAntwort = SPU().Zantro_Msg(129, STIL_FRAGE);
  if (MsgAntwort != ANTWORT_JA) return;
  Golfplaetze& f = GolfplaetzeForm();
  const int zeile = f.Slope->currentRow();
  if (zeile < 2) {
    MsgAntwort = SPU().Zantro_Msg(130, STIL_KRITISCH);
    return;
  }
  const QTableWidgetItem* zelle = f.Slope->item(zeile, AbschlagEditor::SPALTE_ID);
  const QString id = zelle ? zelle->text() : QString();
  DBG().DelDS(QStringLiteral("tab_Slope"), QStringLiteral("Slopeidn"), id, false);
  f.Abschlaege->VersteckeEditFeld();
  // The other rows may hold changes not stored yet: they are stored, the deleted row
  // no longer with them, and the grid is refilled.
  f.Slope->removeRow(zeile);
  if (!DBG().WriteSlope()) DBG().FuelleSlopeListbox(f.GolfplatzNo->text());
}

void LoescheTurnier(const QString& Turniernummer) {
  MsgAntwort = SPU().Zantro_Msg(51, STIL_FRAGE);
  if (MsgAntwort == ANTWORT_JA)
    DBG().LoescheTurnierMitVerweisen(Turniernummer);
  else
    DBG().WriteTurnier(Turniernummer);  // the editor moves on: keep what was typed
  DBG().GotoTurnier(QStringLiteral("LAST"));
}

void LoescheHdcpHistorie() {
  MsgAntwort = SPU().Zantro_Msg(52, STIL_FRAGE);
  if (MsgAntwort != ANTWORT_JA) return;
  Golfer& f = GolferForm();
  const int zeile = f.HdcpHistorie->currentRow();
  if (zeile < HistorienEditor::ZEILE_NEU + 1) {
    MsgAntwort = SPU().Zantro_Msg(130, STIL_KRITISCH);
    return;
  }
  const QTableWidgetItem* zelle = f.HdcpHistorie->item(zeile, HistorienEditor::SPALTE_ID);
  const QString id = zelle ? zelle->text() : QString();
  DBG().DelDS(QStringLiteral("tab_HdcpHistorie"), QStringLiteral("Satznr"), id, false);
  // The grid keeps the focus, so Delete still means the history.
  f.Historie->LeereEditFeld();
  // The other rows may hold changes not stored yet: they are stored, the deleted row no
  // longer with them, and the grid is refilled.
  f.HdcpHistorie->removeRow(zeile);
  if (!DBG().WriteHdcphistorie()) DBG().FuelleHdcpListbox(AktiverGolfer.Golferidn);
}
