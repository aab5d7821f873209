// The progress window, the colours, the question dialog and the information box.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "platform/widgets/Farben.h"
#include "platform/widgets/Fortschritt.h"
#include "shell/Befehle.h"
#include "shell/Dialogfenster.h"
#include "shell/Farbeinstellung.h"
#include "shell/Modal.h"
#include "shell/Start.h"

namespace {
class Fenster : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    Hintergrundfarbe = 0x808000;
    LoescheBefehlsprotokoll();
  }
  void TearDown() override {
    ModalHaken() = nullptr;
    // The main window goes first, with its menus (they are windows of their own).
    delete StartFensterFallsDa();
    TestUmgebung::TearDown();
  }
  static Start* ZeigeStart() {
    auto* start = new Start();
    start->show();
    return start;
  }
  // A button in a window of its own that counts its clicks.
  static void ZaehleKlicks(QPushButton& knopf, int& klicks) {
    QObject::connect(&knopf, &QPushButton::clicked, [&klicks] { ++klicks; });
    knopf.show();
  }
  // Presses the keys on the field of dialog `f` that has the focus; a dialog they leave
  // open fails the test and is closed.
  static void Druecke(Formular& f, const QList<Qt::Key>& tasten) {
    for (Qt::Key t : tasten) QTest::keyClick(f.focusWidget() ? f.focusWidget() : &f, t);
    if (!IstFormGeladen(f.objectName())) return;
    ADD_FAILURE() << "not closed by the keys";
    f.Schliessen();
  }
  static frmPBar1* Balken() { return qobject_cast<frmPBar1*>(SucheFormular("frmPBar1")); }
  static double Zeige(double wert, long anzahl, const QString& text = "Rechne") {
    return ZeigeProgressBar(1, wert, anzahl, text, 3000, 4000, 5100, 1800, 0, 0, 0, 0);
  }
};

// A window of every kind of control that SetzeFarben looks at.
class Probefenster : public Formular {
 public:
  Probefenster() : Formular("Probe") {
    rahmen = new QGroupBox("Rahmen", this);
    grau = new QGroupBox("Grau", this);
    SetzeHintergrund(grau, 0xC0C0C0);
    box = new QCheckBox("Box", rahmen);
    girNetto = new QCheckBox(this);
    girNetto->setObjectName("GIRNettoLoch_3");
    monat = new QCheckBox(this);
    monat->setObjectName("Monat");
    monatlich = new QCheckBox(this);
    monatlich->setObjectName("Monatlich");
    option = new QRadioButton("Option", grau);
    label = new QLabel("Text", this);
    text = new QLineEdit(this);
    knopf = new QPushButton("OK", this);
  }
  QGroupBox *rahmen, *grau;
  QCheckBox *box, *girNetto, *monat, *monatlich;
  QRadioButton* option;
  QLabel* label;
  QLineEdit* text;
  QPushButton* knopf;
};

// The colour a widget fills its background with; -1 when it lets its parent show through.
long Fuellung(const QWidget* w) {
  return w->autoFillBackground() ? FarbeVB(w->palette().color(w->backgroundRole())) : -1;
}
}  // namespace

// ---------------------------------------------------------------------------------------
// Progress window

TEST_F(Fenster, ProgressShowsPercentageAndKeepsItsFirstText) {
  EXPECT_DOUBLE_EQ(Zeige(1, 4, "Runden lesen"), 25.0);
  ASSERT_TRUE(Balken());
  EXPECT_TRUE(IstFormGeladen("frmPBar1"));
  EXPECT_DOUBLE_EQ(Balken()->ZantroProgressbar1->property("ActValue").toDouble(), 25.0);
  EXPECT_EQ(Balken()->Textfeld1->text(), "Runden lesen");
  EXPECT_DOUBLE_EQ(Zeige(4, 4, "anderer Text"), 100.0);
  EXPECT_EQ(Balken()->Textfeld1->text(), "Runden lesen");
  // More than the total goes to the bar unchanged.
  EXPECT_DOUBLE_EQ(Zeige(6, 4), 150.0);
  EXPECT_DOUBLE_EQ(Balken()->ZantroProgressbar1->ActValue(), 150.0);
  EXPECT_EQ(Balken()->ZantroProgressbar1->value(), 100);
  // Only window number 1 exists.
  EXPECT_DOUBLE_EQ(ZeigeProgressBar(2, 1, 2, "x", 0, 0, 100, 100), 0.0);
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Fenster, ProgressWithTotalZeroShowsTheErrorBox) {
  Antworte({1});
  EXPECT_DOUBLE_EQ(Zeige(3, 0), 0.0);
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].stil, 16);
  EXPECT_EQ(Dlg().gezeigt[0].titel, PRODUKTTITEL);
  EXPECT_FALSE(BefehleGesperrt() && FortschrittPumpt());
}

