#include "shell/Main.h"

#include "data/DBGKlasse.h"
#include "data/Datenbank.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "data/Sperre.h"
#include "data/Startpruefung.h"
#include "language/Sprachumschaltung.h"
#include "platform/QtSprache.h"
#include "reports/Druckeinstellungen.h"
#include "shell/Start.h"

bool Main() {
  PruefeEinstellungsdatei();
  if (!VerbindeDatenbanken()) return false;
  // Only one program works on the database; a second start leaves the first untouched.
  if (SperreDatenbank(DatenbankPfad) == Sperrergebnis::Belegt) {
    MeldeDatenbankBelegt(DatenbankPfad);
    return false;
  }
  {
    // What start-up writes (the game-type names and the language, when they differ from
    // the stored ones) fails with one box at most.
    Speicheraktion aktion;
    DBG().GibFarben();
    SPU().CheckLanguage();
    LadeQtUebersetzung(Sprachnummer);
    const QString gespeichert = DBG().gib_tab_eintrag(QStringLiteral("tab_EinstellungenIntern"),
                                                      QStringLiteral("Bezeichnung"), QStringLiteral("Sprache"),
                                                      QStringLiteral("Wert"));
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
