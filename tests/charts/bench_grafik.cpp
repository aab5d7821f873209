// Computing and drawing the score chart over 5,000 selected rounds (with the progress
// window and the picture of the chart window).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "charts/Diagramm.h"
#include "BenchUmgebung.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "platform/Registry.h"
#include "forms/frmGrafik.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

namespace {

constexpr int RUNDEN = 5000;

void FuelleDatenbank(const QString& pfad) {
  QSqlDatabase db = FuellVerbindung(pfad);
  QSqlQuery q(db);
  QStringList platz{"Golfplatzidn", "Golfplatzname"};
  QVariantList werte{"1", "Achental"};
  for (int i = 1; i <= 18; ++i) {
    platz << FeldnameNr("Loch", i) + "Par";
    werte << 3 + i % 3;
  }
  q.prepare(QStringLiteral("INSERT INTO Tab_Golfplatz (%1) VALUES (%2)")
                .arg(platz.join(','), QStringList(platz.size(), "?").join(',')));
  for (const QVariant& w : werte) q.addBindValue(w);
  q.exec();
  QStringList spalten{"Scorekartenidn", "Golfernummer", "Golfplatznummer", "Datum"};
  for (const char* f : {"ScoreLoch", "PuttsLoch", "FairwaytrefferLoch", "ChipLoch", "PitchLoch"})
    for (int i = 1; i <= 18; ++i) spalten << FeldnameNr(f, i);
  q.prepare(QStringLiteral("INSERT INTO Greenlogs (%1) VALUES (%2)")
                .arg(spalten.join(','), QStringList(spalten.size(), "?").join(',')));
  for (int k = 1; k <= RUNDEN; ++k) {
    q.addBindValue(QString::number(k));
    q.addBindValue("1");
    q.addBindValue("1");
    q.addBindValue(QDate(2000, 1, 1).addDays(k).toString(Qt::ISODate));
    for (int i = 1; i <= 18; ++i) q.addBindValue(3 + (i + k) % 4);
    for (int i = 1; i <= 18; ++i) q.addBindValue(1 + (i + k) % 3);
    for (int f = 0; f < 3; ++f)
      for (int i = 1; i <= 18; ++i) q.addBindValue((i + k + f) % 2);
    q.exec();
  }
  db.commit();
  db.close();
}

void ScoreGrafik(benchmark::State& state) {
  frmGrafik& f = FormInstanz<frmGrafik>();
  for (auto _ : state) {
    f.ZeichneAuswertung(0);
    benchmark::DoNotOptimize(f.AlsBild(QSize(1020, 670)));
  }
  if (f.Grafik1->Punkte(0) != RUNDEN) state.SkipWithError("not every round was drawn");
}
BENCHMARK(ScoreGrafik)->Unit(benchmark::kMillisecond);

void ScoreNachPar(benchmark::State& state) {
  frmGrafik& f = FormInstanz<frmGrafik>();
  for (auto _ : state) {
    f.ZeichneAuswertung(1);
    benchmark::DoNotOptimize(f.AlsBild(QSize(1020, 670)));
  }
}
BENCHMARK(ScoreNachPar)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString daten = RichteBenchUmgebungEin(dir);
  FuelleDatenbank(daten);
  DBG().SetSQL("qryAnalyseTemp", "SELECT * FROM qryAnalyse WHERE Golfernummer = '1'");

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  delete &FormInstanz<frmGrafik>();
  DBGFreigeben();
  DBTFreigeben();
  SPUFreigeben();
  return 0;
}
