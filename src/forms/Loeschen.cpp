#include "forms/Loeschen.h"

#include <QLabel>
#include <QTableWidget>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Historieneditor.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

namespace {
constexpr int MELDUNG_NICHT_GEFUNDEN = 48;
constexpr int MELDUNG_GOLFPLATZ_LOESCHEN = 126;
constexpr int MELDUNG_ABSCHLAG_LOESCHEN = 129;
constexpr int MELDUNG_ZEILE_WAEHLEN = 130;
constexpr int MELDUNG_TURNIER_LOESCHEN = 51;
constexpr int MELDUNG_HISTORIE_LOESCHEN = 52;
}  // namespace

void LoescheScorekarte(const QString& Scorekartenidn) {
  // A card that could not be deleted stays in front (one box said why).
  if (!AlsEineAktion([&] {
        DBG().DelDS(QStringLiteral("Greenlogs"), QStringLiteral("Scorekartenidn"), Scorekartenidn);
        return true;
      }))
    return;
  QString letzte = QStringLiteral("LAST");
  GotoScorekarte(letzte);
}

void LoescheGolfplatz(const QString& Golfplatzidn) {
  MsgAntwort = SPU().Zantro_Msg(MELDUNG_GOLFPLATZ_LOESCHEN, STIL_FRAGE);
  if (MsgAntwort == ANTWORT_JA) {
    // A course in use stays; the first use found is named.
    if (const int meldung = DBG().GolfplatzVerwendung(Golfplatzidn)) {
      MsgAntwort = SPU().Zantro_Msg(meldung, STIL_INFO);
      return;
    }
    if (!AlsEineAktion([&] { return DBG().LoescheGolfplatzMitAbschlaegen(Golfplatzidn); })) return;
  } else {
    // The editor moves on: what was typed into the course stays.
    WriteGolfplatzdaten(Golfplatzidn);
  }
  GotoGolfplatz(QStringLiteral("LAST"));
}

void LoescheSlope() {
  MsgAntwort = SPU().Zantro_Msg(MELDUNG_ABSCHLAG_LOESCHEN, STIL_FRAGE);
  if (MsgAntwort != ANTWORT_JA) return;
  Golfplaetze& f = GolfplaetzeForm();
  const std::optional<QString> abschlag = f.GewaehlterAbschlag();
  if (!abschlag) {
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_ZEILE_WAEHLEN, STIL_KRITISCH);
    return;
  }
  const QString id = *abschlag;
  bool gefunden = false;
  const bool ok = AlsEineAktion([&] {
    gefunden = DBG().LoescheAbschlag(id);
    return true;
  });
  if (ok && !gefunden) MsgAntwort = SPU().Zantro_Msg(MELDUNG_NICHT_GEFUNDEN, STIL_KRITISCH);
  f.Abschlaege->VersteckeEditFeld();
  // The grid shows the stored tees again; nothing else of it is written by a delete.
  if (ok) FuelleSlopeListbox(f.Idn());
}

void LoescheTurnier(const QString& Turniernummer) {
  MsgAntwort = SPU().Zantro_Msg(MELDUNG_TURNIER_LOESCHEN, STIL_FRAGE);
  if (MsgAntwort == ANTWORT_JA) {
    Loeschergebnis e = Loeschergebnis::Fehler;
    if (!AlsEineAktion([&] {
          e = DBG().LoescheTurnierMitVerweisen(Turniernummer);
          return e != Loeschergebnis::Fehler;
        }))
      return;  // not deleted: the tournament stays in the editor (one box said why)
    if (e == Loeschergebnis::NichtGefunden) MsgAntwort = SPU().Zantro_Msg(MELDUNG_NICHT_GEFUNDEN, STIL_KRITISCH);
  } else {
    WriteTurnier(Turniernummer);  // the editor moves on: keep what was typed
  }
  GotoTurnier(QStringLiteral("LAST"));
}

void LoescheHdcpHistorie() {
  MsgAntwort = SPU().Zantro_Msg(MELDUNG_HISTORIE_LOESCHEN, STIL_FRAGE);
  if (MsgAntwort != ANTWORT_JA) return;
  Golfer& f = GolferForm();
  QString id;
  if (!f.HistorienzeileAmCursor(id)) {
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_ZEILE_WAEHLEN, STIL_KRITISCH);
    return;
  }
  bool gefunden = false;
  const bool ok = AlsEineAktion([&] {
    gefunden = DBG().LoescheHistorieneintrag(id);
    return true;
  });
  if (ok && !gefunden) MsgAntwort = SPU().Zantro_Msg(MELDUNG_NICHT_GEFUNDEN, STIL_KRITISCH);
  // The grid keeps the focus, so Delete still means the history.
  f.HistorieEditfeldLeeren();
  // The grid shows the stored rows again; nothing else of it is written by a delete.
  if (ok) FuelleHdcpListbox(AktiverGolfer.Golferidn);
}
