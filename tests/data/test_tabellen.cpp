// Generic table access on a fresh database.
#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "language/Sprachumschaltung.h"

namespace {
class Tabellen : public TestUmgebung {};
}  // namespace

TEST_F(Tabellen, ListRowsArePaddedAndCarryTheirKeys) {
  Golfplatzzeile("1", "Abcdefghijklmnopqrst");  // 20 characters
  Golfplatzzeile("2", "Ulm");
  Golfplatzzeile("3", QVariant(QMetaType::fromType<QString>()));
  ComboQuelle q;
  q.Anzeigefeld = "Golfplatzname";
  q.SQL = "SELECT * FROM Tab_Golfplatz ORDER BY Golfplatzidn";
  q.Breite1 = 10;
  q.Feld2 = "Golfplatzland";
  q.Breite2 = 5;
  q.IdFeld = "Golfplatzidn";
  q.ErsterEintrag = "Alle";
  const Listeninhalt l = DBG().Listenzeilen(q);
  ASSERT_TRUE(l.Gelesen);
  EXPECT_EQ(l.Zeilen, 3);
  EXPECT_EQ(DBG().LetzteAnzahl(), 3);
  ASSERT_EQ(l.Eintraege.size(), 4);
  EXPECT_EQ(l.Eintraege[0].Text, "Alle");
  EXPECT_TRUE(l.Eintraege[0].Id.isNull());
  EXPECT_EQ(l.Eintraege[1].Text, "Abcdefghi  DE   ");
  EXPECT_EQ(l.Eintraege[1].Id.toString(), "1");
  EXPECT_EQ(l.Eintraege[3].Text, QString(10, ' ') + "DE    ");
  EXPECT_EQ(l.Eintraege[3].Id.toString(), "3");
  EXPECT_EQ(l.Auswahl, -1);
}

TEST_F(Tabellen, ListSelectionQueryAndFailures) {
  Golfplatzzeile("1", "Zell");
  Golfplatzzeile("2", "Achental");
  ComboQuelle q;
  q.Anzeigefeld = "Golfplatzname";
  q.Tabelle = "Tab_Golfplatz";
  q.Sortierung = 1;
  q.Auswahlfeld = "Golfplatzidn";
  q.Auswahlwert = "1";
  Listeninhalt l = DBG().Listenzeilen(q);
  // The statement built from the table is written back.
  EXPECT_EQ(q.SQL, "SELECT * from \"Tab_Golfplatz\" ORDER BY \"Golfplatzname\" ASC");
  ASSERT_EQ(l.Eintraege.size(), 2);
  EXPECT_EQ(l.Eintraege[0].Text, "Achental");
  EXPECT_EQ(l.Auswahl, 1);
  // No rows: read, but nothing built.
  ComboQuelle leer;
  leer.Anzeigefeld = "Golfplatzname";
  leer.SQL = "SELECT * FROM Tab_Golfplatz WHERE Golfplatzidn = ?";
  leer.Parameter = {"99"};
  l = DBG().Listenzeilen(leer);
  EXPECT_TRUE(l.Abgefragt);
  EXPECT_FALSE(l.Gelesen);
  EXPECT_TRUE(l.Eintraege.isEmpty());
  EXPECT_TRUE(GezeigteTexte().isEmpty());
  // A display field the rows do not have is an error.
  ComboQuelle falsch;
  falsch.Anzeigefeld = "Gibtsnicht";
  falsch.Tabelle = "Tab_Golfplatz";
  Antworte({1});
  l = DBG().Listenzeilen(falsch);
  EXPECT_TRUE(l.Abgefragt);
  EXPECT_FALSE(l.Gelesen);
  ASSERT_EQ(GezeigteTexte().size(), 1);
  EXPECT_TRUE(GezeigteTexte()[0].contains("Gibtsnicht"));
  // A statement that fails: not even read.
  ComboQuelle kaputt;
  kaputt.Anzeigefeld = "Golfplatzname";
  kaputt.SQL = "SELECT * FROM Gibtsnicht";
  Antworte({1});
  EXPECT_FALSE(DBG().Listenzeilen(kaputt).Abgefragt);
}

TEST_F(Tabellen, GibIdIsNumericMaxPlusOneBeyond16Bits) {
  EXPECT_EQ(DBG().GibId("tab_golfer", "Golferidn"), "1");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('0', 'a'), ('-4', 'b')");
  EXPECT_EQ(DBG().GibId("tab_golfer", "Golferidn"), "1");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('1', 'c'), ('2', 'd'), ('10', 'e')");
  EXPECT_EQ(DBG().GibId("tab_golfer", "Golferidn"), "11");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('32767', 'f'), ('x', 'g')");
  EXPECT_EQ(DBG().GibId("tab_golfer", "Golferidn"), "32768");
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername) VALUES ('70000', 'h')");
  EXPECT_EQ(DBG().GibId("tab_golfer", "Golferidn"), "70001");
  EXPECT_TRUE(GezeigteTexte().isEmpty());
}

