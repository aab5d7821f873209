// The query text of each kind of selection, run on a small set of rounds.
#include <gtest/gtest.h>

#include <QSqlQuery>

#include "TestUmgebung.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfplaetze.h"
#include "scoring/Scoreberechnungen.h"
#include "statistics/Analyseabfrage.h"

namespace {

class Analyseabfrage_ : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('7', 'Sieben'), ('8', 'Acht')");
    // id, course, date, handicap-relevant, over par, putts, fairways, drive
    const QVariantList runden[] = {
        {"1", "7", "2003-06-30", 1, 10, 30, 5, 200.0}, {"2", "7", "2003-07-01", 0, 8, 32, 7, 210.0},
        {"3", "7", "2003-07-31", 1, 0, 30, 0, 0.0},    {"4", "8", "2003-07-15", 1, 12, 28, 9, 230.0},
        {"5", "8", "2003-08-01", 0, 8, 31, 6, 190.0},  {"6", "8", "2004-02-29", 1, 15, 30, 4, 220.0},
    };
    for (const QVariantList& r : runden)
      Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Golfplatznummer, Datum, Vorgabewirksam, "
          "ErgebnisÜberPar, GesamtPutt, GesamtFwt, GesamtDrivingDistance) VALUES (?, '3', ?, ?, ?, ?, ?, ?, ?)",
          r);
    Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Golfplatznummer, Datum) VALUES ('9', '4', '7', "
        "'2003-07-02')");
  }

  // The ids the text selects, in its order.
  QStringList ids(const QString& sql) {
    QSqlQuery q(DBG().Db());
    EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
    QStringList r;
    while (q.next()) r.append(q.value(QStringLiteral("Scorekartenidn")).toString());
    return r;
  }

  Analyseauswahl alle() {
    Analyseauswahl a;
    a.Golferidn = "3";
    return a;
  }
  const QDate heute{2026, 12, 8};
};

}  // namespace

TEST_F(Analyseabfrage_, FreierZeitraumKursUndVorgabewirksam) {
  Analyseauswahl a = alle();
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)), QStringList({"1", "2", "4", "3", "5", "6"}));
  a.Golfplatzidn = "7";
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)), QStringList({"1", "2", "3"}));
  a.NurVorgabewirksam = true;
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)), QStringList({"1", "3"}));
  a = alle();
  a.Start = QDate(2003, 7, 1);
  a.Ende = QDate(2003, 7, 31);
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)), QStringList({"2", "4", "3"}));
  // Without dates: from 1900 up to today.
  a = alle();
  a.Ende = QDate(2003, 7, 1);
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)), QStringList({"1", "2"}));
  const Analyseabfrage frei = BaueAnalyseabfrage(alle(), heute);
  EXPECT_EQ(frei.MonatOderJahr, "DontSave");
  EXPECT_EQ(frei.Wann, "xx");
  EXPECT_EQ(frei.TitelNummer, 231);
  EXPECT_EQ(frei.Start, QDate(1900, 1, 1));
  EXPECT_EQ(frei.Ende, heute);
  // An id is written as a quoted literal.
  a = alle();
  a.Golferidn = "3' OR '1'='1";
  EXPECT_TRUE(ids(BaueAnalyseSql(a, heute)).isEmpty());
}

