// One user action, one transaction: a card with its history row and the golfer's
// handicap, a golfer with its history, a course with its tees, a tournament and the
// deletes are stored whole or not at all, with one box saying why, and the window keeps
// what was typed. Also the entry faults that lost data: dates and numbers that are no
// valid entry, deletes that wrote the rest of a grid, the drive total, plus handicaps.
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>

#include "TestUmgebung.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Historieneditor.h"
#include "forms/Loeschen.h"
#include "forms/Scorekartenablauf.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"

namespace {
// The time a store under another program's lock takes at most before it gives up: two
// waits of the database's busy timeout (2 s each), with room for a busy machine and the
// sanitizer build.
constexpr qint64 SPERRFRIST_MS = 7000;

constexpr int PAR[19] = {0, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 4, 3, 5, 4};
constexpr int SQLITE_FULL = 13;

class Speicheraktionen : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    QStringList spalten{"Golfplatzidn", "Golfplatzname", "GolfplatzAnzeigen", "SSSPar"};
    QVariantList werte{"1", "Achental", 1, 72};
    for (int i = 1; i <= 18; ++i) {
      spalten << FeldnameNr("Loch", i) + "Par" << FeldnameNr("Loch", i) + "Vorgabe";
      werte << PAR[i] << i;
    }
    Sql(QStringLiteral("INSERT INTO Tab_Golfplatz (%1) VALUES (%2)")
            .arg(spalten.join(','), QStringList(spalten.size(), "?").join(',')),
        werte);
    Sql("INSERT INTO tab_Slope (Slopeidn, Golfplatzidn, Abschlagbezeichnung, Slopewert, CourseRating) "
        "VALUES ('1', '1', 'Gelb', 125, 71.2)");
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
        "VALUES ('1', 'Anna', 20.6, 21, '1', 1)");
    Sql("INSERT INTO tab_HdcpHistorie (Satznr, Golfernummer, Datum, Golfplatzbez, Stammvorgabe, Handicap) "
        "VALUES ('1', '1', '2024-04-01', 'Achental', 20.6, 21)");
    Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Datum, Golfplatznummer, Spielart, AktHdcp) "
        "VALUES ('1', '1', '2024-05-12', '1', '2', 23)");
    Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum, GolfplatzNo) "
        "VALUES ('1', 'Frühjahrspreis', '2024-04-20', '1')");
  }
  void TearDown() override {
    SetzeFehlerprobe({});
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TestUmgebung::TearDown();
  }
  Golfer& g() { return GolferForm(); }
  QString Text(int n) { return SPU().GibTranslation(n); }
  QVariant Wert(const QString& sql, const QVariantList& w = {}) { return SqlWert(sql, w); }
  // The boxes that tell of a failed store.
  int Fehlerboxen() {
    int n = 0;
    for (const QString& t : GezeigteTexte())
      if (t.startsWith(Text(MELDUNG_NICHT_GESPEICHERT))) ++n;
    return n;
  }
  // The golfer window at its card, every hole played, counting for the handicap.
  void KarteGespielt() {
    ASSERT_TRUE(ReadGolferdaten("1"));
    QString id = "1";
    ASSERT_TRUE(GotoScorekarte(id));
    for (int i = 1; i <= 18; ++i) g().ScoreLoch[i]->setText(QString::number(PAR[i] + 1));
    g().Vorgabewirksam->setChecked(true);
    BerechneScorekarte(0);
    ASSERT_FALSE(g().StblNettoLoch[21]->text().isEmpty());
  }
  // A second program holding the write lock of the database.
  struct Sperre {
    QSqlDatabase db;
    explicit Sperre(const QString& pfad) {
      db = QSqlDatabase::addDatabase("QSQLITE", "fremd");
      db.setDatabaseName(pfad);
      db.open();
      QSqlQuery q(db);
      EXPECT_TRUE(q.exec("BEGIN IMMEDIATE"));
    }
    ~Sperre() {
      {
        QSqlQuery q(db);
        q.exec("ROLLBACK");
      }
      db.close();
      db = QSqlDatabase();
      QSqlDatabase::removeDatabase("fremd");
    }
  };
};

}  // namespace

// ------------------------------------------------------------------ the card and its history row

