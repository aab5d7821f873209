// Storing, loading and scrolling one scorecard of the golfer window on a database that
// holds 5,000 cards.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "BenchUmgebung.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "platform/Registry.h"
#include "forms/Golfer.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

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
    q.prepare("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
              "VALUES (?, ?, 18.4, 18, '1', ?)");
    q.addBindValue(QString::number(g));
    q.addBindValue(QStringLiteral("Golfer %1").arg(g));
    q.addBindValue(g == 1 ? 1 : 0);
    q.exec();
  }
  QStringList spalten{"Scorekartenidn", "Golfernummer", "Golfplatznummer", "Spielart", "Slopeidn", "Datum",
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

QString KarteDesGolfers(int n) { return QString::number(1 + n * GOLFER); }

void Speichern(benchmark::State& state) {
  Golfer& g = GolferForm();
  QString id = KarteDesGolfers(500);
  GotoScorekarte(id);
  int n = 0;
  for (auto _ : state) {
    g.ScoreLoch[7]->setText(QString::number(3 + (++n) % 4));
    benchmark::DoNotOptimize(WriteScorekarte(id));
  }
}
BENCHMARK(Speichern)->Unit(benchmark::kMillisecond);

void Laden(benchmark::State& state) {
  int n = 0;
  for (auto _ : state) {
    QString id = KarteDesGolfers(n++ % (KARTEN / GOLFER));
    benchmark::DoNotOptimize(GotoScorekarte(id));
  }
}
BENCHMARK(Laden)->Unit(benchmark::kMillisecond);

void LetzteKarte(benchmark::State& state) {
  for (auto _ : state) {
    QString id = "LAST";
    benchmark::DoNotOptimize(GotoScorekarte(id));
  }
}
BENCHMARK(LetzteKarte)->Unit(benchmark::kMillisecond);

// Back and forward: the card shown is stored, the view rewritten, the neighbour loaded.
void Blaettern(benchmark::State& state) {
  QString id = KarteDesGolfers(400);
  GotoScorekarte(id);
  int n = 0;
  for (auto _ : state) ScrollScorecard((n++ % 2) ? 1 : 2);
}
BENCHMARK(Blaettern)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString daten = RichteBenchUmgebungEin(dir);
  FuelleDatenbank(daten);

  GolferForm();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  delete &GolferForm();
  DBGFreigeben();
  DBTFreigeben();
  SPUFreigeben();
  return 0;
}
