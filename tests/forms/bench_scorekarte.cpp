// Storing, loading and scrolling one scorecard of the golfer window, and saving a month's
// records of a course, on 5,000 cards of its own and on generated databases, each beside
// the plain read (or write) of the same rows.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include "BenchUmgebung.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Dateiwechsel.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Registry.h"
#include "records/Rekorde.h"

namespace {

constexpr int KARTEN = 5000;
constexpr int GOLFER = 5;

void FuelleDatenbank(const QString& pfad) {
  QSqlDatabase db = FuellVerbindung(pfad);
  QSqlQuery q(db);
  for (int p = 1; p <= 10; ++p) {
    QStringList spalten{"Golfplatzidn", "Golfplatzname", "GolfplatzAnzeigen", "SSSPar"};
    QVariantList werte{QString::number(p), QStringLiteral("Golfplatz %1").arg(p), 1, 72};
    for (int i = 1; i <= 18; ++i) {
      spalten << FeldnameNr("Loch", i) + "Par" << FeldnameNr("Loch", i) + "Vorgabe";
      werte << 3 + (i + p) % 3 << (i * 7) % 18 + 1;
    }
    q.prepare(QStringLiteral("INSERT INTO Tab_Golfplatz (%1) VALUES (%2)")
                  .arg(spalten.join(','), QStringList(spalten.size(), "?").join(',')));
    for (const QVariant& w : werte) q.addBindValue(w);
    q.exec();
    q.prepare("INSERT INTO tab_Slope VALUES (?, ?, 'Gelb', 125, 71.2)");
    q.addBindValue(QString::number(p));
    q.addBindValue(QString::number(p));
    q.exec();
  }
  for (int g = 1; g <= GOLFER; ++g) {
    q.prepare(
        "INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
        "VALUES (?, ?, 18.4, 18, '1', ?)");
    q.addBindValue(QString::number(g));
    q.addBindValue(QStringLiteral("Golfer %1").arg(g));
    q.addBindValue(g == 1 ? 1 : 0);
    q.exec();
  }
  QStringList spalten{"Scorekartenidn", "Golfernummer", "Golfplatznummer", "Spielart", "Slopeidn",           "Datum",
                      "AktHdcp",        "Slope",        "CourseRating",    "ShowWhat", "HdcpHistorieZustand"};
  for (const char* f : {"ScoreLoch", "PuttsLoch", "DistanceLoch", "FairwaytrefferLoch"})
    for (int i = 1; i <= 18; ++i) spalten << FeldnameNr(f, i);
  q.prepare(QStringLiteral("INSERT INTO Greenlogs (%1) VALUES (%2)")
                .arg(spalten.join(','), QStringList(spalten.size(), "?").join(',')));
  for (int k = 1; k <= KARTEN; ++k) {
    const int platz = 1 + k % 10;
    q.addBindValue(QString::number(k));
    q.addBindValue(QString::number(1 + k % GOLFER));
    q.addBindValue(QString::number(platz));
    q.addBindValue("2");
    q.addBindValue(QString::number(platz));
    q.addBindValue(QDate(2000, 1, 1).addDays(k / 3).toString(Qt::ISODate));
    q.addBindValue(18.4);
    q.addBindValue(125);
    q.addBindValue(71.2);
    q.addBindValue("11111111");
    q.addBindValue("1");
    for (int i = 1; i <= 18; ++i) q.addBindValue(3 + (i + k) % 4);
    for (int i = 1; i <= 18; ++i) q.addBindValue(1 + (i + k) % 3);
    for (int i = 1; i <= 18; ++i) q.addBindValue(200.0 + (i * k) % 60);
    for (int i = 1; i <= 18; ++i) q.addBindValue((i + k) % 2);
    q.exec();
  }
  db.commit();
  db.close();
}

// The plain read of one card's row, every column.
void LiesZeile(const QString& sql, const QVariantList& werte) {
  QSqlQuery q(DBG().Db());
  q.setForwardOnly(true);
  q.prepare(sql);
  for (const QVariant& w : werte) q.addBindValue(w);
  q.exec();
  long long summe = 0;
  const int spalten = q.record().count();
  while (q.next())
    for (int c = 0; c < spalten; ++c) summe += q.value(c).toString().size();
  if (summe == -1) std::puts("");
}

// The plain write of one card's row: every column but the key set to its stored value.
void SchreibeZeile(const QString& id) {
  QSqlQuery q(DBG().Db());
  q.prepare("SELECT * FROM Greenlogs WHERE Scorekartenidn = ?");
  q.addBindValue(id);
  q.exec();
  q.next();
  const QSqlRecord r = q.record();
  QStringList spalten;
  QVariantList werte;
  for (int c = 1; c < r.count(); ++c) {
    spalten << QStringLiteral("\"%1\" = ?").arg(r.fieldName(c));
    werte << q.value(c);
  }
  q.finish();
  QSqlQuery u(DBG().Db());
  u.prepare(QStringLiteral("UPDATE Greenlogs SET %1 WHERE Scorekartenidn = ?").arg(spalten.join(", ")));
  for (const QVariant& w : werte) u.addBindValue(w);
  u.addBindValue(id);
  u.exec();
}

QStringList KartenDesGolfers(const QString& golfer) {
  QStringList ids;
  QSqlQuery q(DBG().Db());
  q.prepare(
      "SELECT Scorekartenidn FROM Greenlogs WHERE Golfernummer = ? ORDER BY Datum, CAST(Scorekartenidn AS INTEGER)");
  q.addBindValue(golfer);
  q.exec();
  while (q.next()) ids << q.value(0).toString();
  return ids;
}

int Messe(int runden) {
  QTemporaryDir dir;
  const QString daten = RichteBenchUmgebungEin(dir);
  if (runden == 0)
    FuelleDatenbank(daten);
  else if (!FuelleGeneriert(daten, runden))
    return 1;

  Golfer& g = GolferForm();
  const QString golfer = AktiverGolfer.Golferidn;
  const QStringList karten = KartenDesGolfers(golfer);
  if (karten.size() < 10) return 1;
  const QString mitte = karten.at(karten.size() / 2);
  const int mal = 201;
  std::printf("(%lld cards of the active golfer)\n", qlonglong(karten.size()));

  int n = 0;
  const double laden = MedianMs(mal, [&] {
    QString id = karten.at((n++ * 37) % karten.size());
    GotoScorekarte(id);
  });
  n = 0;
  const double ladenLesen = MedianMs(mal, [&] {
    LiesZeile("SELECT * FROM Greenlogs WHERE Scorekartenidn = ?", {karten.at((n++ * 37) % karten.size())});
  });
  Zeile("load a card", laden, ladenLesen);

  const double letzte = MedianMs(mal, [] {
    QString id = "LAST";
    GotoScorekarte(id);
  });
  const double letzteLesen = MedianMs(
      mal, [&] { LiesZeile("SELECT * FROM Greenlogs WHERE Golfernummer = ? ORDER BY Datum DESC LIMIT 1", {golfer}); });
  Zeile("latest card", letzte, letzteLesen);

  // Back and forward: the card shown is stored, the neighbour found and loaded.
  QString id = mitte;
  GotoScorekarte(id);
  n = 0;
  const double blaettern = MedianMs(mal, [&] { ScrollScorecard((n++ % 2) ? 1 : 2); });
  const int pos = int(karten.indexOf(mitte));
  n = 0;
  const double blaetternLesen = MedianMs(mal, [&] {
    const QString jetzt = karten.at(pos + (n % 2)), ziel = karten.at(pos + 1 - (n % 2));
    ++n;
    SchreibeZeile(jetzt);
    LiesZeile("SELECT * FROM Greenlogs WHERE Scorekartenidn = ?", {ziel});
  });
  Zeile("next / previous card", blaettern, blaetternLesen);

  // The neighbour alone, without storing and loading.
  n = 0;
  const double nachbar = MedianMs(mal, [&] { DBG().NachbarScorekarte(golfer, karten.at(pos + (n++ % 2)), 2); });
  const double nachbarLesen = MedianMs(
      mal, [&] { LiesZeile("SELECT Scorekartenidn FROM Greenlogs WHERE Scorekartenidn = ?", {karten.at(pos + 1)}); });
  Zeile("    of which finding the neighbour", nachbar, nachbarLesen);

  id = mitte;
  GotoScorekarte(id);
  n = 0;
  const double speichern = MedianMs(mal, [&] {
    g.ScoreLoch[7]->setText(QString::number(3 + (++n) % 4));
    VerlasseScorekarte();
  });
  const double speichernLesen = MedianMs(mal, [&] { SchreibeZeile(id); });
  Zeile("store a card", speichern, speichernLesen, "plain write");

  // A month's records of one course, every cell a new record (the first save adds the
  // rows, the later ones change them), beside the plain write of the same rows: one
  // statement per row in one transaction.
  Statistiktabelle tabelle = LeereStatistiktabelle(Statistikart::Golfplatz);
  int zeilen = 0;
  for (Statistikzeile* z : tabelle.Statistiken())
    for (int c = z->Von; c <= z->Bis; ++c) {
      (*z)[c].Text = QStringLiteral("4,50");
      (*z)[c].Rekord = true;
      ++zeilen;
    }
  n = 0;
  const double rekorde = MedianMs(mal, [&] {
    const QString wann = QStringLiteral("%1/2024").arg(1 + (++n) % 12, 2, 10, QLatin1Char('0'));
    SpeichereInDieDatei([&] { return SaveAllRecords(DBG().Db(), tabelle, "1", "Monat", wann, golfer); }, [] {});
  });
  const QString schluessel = Rekordschluessel("Monat", "1", golfer);
  n = 0;
  const double rekordeSchreiben = MedianMs(mal, [&] {
    const QString wann = QStringLiteral("%1/2024").arg(1 + (++n) % 12, 2, 10, QLatin1Char('0'));
    QSqlDatabase db = DBG().Db();
    db.transaction();
    QSqlQuery u(db);
    u.prepare("UPDATE tab_Records SET Wann = ?, Ergebnis = ? WHERE MonatOderJahr = ? AND Bezeichnung = ?");
    for (const Statistikzeile* z : tabelle.Statistiken())
      for (int c = z->Von; c <= z->Bis; ++c) {
        u.addBindValue(wann);
        u.addBindValue((*z)[c].Text);
        u.addBindValue(schluessel);
        u.addBindValue(Rekordname(*z, c));
        u.exec();
      }
    db.commit();
  });
  Zeile(QStringLiteral("save the records (%1 rows)").arg(zeilen), rekorde, rekordeSchreiben, "plain write");

  delete &GolferForm();
  DBGFreigeben();
  DBTFreigeben();
  SPUFreigeben();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return FuerJedenDatensatz(argc, argv, Messe);
}