TEST_F(Speicheraktionen, CardWhoseHistoryRowFailsIsNotStoredAndIsOfferedAgain) {
  KarteGespielt();
  const QString stammVorher = g().Stammvorgabe->text();
  SetzeFehlerprobe(FehlerBei("INSERT INTO tab_HdcpHistorie", SQLITE_FULL));
  Antworte({ANTWORT_JA, 1});  // yes to the history, then the failure box
  EXPECT_FALSE(WriteScorekarte("1"));
  EXPECT_EQ(Fehlerboxen(), 1) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_TRUE(GezeigteTexte().join(" ").contains(Text(MELDUNG_GRUND_VOLL)));
  SetzeFehlerprobe({});
  // Nothing of the action is stored: not the card, not the row, not the handicap.
  EXPECT_NE(Wert("SELECT HdcpHistorieZustand FROM Greenlogs").toString(), "1");
  EXPECT_TRUE(Wert("SELECT ScoreLoch01 FROM Greenlogs").isNull());
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM tab_HdcpHistorie").toInt(), 1);
  EXPECT_DOUBLE_EQ(Wert("SELECT Stammvorgabe FROM tab_golfer").toDouble(), 20.6);
  // The screen keeps the round and the handicap; the card is not left.
  EXPECT_EQ(g().Stammvorgabe->text(), stammVorher);
  EXPECT_EQ(g().ScoreLoch[1]->text(), "5");
  EXPECT_NE(g().Karte().HdcpHistorieZustand, "1");
  Dlg().gezeigt.clear();
  SetzeFehlerprobe(FehlerBei("UPDATE Greenlogs", SQLITE_FULL));
  Antworte({ANTWORT_NEIN, 1});  // the history question comes before the store, then the failure box
  EXPECT_FALSE(VerlasseScorekarte());
  SetzeFehlerprobe({});

  // Once the disk has room again, the round is offered again and all is stored.
  Dlg().gezeigt.clear();
  Antworte({ANTWORT_JA});
  EXPECT_TRUE(WriteScorekarte("1"));
  EXPECT_EQ(Fehlerboxen(), 0);
  EXPECT_EQ(Wert("SELECT HdcpHistorieZustand FROM Greenlogs").toString(), "1");
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM tab_HdcpHistorie").toInt(), 2);
  const double neu = Wert("SELECT Stammvorgabe FROM tab_HdcpHistorie WHERE Satznr <> '1'").toDouble();
  EXPECT_DOUBLE_EQ(Wert("SELECT Stammvorgabe FROM tab_golfer").toDouble(), neu);
  EXPECT_NE(neu, 20.6);
}

TEST_F(Speicheraktionen, HistoryQuestionIsAskedWhileTheDatabaseIsFree) {
  KarteGespielt();
  QString frage;
  bool frei = false;
  // The question stays unanswered (No); while it is shown another program tries to write.
  Dlg().unbeantwortet = [&](const QString& was) {
    frage = was;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test_zweiter");
      db.setDatabaseName(DbPfad());
      db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=0");
      ASSERT_TRUE(db.open());
      QSqlQuery q(db);
      frei = q.exec("BEGIN IMMEDIATE");
      q.exec("ROLLBACK");
      q = QSqlQuery();
      db.close();
    }
    QSqlDatabase::removeDatabase("test_zweiter");
  };
  EXPECT_TRUE(WriteScorekarte("1"));
  EXPECT_TRUE(frage.contains(Text(33))) << frage.toStdString();
  EXPECT_TRUE(frei);
  // The card is stored after the answer, offered once, without a history row.
  EXPECT_EQ(Wert("SELECT HdcpHistorieZustand FROM Greenlogs").toString(), "1");
  EXPECT_EQ(Wert("SELECT ScoreLoch01 FROM Greenlogs").toInt(), 5);
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM tab_HdcpHistorie").toInt(), 1);
}

TEST_F(Speicheraktionen, FailedGolferUpdateUndoesTheHistoryRow) {
  KarteGespielt();
  SetzeFehlerprobe(FehlerBei("UPDATE \"tab_golfer\"", SQLITE_FULL));
  Antworte({ANTWORT_JA, 1});
  EXPECT_FALSE(WriteScorekarte("1"));
  SetzeFehlerprobe({});
  EXPECT_EQ(Fehlerboxen(), 1) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM tab_HdcpHistorie").toInt(), 1);
  EXPECT_NE(Wert("SELECT HdcpHistorieZustand FROM Greenlogs").toString(), "1");
  // The grid shows the stored rows only.
  EXPECT_EQ(g().HdcpHistorie->rowCount(), 3);
}

