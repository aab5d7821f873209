// The record operations of golfers, handicap history, courses, tees and tournaments on
// values, without any window: the program runs as a plain core application here, so a
// widget created on the way would end the test.
#include <QCoreApplication>
#include <cmath>

#include "TestUmgebung.h"
#include "data/Aenderungen.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"

namespace {

class Stammdaten : public TestUmgebung {
 protected:
  long Zahl(const QString& sql, const QVariantList& werte = {}) { return SqlWert(sql, werte).toLongLong(); }
  bool IstNull(const QString& sql, const QVariantList& werte = {}) { return SqlWert(sql, werte).isNull(); }
};

Golfplatzdaten Vollstaendig(const QString& id) {
  Golfplatzdaten p;
  p.Golfplatzidn = id;
  p.Golfplatzname = "O'Brien Golf & Country Club";
  p.Golfplatzstrasse = "Schloßallee 1";
  p.Golfplatzplz = "83646";
  p.Golfplatzort = "Bad Tölz";
  p.Golfplatztelefon = "+49 8041 1234";
  p.Golfplatzfax = "+49 8041 1235";
  p.Golfplatzland = "Deutschland";
  p.GolfplatzInternet = "https://example.org/?a=1&b='2'";
  p.Greenfee = "75 €";
  p.Handicap = "-36";
  p.Golfplatzinfo = "Zwei Zeilen\nmit \"Anführung\"";
  p.Teetimes = true;
  p.GolfplatzAnzeigen = true;
  p.Lochzahl = 2;
  p.Bewertung = 5;
  for (int i = 0; i < 18; ++i) {
    p.Par[i] = 3 + i % 3;
    p.Vorgabe[i] = (i * 7) % 18 + 1;
  }
  return p;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Golfers

TEST_F(Stammdaten, GolferRoundTripsWithApostropheAndPlusHandicap) {
  ASSERT_STREQ(QCoreApplication::instance()->metaObject()->className(), "QCoreApplication");
  const QString id = DBG().LegeGolferAn();
  ASSERT_EQ(id, "1");
  EXPECT_EQ(DBG().LegeGolferAn(), "2");
  Golferdatensatz g;
  g.Golferidn = id;
  g.Golfername = "Seán O'Brien";
  g.Stammvorgabe = -2.4;
  g.Handicap = -2;
  g.Heimatclub = "7";
  ASSERT_TRUE(DBG().WriteGolferdaten(g));
  std::optional<Golferdatensatz> gelesen = DBG().ReadGolferdaten(id);
  ASSERT_TRUE(gelesen);
  EXPECT_EQ(*gelesen, g);
  // The active flag is its own operation.
  DBG().Set_AktivenGolfer(id);
  g.AktuellerGolfer = true;
  EXPECT_EQ(*DBG().ReadGolferdaten(id), g);
  EXPECT_EQ(DBG().Gib_AktivenGolfer(), id);

  EXPECT_EQ(DBG().SucheGolfer("Seán O'Brien"), id);
  EXPECT_EQ(DBG().SucheGolfer("Sean O'Brien"), "");
  EXPECT_EQ(DBG().LetzterGolfer(), "2");
  EXPECT_EQ(DBG().AnzahlGolfer(), 2);
}

TEST_F(Stammdaten, GolferWithoutValuesStoresNullAndKeepsTheHomeClub) {
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub) "
      "VALUES ('1', 'Alt', 12.3, 12, '4')");
  Golferdatensatz g;
  g.Golferidn = "1";
  ASSERT_TRUE(DBG().WriteGolferdaten(g));
  EXPECT_TRUE(IstNull("SELECT Golfername FROM tab_golfer"));
  EXPECT_TRUE(IstNull("SELECT Stammvorgabe FROM tab_golfer"));
  EXPECT_TRUE(IstNull("SELECT Handicap FROM tab_golfer"));
  EXPECT_EQ(SqlWert("SELECT Heimatclub FROM tab_golfer").toString(), "4");
  const std::optional<Golferdatensatz> gelesen = DBG().ReadGolferdaten("1");
  ASSERT_TRUE(gelesen);
  EXPECT_FALSE(gelesen->Stammvorgabe);
  EXPECT_EQ(gelesen->Heimatclub, "4");
  // A key without a row is neither read nor written.
  g.Golferidn = "9";
  EXPECT_FALSE(DBG().WriteGolferdaten(g));
  EXPECT_FALSE(DBG().ReadGolferdaten("9"));
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_golfer"), 1);
}

