#include "data/Dateiwechsel.h"

#include <cerrno>

#include <QDir>
#include <QFileInfo>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "data/Sperre.h"
#include "data/Startpruefung.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

Dateiwechsel WechsleZurDateiAmPfad(QString* grund) {
  auto warum = [grund](const QString& text) {
    if (grund) *grund = text;
    return Dateiwechsel::Unbrauchbar;
  };
  const QString pfad = DatenbankPfad;
  if (!QFileInfo(pfad).isFile()) return Dateiwechsel::Fehlt;
  const Datenbankbefund befund = PruefeDatenbankdatei(pfad);
  MeldeFremdesJournal(pfad, befund);
  if (!befund.Ok) return warum(Datenbankbefundtext(pfad, befund));
  // The lock of the new file is taken before the old one's is given up.
  int fehler = 0;
  const int sperre = SperreDatei(pfad, fehler);
  if (sperre < 0) return warum(fehler == EAGAIN ? SPU().GibTranslation(MELDUNG_GRUND_GESPERRT) : Sperrgrund(fehler));
  DBG().Class_Terminate();
  DBT().Class_Terminate();
  UebernimmSperre(sperre);
  MerkeDatenbankdatei(pfad);
  DBG().Class_Initialize();
  DBT().Class_Initialize();
  return Dateiwechsel::Gewechselt;
}

bool WechsleZurDateiAmPfad(Speicheraktion& aktion) {
  QString grund;
  if (WechsleZurDateiAmPfad(&grund) == Dateiwechsel::Gewechselt) return true;
  const QString datei = QDir::toNativeSeparators(DatenbankPfad);
  aktion.Melde(Fehlerart::Ersetzt, grund.isEmpty() ? datei : datei + QStringLiteral("\n\n") + grund);
  return false;
}

namespace {
bool folgeDerNeuenDatei(const std::function<bool()>& speichern, const std::function<void()>& zeigen) {
  const QString datei = QDir::toNativeSeparators(DatenbankPfad);
  {
    Speicheraktion aktion;
    if (!WechsleZurDateiAmPfad(aktion)) return false;
  }
  // As the session ends nobody can answer: the change goes into the file at the path, the
  // one the user opens next.
  if (Schlussart() == Programmschluss::Sitzung) return speichern();
  MsgAntwort = DLG().Meldung(SPU().Meldungstext(MELDUNG_DATEI_ERSETZT).arg(datei) + QStringLiteral("\n\n") +
                                 SPU().Meldungstext(MELDUNG_AENDERUNG_IN_NEUE_DATEI),
                             STIL_FRAGE, PRODUKTTITEL);
  if (MsgAntwort == ANTWORT_JA) return speichern();
  zeigen();
  return false;
}
}  // namespace

bool SpeichereInDieDatei(const std::function<bool()>& speichern, const std::function<void()>& zeigen) {
  if (!DatenbankdateiUnveraendert()) return folgeDerNeuenDatei(speichern, zeigen);
  // Replaced while the store ran (while a box of it waited, or right before its commit):
  // its own box gives way to this one.
  bool bemerkt = false;
  bool* vorher = SetzeErsetztMeldung(&bemerkt);
  bool ok = false;
  try {
    ok = speichern();
  } catch (...) {
    SetzeErsetztMeldung(vorher);
    throw;
  }
  SetzeErsetztMeldung(vorher);
  if (ok || !bemerkt) return ok;
  return folgeDerNeuenDatei(speichern, zeigen);
}

bool SpeichereDatensatzInDieDatei(const std::function<bool()>& speichern, bool& abgelehnt,
                                  const std::function<void()>& zeigen) {
  bool gespeichert = false;
  // A file at the path that cannot be used stores nothing.
  abgelehnt = true;
  SpeichereInDieDatei(
      [&] {
        gespeichert = speichern();
        return gespeichert || !abgelehnt;
      },
      [&] {
        zeigen();
        abgelehnt = true;
      });
  return gespeichert;
}