// ------------------------------------------------------------------ golfer, course, tournament

TEST_F(Speicheraktionen, GolferSaveUnderALockGivesOneBoxSoonAndKeepsTheWindowOpen) {
  ASSERT_TRUE(ReadGolferdaten("1"));
  g().Golfername->setText("Anna Berger");
  g().HdcpHistorie->item(2, HistorienEditor::SPALTE_BEMERKUNG)->setText("Nachgetragen");
  {
    Sperre sperre(DbPfad());
    Antworte({1});
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(WriteGolferdaten("1"));
    EXPECT_LT(t.elapsed(), SPERRFRIST_MS);
    ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_TRUE(
        Dlg().gezeigt[0].text.startsWith(Text(MELDUNG_NICHT_GESPEICHERT) + "\n" + Text(MELDUNG_GRUND_GESPERRT)));
    EXPECT_TRUE(GolferNichtGespeichert());
    // What was typed stays.
    EXPECT_EQ(g().Golfername->text(), "Anna Berger");
    EXPECT_EQ(g().HdcpHistorie->item(2, HistorienEditor::SPALTE_BEMERKUNG)->text(), "Nachgetragen");
    Antworte({1});
    EXPECT_FALSE(g().Schliessen());
  }
  EXPECT_TRUE(WriteGolferdaten("1"));
  EXPECT_EQ(Wert("SELECT Golfername FROM tab_golfer").toString(), "Anna Berger");
  EXPECT_EQ(Wert("SELECT Bemerkungen FROM tab_HdcpHistorie").toString(), "Nachgetragen");
}

TEST_F(Speicheraktionen, GolferWhoseHistoryRowFailsIsNotStoredEither) {
  ASSERT_TRUE(ReadGolferdaten("1"));
  g().Golfername->setText("Anna Berger");
  g().HdcpHistorie->item(2, HistorienEditor::SPALTE_BEMERKUNG)->setText("Nachgetragen");
  SetzeFehlerprobe(FehlerBei("UPDATE tab_HdcpHistorie", SQLITE_FULL));
  Antworte({1});
  EXPECT_FALSE(WriteGolferdaten("1"));
  EXPECT_EQ(Dlg().gezeigt.size(), 1u);
  SetzeFehlerprobe({});
  EXPECT_EQ(Wert("SELECT Golfername FROM tab_golfer").toString(), "Anna");
  EXPECT_TRUE(Wert("SELECT Bemerkungen FROM tab_HdcpHistorie").isNull());
  EXPECT_EQ(g().HdcpHistorie->item(2, HistorienEditor::SPALTE_BEMERKUNG)->text(), "Nachgetragen");
}

