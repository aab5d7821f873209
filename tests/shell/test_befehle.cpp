// Enabling codes, two-state buttons and the dispatch of menu items and toolbar buttons.
#include <QAction>
#include <QMenuBar>
#include <QToolBar>

#include "TestUmgebung.h"
#include "data/Global.h"
#include "shell/Befehle.h"
#include "shell/Start.h"

namespace {
class Befehle : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    // A named course and a tournament, so that the editors the commands open can close.
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Heimatclub')");
    Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, GolfplatzNo) VALUES ('1', 'Pokal', '1')");
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub) VALUES ('1', 'Anna', '1')");
    start = new Start();
    LoescheBefehlsprotokoll();
  }
  void TearDown() override {
    // The main window goes first, with its menus (they are windows of their own).
    delete StartFensterFallsDa();
    TestUmgebung::TearDown();
  }

  QList<int> AusKnoepfe() const {
    QList<int> aus;
    for (int i = 1; i <= 18; ++i)
      if (!start->Knopf(i)->isEnabled()) aus << i;
    return aus;
  }
  QStringList AusMenues() const {
    QStringList aus;
    for (QAction* a : start->findChildren<QAction*>())
      if (!a->objectName().isEmpty() && a->parent() != start->GolferBar1 && !a->isEnabled()) aus << a->objectName();
    aus.sort();
    return aus;
  }

  Start* start = nullptr;
};
}  // namespace

TEST_F(Befehle, ToolbarHasEighteenButtonsWithSeparatorsAndTwoStateButtons) {
  ASSERT_EQ(start->GolferBar1->actions().size(), 18);
  EXPECT_EQ(Hauptleiste(), start->GolferBar1);
  for (int i = 1; i <= 18; ++i) {
    const bool trenner = i == 5 || i == 8 || i == 12 || i == 16;
    EXPECT_EQ(start->Knopf(i)->isSeparator(), trenner) << i;
    EXPECT_EQ(start->Knopf(i)->isCheckable(), i == 4 || i == 13 || i == 14) << i;
    if (!trenner) {
      EXPECT_FALSE(start->Knopf(i)->icon().isNull()) << i;
    }
  }
}

TEST_F(Befehle, ToolbarCodeSwitchesOffExactlyItsButtons) {
  SetzeButtonBar(start->GolferBar1, "589DEFH");  // the course editor
  EXPECT_EQ(AusKnoepfe(), QList<int>({5, 8, 9, 13, 14, 15, 17}));
  // Each call starts from everything on; order and repetition do not matter.
  SetzeButtonBar(start->GolferBar1, "IA9A22");
  EXPECT_EQ(AusKnoepfe(), QList<int>({2, 9, 10, 18}));
  start->Knopf(3)->setVisible(false);
  SetzeButtonBar(start->GolferBar1, "");
  EXPECT_TRUE(AusKnoepfe().isEmpty());
  EXPECT_TRUE(start->Knopf(3)->isVisible());
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Befehle, ToolbarCodeWithAForeignCharacterStopsThere) {
  Antworte({1});
  SetzeButtonBar(start->GolferBar1, "2J3");
  EXPECT_EQ(AusKnoepfe(), QList<int>({2}));
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].stil, 16);

  // "0" names no button; "a" is a menu character, not button 10.
  Antworte({1, 1});
  SetzeButtonBar(start->GolferBar1, "0B");
  EXPECT_TRUE(AusKnoepfe().isEmpty());
  SetzeButtonBar(start->GolferBar1, "a");
  EXPECT_TRUE(AusKnoepfe().isEmpty());
  EXPECT_EQ(Dlg().gezeigt.size(), 3u);
  // No toolbar: nothing happens.
  SetzeButtonBar(nullptr, "123");
  EXPECT_EQ(Dlg().gezeigt.size(), 3u);
}

