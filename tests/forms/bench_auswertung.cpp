// Time of an analysis on a database of 10,000 rounds over 20 courses and 3 golfers of its
// own and on generated databases: the query and the statistics per hole of one course (all
// rounds, the last 100, the best 100) and per par over all courses, beside a plain SQLite
// scan that reads the same rows and fields.
#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchUmgebung.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Analyseseite.h"
#include "forms/AuswertungAllgemein.h"
#include "forms/AuswertungGolfplatz.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

QString SqlWert_Analyse();

namespace {

constexpr int RUNDEN = 10000;
constexpr int PLAETZE = 20;
constexpr int GOLFER = 3;

void FuelleDatenbank(const QString& pfad) {
  QSqlDatabase db = FuellVerbindung(pfad);
  QSqlQuery q(db);
  for (int p = 1; p <= PLAETZE; ++p) {
    QStringList spalten{"Golfplatzidn", "Golfplatzname"};
    QVariantList werte{QString::number(p), QStringLiteral("Golfplatz %1").arg(p)};
    for (int i = 1; i <= 18; ++i) {
      spalten << FeldnameNr("Loch", i) + "Par" << FeldnameNr("Loch", i) + "Vorgabe";
      werte << 3 + (i + p) % 3 << (i * 7) % 18 + 1;
    }
    q.prepare(QStringLiteral("INSERT INTO Tab_Golfplatz (%1) VALUES (%2)")
                  .arg(spalten.join(','), QStringList(spalten.size(), "?").join(',')));
    for (const QVariant& w : werte) q.addBindValue(w);
    q.exec();
  }
  for (int g = 1; g <= GOLFER; ++g)
    q.exec(QStringLiteral("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('%1', 'Golfer %1')").arg(g));
  QStringList spalten{"Scorekartenidn", "Golfernummer", "Golfplatznummer", "Datum", "Vorgabewirksam"};
  for (const char* f :
       {"ScoreLoch", "PuttsLoch", "DistanceLoch", "FairwaytrefferLoch", "ChipLoch", "PitchLoch", "BunkerLoch"})
    for (int i = 1; i <= 18; ++i) spalten << FeldnameNr(f, i);
  q.prepare(QStringLiteral("INSERT INTO Greenlogs (%1) VALUES (%2)")
                .arg(spalten.join(','), QStringList(spalten.size(), "?").join(',')));
  for (int k = 1; k <= RUNDEN; ++k) {
    // Golfer 1 plays most rounds, a quarter of them on course 1.
    const int golfer = k % 10 == 0 ? 2 : (k % 10 == 5 ? 3 : 1);
    const int platz = k % 4 == 0 ? 1 : 1 + k % PLAETZE;
    q.addBindValue(QString::number(k));
    q.addBindValue(QString::number(golfer));
    q.addBindValue(QString::number(platz));
    q.addBindValue(QDate(1990, 1, 1).addDays(k).toString(Qt::ISODate));
    q.addBindValue(k % 2);
    for (int i = 1; i <= 18; ++i) q.addBindValue(3 + (i + k) % 4);
    for (int i = 1; i <= 18; ++i) q.addBindValue(1 + (i + k) % 3);
    for (int i = 1; i <= 18; ++i) q.addBindValue(200.0 + (i * k) % 60);
    for (int i = 1; i <= 18; ++i) q.addBindValue((i + k) % 2);
    for (int i = 1; i <= 18; ++i) q.addBindValue((i + k) % 5 == 0 ? 1 : 0);
    for (int i = 1; i <= 18; ++i) q.addBindValue((i + k) % 7 == 0 ? 1 : 0);
    for (int i = 1; i <= 18; ++i) q.addBindValue((i + k) % 6 == 0 ? 1 : 0);
    q.exec();
  }
  db.commit();
  db.close();
}

// The same rows and fields as the statistics read, walked once without any arithmetic.
double Scan(const QString& sql) {
  QStringList spalten{"Golfplatznummer"};
  for (const char* f :
       {"ScoreLoch", "PuttsLoch", "DistanceLoch", "FairwaytrefferLoch", "ChipLoch", "PitchLoch", "BunkerLoch"})
    for (int i = 1; i <= 18; ++i) spalten << FeldnameNr(f, i);
  for (int i = 1; i <= 18; ++i) spalten << FeldnameNr("Loch", i) + "Par";
  QElapsedTimer t;
  t.start();
  QSqlQuery q(DBG().Db());
  q.setForwardOnly(true);
  q.exec(QStringLiteral("SELECT %1 FROM (%2)").arg(spalten.join(", "), sql));
  long long summe = 0;
  while (q.next())
    for (int c = 0; c < spalten.size(); ++c) summe += q.value(c).toLongLong();
  const double ms = t.nsecsElapsed() / 1e6;
  if (summe == 42) std::puts("");
  return ms;
}

void Miss(const char* name, Analyseseite& seite, const QString& platz) {
  seite.AuswahlGolfplatz->setEditText(platz);
  const double ms = MedianMs(5, [&] { seite.ErstelleAnalyse(); });
  const QString sql = SqlWert_Analyse();
  const double scan = MedianMs(5, [&] { Scan(sql); });
  Zeile(name, ms, scan);
}

int Messe(int runden) {
  QTemporaryDir dir;
  const QString daten = RichteBenchUmgebungEin(dir);
  if (runden == 0)
    FuelleDatenbank(daten);
  else if (!FuelleGeneriert(daten, runden))
    return 1;
  AktiverGolfer.Golferidn = "1";
  const QString platz = DBG().gib_tab_eintrag("tab_Golfplatz", "Golfplatzidn", "1", "Golfplatzname");

  Analyseseite seite;
  seite.AuswahlGolfplatz->addItem("< Alle Golfplätze >");
  seite.AuswahlGolfplatz->addItem(platz);
  Miss("all rounds, one course", seite, platz);
  std::printf("    (%s rounds on one course)\n", qPrintable(AuswertungGolfplatzForm().Kopf().Runden));
  Miss("all rounds, all courses", seite, "< Alle Golfplätze >");
  std::printf("    (%s rounds on all courses)\n", qPrintable(AuswertungAllgemeinForm().Kopf().Runden));
  seite.Last[1]->setChecked(true);
  seite.LastEingabe->setText("100");
  Miss("last 100, one course", seite, platz);
  seite.Last[1]->setChecked(false);
  seite.Best[1]->setChecked(true);
  seite.BestWhat[2]->setChecked(true);
  seite.TopEingabe->setText("100");
  Miss("best 100 (gross points), one course", seite, platz);
  std::printf("    (%s rounds)\n", qPrintable(AuswertungGolfplatzForm().Kopf().Runden));
  return 0;
}

}  // namespace

QString SqlWert_Analyse() {
  QSqlQuery q(DBG().Db());
  q.exec("SELECT sql FROM sqlite_master WHERE name = 'qryAnalyseTemp'");
  q.next();
  QString s = q.value(0).toString();
  return s.mid(s.indexOf(" AS ") + 4);
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return FuerJedenDatensatz(argc, argv, Messe);
}