TEST_F(Speicheraktionen, HandicapsWithEitherDecimalMarkInTheCLocale) {
  QLocale::setDefault(QLocale::c());
  ASSERT_TRUE(ReadGolferdaten("1"));
  g().Stammvorgabe->setText("18,4");
  g().Handicap->setText("18");
  EXPECT_TRUE(WriteGolferdaten("1")) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_DOUBLE_EQ(Wert("SELECT Stammvorgabe FROM tab_golfer").toDouble(), 18.4);
  g().Stammvorgabe->setText("+1,2");
  g().Handicap->setText("+1");
  EXPECT_TRUE(WriteGolferdaten("1")) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_DOUBLE_EQ(Wert("SELECT Stammvorgabe FROM tab_golfer").toDouble(), -1.2);
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Speicheraktionen, CourseWhoseNewTeeFailsIsNotStoredAndStaysOpen) {
  GotoGolfplatz("1");
  Golfplaetze& p = GolfplaetzeForm();
  p.Golfplatzname->setText("Achental Neu");
  auto setze = [&](int r, int c, const QString& t) {
    if (!p.Slope->item(r, c)) p.Slope->setItem(r, c, new QTableWidgetItem);
    p.Slope->item(r, c)->setText(t);
  };
  setze(1, AbschlagEditor::SPALTE_NAME, "Blau");
  setze(1, AbschlagEditor::SPALTE_SLOPE, "131");
  setze(1, AbschlagEditor::SPALTE_CR, "71,8");
  SetzeFehlerprobe(FehlerBei("INSERT INTO tab_Slope", SQLITE_FULL));
  Antworte({1});
  EXPECT_FALSE(WriteGolfplatzdaten("1"));
  EXPECT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Wert("SELECT Golfplatzname FROM Tab_Golfplatz").toString(), "Achental");
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM tab_Slope").toInt(), 1);
  EXPECT_EQ(p.Slope->item(1, AbschlagEditor::SPALTE_NAME)->text(), "Blau");
  Antworte({1});
  EXPECT_FALSE(p.Schliessen());
  SetzeFehlerprobe({});
  // Stored together, the course rating typed with a comma included.
  EXPECT_TRUE(WriteGolfplatzdaten("1"));
  EXPECT_EQ(Wert("SELECT Golfplatzname FROM Tab_Golfplatz").toString(), "Achental Neu");
  EXPECT_DOUBLE_EQ(Wert("SELECT CourseRating FROM tab_Slope WHERE Abschlagbezeichnung = 'Blau'").toDouble(), 71.8);
}

TEST_F(Speicheraktionen, TournamentDateThatIsNoDateIsRefusedAndKept) {
  GotoTurnier("1");
  Turnier& t = TurnierForm();
  t.Turniername->setText("Sommerpreis");
  t.Datum->setText("31.02.2024");
  Antworte({1});
  EXPECT_FALSE(WriteTurnier("1"));
  EXPECT_TRUE(GezeigteTexte().contains(Text(178)));
  EXPECT_EQ(t.Datum->text(), "31.02.2024");
  EXPECT_EQ(Wert("SELECT Datum FROM Tab_Turnier").toString(), "2024-04-20");
  EXPECT_EQ(Wert("SELECT Turniername FROM Tab_Turnier").toString(), "Frühjahrspreis");

  // A failed store of a valid tournament: one box, the editor stays.
  t.Datum->setText("01.06.2024");
  SetzeFehlerprobe(FehlerBei("UPDATE Tab_Turnier", SQLITE_FULL));
  Dlg().gezeigt.clear();
  Antworte({1, 1});
  EXPECT_FALSE(WriteTurnier("1"));
  EXPECT_EQ(Fehlerboxen(), 1);
  EXPECT_FALSE(t.Schliessen());
  SetzeFehlerprobe({});
  EXPECT_TRUE(WriteTurnier("1"));
  EXPECT_EQ(Wert("SELECT Datum FROM Tab_Turnier").toString(), "2024-06-01");
  // Closing the editor stores the rest: the date stays and is named.
  t.Datum->setText("31.02.2024");
  t.Turniername->setText("Herbstpreis");
  Antworte({1});
  EXPECT_TRUE(t.Schliessen());
  EXPECT_EQ(Wert("SELECT Datum || ' ' || Turniername FROM Tab_Turnier").toString(), "2024-06-01 Herbstpreis");
}

TEST_F(Speicheraktionen, CardDateThatIsNoDateIsRefusedOnEveryWrite) {
  ASSERT_TRUE(ReadGolferdaten("1"));
  QString id = "1";
  ASSERT_TRUE(GotoScorekarte(id));
  g().Datum[1]->setText("31.02.2024");
  Antworte({1});
  EXPECT_FALSE(WriteScorekarte("1"));
  EXPECT_EQ(g().Datum[1]->text(), "31.02.2024");
  Antworte({1});
  EXPECT_FALSE(VerlasseScorekarte());
  EXPECT_EQ(g().Datum[1]->text(), "31.02.2024");
  EXPECT_EQ(Wert("SELECT Datum FROM Greenlogs").toString(), "2024-05-12");
}

// ------------------------------------------------------------------ deletes

