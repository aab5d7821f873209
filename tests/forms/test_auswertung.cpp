// The analysis page and the two statistics windows: selectors, the query it stores, the
// windows it fills, their views and the question on closing.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <map>

#include "Probehauptfenster.h"
#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Analyseseite.h"
#include "forms/AuswertungAllgemein.h"
#include "forms/AuswertungGolfplatz.h"
#include "forms/Auswertungsrechnung.h"
#include "platform/Hauptfenster.h"

namespace {

// The toolbar's two-state buttons, as the windows see them.

class Auswertung : public TestUmgebung {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    SetzeHauptfenster(&hf);
    AktiverGolfer.Golferidn = "3";
    Analyseseite::Heute() = QDate(2004, 3, 15);
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('7', 'Sieben')");
    QStringList par;
    for (int i = 1; i <= 18; ++i) par << QStringLiteral("Loch%1Par = 4").arg(i, 2, 10, QLatin1Char('0'));
    Sql("UPDATE Tab_Golfplatz SET " + par.join(", "));
    for (int r = 1; r <= 3; ++r) {
      QStringList f{"Scorekartenidn", "Golfernummer", "Golfplatznummer", "Datum"};
      QStringList v{QString("'%1'").arg(r), "'3'", "'7'", QString("'2004-02-%1'").arg(r + 10, 2, 10, QLatin1Char('0'))};
      for (int i = 1; i <= 18; ++i) {
        f << QStringLiteral("ScoreLoch%1").arg(i, 2, 10, QLatin1Char('0'));
        v << QString::number(i == 1 ? 3 : 4);
      }
      Sql(QStringLiteral("INSERT INTO Greenlogs (%1) VALUES (%2)").arg(f.join(","), v.join(",")));
    }
    seite = new Analyseseite;
    seite->AuswahlGolfplatz->addItems({"< Alle Golfplätze >", "Sieben"});
  }
  void TearDown() override {
    delete seite;
    SetzeHauptfenster(nullptr);
    Analyseseite::Heute() = QDate();
    TestUmgebung::TearDown();
  }
  QString view() { return SqlWert("SELECT sql FROM sqlite_master WHERE name = 'qryAnalyseTemp'").toString(); }

  Probehauptfenster hf;
  Analyseseite* seite = nullptr;
};

}  // namespace

TEST_F(Auswertung, AuswahlgruppenWirkenAlsRadiogruppen) {
  seite->Woche_Druck(2);
  seite->Woche[2]->setChecked(true);
  EXPECT_EQ(seite->Startdatum->text(), "01.03.2004");
  EXPECT_EQ(seite->Enddatum->text(), "15.03.2004");
  seite->Best_Druck(1, true);
  seite->Best[1]->setChecked(true);
  EXPECT_TRUE(seite->Woche[2]->isChecked());  // the period stays
  EXPECT_EQ(seite->TopEingabe->text(), "5");
  EXPECT_TRUE(seite->BestWhat[1]->isChecked());
  seite->Monat_Druck(1);
  EXPECT_FALSE(seite->Woche[2]->isChecked());
  EXPECT_EQ(seite->Startdatum->text(), "15.02.2004");
  seite->MonJahr_Druck(2);
  EXPECT_TRUE(seite->MonatName[2]->isChecked());
  EXPECT_EQ(seite->JahrAuswertung->text(), "2004");
  EXPECT_TRUE(seite->Startdatum->text().isEmpty());
  EXPECT_FALSE(seite->Best[1]->isChecked());
  // In January the preset is December of the year before.
  Analyseseite::Heute() = QDate(2004, 1, 10);
  seite->MonJahr_Druck(1);
  EXPECT_TRUE(seite->MonatName[12]->isChecked());
  EXPECT_EQ(seite->JahrAuswertung->text(), "2003");
  seite->AlleDatum->setChecked(false);
  seite->AlleDatum_Click();
  EXPECT_EQ(seite->Enddatum->text(), "10.01.2004");
  // English dates whatever the locale.
  Sprachnummer = 2;
  seite->Woche_Druck(1);
  EXPECT_EQ(seite->Startdatum->text(), "01/03/2004");
  Sprachnummer = 1;
}

TEST_F(Auswertung, DatumsfelderPruefenUndNormieren) {
  seite->Startdatum->setText("1.2.04");
  seite->Startdatum_LostFocus();
  EXPECT_EQ(seite->Startdatum->text(), "01.02.2004");
  Antworte({1});
  seite->Enddatum->setText("");
  seite->Enddatum_LostFocus();
  EXPECT_EQ(GezeigteTexte().size(), 1);
}

TEST_F(Auswertung, AnzahlNurAlsGanzeZahlSonstMeldungUndNichts) {
  const QString vorher = view();
  seite->Best[1]->setChecked(true);
  for (const char* t : {"", "5 UNION SELECT 1", "0"}) {
    seite->TopEingabe->setText(t);
    Antworte({1});
    seite->Calc_Click();
  }
  EXPECT_EQ(GezeigteTexte().size(), 3);
  EXPECT_EQ(view(), vorher);
  EXPECT_FALSE(FormExistiert<AuswertungAllgemein>());
}