TEST_F(Befehle, MenuCodeSwitchesOffExactlyItsItems) {
  SetzeMenues("RUVWXZ");  // the tournament editor
  EXPECT_EQ(AusMenues(), QStringList({"Analyse", "BestScore", "ChangeToNumber", "Details", "Grafik", "Turnier"}));

  // A report window: only Datei, PrintIt, Exit and PageSetup stay on. Foreign characters
  // (toolbar characters, "A" for "a") are ignored without a message.
  SetzeMenues("KLMPQRSTUVWXYZ19AbK");
  QStringList an;
  for (QAction* a : start->Befehlsmenues())
    if (a->isEnabled()) an << a->objectName();
  EXPECT_EQ(an, QStringList({"Datei", "PrintIt", "Exit", "PageSetup"}));
  EXPECT_TRUE(Dlg().gezeigt.empty());

  // Every code character, then the empty code.
  SetzeMenues("JKLMNOPQRSTUVWXYZa");
  EXPECT_EQ(AusMenues().size(), 18);
  for (const char* bleibt : {"Einstellungen", "EinstellungenScorekarte", "Sprachumschaltung", "SpracheDeutsch",
                             "SpracheEnglisch", "Colour", "Datenbankkomprimieren", "Fragezeichen", "Inhalt", "Info",
                             "ZantroInternet", "PuttwiseInternet", "Strich1", "Strich2", "Frage"})
    EXPECT_TRUE(start->Menuepunkt(bleibt)->isEnabled()) << bleibt;
  SetzeMenues("");
  EXPECT_TRUE(AusMenues().isEmpty());
}

TEST_F(Befehle, MenuCodeCharactersInOrder) {
  const QString zeichen = "JKLMNOPQRSTUVWXYZa";
  const QStringList namen = {"Datei",     "New",     "Del",        "PrintPreview",   "PrintIt",
                             "Exit",      "Find",    "Navigation", "Details",        "Back",
                             "Forward",   "Analyse", "BestScore",  "ChangeToNumber", "Grafik",
                             "Golfplatz", "Turnier", "PageSetup"};
  for (int i = 0; i < zeichen.size(); ++i) {
    SetzeMenues(zeichen.mid(i, 1));
    EXPECT_EQ(AusMenues(), QStringList({namen[i]})) << zeichen[i].toLatin1();
  }
}

TEST_F(Befehle, TwoStateButtons) {
  for (int i : {4, 13, 14}) {
    EXPECT_EQ(LeseButton(start->GolferBar1, i), 0);
    SchalteButton(start->GolferBar1, i);
    EXPECT_EQ(LeseButton(start->GolferBar1, i), 1);
    SchalteButton(start->GolferBar1, i);
    EXPECT_EQ(LeseButton(start->GolferBar1, i), 0);
  }
  // Switching a button runs no command, and a disabled button keeps its state.
  SchalteButton(start->GolferBar1, 13);
  SetzeButtonBar(start->GolferBar1, "D");
  EXPECT_EQ(LeseButton(start->GolferBar1, 13), 1);
  EXPECT_TRUE(Befehlsprotokoll().isEmpty());
  // A click on the button toggles it before the command runs.
  SetzeButtonBar(start->GolferBar1, "");
  start->Knopf(13)->trigger();
  EXPECT_EQ(LeseButton(start->GolferBar1, 13), 0);
  EXPECT_EQ(LetzterBefehl(), "BefehlRekordergebnisse");
}

TEST_F(Befehle, MenuItemsOfTwoStateButtonsToggleFirst) {
  start->BestScore->trigger();
  EXPECT_EQ(LeseButton(start->GolferBar1, 13), 1);
  start->BestScore->trigger();
  EXPECT_EQ(LeseButton(start->GolferBar1, 13), 0);
  EXPECT_EQ(Befehlsprotokoll(), QStringList({"BefehlRekordergebnisse", "BefehlRekordergebnisse"}));
  start->ChangeToNumber->trigger();
  start->Find->trigger();
  EXPECT_EQ(LeseButton(start->GolferBar1, 14), 1);
  EXPECT_EQ(LeseButton(start->GolferBar1, 4), 1);
  EXPECT_EQ(Befehlsprotokoll().mid(2), QStringList({"BefehlAufZahlen", "BefehlSuchen"}));
}