TEST_F(Speicheraktionen, DeletingATeeOrAHistoryRowStoresNothingElse) {
  Sql("INSERT INTO tab_Slope (Slopeidn, Golfplatzidn, Abschlagbezeichnung, Slopewert) VALUES ('2', '1', 'Rot', 120)");
  GotoGolfplatz("1");
  Golfplaetze& p = GolfplaetzeForm();
  p.Slope->setItem(1, AbschlagEditor::SPALTE_NAME, new QTableWidgetItem("Halb getipp"));
  p.Slope->setCurrentCell(2, 0);
  Antworte({ANTWORT_JA});
  LoescheSlope();
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM tab_Slope").toInt(), 1);
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM tab_Slope WHERE Abschlagbezeichnung = 'Halb getipp'").toInt(), 0);

  ASSERT_TRUE(ReadGolferdaten("1"));
  Sql("INSERT INTO tab_HdcpHistorie (Satznr, Golfernummer, Datum, Stammvorgabe) VALUES ('2', '1', '2024-03-01', 21)");
  FuelleHdcpListbox("1");
  QTableWidget* h = g().HdcpHistorie;
  h->item(1, HistorienEditor::SPALTE_DATUM)->setText("01.05.2024");
  h->setCurrentCell(2, 1);
  Antworte({ANTWORT_JA});
  LoescheHdcpHistorie();
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM tab_HdcpHistorie").toInt(), 1);
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM tab_HdcpHistorie WHERE Datum = '2024-05-01'").toInt(), 0);
}

TEST_F(Speicheraktionen, FailedDeleteGivesOneBoxAndKeepsTheRow) {
  GotoTurnier("1");
  SetzeFehlerprobe(FehlerBei("DELETE FROM Tab_Turnier", SQLITE_FULL));
  Antworte({ANTWORT_JA, 1});
  LoescheTurnier("1");
  SetzeFehlerprobe({});
  EXPECT_EQ(Fehlerboxen(), 1) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM Tab_Turnier").toInt(), 1);
  EXPECT_EQ(TurnierForm().Turniernummer->text(), "1");
}

// ------------------------------------------------------------------ drive total and plus handicaps

TEST_F(Speicheraktionen, DriveTotalWithoutParThreeHolesWhenTheyDoNotCount) {
  std::optional<Scorekarte> k = DBG().ReadScorekarte("1");
  ASSERT_TRUE(k);
  k->Golfplatzname = "Achental";
  for (int i = 1; i <= 18; ++i)
    if (PAR[i] != 3) k->Loch[i].Distance = 230;
  k->GesamtDrivingDistance = 230;
  DrivingDistancePar3 = "0";
  ASSERT_TRUE(DBG().WriteScorekarte(*k).Gespeichert());
  EXPECT_DOUBLE_EQ(Wert("SELECT GesamtDrivingDistance FROM Greenlogs").toDouble(), 230);

  // Par-3 holes counting: one of them without a length keeps the total as stored.
  DrivingDistancePar3 = "1";
  k->GesamtDrivingDistance = 250;
  ASSERT_TRUE(DBG().WriteScorekarte(*k).Gespeichert());
  EXPECT_DOUBLE_EQ(Wert("SELECT GesamtDrivingDistance FROM Greenlogs").toDouble(), 230);
  // A hole that counts without a length likewise.
  DrivingDistancePar3 = "0";
  k->Loch[1].Distance.reset();
  ASSERT_TRUE(DBG().WriteScorekarte(*k).Gespeichert());
  EXPECT_DOUBLE_EQ(Wert("SELECT GesamtDrivingDistance FROM Greenlogs").toDouble(), 230);
}

TEST_F(Speicheraktionen, PlusHandicapShowsItsSignOnTheCardAsOnTheGolferPage) {
  Sql("UPDATE Greenlogs SET AktHdcp = -2.5");
  Sql("UPDATE tab_golfer SET Stammvorgabe = -2.5");
  ASSERT_TRUE(ReadGolferdaten("1"));
  EXPECT_EQ(g().Stammvorgabe->text(), "+2,5");
  QString id = "1";
  ASSERT_TRUE(GotoScorekarte(id));
  EXPECT_EQ(g().AktHdcp->text(), "+2,5");
  EXPECT_EQ(g().Spielvorgabe->text(), "+2,5");
  // Read back, the card keeps a plus handicap.
  EXPECT_TRUE(WriteScorekarte("1"));
  EXPECT_LT(Wert("SELECT AktHdcp FROM Greenlogs").toDouble(), 0);
}