TEST_F(Tabellen, DelDSMatchesExactlyAndReportsNothingDeleted) {
  Golfplatzzeile("1", "Eins");
  Golfplatzzeile("10", "Zehn");
  Golfplatzzeile("%", "Prozent");
  Sql("INSERT INTO tab_Slope (Slopeidn, Golfplatzidn) VALUES ('1', '1'), ('2', '1'), ('3', '10')");
  // Wildcards in a value delete nothing extra.
  EXPECT_TRUE(DBG().DelDS("Tab_Golfplatz", "Golfplatzidn", "%"));
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Tab_Golfplatz").toInt(), 2);
  EXPECT_TRUE(DBG().DelDS("tab_Slope", "Golfplatzidn", "1"));
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Slope").toInt(), 1);
  // Nothing matched: false, and no box (telling the user is the caller's).
  EXPECT_FALSE(DBG().DelDS("tab_Slope", "Golfplatzidn", "7"));
  EXPECT_TRUE(Dlg().gezeigt.empty());
  // Field names are matched as the database matches them, without regard to case;
  // an unknown field deletes nothing.
  EXPECT_FALSE(DBG().DelDS("tab_Slope", "Gibtsnicht", "10"));
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Slope").toInt(), 1);
  EXPECT_TRUE(DBG().DelDS("tab_Slope", "golfplatzidn", "10"));
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Slope").toInt(), 0);
  // The next operation works on a reopened connection.
  EXPECT_EQ(DBG().gib_tab_eintrag("Tab_Golfplatz", "Golfplatzidn", "10", "Golfplatzname"), "Zehn");
  EXPECT_TRUE(DBG().IstOffen());
}

TEST_F(Tabellen, TableValueLookupAndChange) {
  EXPECT_EQ(DBG().gib_tab_eintrag("Tab_Golfplatz", "Golfplatzidn", "1", "Golfplatzname"), "");
  Golfplatzzeile("1", "Eins");
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname, Golfplatzort) VALUES ('2', 'Zwei', NULL)");
  EXPECT_EQ(DBG().gib_tab_eintrag("Tab_Golfplatz", "Golfplatzidn", "1", "Golfplatzname"), "Eins");
  EXPECT_EQ(DBG().gib_tab_eintrag("Tab_Golfplatz", "Golfplatzidn", "2", "Golfplatzort"), "");
  EXPECT_EQ(DBG().gib_tab_eintrag("SELECT * FROM Tab_Golfplatz WHERE Golfplatzidn <> '1'", "Golfplatzidn", "2",
                                  "Golfplatzname"),
            "Zwei");
  // A result field the source lacks gives the empty text without a message.
  EXPECT_EQ(DBG().gib_tab_eintrag("Tab_Golfplatz", "Golfplatzidn", "1", "Gibtsnicht"), "");
  EXPECT_TRUE(GezeigteTexte().isEmpty());
  // A search field the source lacks is an error.
  Antworte({1});
  EXPECT_EQ(DBG().gib_tab_eintrag("Tab_Golfplatz", "Gibtsnicht", "1", "Golfplatzname"), "");
  EXPECT_EQ(Dlg().gezeigt.size(), 1u);

  Sql("INSERT INTO Greenlogs (Scorekartenidn, TurnierNameKarte) VALUES ('1', '5'), ('2', '5'), ('3', '6')");
  EXPECT_TRUE(DBG().aendere_tab_eintrag("greenlogs", "TurnierNameKarte", "5", "", ""));
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Greenlogs WHERE TurnierNameKarte IS NULL").toInt(), 2);
  EXPECT_TRUE(DBG().aendere_tab_eintrag("greenlogs", "Scorekartenidn", "3", "10100000", "ShowWhat"));
  EXPECT_EQ(SqlWert("SELECT ShowWhat FROM Greenlogs WHERE Scorekartenidn = '3'").toString(), "10100000");
  EXPECT_EQ(DBG().GibIdnValue("SELECT * FROM Greenlogs WHERE Scorekartenidn = ?", "ShowWhat", {"3"}), "10100000");
  EXPECT_EQ(DBG().GibIdnValue("SELECT * FROM Greenlogs WHERE Scorekartenidn = ?", "ShowWhat", {"9"}), "NOT_FOUND");
}

