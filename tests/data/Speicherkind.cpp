// A program that makes one store through the data layer, as the windows make it, on the
// database its settings file names: a card ("karte"), the personal records of a statistics
// table ("rekorde") or a handicap history row ("historie"); or it compacts the database
// ("komprimieren"). The tests run it with the
// library Schreibabbruch preloaded, which kills it at a chosen write (or renames a copy over
// the database there). The card and the records are stored through the windows' hook,
// which takes over a file renamed over the database; its question is answered Yes, and
// every box is written to the standard output. Exit code 0 when the store went through.
#include <QCoreApplication>
#include <cstdio>

#include "data/DBGKlasse.h"
#include "data/Dateiwechsel.h"
#include "data/Datenbank.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "data/Stammdaten.h"
#include "platform/Registry.h"
#include "platform/widgets/Dialoge.h"
#include "records/Rekorde.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) return 2;
  SetzeEinstellungsdatei(QString::fromLocal8Bit(argv[1]));
  Sprachnummer = 1;
  const QString was = QString::fromLocal8Bit(argv[2]);
  DatenbankPfad = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("DBGolfpfadVB"));
  auto* tuer = new SkriptDialoge;
  tuer->antworten = {ANTWORT_JA};
  SetzeDialoge(std::unique_ptr<Dialoge>(tuer));
  bool ok = false;
  if (was == QLatin1String("karte")) {
    ok = SpeichereInDieDatei(
        [] {
          std::optional<Scorekarte> karte = DBG().ReadScorekarte(QStringLiteral("1"));
          if (!karte) return false;
          for (int loch = 1; loch <= 18; ++loch) karte->Loch[loch].Score = 7;
          karte->Slope = 140;
          return AlsEineAktion([&] { return DBG().WriteScorekarte(*karte).Gespeichert(); });
        },
        [] {});
  } else if (was == QLatin1String("rekorde")) {
    Statistiktabelle t = LeereStatistiktabelle(Statistikart::Golfplatz);
    for (Statistikzeile* z : t.Statistiken())
      for (int spalte = z->Von; spalte <= z->Bis; ++spalte) {
        SetzeZelle((*z)[spalte], true, 3.5, 2);
        (*z)[spalte].Rekord = true;
      }
    ok = SpeichereInDieDatei(
        [&] {
          QSqlError fehler;
          if (SaveAllRecords(DBG().Db(), t, QStringLiteral("1"), QStringLiteral("Monat"), QStringLiteral("05/2024"),
                             QStringLiteral("1"), {}, &fehler))
            return true;
          Speicheraktion aktion;
          aktion.Melde(fehler);
          return false;
        },
        [] {});
  } else if (was == QLatin1String("historie")) {
    Handicapeintrag e;
    e.Golfernummer = QStringLiteral("1");
    e.Datum = QDate(2024, 5, 12);
    e.Bemerkungen = QStringLiteral("nie gespeichert");
    e.Stammvorgabe = 19.8;
    e.Handicap = 20;
    ok = DBG().WriteHdcphistorie(e);
  } else if (was == QLatin1String("komprimieren")) {
    ok = KomprimiereDatenbank() == Komprimierung::Fertig;
  }
  for (const SkriptDialoge::Box& box : tuer->gezeigt)
    std::printf("box: %s\n", qPrintable(QString(box.text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
  DBGFreigeben();
  return ok ? 0 : 1;
}
