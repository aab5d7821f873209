// Filling the windows' combo boxes from the database.
#include <QComboBox>
#include <QSignalSpy>

#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "forms/Listen.h"

namespace {
class Listen : public TestUmgebung {};
}  // namespace

TEST_F(Listen, ComboPaddingActsAsTabStops) {
  Golfplatzzeile("1", "Abcdefghijklmnopqrst");  // 20 characters
  Golfplatzzeile("2", "Ulm");
  Golfplatzzeile("3", QVariant(QMetaType::fromType<QString>()));
  QComboBox box;
  QStringList ids;
  ComboQuelle q;
  q.Anzeigefeld = "Golfplatzname";
  q.SQL = "SELECT * FROM Tab_Golfplatz ORDER BY Golfplatzidn";
  q.Breite1 = 10;
  q.Feld2 = "Golfplatzland";
  q.Breite2 = 5;
  q.IdFeld = "Golfplatzidn";
  ASSERT_TRUE(FuelleComboBox(&box, q, &ids));
  ASSERT_EQ(box.count(), 3);
  EXPECT_EQ(box.itemText(0), "Abcdefghi  DE   ");
  EXPECT_EQ(box.itemText(1), "Ulm        DE   ");
  // A Null first column gives blanks; nothing of the row before carries over.
  EXPECT_EQ(box.itemText(2), QString(10, ' ') + "DE    ");
  // Ids: elements 1..N, one empty element N+1 (element 0 unused).
  ASSERT_EQ(ids.size(), 5);
  EXPECT_EQ(ids.mid(1), QStringList({"1", "2", "3", ""}));
}

TEST_F(Listen, ComboFirstEntrySortAndSelection) {
  QComboBox box;
  ComboQuelle leer;
  leer.Anzeigefeld = "Golfplatzname";
  leer.Tabelle = "tab_golfplatz";
  leer.Sortierung = 1;
  leer.ErsterEintrag = "Alle";
  EXPECT_FALSE(FuelleComboBox(&box, leer, nullptr));
  EXPECT_EQ(box.count(), 1);
  EXPECT_EQ(box.itemText(0), "Alle");
  EXPECT_EQ(leer.SQL, "SELECT * from \"tab_golfplatz\" ORDER BY \"Golfplatzname\" ASC");

  Golfplatzzeile("1", "Zell");
  Golfplatzzeile("2", "Achental");
  Golfplatzzeile("3", "O'Brien Links");
  ComboQuelle q;
  q.Anzeigefeld = "Golfplatzname";
  q.Tabelle = "Tab_Golfplatz";
  q.Sortierung = 2;
  q.Auswahlfeld = "Golfplatzidn";
  q.Auswahlwert = "3";
  ASSERT_TRUE(FuelleComboBox(&box, q, nullptr));
  EXPECT_EQ(box.itemText(0), "Zell");
  EXPECT_EQ(box.currentText(), "O'Brien Links");
  q.SQL.clear();
  q.Auswahlwert = "99";
  FuelleComboBox(&box, q, nullptr);
  EXPECT_EQ(box.currentIndex(), -1);
  // Bound values in a given SQL.
  ComboQuelle p;
  p.Anzeigefeld = "Golfplatzname";
  p.SQL = "SELECT * FROM Tab_Golfplatz WHERE Golfplatzname = ?";
  p.Parameter = {"O'Brien Links"};
  ASSERT_TRUE(FuelleComboBox(&box, p, nullptr));
  EXPECT_EQ(box.count(), 1);
}

TEST_F(Listen, SelectionSignalsAndAFailedQueryLeavesTheBox) {
  Golfplatzzeile("1", "Zell");
  Golfplatzzeile("2", "Achental");
  QComboBox box;
  QSignalSpy wechsel(&box, &QComboBox::currentIndexChanged);
  ASSERT_TRUE(FuelleListe(&box, "Tab_Golfplatz", "Golfplatzname", "Golfplatzidn", "1"));
  EXPECT_EQ(box.currentText(), "Zell");
  // Filling is silent; the selection is announced as a click would be.
  ASSERT_EQ(wechsel.size(), 1);
  EXPECT_EQ(wechsel[0][0].toInt(), 1);
  // The old member names still fill the same way.
  ASSERT_TRUE(FuelleListe(&box, "Tab_Golfplatz", "Golfplatzname"));
  EXPECT_EQ(box.count(), 2);
  EXPECT_EQ(box.currentIndex(), -1);

  ComboQuelle kaputt;
  kaputt.Anzeigefeld = "Golfplatzname";
  kaputt.SQL = "SELECT * FROM Gibtsnicht";
  Antworte({1});
  EXPECT_FALSE(FuelleComboBox(&box, kaputt));
  EXPECT_EQ(box.count(), 2);
}