TEST_F(Befehle, EveryToolbarButtonReachesItsCommand) {
  const QStringList erwartet = {"BefehlBeenden",
                                "BefehlNeu",
                                "BefehlLoeschen",
                                "BefehlSuchen",
                                "",
                                "BefehlSeitenansicht",
                                "BefehlDrucken",
                                "",
                                "ZeigeDetails",
                                "BefehlZurueck",
                                "BefehlWeiter",
                                "",
                                "BefehlRekordergebnisse",
                                "BefehlAufZahlen",
                                "ZeigeGrafik",
                                "",
                                "ZeigeGolfplatz",
                                "ZeigeTurnier"};
  Antworte({1});  // the chart window finds no rounds to chart (message 39)
  for (int i = 1; i <= 18; ++i) {
    LoescheBefehlsprotokoll();
    // A window opened by the button before may have switched buttons off.
    SetzeButtonBar(start->GolferBar1, "");
    start->Knopf(i)->trigger();
    EXPECT_EQ(LetzterBefehl(), erwartet[i - 1]) << "button " << i;
    LoescheBefehlsprotokoll();
    ToolbarButtonClick(i);
    EXPECT_EQ(LetzterBefehl(), erwartet[i - 1]) << "index " << i;
  }
  LoescheBefehlsprotokoll();
  ToolbarButtonClick(0);
  ToolbarButtonClick(19);
  EXPECT_TRUE(Befehlsprotokoll().isEmpty());
}

TEST_F(Befehle, EveryMenuItemReachesItsCommand) {
  Antworte({1});  // the chart window finds no rounds to chart (message 39)
  const QList<QPair<const char*, const char*>> erwartet = {
      {"New", "BefehlNeu"},
      {"Del", "BefehlLoeschen"},
      {"PrintPreview", "BefehlSeitenansicht"},
      {"PrintIt", "BefehlDrucken"},
      {"PageSetup", "BefehlSeiteEinrichten"},
      {"Exit", "BefehlBeenden"},
      {"Find", "BefehlSuchen"},
      {"Details", "ZeigeDetails"},
      {"Back", "BefehlZurueck"},
      {"Forward", "BefehlWeiter"},
      {"BestScore", "BefehlRekordergebnisse"},
      {"ChangeToNumber", "BefehlAufZahlen"},
      {"Grafik", "ZeigeGrafik"},
      {"Golfplatz", "ZeigeGolfplatz"},
      {"Turnier", "ZeigeTurnier"},
      {"EinstellungenScorekarte", "ZeigeEinstellungenScorekarte"},
      {"SpracheDeutsch", "WechsleZuDeutsch"},
      {"SpracheEnglisch", "WechsleZuEnglisch"},
      {"Inhalt", "ZeigeHilfe"},
      {"ZantroInternet", "OeffneZantroWebseite"},
      {"PuttwiseInternet", "OeffnePuttwiseWebseite"},
  };
  for (const auto& [punkt, befehl] : erwartet) {
    LoescheBefehlsprotokoll();
    QAction* a = start->Menuepunkt(punkt);
    ASSERT_TRUE(a) << punkt;
    // German is already on (message 29); the switch to English is not followed by the end.
    if (QString(punkt) == "SpracheDeutsch") Antworte({1});
    if (QString(punkt) == "SpracheEnglisch") Antworte({7});
    if (QString(punkt) == "PageSetup") Dlg().seiten.push_back({.ok = false});
    // A window opened by the item before may have switched items off.
    SetzeMenues("");
    a->trigger();
    EXPECT_EQ(Befehlsprotokoll(), QStringList({befehl})) << punkt;
  }
  // Menu headings and separators run nothing.
  LoescheBefehlsprotokoll();
  for (const char* nichts : {"Datei", "Navigation", "Analyse", "Einstellungen", "Sprachumschaltung", "Fragezeichen",
                             "Strich1", "Strich2", "Frage"})
    start->Menuepunkt(nichts)->trigger();
  EXPECT_TRUE(Befehlsprotokoll().isEmpty());
}

TEST_F(Befehle, DisabledItemsAndButtonsRunNothing) {
  SetzeButtonBar(start->GolferBar1, "23");
  SetzeMenues("KL");
  start->Knopf(2)->trigger();
  start->Knopf(3)->trigger();
  start->New->trigger();
  start->Del->trigger();
  EXPECT_TRUE(Befehlsprotokoll().isEmpty());
}

TEST_F(Befehle, WithoutMainWindowTheCodesDoNothing) {
  delete start;
  start = nullptr;
  EXPECT_EQ(StartFensterFallsDa(), nullptr);
  EXPECT_EQ(Hauptleiste(), nullptr);
  SetzeMenues("KL");
  SetzeButtonBar(Hauptleiste(), "23");
  EXPECT_EQ(LeseButton(Hauptleiste(), 4), 0);
  SchalteButton(Hauptleiste(), 4);
  EXPECT_TRUE(Dlg().gezeigt.empty());
}