TEST_F(Stammdaten, DeletingAGolferTakesItsCardsAndHistoryOnly) {
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('1', 'Eins'), ('2', 'Zwei')");
  Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer) VALUES ('1', '1'), ('2', '2'), ('3', '1')");
  Sql("INSERT INTO tab_HdcpHistorie (Satznr, Golfernummer) VALUES ('1', '1'), ('2', '2')");
  ASSERT_TRUE(DBG().LoescheGolferMitKarten("1"));
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_golfer"), 1);
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM Greenlogs"), 1);
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_HdcpHistorie"), 1);
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM Greenlogs WHERE Golfernummer = '2'"), 1);
  EXPECT_EQ(DBG().AnzahlGolfer(), 1);
  EXPECT_EQ(DBG().LetzterGolfer(), "2");
}

// ---------------------------------------------------------------------------------------
// Handicap history

TEST_F(Stammdaten, HistoryRowsRoundTripNewestFirst) {
  Handicapeintrag a;
  a.Golfernummer = "1";
  a.Datum = QDate(2023, 5, 14);
  a.Golfplatzbez = "O'Brien Links";
  a.Bemerkungen = "Frühjahrs-Cup";
  a.Spielart = "Einzel";
  a.GewNettoStable = 38;
  a.Stammvorgabe = 17.6;
  a.Handicap = 18;
  ASSERT_TRUE(DBG().WriteHdcphistorie(a));
  EXPECT_EQ(a.Satznr, "1");
  Handicapeintrag b = a;
  b.Satznr.clear();
  b.Datum = QDate(2024, 1, 2);
  b.GewNettoStable.reset();
  b.Stammvorgabe = -1.5;
  b.Handicap = -2;
  ASSERT_TRUE(DBG().WriteHdcphistorie(b));
  EXPECT_EQ(b.Satznr, "2");
  Handicapeintrag fremd;
  fremd.Golfernummer = "2";
  ASSERT_TRUE(DBG().WriteHdcphistorie(fremd));

  const QList<Handicapeintrag> zeilen = DBG().LiesHdcpHistorie("1");
  ASSERT_EQ(zeilen.size(), 2);
  EXPECT_EQ(zeilen[0], b);
  EXPECT_EQ(zeilen[1], a);
  EXPECT_TRUE(IstNull("SELECT GewNettoStable FROM tab_HdcpHistorie WHERE Satznr = '2'"));
  EXPECT_EQ(SqlWert("SELECT Datum FROM tab_HdcpHistorie WHERE Satznr = '1'").toString(), "2023-05-14");
}