TEST_F(Fenster, ProgressTextsOfTwoComputations) {
  Zeige(1, 2, "Erste");
  BeendeProgressBar(1);
  EXPECT_FALSE(IstFormGeladen("frmPBar1"));
  Zeige(1, 2, "Zweite");
  EXPECT_EQ(Balken()->Textfeld1->text(), "Zweite");
  // A computation that leaves the window open passes its text on to the next.
  Zeige(1, 2, "Dritte");
  EXPECT_EQ(Balken()->Textfeld1->text(), "Zweite");
  BeendeProgressBar(1);
  BeendeProgressBar(1);
  EXPECT_FALSE(IstFormGeladen("frmPBar1"));
}

TEST_F(Fenster, ProgressWindowStaysWhereTheUserMovedIt) {
  auto* start = new Start();
  Zeige(1, 10);
  QMdiSubWindow* rahmen = Balken()->Rahmen();
  ASSERT_TRUE(rahmen);
  EXPECT_EQ(rahmen->geometry(), QRect(200, 266, 340, 120));
  EXPECT_EQ(Balken()->windowTitle(), "Aktionsverlauf");
  rahmen->move(20, 30);
  Zeige(2, 10);
  EXPECT_EQ(rahmen->pos(), QPoint(20, 30));
  EXPECT_EQ(start->Mdi->subWindowList().size(), 1);
}

TEST_F(Fenster, ProgressWindowBlocksTheCommands) {
  auto* start = new Start();
  Zeige(1, 10);
  EXPECT_TRUE(BefehleGesperrt());
  EXPECT_FALSE(start->menuBar()->isEnabled());
  EXPECT_FALSE(start->GolferBar1->isEnabled());
  ToolbarButtonClick(2);
  start->New->trigger();
  start->Knopf(17)->trigger();
  start->BestScore->trigger();
  EXPECT_TRUE(Befehlsprotokoll().isEmpty());
  EXPECT_EQ(LeseButton(start->GolferBar1, 13), 0);

  BeendeProgressBar(1);
  EXPECT_FALSE(BefehleGesperrt());
  EXPECT_TRUE(start->menuBar()->isEnabled());
  EXPECT_TRUE(start->GolferBar1->isEnabled());
  ToolbarButtonClick(2);
  EXPECT_EQ(Befehlsprotokoll(), QStringList({"BefehlNeu"}));
}

TEST_F(Fenster, EventsThatRunDuringAnUpdateStartNoCommand) {
  Start* start = ZeigeStart();
  QPushButton anderswo("Rechnen");
  int klicks = 0;
  ZaehleKlicks(anderswo, klicks);
  Zeige(1, 10);
  // Whatever is pending when the next update lets events run: a queued command, a click
  // in another window, a close of the main window or of the progress window.
  bool gelaufen = false, zu = true, balkenZu = true;
  QTimer::singleShot(0, start, [&] {
    gelaufen = true;
    ToolbarButtonClick(3);
    start->Menuepunkt("Golfplatz")->trigger();
    QTest::mouseClick(&anderswo, Qt::LeftButton);
    zu = start->close();
    balkenZu = Balken()->Schliessen();
  });
  Zeige(2, 10);
  EXPECT_TRUE(gelaufen);
  EXPECT_FALSE(zu);
  EXPECT_FALSE(balkenZu);
  EXPECT_TRUE(start->isVisible());
  EXPECT_TRUE(Befehlsprotokoll().isEmpty());
  EXPECT_EQ(klicks, 0);
  QTest::mouseClick(&anderswo, Qt::LeftButton);
  EXPECT_EQ(klicks, 1);
  // A window left open after the computation can be closed by the user; the next
  // computation opens a fresh one even before the closed one is deleted.
  EXPECT_TRUE(Balken()->Schliessen());
  EXPECT_FALSE(BefehleGesperrt());
  EXPECT_DOUBLE_EQ(Zeige(5, 10, "Neu"), 50.0);
  EXPECT_EQ(Balken()->Textfeld1->text(), "Neu");
  EXPECT_TRUE(Balken()->isVisible());
}