TEST_F(Analyseabfrage_, MonatUndJahr) {
  Analyseauswahl a = alle();
  a.Periode = 1;
  a.Monat = 7;
  a.Jahr = 2003;
  Analyseabfrage m = BaueAnalyseabfrage(a, heute);
  EXPECT_EQ(m.Start, QDate(2003, 7, 1));
  EXPECT_EQ(m.Ende, QDate(2003, 7, 31));
  EXPECT_EQ(m.MonatOderJahr, "Monat");
  EXPECT_EQ(m.Wann, "07/2003");
  EXPECT_EQ(m.TitelNummer, 19);
  EXPECT_EQ(ids(m.Sql), QStringList({"2", "4", "3"}));
  a.Periode = 2;
  m = BaueAnalyseabfrage(a, heute);
  EXPECT_EQ(m.Start, QDate(2002, 8, 1));
  EXPECT_EQ(m.TitelNummer, 7);
  EXPECT_EQ(m.MonatOderJahr, "Jahr");
  a.Monat = 12;
  EXPECT_EQ(BaueAnalyseabfrage(a, heute).Start, QDate(2003, 1, 1));
  a.Monat = 2;
  a.Jahr = 2004;
  a.Periode = 1;
  m = BaueAnalyseabfrage(a, heute);
  EXPECT_EQ(m.Ende, QDate(2004, 2, 29));
  EXPECT_EQ(ids(m.Sql), QStringList({"6"}));
  a.Monat = 0;
  EXPECT_EQ(BaueAnalyseabfrage(a, heute).Meldung, MELDUNG_KEIN_MONAT);
}

TEST_F(Analyseabfrage_, BesteNachJedemKriteriumMitGleichstand) {
  Analyseauswahl a = alle();
  a.Zaehlart = 2;
  a.Anzahl = 2;
  a.Kriterium = 1;  // score: over par ascending, rounds at 0 or below left out
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)), QStringList({"2", "5"}));
  a.Kriterium = 3;  // putts ascending: 28, then two with 30 tie... 28, 30, 30, 30
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)).size(), 4);
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)).first(), "4");
  a.Kriterium = 4;  // fairways descending
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)), QStringList({"4", "2"}));
  a.Kriterium = 5;  // drive descending
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)), QStringList({"4", "6"}));
  a.Kriterium = 2;  // gross points (all 0 here): every round ties
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)).size(), 6);
  // No criterion: the rounds are still ranked, by score, never the first n stored.
  a.Kriterium = 0;
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)), QStringList({"2", "5"}));
  EXPECT_TRUE(BaueAnalyseSql(a, heute).contains("ORDER BY"));
}

// Rounds of equal score are ranked by their gross points; only those equal on both keys
// tie, and a tie with the last place keeps every round of it.
TEST_F(Analyseabfrage_, GleicherScoreEntscheidetNachBruttopunkten) {
  // Par 4 on the first hole: a 5 gives one gross point, a 4 two.
  Sql("UPDATE Tab_Golfplatz SET Loch01Par = 4");
  Sql("UPDATE Greenlogs SET ScoreLoch01 = 5 WHERE Scorekartenidn = '2'");
  Sql("UPDATE Greenlogs SET ScoreLoch01 = 4 WHERE Scorekartenidn = '5'");
  Analyseauswahl a = alle();
  a.Zaehlart = 2;
  a.Kriterium = 1;
  a.Anzahl = 1;
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)), QStringList({"5"}));
  a.Anzahl = 2;
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)), QStringList({"5", "2"}));
  Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Golfplatznummer, Datum, ErgebnisÜberPar, ScoreLoch01) "
      "VALUES ('10', '3', '7', '2003-09-01', 8, 5)");
  const QStringList zwei = ids(BaueAnalyseSql(a, heute));
  ASSERT_EQ(zwei.size(), 3);
  EXPECT_EQ(zwei.first(), "5");
  EXPECT_TRUE(zwei.contains("2") && zwei.contains("10"));
  // By gross points alone, more is better.
  a.Kriterium = 2;
  a.Anzahl = 1;
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)), QStringList({"5"}));
}