TEST_F(Stammdaten, HistoryUpdateWritesOnlyTheNamedFields) {
  // A date stored in an older text form is read as a date and stays as it is stored.
  Sql("INSERT INTO tab_HdcpHistorie (Satznr, Golfernummer, Datum, Bemerkungen, Stammvorgabe, Handicap) "
      "VALUES ('5', '1', '03.04.2022', 'alt', 20.4, 20)");
  QList<Handicapeintrag> zeilen = DBG().LiesHdcpHistorie("1");
  ASSERT_EQ(zeilen.size(), 1);
  Handicapeintrag e = zeilen[0];
  EXPECT_EQ(e.Datum, QDate(2022, 4, 3));
  e.Datum = QDate(2000, 1, 1);
  e.Bemerkungen = "neu";
  e.Stammvorgabe = 19.5;
  e.Handicap = 20;
  ASSERT_TRUE(DBG().WriteHdcphistorie(e, HF_BEMERKUNG));
  EXPECT_EQ(SqlWert("SELECT Datum FROM tab_HdcpHistorie").toString(), "03.04.2022");
  EXPECT_EQ(SqlWert("SELECT Bemerkungen FROM tab_HdcpHistorie").toString(), "neu");
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Stammvorgabe FROM tab_HdcpHistorie").toDouble(), 20.4);
  ASSERT_TRUE(DBG().WriteHdcphistorie(e, HF_STAMMVORGABE));
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Stammvorgabe FROM tab_HdcpHistorie").toDouble(), 19.5);
  EXPECT_EQ(SqlWert("SELECT Datum FROM tab_HdcpHistorie").toString(), "03.04.2022");

  // A key that names no stored row is stored whole under that key.
  Handicapeintrag weg;
  weg.Satznr = "9";
  weg.Golfernummer = "1";
  weg.Datum = QDate(2021, 7, 1);
  weg.Spielart = "Vierer";
  ASSERT_TRUE(DBG().WriteHdcphistorie(weg, HF_BEMERKUNG));
  EXPECT_EQ(SqlWert("SELECT Spielart FROM tab_HdcpHistorie WHERE Satznr = '9'").toString(), "Vierer");

  EXPECT_TRUE(DBG().LoescheHistorieneintrag("9"));
  EXPECT_FALSE(DBG().LoescheHistorieneintrag("9"));
  EXPECT_TRUE(GezeigteTexte().isEmpty());
  EXPECT_EQ(DBG().LiesHdcpHistorie("1").size(), 1);
}

// ---------------------------------------------------------------------------------------
// Courses and tees

TEST_F(Stammdaten, CourseRoundTripsWithAllHoles) {
  const QString id = DBG().LegeGolfplatzAn("O'Brien");
  ASSERT_EQ(id, "1");
  const std::optional<Golfplatzdaten> neu = DBG().ReadGolfplatzdaten(id);
  ASSERT_TRUE(neu);
  EXPECT_EQ(neu->Golfplatzname, "O'Brien");
  EXPECT_FALSE(neu->Par[0]);

  Golfplatzdaten p = Vollstaendig(id);
  ASSERT_TRUE(DBG().WriteGolfplatzdaten(p));
  EXPECT_EQ(*DBG().ReadGolfplatzdaten(id), p);
  EXPECT_EQ(Zahl("SELECT Loch18Par FROM Tab_Golfplatz"), 5);
  EXPECT_EQ(Zahl("SELECT Loch18Vorgabe FROM Tab_Golfplatz"), (17 * 7) % 18 + 1);

  // Holes without a value, no rating and a number of holes outside the buttons.
  p.Par[4].reset();
  p.Vorgabe[17].reset();
  p.Bewertung.reset();
  p.Lochzahl = 4;
  p.Golfplatzinfo.clear();
  ASSERT_TRUE(DBG().WriteGolfplatzdaten(p));
  EXPECT_EQ(*DBG().ReadGolfplatzdaten(id), p);
  EXPECT_TRUE(IstNull("SELECT Loch05Par FROM Tab_Golfplatz"));
  EXPECT_TRUE(IstNull("SELECT Golfplatzinfo FROM Tab_Golfplatz"));

  p.Golfplatzidn = "2";
  EXPECT_FALSE(DBG().WriteGolfplatzdaten(p));
  EXPECT_FALSE(DBG().ReadGolfplatzdaten("2"));
  EXPECT_EQ(DBG().LegeGolfplatzAn(QString()), "2");
  EXPECT_TRUE(IstNull("SELECT Golfplatzname FROM Tab_Golfplatz WHERE Golfplatzidn = '2'"));
  QStringList ids;
  ASSERT_TRUE(DBG().Golfplatzschluessel(ids));
  EXPECT_EQ(ids, QStringList({"1", "2"}));
}