TEST_F(Fenster, TheProgressOfAComputationOpensItsWindowOnlyWhenTheWorkTakesLong) {
  Start* start = ZeigeStart();
  QPushButton anderswo("Rechnen");
  int klicks = 0;
  ZaehleKlicks(anderswo, klicks);
  {
    Fortschrittsanzeige anzeige;
    // Short work: its first update lets events run as the window would, with no window.
    int gelaufen = 0;
    bool gesperrt = false;
    auto spaeter = [&] {
      QTimer::singleShot(0, start, [&] {
        ++gelaufen;
        gesperrt = BefehleGesperrt();
        ToolbarButtonClick(3);
        QTest::mouseClick(&anderswo, Qt::LeftButton);
      });
    };
    spaeter();
    anzeige.Zeige(1, 10, "Rechne");
    EXPECT_EQ(gelaufen, 1);
    EXPECT_TRUE(gesperrt);
    EXPECT_TRUE(Befehlsprotokoll().isEmpty());
    EXPECT_EQ(klicks, 0);
    EXPECT_FALSE(IstFormGeladen("frmPBar1"));
    EXPECT_TRUE(start->menuBar()->isEnabled());
    EXPECT_FALSE(anzeige.Offen());
    spaeter();
    // Work that has gone on for long enough: the window opens at the next update.
    QTest::qSleep(FORTSCHRITT_AB_MS + 20);
    anzeige.Zeige(3, 10, "Rechne");
    EXPECT_EQ(gelaufen, 2);
    ASSERT_TRUE(Balken());
    EXPECT_DOUBLE_EQ(Balken()->ZantroProgressbar1->ActValue(), 30.0);
    EXPECT_EQ(Balken()->Textfeld1->text(), "Rechne");
    EXPECT_FALSE(start->menuBar()->isEnabled());
  }
  // The end of the computation closes it.
  EXPECT_FALSE(IstFormGeladen("frmPBar1"));
  EXPECT_FALSE(BefehleGesperrt());
  EXPECT_TRUE(start->menuBar()->isEnabled());
}

// ---------------------------------------------------------------------------------------
// Colours

TEST_F(Fenster, SetzeFarbenPaintsTheKindsThatCarryTheBackground) {
  Probefenster f;
  const long knopfVorher = f.knopf->palette().color(QPalette::Button).rgb();
  const long boxVorher = LeseHintergrund(f.girNetto);
  SetzeFarben(&f);
  EXPECT_EQ(Fuellung(&f), 0x808000);
  EXPECT_EQ(Fuellung(f.rahmen), 0x808000);
  EXPECT_EQ(Fuellung(f.box), 0x808000);
  EXPECT_EQ(Fuellung(f.monatlich), 0x808000);
  EXPECT_EQ(Fuellung(f.option), 0x808000);
  // Light grey frames, the named check boxes and every other kind keep their colours.
  EXPECT_EQ(LeseHintergrund(f.grau), 0xC0C0C0);
  EXPECT_EQ(LeseHintergrund(f.girNetto), boxVorher);
  EXPECT_EQ(LeseHintergrund(f.monat), boxVorher);
  EXPECT_FALSE(f.label->autoFillBackground());
  EXPECT_EQ(long(f.text->palette().color(QPalette::Base).rgb()),
            long(QApplication::palette().color(QPalette::Base).rgb()));
  EXPECT_EQ(long(f.knopf->palette().color(QPalette::Button).rgb()), knopfVorher);

  // A colour of its own; black (0) means the program's colour.
  SetzeFarben(&f, 0xFFFFFF);
  EXPECT_EQ(Fuellung(&f), 0xFFFFFF);
  EXPECT_EQ(Fuellung(f.option), 0xFFFFFF);
  EXPECT_EQ(LeseHintergrund(f.monat), boxVorher);
  SetzeFarben(&f, 0);
  EXPECT_EQ(Fuellung(&f), 0x808000);
}