// The view's gross points, by which the best rounds are ranked, are StablefordPunkte's for
// every par the course editor takes (or none) and every score a card takes (or none; 99 is
// "-"), on every hole: one card per par and score, on a hole whose neighbours have other pars.
TEST_F(Analyseabfrage_, BruttopunkteDerAbfrageSindDieDerRegel) {
  QVariantList pars{QVariant()}, scores{QVariant()};
  for (int p = -5; p <= 20; ++p)
    if (LochwertGueltig(QString::number(p), true)) pars << p;
  for (int s = -5; s <= 200; ++s)
    if (GibScore(QString::number(s)) != SCORE_UNGUELTIG) scores << s;
  ASSERT_EQ(pars.size(), 5);      // none, 3 to 6
  ASSERT_EQ(scores.size(), 100);  // none, 1 to 98, and 99 for "-"
  const int n = int(pars.size());
  // Course Pk has on hole h the par pars[(h + k) % n].
  QString spalten;
  for (int h = 1; h <= 18; ++h) spalten += QStringLiteral(", Loch%1Par").arg(h, 2, 10, QLatin1Char('0'));
  for (int k = 0; k < n; ++k) {
    QVariantList werte{QStringLiteral("P%1").arg(k)};
    for (int h = 1; h <= 18; ++h) werte << pars[(h + k) % n];
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn" + spalten + ") VALUES (?" + QString(", ?").repeated(18) + ")", werte);
  }
  QSqlDatabase db = DBG().Db();
  db.transaction();
  QSqlQuery q(db);
  QMap<QString, int> erwartet;
  for (int pi = 0; pi < n; ++pi)
    for (int si = 0; si < scores.size(); ++si) {
      const int loch = (pi * int(scores.size()) + si) % 18 + 1;
      const QString id =
          QStringLiteral("Par %1, Score %2, Loch %3").arg(pars[pi].toString(), scores[si].toString()).arg(loch);
      q.prepare(QStringLiteral("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Golfplatznummer, Datum, "
                               "ScoreLoch%1) VALUES (?, '5', ?, '2005-01-01', ?)")
                    .arg(loch, 2, 10, QLatin1Char('0')));
      q.addBindValue(id);
      q.addBindValue(QStringLiteral("P%1").arg(((pi - loch) % n + n) % n));
      q.addBindValue(scores[si]);
      ASSERT_TRUE(q.exec());
      const QVariant& s = scores[si];
      const QVariant& p = pars[pi];
      erwartet[id] = s.isNull() || p.isNull() || s.toInt() == 99 ? 0 : StablefordPunkte(s.toInt(), p.toInt());
    }
  db.commit();
  ASSERT_TRUE(q.exec("SELECT Scorekartenidn, Bruttopunkte FROM qryAnalyse WHERE Golfernummer = '5'"));
  int gelesen = 0;
  for (; q.next(); ++gelesen)
    EXPECT_EQ(q.value(1).toInt(), erwartet.value(q.value(0).toString(), -1)) << q.value(0).toString().toStdString();
  EXPECT_EQ(gelesen, erwartet.size());
}

TEST_F(Analyseabfrage_, LetzteN) {
  Analyseauswahl a = alle();
  a.Zaehlart = 1;
  a.Anzahl = 3;
  EXPECT_EQ(ids(BaueAnalyseSql(a, heute)), QStringList({"6", "5", "3"}));
}

TEST_F(Analyseabfrage_, AnzahlNurAlsGanzeZahlVonEinsBisNeuntausend) {
  int n = 0;
  EXPECT_TRUE(LiesRundenanzahl("10", n));
  EXPECT_EQ(n, 10);
  EXPECT_TRUE(LiesRundenanzahl(" 9999 ", n));
  for (const char* t : {"", "0", "10000", "-5", "5; DROP TABLE Greenlogs", "1,5", "abc"})
    EXPECT_FALSE(LiesRundenanzahl(t, n)) << t;
  Analyseauswahl a = alle();
  a.Zaehlart = 2;
  a.Anzahl = 0;
  EXPECT_EQ(BaueAnalyseabfrage(a, heute).Meldung, MELDUNG_RUNDENANZAHL);
}

TEST_F(Analyseabfrage_, DatumFolgtDerSpracheNichtDemSystem) {
  Sprachnummer = 1;
  EXPECT_EQ(DatumFuerAnzeige(QDate(2004, 3, 5)), "05.03.2004");
  Sprachnummer = 2;
  EXPECT_EQ(DatumFuerAnzeige(QDate(2004, 3, 5)), "03/05/2004");
  Sprachnummer = 1;
}
