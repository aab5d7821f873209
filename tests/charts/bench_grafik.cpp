// Computing and drawing each of the fifteen charts (with the progress window and the
// picture of the chart window) over 10,000 rounds and 1,100 handicap-history rows of its
// own and over generated databases, each beside the plain read of the chart's rows.
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include "BenchUmgebung.h"
#include "charts/widgets/Diagramm.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/frmGrafik.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Registry.h"

namespace {

constexpr int RUNDEN = 10000;
constexpr int HISTORIE = 1100;

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
  q.prepare(
      "INSERT INTO tab_HdcpHistorie (Satznr, Golfernummer, Datum, Stammvorgabe, Handicap) VALUES (?, '1', ?, ?, ?)");
  for (int k = 1; k <= HISTORIE; ++k) {
    q.addBindValue(QString::number(k));
    q.addBindValue(QDate(2000, 1, 1).addDays(k * 3).toString(Qt::ISODate));
    q.addBindValue(20.0 - (k % 90) / 10.0);
    q.addBindValue(20 - (k % 90) / 10);
    q.exec();
  }
  db.commit();
  db.close();
}

// The plain read of the columns a chart reads, every value of every row.
double Lesen(const QString& sql) {
  return MedianMs(5, [&] {
    QSqlQuery q(DBG().Db());
    q.setForwardOnly(true);
    q.exec(sql);
    long long summe = 0;
    const int spalten = q.record().count();
    while (q.next())
      for (int c = 0; c < spalten; ++c) summe += q.value(c).toLongLong();
    if (summe == -1) std::puts("");
  });
}

int Messe(int runden) {
  QTemporaryDir dir;
  const QString daten = RichteBenchUmgebungEin(dir);
  if (runden == 0)
    FuelleDatenbank(daten);
  else if (!FuelleGeneriert(daten, runden))
    return 1;
  DBG().SetSQL("qryAnalyseTemp", "SELECT * FROM qryAnalyse WHERE Golfernummer = '1'");
  AktiverGolfer.Golferidn = "1";

  QStringList spalten{"Datum"};
  for (int i = 1; i <= 18; ++i)
    for (const char* p : {"ScoreLoch", "PuttsLoch", "FairwaytrefferLoch", "ChipLoch", "PitchLoch"})
      spalten << FeldnameNr(QLatin1String(p), i);
  for (int i = 1; i <= 18; ++i) spalten << FeldnameNr("Loch", i) + "Par";
  QSqlQuery n(DBG().Db());
  n.exec("SELECT COUNT(*) FROM qryAnalyseTemp");
  n.next();
  const long rundenGewaehlt = long(n.value(0).toLongLong());
  n.exec("SELECT COUNT(*) FROM tab_HdcpHistorie WHERE Golfernummer = '1'");
  n.next();
  const long historie = long(n.value(0).toLongLong());
  n.finish();
  const double lesen =
      Lesen(QStringLiteral("SELECT %1 FROM qryAnalyseTemp ORDER BY Datum ASC").arg(spalten.join(", ")));
  const double lesenHistorie =
      Lesen("SELECT Stammvorgabe FROM tab_HdcpHistorie WHERE Golfernummer = '1' ORDER BY Datum ASC");
  std::printf("(%ld rounds selected, %ld handicap-history rows)\n", rundenGewaehlt, historie);

  frmGrafik& f = FormInstanz<frmGrafik>();
  const int mal = runden >= 50000 ? 5 : 9;
  for (int i = 0; i < 15; ++i) {
    // The series and axes a chart removes wait for deferred deletion: they go between runs,
    // as the event loop of the program lets them.
    const double ms = MedianMs(
        mal,
        [&] {
          f.ZeichneAuswertung(i);
          f.AlsBild(QSize(1020, 670));
        },
        [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); });
    Zeile(QStringLiteral("chart %1%2").arg(i + 1).arg(i == 14 ? " (handicap history)" : ""), ms,
          i == 14 ? lesenHistorie : lesen);
  }
  if (f.Grafik1->Punkte(0) != historie) std::printf("not every row was drawn\n");
  // What every figure above holds besides the rows: the picture of the window alone.
  const double bild = MedianMs(mal, [&] { f.AlsBild(QSize(1020, 670)); });
  Zeile("picture of the handicap chart only", bild, lesenHistorie);
  delete &FormInstanz<frmGrafik>();
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
