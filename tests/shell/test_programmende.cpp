// Exit one level at a time, the language switch, help and web links.
#include "TestUmgebung.h"
#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "platform/Registry.h"
#include "platform/widgets/Formular.h"
#include "reports/Druckeinstellungen.h"
#include "shell/Befehle.h"
#include "shell/Start.h"

namespace {
// A working window that records its close and may refuse it.
class Fenster : public Formular {
 public:
  explicit Fenster(const QString& name) : Formular(name) { Laden(); }
  bool darfZu = true;

 protected:
  bool Form_Unload() override { return darfZu; }
};

class Programmende : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    start = new Start();
    start->show();
  }
  void TearDown() override {
    delete StartFensterFallsDa();
    TestUmgebung::TearDown();
  }
  Fenster* Oeffne(const QString& name) {
    auto* f = new Fenster(name);
    f->Zeige();
    return f;
  }
  Start* start = nullptr;
};
}  // namespace

TEST_F(Programmende, ExitClosesOneLevelAtATime) {
  Oeffne("Golfer");
  Oeffne("AuswertungGolfplatz");
  Oeffne("AuswertungAllgemein");
  AktiveForm.clear();
  BefehlBeenden();
  EXPECT_FALSE(IstFormGeladen("AuswertungAllgemein"));
  EXPECT_TRUE(IstFormGeladen("AuswertungGolfplatz"));
  BefehlBeenden();
  EXPECT_FALSE(IstFormGeladen("AuswertungGolfplatz"));
  EXPECT_TRUE(start->isVisible());
  BefehlBeenden();
  EXPECT_FALSE(IstFormGeladen("Golfer"));
  EXPECT_FALSE(start->isVisible());
  // Exit stores the margins.
  EXPECT_EQ(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, "MarginTop"), QString::number(Seitenraender[1]));
}

TEST_F(Programmende, ExitOnAnotherWindowClosesOnlyThatOne) {
  Oeffne("Golfer");
  Oeffne("Golfplätze");
  AktiveForm = "Golfplätze";
  BefehlBeenden();
  EXPECT_FALSE(IstFormGeladen("Golfplätze"));
  EXPECT_TRUE(IstFormGeladen("Golfer"));
  EXPECT_EQ(AktiveForm, "Golfplätze");
  Oeffne("frmGrafik");
  AktiveForm = "frmGrafik";
  BefehlBeenden();
  EXPECT_FALSE(IstFormGeladen("frmGrafik"));
  EXPECT_EQ(AktiveForm, "");
  EXPECT_TRUE(start->isVisible());
  // The statistics window closed by Exit leaves its name; the course statistics behind it
  // write none, and the next Exit closes them.
  Oeffne("AuswertungGolfplatz");
  Oeffne("AuswertungAllgemein");
  AktiveForm = "AuswertungAllgemein";
  BefehlBeenden();
  EXPECT_FALSE(IstFormGeladen("AuswertungAllgemein"));
  BefehlBeenden();
  EXPECT_FALSE(IstFormGeladen("AuswertungGolfplatz"));
  EXPECT_TRUE(IstFormGeladen("Golfer"));
}

// The margins are stored on every Exit and when the main window closes; a settings file
// that cannot be written is named in one box, once in the run.
TEST_F(Programmende, ASettingsFileThatCannotBeWrittenIsToldOnce) {
  Oeffne("Golfer");
  SPU();
  const QString datei = "/proc/puttwise/Puttwise.ini";
  SetzeEinstellungsdatei(datei);
  Antworte({1});
  for (int i = 0; i < 2; ++i) {
    Oeffne("Golfplätze");
    AktiveForm = "Golfplätze";
    BefehlBeenden();
    EXPECT_FALSE(IstFormGeladen("Golfplätze"));
  }
  EXPECT_TRUE(start->close());
  ASSERT_EQ(Dlg().gezeigt.size(), 1u) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains(datei)) << Dlg().gezeigt[0].text.toStdString();
  EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_KRITISCH);
}

TEST_F(Programmende, EndingClosesEveryWindowThroughItsHandler) {
  Oeffne("Golfer");
  Fenster* editor = Oeffne("Turnier");
  editor->darfZu = false;
  AktiveForm.clear();
  // A window that refuses keeps the program open.
  EXPECT_FALSE(ProgrammBeenden(true));
  EXPECT_TRUE(start->isVisible());
  EXPECT_TRUE(IstFormGeladen("Turnier"));
  editor->darfZu = true;
  EXPECT_TRUE(ProgrammBeenden(true));
  EXPECT_FALSE(IstFormGeladen("Turnier"));
  EXPECT_FALSE(start->isVisible());
}

TEST_F(Programmende, LanguageSwitch) {
  Sprachnummer = 1;
  Antworte({1});
  WechsleZuDeutsch();
  EXPECT_EQ(GezeigteTexte().value(0), SPU().GibTranslation(29));
  EXPECT_EQ(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache"), "1");
  // No: the program runs on with the new language already stored.
  Oeffne("Golfer");
  Antworte({7});
  WechsleZuEnglisch();
  EXPECT_EQ(Sprachnummer, 2);
  EXPECT_EQ(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache"), "2");
  EXPECT_TRUE(start->isVisible());
  EXPECT_EQ(Dlg().gezeigt.back().stil, 36);
  // Yes: the program ends without storing the margins.
  Antworte({6});
  WechsleZuDeutsch();
  EXPECT_FALSE(start->isVisible());
  EXPECT_FALSE(IstFormGeladen("Golfer"));
  EXPECT_EQ(LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, "MarginTop"), "NOT_FOUND");
  // The next start comes up in the stored language.
  Sprachnummer = 0;
  SPU().CheckLanguage();
  EXPECT_EQ(Sprachnummer, 1);
}

TEST_F(Programmende, HelpAndWebLinks) {
  Sprachnummer = 2;
  ZeigeHilfe();
  ASSERT_EQ(Dlg().geoeffnet.size(), 1);
  EXPECT_EQ(Dlg().geoeffnet[0].toLocalFile(), Programmordner() + "/Hilfe/puttwise_eng.htm");
  Sprachnummer = 1;
  ZeigeHilfe();
  EXPECT_EQ(Dlg().geoeffnet[1].toLocalFile(), Programmordner() + "/Hilfe/puttwise_ger.htm");
  OeffneZantroWebseite();
  OeffnePuttwiseWebseite();
  EXPECT_EQ(Dlg().geoeffnet[2].scheme(), "https");
  EXPECT_NE(Dlg().geoeffnet[2], Dlg().geoeffnet[3]);
  // Without the program folder: the fixed German text, also in English.
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Programmverzeichniss", "");
  Sprachnummer = 2;
  Antworte({1});
  ZeigeHilfe();
  EXPECT_EQ(GezeigteTexte().value(0), "Hilfedatei nicht gefunden");
  EXPECT_EQ(Dlg().geoeffnet.size(), 4);
}
