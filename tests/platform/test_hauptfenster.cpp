// The doors of the platform layer to the layers above it: the main-window interface and
// the source of numbered texts and messages.
#include "TestUmgebung.h"
#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "platform/Global.h"
#include "platform/Hauptfenster.h"
#include "platform/Registry.h"

namespace {
// A main window that notes what reaches it.
class Protokollfenster : public Hauptfenster {
 public:
  QStringList aufrufe;
  int gedrueckt = 0;
  QString titel;
  void SetzeButtonBar(const QString& c) override { aufrufe << "Leiste " + c; }
  void SetzeMenues(const QString& c) override { aufrufe << "Menues " + c; }
  int LeseButton(int i) const override { return i == 4 ? gedrueckt : 0; }
  void SchalteButton(int i) override {
    aufrufe << QString("Schalte %1").arg(i);
    gedrueckt = 1 - gedrueckt;
  }
  void SetzeTitel(const QString& t) override { titel = t; }
  QString Titel() const override { return titel; }
  void SchalteBefehle(bool an) override { aufrufe << (an ? "an" : "aus"); }
  QWidget* Widget() override { return nullptr; }
};

class Plattformtueren : public TestUmgebung {
 protected:
  void TearDown() override {
    SetzeHauptfenster(nullptr);
    MeldeSprachdienstAn();
    TestUmgebung::TearDown();
  }
};
}  // namespace

TEST_F(Plattformtueren, WithoutMainWindowTheWindowsCallsDoNothing) {
  ASSERT_EQ(HF(), nullptr);
  HF_SetzeButtonBar("23x");  // not even the bad character is reported
  HF_SetzeMenues("JK");
  HF_SchalteButton(4);
  HF_SetzeTitel("Titel");
  HF_SchalteBefehle(false);
  EXPECT_EQ(HF_LeseButton(4), 0);
  EXPECT_TRUE(Dlg().gezeigt.empty());

  Protokollfenster f;
  SetzeHauptfenster(&f);
  HF_SetzeButtonBar("23");
  HF_SetzeMenues("JK");
  HF_SchalteButton(4);
  HF_SchalteBefehle(false);
  HF_SetzeTitel("Golfer");
  EXPECT_EQ(HF_LeseButton(4), 1);
  EXPECT_EQ(f.aufrufe, QStringList({"Leiste 23", "Menues JK", "Schalte 4", "aus"}));
  EXPECT_EQ(HF()->Titel(), "Golfer");
  SetzeHauptfenster(nullptr);
  HF_SetzeButtonBar("9");
  EXPECT_EQ(f.aufrufe.size(), 4);
}

TEST_F(Plattformtueren, RoutingWordsStartEmptyForEveryTest) {
  AktiveForm = "Golfer";
  KontextNeu = KontextLoeschen = KontextSuchen = KontextZurueck = KontextWeiter = KontextSeitenansicht =
      KontextDrucken = "Scorekarte";
  GlobaleZuruecksetzen();
  for (const QString* w : {&AktiveForm, &KontextNeu, &KontextLoeschen, &KontextSuchen, &KontextZurueck, &KontextWeiter,
                           &KontextSeitenansicht, &KontextDrucken})
    EXPECT_TRUE(w->isEmpty());
}

TEST_F(Plattformtueren, NumberedTextsComeFromTheLanguageService) {
  ASSERT_TRUE(HatTextquelle());
  EXPECT_EQ(NummerText(148), SPU().GibTranslation(148));
  EXPECT_FALSE(NummerText(148).isEmpty());
  // A settings file that cannot be written is reported with message 43, naming it.
  SetzeEinstellungsdatei("/proc/puttwise/unmoeglich.ini");
  Antworte({1});
  EXPECT_EQ(SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", "2"), NOT_FOUND);
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains("/proc/puttwise/unmoeglich.ini")) << Dlg().gezeigt[0].text.toStdString();
  EXPECT_EQ(MsgAntwort, 1);
}

TEST_F(Plattformtueren, WithoutLanguageServiceMessagesShowTheirStandIn) {
  SetzeTextquelle(nullptr, nullptr);
  EXPECT_FALSE(HatTextquelle());
  EXPECT_TRUE(NummerText(148).isEmpty());
  SetzeEinstellungsdatei("/proc/puttwise/unmoeglich.ini");
  Antworte({1});
  EXPECT_EQ(SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", "2"), NOT_FOUND);
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_KRITISCH);
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains("/proc/puttwise/unmoeglich.ini"));
}