TEST_F(Stammdaten, TeesAreStoredTogetherAndGetKeys) {
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'A'), ('2', 'B')");
  Sql("INSERT INTO tab_Slope (Slopeidn, Golfplatzidn, Abschlagbezeichnung, Slopewert) VALUES ('4', '2', 'Rot', 120)");
  QList<Abschlag> tees{{"", "", "Men's Tee", 131, 71.5}, {"", "", "Damen", std::nullopt, 69.8}};
  ASSERT_TRUE(DBG().WriteSlope("1", tees));
  EXPECT_EQ(tees[0].Slopeidn, "5");
  EXPECT_EQ(tees[1].Slopeidn, "6");
  EXPECT_EQ(tees[0].Golfplatzidn, "1");
  EXPECT_EQ(DBG().LiesAbschlaege("1"), tees);

  // The windows are told of a tee renamed once it is stored, of nothing a rolled-back store
  // changed, and of a course renamed with both names.
  QStringList gemeldet;
  const auto umbenannt = QObject::connect(&Aenderungen(), &Aenderungsmelder::Umbenannt,
                                          [&](Datensatzart, const QString& id, const QString& alt, const QString& neu) {
                                            gemeldet << id + ": " + alt + " -> " + neu;
                                          });
  tees[0].Slopewert.reset();
  tees[1].Abschlagbezeichnung = "Damen (rot)";
  EXPECT_FALSE(DBG().InTransaktion([&] {
    QList<Abschlag> zurueck = tees;
    return DBG().WriteSlope("1", zurueck) && false;
  }));
  EXPECT_TRUE(gemeldet.isEmpty());
  ASSERT_TRUE(DBG().WriteSlope("1", tees));
  EXPECT_EQ(gemeldet, QStringList{"6: Damen -> Damen (rot)"});
  Golfplatzdaten a = *DBG().ReadGolfplatzdaten("1");
  a.Golfplatzname = "A'dorf";
  ASSERT_TRUE(DBG().WriteGolfplatzdaten(a));
  EXPECT_EQ(gemeldet.last(), "1: A -> A'dorf");
  QObject::disconnect(umbenannt);
  EXPECT_EQ(DBG().LiesAbschlaege("1"), tees);
  EXPECT_EQ(DBG().LiesAbschlaege("2").size(), 1);

  double slope = -1, cr = -1;
  QString id;
  EXPECT_TRUE(DBG().GibSlopeCR("Damen (rot)", "1", slope, cr, id));
  EXPECT_DOUBLE_EQ(cr, 69.8);
  EXPECT_EQ(slope, 0);
  EXPECT_EQ(id, "6");

  // Tees belong to a course.
  QList<Abschlag> ohne{{"", "", "X", 100, 60}};
  EXPECT_FALSE(DBG().WriteSlope("", ohne));
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_Slope"), 3);

  EXPECT_TRUE(DBG().LoescheAbschlag("5"));
  EXPECT_FALSE(DBG().LoescheAbschlag("5"));
  EXPECT_EQ(DBG().LiesAbschlaege("1").size(), 1);
}

TEST_F(Stammdaten, ACourseInUseNamesTheFirstUseAndAFreeOneGoesWithItsTees) {
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'A'), ('2', 'B'), ('3', 'C'), ('4', 'D')");
  Sql("INSERT INTO tab_golfer (Golferidn, Heimatclub) VALUES ('1', '1')");
  Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Golfplatznummer) VALUES ('1', '1', '1'), ('2', '1', '2')");
  Sql("INSERT INTO Tab_Turnier (Turniernummer, GolfplatzNo) VALUES ('1', '2'), ('2', '3')");
  Sql("INSERT INTO tab_Slope (Slopeidn, Golfplatzidn) VALUES ('1', '4'), ('2', '4'), ('3', '1')");
  EXPECT_EQ(DBG().GolfplatzVerwendung("1"), 160);
  EXPECT_EQ(DBG().GolfplatzVerwendung("2"), 158);
  EXPECT_EQ(DBG().GolfplatzVerwendung("3"), 159);
  EXPECT_EQ(DBG().GolfplatzVerwendung("4"), 0);
  ASSERT_TRUE(DBG().LoescheGolfplatzMitAbschlaegen("4"));
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM Tab_Golfplatz"), 3);
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM tab_Slope"), 1);
}

