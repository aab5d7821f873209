#include "shell/Main.h"

#include <QDir>
#include <QFileInfo>

#include "data/DBGKlasse.h"
#include "data/Datenbank.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "data/Sperre.h"
#include "data/Startpruefung.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/QtSprache.h"
#include "reports/Druckeinstellungen.h"
#include "shell/Start.h"

namespace {
constexpr int MELDUNG_NICHT_GESPERRT = 4617;
}  // namespace

bool Main() {
  PruefeEinstellungsdatei();
  if (!VerbindeDatenbanken()) return false;
  // Only one program works on the database; a second start leaves the first untouched.
  const Sperrergebnis sperre = SperreDatenbank(DatenbankPfad);
  if (sperre == Sperrergebnis::Belegt) {
    MeldeDatenbankBelegt(DatenbankPfad);
    return false;
  }
  // Without the lock another start could change the database under this one: this one
  // only looks.
  if (sperre == Sperrergebnis::Genommen) RaeumeAbgebrochenesKomprimierenAuf();
  NenneReste(DatenbankPfad);
  if (sperre == Sperrergebnis::NichtMoeglich) {
    SetzeNurLesen(true);
    SpracheVorlaeufig();
    MsgAntwort = DLG().Meldung(
        SPU().Meldungstext(MELDUNG_NICHT_GESPERRT).arg(QDir::toNativeSeparators(DatenbankPfad), Sperrgrund()),
        STIL_INFO, PRODUKTTITEL);
  }
  {
    // What start-up writes (the game-type names and the language, when they differ from
    // the stored ones) fails with one box at most.
    Speicheraktion aktion;
    // A settings file that names no database leaves the data access without a connection.
    if (DBG().OhneDatenbankpfad()) MsgAntwort = SPU().Zantro_Msg(MELDUNG_KEIN_DATENBANKPFAD, STIL_KRITISCH);
    // A database whose file or folder is read-only is shown; the user learns once that
    // nothing can be stored there, and why.
    if (!NurLesenErzwungen() && DBG().IstOffen() && DBG().NurLesen()) {
      SpracheVorlaeufig();
      const QString geschuetzt =
          Schreibbar(DatenbankPfad) ? QFileInfo(DatenbankPfad).absolutePath() : QString(DatenbankPfad);
      MsgAntwort =
          DLG().Meldung(SPU()
                            .Meldungstext(MELDUNG_NUR_LESBAR)
                            .arg(QDir::toNativeSeparators(DatenbankPfad), QDir::toNativeSeparators(geschuetzt)),
                        STIL_INFO, PRODUKTTITEL);
    }
    DBG().GibFarben();
    SPU().CheckLanguage();
    LadeQtUebersetzung(Sprachnummer);
    const QString gespeichert =
        DBG().gib_tab_eintrag(QStringLiteral("tab_EinstellungenIntern"), QStringLiteral("Bezeichnung"),
                              QStringLiteral("Sprache"), QStringLiteral("Wert"));
    const QString aktuell = QLatin1Char(' ') + QString::number(Sprachnummer);
    // The game-type names are translated, and the language stored, only when every
    // translation was read; otherwise nothing is written and the next start tries again.
    // A read-only database is shown as it is.
    if (gespeichert != aktuell && SPU().KannUebersetzen() && !aktion.Fehlgeschlagen() && !DBG().NurLesen()) {
      DBG().InTransaktion([&aktuell] {
        if (!DBG().TranslateTable(QStringLiteral("Tab_Spielart"), QStringLiteral("TranslationNo"),
                                  QStringLiteral("Spielartname")) ||
            !DBG().TranslateTable(QStringLiteral("Spielartgolf"), QStringLiteral("TranslationNo"),
                                  QStringLiteral("Spielartname")))
          return false;
        DBG().WriteEinstellungenIntern(QStringLiteral("Sprache"), aktuell);
        return Speicheraktion::Offene() && !Speicheraktion::Offene()->Fehlgeschlagen();
      });
    }
  }
  StartFenster().show();
  LadeDruckEinstellungen();
  return true;
}

void ProgrammAufraeumen() {
  DBGFreigeben();
  DBTFreigeben();
  SPUFreigeben();
  GibDatenbankFrei();
}