TEST_F(Auswertung, KeineRundeMeldung38) {
  const QString vorher = view();
  seite->Startdatum->setText("01.01.2010");
  Antworte({1});
  seite->Calc_Click();
  EXPECT_EQ(GezeigteTexte().size(), 1);
  EXPECT_EQ(view(), vorher);
}

TEST_F(Auswertung, BerechnungFuelltFensterUndAnsichtenSchalten) {
  seite->AuswahlGolfplatz->setEditText("Sieben");
  seite->Calc_Click();
  ASSERT_TRUE(FormExistiert<AuswertungGolfplatz>());
  AuswertungGolfplatz& gp = AuswertungGolfplatzForm();
  EXPECT_TRUE(view().contains("Golfplatznummer = '7'"));
  EXPECT_EQ(gp.Rundenzahl->text(), "3");
  EXPECT_EQ(gp.Zellen("ScoreLoch")[1]->text(), "3,00");
  EXPECT_EQ(gp.Zellen("BirdieLoch")[1]->text(), "100,0");
  EXPECT_EQ(gp.TextfeldMonatJahr->text(), "DontSave");
  EXPECT_EQ(hf.leiste, "2349ADHI");
  EXPECT_EQ(KontextWeiter, "AuswertungAllgemein");
  // Counts on and off.
  hf.knopf[14] = 1;
  SchalteZaehlansicht();
  EXPECT_EQ(gp.Zellen("BirdieLoch")[1]->text(), "3");
  EXPECT_FALSE(gp.Einheiten[4]->isVisible() && gp.isVisible());
  // Records on: counts go off first and button 14 comes up.
  hf.knopf[13] = 1;
  SchalteRekordansicht();
  EXPECT_EQ(hf.LeseButton(14), 0);
  EXPECT_EQ(gp.AktuelleAnsicht(), Auswertungsfenster::Ansicht::Rekorde);
  // Forward: both views off, then the same rounds per par.
  AuswertungWeiter();
  EXPECT_EQ(hf.LeseButton(13), 0);
  EXPECT_EQ(gp.AktuelleAnsicht(), Auswertungsfenster::Ansicht::Werte);
  ASSERT_TRUE(FormExistiert<AuswertungAllgemein>());
  AuswertungAllgemein& allg = AuswertungAllgemeinForm();
  EXPECT_EQ(allg.Zellen("ScorePar")[2]->text(), "3,94");  // (3 + 17 x 4) / 18
  EXPECT_EQ(allg.Zellen("GesamtPar")[5]->text(), "54");
  EXPECT_EQ(AuswertungsZiel(), &allg);
  // A free period marks nothing: closing asks nothing.
  EXPECT_TRUE(allg.Schliessen());
  EXPECT_TRUE(GezeigteTexte().isEmpty());
  EXPECT_EQ(hf.leiste, "2349AHI");
}

TEST_F(Auswertung, MonatsauswertungMarkiertUndSpeichertBeimSchliessen) {
  MinMon = "1";
  seite->MonJahr_Druck(1);
  seite->MonJahr[1]->setChecked(true);
  seite->Calc_Click();
  ASSERT_TRUE(FormExistiert<AuswertungAllgemein>());
  AuswertungAllgemein& allg = AuswertungAllgemeinForm();
  EXPECT_EQ(allg.TextfeldWann->text(), "02/2004");
  EXPECT_EQ(allg.Zellen("ScorePar")[2]->property("Tag").toString(), "1");
  // The record view of a key without rows keeps the values.
  hf.knopf[13] = 1;
  SchalteRekordansicht();
  EXPECT_EQ(allg.Zellen("ScorePar")[2]->text(), "3,94");
  // Closing with the view on: the button comes up, the values are saved after Yes.
  Antworte({6});
  EXPECT_TRUE(allg.Schliessen());
  EXPECT_EQ(hf.LeseButton(13), 0);
  EXPECT_EQ(GezeigteTexte().size(), 1);
  EXPECT_EQ(SqlWert("SELECT Ergebnis FROM tab_Records WHERE Bezeichnung = 'ScorePar02' AND MonatOderJahr = 'Monat -  - 3'")
                .toString(),
            "3,94");
  // A second run: the stored record is equalled, so marked again, and the view shows it.
  seite->Calc_Click();
  AuswertungAllgemein& neu = AuswertungAllgemeinForm();
  hf.knopf[13] = 1;
  SchalteRekordansicht();
  EXPECT_EQ(neu.Zellen("ScorePar")[2]->text(), "3,94");
  Antworte({7});
  EXPECT_TRUE(neu.Schliessen());
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Records WHERE Bezeichnung = 'ScorePar02'").toInt(), 1);
}
