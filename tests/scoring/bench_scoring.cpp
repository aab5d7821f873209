// Recalculating whole scorecards, the arithmetic behind every change of a hole value: one
// card of its own many times, and every card of the active golfer of a generated database,
// beside the plain read of those cards.
#include <QCoreApplication>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchUmgebung.h"
#include "data/DBGKlasse.h"
#include "language/Sprachumschaltung.h"
#include "scoring/Scoreberechnungen.h"
#include "scoring/Scorekartenrechnung.h"

namespace {

KartenEingabe VolleKarte() {
  const int par[19] = {0, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 4, 3, 5, 4};
  const int index[19] = {0, 7, 3, 15, 1, 11, 5, 17, 9, 13, 8, 16, 2, 12, 4, 10, 18, 6, 14};
  KartenEingabe e;
  for (int i = 1; i <= 18; ++i) {
    KartenLoch& l = e.Loch[i];
    l.Par = QString::number(par[i]);
    l.Vorgabe = QString::number(index[i]);
    l.Score = QString::number(par[i] + i % 3);
    l.Abschlag = "1";
    l.Putts = QString::number(1 + i % 2);
    l.Bunker = i % 5 == 0 ? "1" : "";
    l.Strafschlag = "";
    l.Distance = par[i] == 3 ? "" : QString::number(220 + 5 * i);
    l.Fairwaytreffer = i % 2;
    l.Chip = i % 4 == 0;
    l.FairwaySichtbar = par[i] != 3;
  }
  e.Spielvorgabe = "20";
  return e;
}

// The columns of a card and of its course that the calculation takes.
QString KartenSql() {
  QStringList s{"g.AktHdcp"};
  for (int i = 1; i <= 18; ++i)
    for (const QString& f :
         {QStringLiteral("g.ScoreLoch%1"), QStringLiteral("g.AbschlagLoch%1"), QStringLiteral("g.DistanceLoch%1"),
          QStringLiteral("g.PuttsLoch%1"), QStringLiteral("g.BunkerLoch%1"), QStringLiteral("g.StrafschlagLoch%1"),
          QStringLiteral("g.FairwaytrefferLoch%1"), QStringLiteral("g.ChipLoch%1"), QStringLiteral("g.PitchLoch%1"),
          QStringLiteral("p.Loch%1Par"), QStringLiteral("p.Loch%1Vorgabe")})
      s << f.arg(i, 2, 10, QLatin1Char('0'));
  return QStringLiteral(
             "SELECT %1 FROM Greenlogs g JOIN Tab_Golfplatz p ON p.Golfplatzidn = g.Golfplatznummer "
             "WHERE g.Golfernummer = '1'")
      .arg(s.join(", "));
}

int Messe(int runden) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  if (runden == 0) {
    const KartenEingabe e = VolleKarte();
    const double ms = MedianMs(9, [&] {
      for (int k = 0; k < 10000; ++k) {
        KartenErgebnis r = RechneScorekarte(e, 0);
        if (r.Meldung == -1) std::puts("");
      }
    });
    Zeile("one card recalculated 10,000 times", ms, 0);
    const double h = MedianMs(9, [] {
      int punkte = 20;
      for (int k = 0; k < 10000; ++k) {
        double hc = 36.8;
        if (BerechneHandicap(hc, punkte) == -100) std::puts("");
        punkte = punkte == 60 ? 20 : punkte + 1;
      }
    });
    Zeile("handicap after 10,000 rounds", h, 0);
    return 0;
  }
  QTemporaryDir dir;
  const QString daten = RichteBenchUmgebungEin(dir);
  if (!FuelleGeneriert(daten, runden)) return 1;
  const QString sql = KartenSql();
  auto lies = [&](bool rechnen) {
    QSqlQuery q(DBG().Db());
    q.setForwardOnly(true);
    q.exec(sql);
    long n = 0;
    while (q.next()) {
      KartenEingabe e;
      e.Spielvorgabe = q.value(0).toString();
      for (int i = 1; i <= 18; ++i) {
        const int b = 1 + (i - 1) * 11;
        KartenLoch& l = e.Loch[i];
        l.Score = q.value(b).toString();
        l.Abschlag = q.value(b + 1).toString();
        l.Distance = q.value(b + 2).toString();
        l.Putts = q.value(b + 3).toString();
        l.Bunker = q.value(b + 4).toString();
        l.Strafschlag = q.value(b + 5).toString();
        l.Fairwaytreffer = q.value(b + 6).toInt();
        l.Chip = q.value(b + 7).toInt();
        l.Pitch = q.value(b + 8).toInt();
        l.Par = q.value(b + 9).toString();
        l.Vorgabe = q.value(b + 10).toString();
      }
      if (rechnen) {
        KartenErgebnis r = RechneScorekarte(e, 0);
        if (r.Meldung == -1) std::puts("");
      }
      ++n;
    }
    return n;
  };
  const long karten = lies(false);
  const double lesen = MedianMs(5, [&] { lies(false); });
  const double ms = MedianMs(5, [&] { lies(true); });
  Zeile(QStringLiteral("every card of the active golfer (%1)").arg(karten), ms, lesen);
  DBGFreigeben();
  DBTFreigeben();
  SPUFreigeben();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  return FuerJedenDatensatz(argc, argv, Messe);
}