// ---------------------------------------------------------------------------------------
// Tournaments

TEST_F(Stammdaten, TournamentRoundTripsAndIsOrdered) {
  const QString nummer = DBG().LegeTurnierAn("Frühjahrs-Cup 'Open'");
  ASSERT_EQ(nummer, "1");
  std::optional<Turnierdaten> t = DBG().ReadTurnierdaten(nummer);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->Datum, QDate::currentDate());
  EXPECT_EQ(t->LochOption, 1);
  EXPECT_EQ(t->Turniername, "Frühjahrs-Cup 'Open'");

  t->Datum = QDate(2024, 2, 29);
  t->GolfplatzNo = "3";
  t->SpielartNo = "2";
  t->TurnierHandicap = "-36";
  t->TurnierBemerkung = "Kanonenstart\n8:30 Uhr";
  t->LochOption = 5;
  t->SonstigeLochOption = "27";
  ASSERT_TRUE(DBG().WriteTurnier(*t));
  EXPECT_EQ(*DBG().ReadTurnierdaten(nummer), *t);
  EXPECT_EQ(SqlWert("SELECT Datum FROM Tab_Turnier").toString(), "2024-02-29");

  Turnierdaten leer;
  leer.Turniernummer = nummer;
  ASSERT_TRUE(DBG().WriteTurnier(leer));
  // No number of holes chosen keeps the stored one.
  leer.LochOption = 5;
  EXPECT_EQ(*DBG().ReadTurnierdaten(nummer), leer);
  EXPECT_TRUE(IstNull("SELECT Datum FROM Tab_Turnier"));
  leer.Turniernummer = "7";
  EXPECT_FALSE(DBG().WriteTurnier(leer));
  EXPECT_FALSE(DBG().ReadTurnierdaten("7"));

  Sql("INSERT INTO Tab_Turnier (Turniernummer, Datum) VALUES ('10', '2023-01-01'), ('2', '2025-01-01')");
  QStringList ids;
  ASSERT_TRUE(DBG().Turnierschluessel(ids));
  EXPECT_EQ(ids, QStringList({"1", "10", "2"}));
  ASSERT_TRUE(DBG().TurnierschluesselNachDatum(ids));
  EXPECT_EQ(ids, QStringList({"1", "10", "2"}));
}

TEST_F(Stammdaten, DeletingATournamentClearsItOnTheCards) {
  Sql("INSERT INTO Tab_Turnier (Turniernummer) VALUES ('1'), ('2')");
  Sql("INSERT INTO Greenlogs (Scorekartenidn, TurnierNameKarte) VALUES ('1', '1'), ('2', '2')");
  EXPECT_EQ(DBG().LoescheTurnierMitVerweisen("1"), Loeschergebnis::Geloescht);
  EXPECT_EQ(Zahl("SELECT COUNT(*) FROM Greenlogs"), 2);
  EXPECT_TRUE(IstNull("SELECT TurnierNameKarte FROM Greenlogs WHERE Scorekartenidn = '1'"));
  EXPECT_EQ(SqlWert("SELECT TurnierNameKarte FROM Greenlogs WHERE Scorekartenidn = '2'").toString(), "2");
  EXPECT_EQ(DBG().LoescheTurnierMitVerweisen("1"), Loeschergebnis::NichtGefunden);
  // The data layer leaves the message to the window.
  EXPECT_TRUE(GezeigteTexte().isEmpty());
}

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int r = RUN_ALL_TESTS();
  GlobaleObjekteFreigeben();
  return r;
}
