#include "shell/Main.h"

#include "data/DBGKlasse.h"
#include "data/Datenbank.h"
#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "platform/QtSprache.h"
#include "reports/Druckeinstellungen.h"
#include "shell/Start.h"

bool Main() {
  if (!VerbindeDatenbanken()) return false;
  DBG().GibFarben();
  SPU().CheckLanguage();
  LadeQtUebersetzung(Sprachnummer);
  const QString gespeichert = DBG().gib_tab_eintrag(QStringLiteral("tab_EinstellungenIntern"),
                                                    QStringLiteral("Bezeichnung"), QStringLiteral("Sprache"),
                                                    QStringLiteral("Wert"));
  const QString aktuell = QLatin1Char(' ') + QString::number(Sprachnummer);
  // The game-type names are translated, and the language stored, only when the
  // translations can be read; otherwise the next start tries again.
  if (gespeichert != aktuell && SPU().KannUebersetzen()) {
    DBG().TranslateTable(QStringLiteral("Tab_Spielart"), QStringLiteral("TranslationNo"), QStringLiteral("Spielartname"));
    DBG().TranslateTable(QStringLiteral("Spielartgolf"), QStringLiteral("TranslationNo"), QStringLiteral("Spielartname"));
    DBG().WriteEinstellungenIntern(QStringLiteral("Sprache"), aktuell);
  }
  StartFenster().show();
  LadeDruckEinstellungen();
  return true;
}