TEST_F(Fenster, MainWindowTakesTheColourInItsWorkspace) {
  auto* start = new Start();
  Hintergrundfarbe = 0xFF4040;
  SetzeFarben(start);
  EXPECT_EQ(start->Mdi->background().color(), VBFarbe(0xFF4040));
  EXPECT_FALSE(start->menuBar()->autoFillBackground() && LeseHintergrund(start->menuBar()) == 0xFF4040);
}

TEST_F(Fenster, ColourDialogMarksTheCurrentColourAndPreviews) {
  frmBackground& d = FormInstanz<frmBackground>();
  EXPECT_TRUE(d.Color1[0]->isChecked());
  EXPECT_EQ(d.GewaehlteFarbe, 0x808000);
  EXPECT_EQ(Fuellung(&d), 0x808000);
  EXPECT_EQ(d.windowTitle(), "Farbeinstellung");
  for (int i = 0; i < 12; ++i) EXPECT_EQ(LeseHintergrund(d.Label1[i]), FARBTABELLE[size_t(i)]) << i;

  d.Color1[4]->click();
  EXPECT_EQ(d.GewaehlteFarbe, 0xFF9B9B);
  EXPECT_EQ(Fuellung(&d), 0xFF9B9B);
  EXPECT_EQ(Fuellung(d.Color1[7]), 0xFF9B9B);
  d.Color1[9]->click();
  EXPECT_EQ(Fuellung(&d), 0x40FFFF);
  // Cancel: nothing stored, the program's colour unchanged.
  d.Abbruch->click();
  EXPECT_FALSE(IstFormGeladen("frmBackground"));
  EXPECT_EQ(Hintergrundfarbe, 0x808000);
  EXPECT_FALSE(SqlWert("SELECT Wert FROM tab_EinstellungenIntern WHERE Bezeichnung = 'BGColour'").isValid());
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Fenster, ColourDialogStoresTheChoice) {
  DBG().WriteEinstellungenIntern("BGColour", "8421376");
  ModalHaken() = [](Formular& f) {
    auto& d = static_cast<frmBackground&>(f);
    d.Color1[11]->click();
    d.OK->click();
  };
  Antworte({1});
  auto* start = new Start();
  start->Colour->trigger();
  EXPECT_FALSE(IstFormGeladen("frmBackground"));
  EXPECT_EQ(Hintergrundfarbe, 0xFFFFFF);
  EXPECT_EQ(SqlWert("SELECT Wert FROM tab_EinstellungenIntern WHERE Bezeichnung = 'BGColour'").toString(), "16777215");
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_EinstellungenIntern WHERE Bezeichnung = 'BGColour'").toInt(), 1);
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  EXPECT_EQ(Dlg().gezeigt[0].stil, 64);
  EXPECT_EQ(Dlg().gezeigt[0].text, SPU().GibTranslation(234));
  EXPECT_EQ(MsgAntwort, 1);
  // A window opened afterwards is white.
  Probefenster neu;
  SetzeFarben(&neu);
  EXPECT_EQ(Fuellung(&neu), 0xFFFFFF);
  EXPECT_EQ(Fuellung(neu.box), 0xFFFFFF);
}