TEST_F(Tabellen, SettingsRowsAndColours) {
  DBG().WriteEinstellungenIntern("ShowWhat", "11110000");
  DBG().WriteEinstellungenIntern("ShowWhat", "11111111");
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_EinstellungenIntern WHERE Bezeichnung = 'ShowWhat'").toInt(), 1);
  EXPECT_EQ(DBG().gib_tab_eintrag("tab_EinstellungenIntern", "Bezeichnung", "ShowWhat", "Wert"), "11111111");
  // Fresh database: the defaults are taken, and stored where missing or empty.
  Sql("INSERT INTO tab_EinstellungenIntern (Bezeichnung, Wert) VALUES ('FGColour', '')");
  DBG().GibFarben();
  EXPECT_EQ(Hintergrundfarbe, 8421376);
  EXPECT_EQ(Vordergrundfarbe, 0);
  EXPECT_EQ(SqlWert("SELECT Wert FROM tab_EinstellungenIntern WHERE Bezeichnung = 'BGColour'").toString(), "8421376");
  EXPECT_EQ(SqlWert("SELECT Wert FROM tab_EinstellungenIntern WHERE Bezeichnung = 'FGColour'").toString(), "0");
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_EinstellungenIntern WHERE Bezeichnung = 'FGColour'").toInt(), 1);
  DBG().WriteEinstellungenIntern("BGColour", 255);
  DBG().GibFarben();
  EXPECT_EQ(Hintergrundfarbe, 255);
  // A colour that is not a number: error box, the colour keeps its value.
  DBG().WriteEinstellungenIntern("BGColour", "teal");
  Antworte({1});
  DBG().GibFarben();
  EXPECT_EQ(Hintergrundfarbe, 255);
  EXPECT_EQ(Dlg().gezeigt.size(), 1u);
}

TEST_F(Tabellen, TranslateTableKeepsNamesWithoutTranslation) {
  Sprachnummer = 2;
  DBG().TranslateTable("Tab_Spielart", "TranslationNo", "Spielartname");
  const QString englisch = SqlWert("SELECT Spielartname FROM Tab_Spielart WHERE Spielartidn = '2'").toString();
  EXPECT_FALSE(englisch.isEmpty());
  EXPECT_EQ(englisch,
            SPU().GibTranslation(SqlWert("SELECT TranslationNo FROM Tab_Spielart WHERE Spielartidn = '2'").toInt()));
  Sql("INSERT INTO Tab_Spielart (Spielartidn, Spielartname, TranslationNo) VALUES ('77', 'Eigene', 30000)");
  DBG().TranslateTable("Tab_Spielart", "TranslationNo", "Spielartname");
  EXPECT_EQ(SqlWert("SELECT Spielartname FROM Tab_Spielart WHERE Spielartidn = '77'").toString(), "Eigene");
}

TEST_F(Tabellen, ViewsAreReplacedAndCounted) {
  Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Datum) VALUES ('1', '1', '2024-05-01'), ('2', '1', "
      "'2024-06-01'), ('3', '2', '2024-06-02')");
  ASSERT_TRUE(DBG().SetSQL("qryScorekarteMove", "SELECT * FROM Greenlogs WHERE Golfernummer = '1'"));
  EXPECT_EQ(DBT().Anzahl("SELECT * FROM qryScorekarteMove"), 2);
  EXPECT_EQ(DBT().CountRS("SELECT * FROM Greenlogs WHERE Golfernummer = ?", {"2"}).toInt(), 1);
  EXPECT_EQ(DBT().Anzahl("SELECT * FROM Greenlogs WHERE Golfernummer = 'x'"), 0);
  // A broken view text leaves the old view in place.
  Antworte({1});
  EXPECT_FALSE(DBG().SetSQL("qryScorekarteMove", "SELECT * FROM Gibtsnicht"));
  EXPECT_EQ(DBT().Anzahl("SELECT * FROM qryScorekarteMove"), 2);
  // An invalid SQL: error box, empty result read as 0.
  Antworte({1});
  EXPECT_FALSE(DBT().CountRS("SELECT * FROM").isValid());
  EXPECT_EQ(Dlg().gezeigt.size(), 2u);
}

TEST_F(Tabellen, ApostrophesAndUmlautsAreStored) {
  Golfplatzzeile("1", "Golfclub O'Brien Großhöchstädt");
  EXPECT_EQ(DBG().gib_tab_eintrag("Tab_Golfplatz", "Golfplatzname", "Golfclub O'Brien Großhöchstädt", "Golfplatzidn"),
            "1");
  EXPECT_TRUE(DBG().DelDS("Tab_Golfplatz", "Golfplatzname", "Golfclub O'Brien Großhöchstädt"));
  EXPECT_TRUE(GezeigteTexte().isEmpty());
}