TEST_F(Fenster, ColourOutsideTheTableMarksNoOption) {
  Hintergrundfarbe = 0x123456;
  frmBackground& d = FormInstanz<frmBackground>();
  for (int i = 0; i < 12; ++i) EXPECT_FALSE(d.Color1[i]->isChecked()) << i;
  EXPECT_EQ(d.GewaehlteFarbe, 0x123456);
  Antworte({1});
  d.OK_Click();
  EXPECT_EQ(SqlWert("SELECT Wert FROM tab_EinstellungenIntern WHERE Bezeichnung = 'BGColour'").toString(),
            QString::number(0x123456));
}

// ---------------------------------------------------------------------------------------
// Question dialog and information box

TEST_F(Fenster, QuestionDialogPreviewOrPrint) {
  Ausdrucken = false;
  FormInstanz<frmFrage>().Command1->click();
  EXPECT_FALSE(IstFormGeladen("frmFrage"));
  EXPECT_EQ(LetzterBefehl(), "ZeigeKartenausdruck rptScorekarteDruck2");

  Ausdrucken = true;
  // No printer is installed here: each print asks for its file; cancelled, each says so.
  Dlg().dateien = {QString(), QString()};
  Antworte({1, 1});
  FormInstanz<frmFrage>().Command2->click();
  EXPECT_EQ(LetzterBefehl(), "DruckeKartenausdruck rptScorekarteDruck1 2");
  FormInstanz<frmFrage>().Command1->click();
  EXPECT_EQ(LetzterBefehl(), "DruckeKartenausdruck rptScorekarteDruck2 1");

  LoescheBefehlsprotokoll();
  FormInstanz<frmFrage>().Command3->click();
  EXPECT_FALSE(IstFormGeladen("frmFrage"));
  EXPECT_TRUE(Befehlsprotokoll().isEmpty());

  // Shown as the preview shows it: Escape cancels; Return answers the button with the
  // focus, first the default one, the first choice.
  Ausdrucken = false;
  for (const auto& [tasten, befehl] : {std::pair{QList{Qt::Key_Escape}, ""},
                                       {{Qt::Key_Return}, "ZeigeKartenausdruck rptScorekarteDruck2"},
                                       {{Qt::Key_Tab, Qt::Key_Enter}, "ZeigeKartenausdruck rptScorekarteDruck1"}}) {
    LoescheBefehlsprotokoll();
    ModalHaken() = [tasten](Formular& f) { Druecke(f, tasten); };
    ZeigeModal(FormInstanz<frmFrage>());
    EXPECT_EQ(LetzterBefehl(), befehl);
  }
}

TEST_F(Fenster, InformationBox) {
  for (int sprache : {1, 2}) {
    Sprachnummer = sprache;
    bool gesehen = false;
    ModalHaken() = [&](Formular& f) {
      auto& info = static_cast<Zantro_Info&>(f);
      gesehen = true;
      EXPECT_EQ(info.Version->text(), "Version 2.02");
      info.hinweis->click();
      Druecke(f, {Qt::Key_Return});  // OK has the focus
    };
    Antworte({1});
    ZeigeInfo();
    EXPECT_TRUE(gesehen);
    EXPECT_FALSE(IstFormGeladen("Zantro_Info"));
  }
  ModalHaken() = [](Formular& f) { Druecke(f, {Qt::Key_Escape}); };
  ZeigeInfo();
  ASSERT_EQ(Dlg().gezeigt.size(), 2u);
  EXPECT_EQ(Dlg().gezeigt[0].stil, 64);
  EXPECT_NE(Dlg().gezeigt[0].text, Dlg().gezeigt[1].text);  // the notice in both languages
}

TEST_F(Fenster, InformationBoxOpensOverTheProgram) {
  Antworte({1});  // an empty database: "no course yet"
  Start& s = StartFenster();
  s.setGeometry(300, 200, 900, 700);
  QPoint mitte;
  ModalHaken() = [&](Formular& f) {
    mitte = f.geometry().center();
    static_cast<Zantro_Info&>(f).Info_schliessen->click();
  };
  ZeigeInfo();
  EXPECT_LE((mitte - s.frameGeometry().center()).manhattanLength(), 4);
}
