// The analysis page and the two statistics windows: selectors, the query it stores, the
// windows it fills, their views and the question on closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStyle>
#include <QTest>
#include <cstdio>
#include <map>
#include <memory>

#include "Musterkarte.h"
#include "Probehauptfenster.h"
#include "TestUmgebung.h"
#include "charts/Grafikrechnung.h"
#include "data/DBGKlasse.h"
#include "data/Dateiwechsel.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "forms/Analyseseite.h"
#include "forms/AuswertungAllgemein.h"
#include "forms/AuswertungGolfplatz.h"
#include "forms/Auswertungsrechnung.h"
#include "forms/Golfer.h"
#include "forms/Steuerelemente.h"
#include "language/Sprachumschaltung.h"
#include "platform/Hauptfenster.h"
#include "platform/Registry.h"
#include "platform/widgets/Formular.h"
#include "shell/Befehle.h"

namespace {

// A cell of a statistics window as it shows it, by its line's name and its column.
QLabel* Zelle(const Auswertungsfenster& f, const QString& zeile, int spalte) {
  QLabel* l = f.findChild<QLabel*>(Feldname(zeile, spalte));
  EXPECT_TRUE(l) << zeile.toStdString() << " " << spalte;
  return l;
}

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

// The statistics window, and the sheet printed from it, name the golfer as stored and the
// course the page computing it chose, whatever the golfer window's boxes show.
TEST_F(Auswertung, TheStatisticsNameTheGolferAsStoredAndTheCourseOfTheirPage) {
  Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub, \"Aktueller Golfer\") VALUES ('3', 'Carla', '7', 1)");
  Golfer& g = GolferForm();
  ASSERT_EQ(g.Golfername->text(), "Carla");
  g.Golfername->selectAll();
  QTest::keyClicks(g.Golfername, "Dora");  // typed, not stored
  seite->AuswahlGolfplatz->setEditText("Sieben");
  seite->Calc_Click();
  ASSERT_TRUE(FormExistiert<AuswertungGolfplatz>());
  EXPECT_EQ(AuswertungGolfplatzForm().Kopf().Golfername, "Carla");
  EXPECT_EQ(AuswertungGolfplatzForm().Kopf().Platzname, "Sieben");
}

TEST_F(Auswertung, BerechnungFuelltFensterUndAnsichtenSchalten) {
  seite->AuswahlGolfplatz->setEditText("Sieben");
  seite->Calc_Click();
  ASSERT_TRUE(FormExistiert<AuswertungGolfplatz>());
  AuswertungGolfplatz& gp = AuswertungGolfplatzForm();
  EXPECT_TRUE(view().contains("Golfplatznummer = '7'"));
  EXPECT_EQ(gp.Kopf().Runden, "3");
  EXPECT_EQ(Zelle(gp, "ScoreLoch", 1)->text(), "3,00");
  EXPECT_EQ(Zelle(gp, "BirdieLoch", 1)->text(), "100,0");
  EXPECT_EQ(gp.Auswahl().MonatOderJahr, "DontSave");
  EXPECT_EQ(hf.leiste, "2349ADHI");
  EXPECT_EQ(KontextWeiter, "AuswertungAllgemein");
  // Counts on and off.
  hf.knopf[14] = 1;
  SchalteZaehlansicht();
  EXPECT_EQ(Zelle(gp, "BirdieLoch", 1)->text(), "3");
  EXPECT_FALSE(gp.findChild<QLabel*>("Label32_4")->isVisible() && gp.isVisible());
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
  EXPECT_EQ(Zelle(allg, "ScorePar", 2)->text(), "3,94");  // (3 + 17 x 4) / 18
  EXPECT_EQ(Zelle(allg, "GesamtPar", 5)->text(), "54");
  EXPECT_EQ(AuswertungsZiel(), &allg);
  EXPECT_EQ(hf.leiste, "2349BDHI");
  // Back closes the all-courses window, uncovering the per-course window with its own
  // toolbar; Forward again opens the all-courses window anew.
  BefehlZurueck();
  EXPECT_FALSE(FormExistiert<AuswertungAllgemein>());
  EXPECT_TRUE(FormExistiert<AuswertungGolfplatz>());
  EXPECT_EQ(hf.leiste, "2349AHI");
  EXPECT_EQ(KontextWeiter, "AuswertungAllgemein");
  EXPECT_EQ(AuswertungsZiel(), &gp);
  BefehlWeiter();
  ASSERT_TRUE(FormExistiert<AuswertungAllgemein>());
  EXPECT_EQ(hf.leiste, "2349BDHI");
  EXPECT_EQ(KontextZurueck, "AuswertungGolfplatz");
  // A free period marks nothing: closing asks nothing.
  EXPECT_TRUE(AuswertungAllgemeinForm().Schliessen());
  EXPECT_TRUE(GezeigteTexte().isEmpty());
  EXPECT_EQ(hf.leiste, "2349AHI");
}

// A month of golfer 3 on the course, computed and then looked at, saved and carried to
// the per-par window after golfer 4 has become the active golfer: everything stays with
// golfer 3.
TEST_F(Auswertung, RekordeGehoerenDemAusgewertetenGolfer) {
  MinMon = "1";
  Sql("INSERT INTO tab_Records (Bestidn, Wann, Bezeichnung, MonatOderJahr, Ergebnis) VALUES "
      "('1', '01/2003', 'ScoreLoch02', 'Monat - 7 - 3', '3,50'), ('2', '01/2003', 'ScoreLoch02', 'Monat - 7 - 4', "
      "'3,00')");
  seite->AuswahlGolfplatz->setEditText("Sieben");
  seite->MonJahr_Druck(1);
  seite->MonJahr[1]->setChecked(true);
  seite->Calc_Click();
  ASSERT_TRUE(FormExistiert<AuswertungGolfplatz>());
  AuswertungGolfplatz& gp = AuswertungGolfplatzForm();
  EXPECT_EQ(Zelle(gp, "ScoreLoch", 1)->property("Tag").toString(), "1");
  AktiverGolfer.Golferidn = "4";  // another golfer chosen on the golfer window
  // The stored records shown are golfer 3's.
  hf.SchalteButton(13);
  BefehlRekordergebnisse();
  EXPECT_EQ(Zelle(gp, "ScoreLoch", 2)->text(), "3,50");
  hf.SchalteButton(13);
  BefehlRekordergebnisse();
  // The same rounds per par: golfer 3's again.
  BefehlWeiter();
  ASSERT_TRUE(FormExistiert<AuswertungAllgemein>());
  EXPECT_EQ(AuswertungAllgemeinForm().Golferidn, "3");
  Antworte({6});
  EXPECT_TRUE(AuswertungAllgemeinForm().Schliessen());
  Antworte({6});
  EXPECT_TRUE(gp.Schliessen());
  EXPECT_EQ(GezeigteTexte().size(), 2);
  EXPECT_GT(SqlWert("SELECT COUNT(*) FROM tab_Records WHERE MonatOderJahr = 'Monat - 7 - 3'").toInt(), 20);
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Records WHERE MonatOderJahr LIKE '% - 4'").toInt(), 1);
  EXPECT_EQ(SqlWert("SELECT Ergebnis FROM tab_Records WHERE MonatOderJahr = 'Monat - 7 - 3' AND "
                    "Bezeichnung = 'ScoreLoch01'")
                .toString(),
            "3,00");
}

// Closing the per-course window releases both buttons; a per-par window still open that
// showed stored records or counts shows its values again, as the buttons say.
TEST_F(Auswertung, SchliessenDesPlatzfenstersSchaltetDasParfensterZurueck) {
  seite->AuswahlGolfplatz->setEditText("Sieben");
  for (int knopf : {13, 14}) {
    SCOPED_TRACE(knopf);
    seite->Calc_Click();
    ASSERT_TRUE(FormExistiert<AuswertungGolfplatz>());
    BefehlWeiter();
    ASSERT_TRUE(FormExistiert<AuswertungAllgemein>());
    AuswertungAllgemein& allg = AuswertungAllgemeinForm();
    Sql("INSERT INTO tab_Records (Bestidn, Wann, Bezeichnung, MonatOderJahr, Ergebnis) VALUES "
        "('9', '01/2003', 'ScorePar02', 'DontSave - 7 - 3', '3,10')");
    hf.SchalteButton(knopf);
    knopf == 13 ? BefehlRekordergebnisse() : BefehlAufZahlen();
    ASSERT_NE(allg.AktuelleAnsicht(), Auswertungsfenster::Ansicht::Werte);
    EXPECT_TRUE(AuswertungGolfplatzForm().Schliessen());
    EXPECT_EQ(hf.LeseButton(knopf), 0);
    EXPECT_EQ(allg.AktuelleAnsicht(), Auswertungsfenster::Ansicht::Werte);
    EXPECT_EQ(Zelle(allg, "ScorePar", 2)->text(), "3,94");
    EXPECT_EQ(Zelle(allg, "ParPar", 2)->text(), "94,44");
    EXPECT_TRUE(allg.Schliessen());
    Sql("DELETE FROM tab_Records");
  }
}

// Every value the per-course window shows fits its cell, the shares of 100 % in the
// sums of nine and eighteen holes too.
TEST_F(Auswertung, JederWertPasstInSeineZelle) {
  QStringList felder;
  for (int i = 1; i <= 18; ++i)
    felder << QStringLiteral("PuttsLoch%1 = 2, FairwaytrefferLoch%1 = 1, DistanceLoch%1 = 250, BunkerLoch%1 = 1")
                  .arg(i, 2, 10, QLatin1Char('0'));
  Sql("UPDATE Greenlogs SET " + felder.join(", "));
  for (Sprachnummer = 1; Sprachnummer <= 2; ++Sprachnummer) {
    seite->AuswahlGolfplatz->setEditText("Sieben");
    seite->Calc_Click();
    ASSERT_TRUE(FormExistiert<AuswertungGolfplatz>());
    AuswertungGolfplatz& gp = AuswertungGolfplatzForm();
    EXPECT_EQ(Zelle(gp, "FWTLoch", 19)->text(), "100,00");
    for (QLabel* l : gp.findChildren<QLabel*>()) {
      if (l->frameShape() != QFrame::Box || l->text().isEmpty()) continue;
      EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width())
          << l->objectName().toStdString() << " " << l->text().toStdString();
    }
    EXPECT_TRUE(gp.Schliessen());
  }
  Sprachnummer = 1;
}

// "No" to the question stores nothing: the table is as it was, although the new values
// differ from the stored ones.
TEST_F(Auswertung, NeinSpeichertNichts) {
  MinMon = "1";
  seite->MonJahr_Druck(1);
  seite->MonJahr[1]->setChecked(true);
  seite->Calc_Click();
  Antworte({6});
  ASSERT_TRUE(AuswertungAllgemeinForm().Schliessen());
  const auto tabelle = [this] {
    return SqlWert(
               "SELECT group_concat(Bestidn || '|' || Wann || '|' || Bezeichnung || '|' || MonatOderJahr || '|' || "
               "Ergebnis, ';') FROM (SELECT * FROM tab_Records ORDER BY rowid)")
        .toString();
  };
  const QString vorher = tabelle();
  ASSERT_FALSE(vorher.isEmpty());
  // A better round in the same month: new records, not saved.
  QStringList f{"Scorekartenidn", "Golfernummer", "Golfplatznummer", "Datum"};
  QStringList v{"'4'", "'3'", "'7'", "'2004-02-20'"};
  for (int i = 1; i <= 18; ++i) {
    f << QStringLiteral("ScoreLoch%1").arg(i, 2, 10, QLatin1Char('0'));
    v << "3";
  }
  Sql(QStringLiteral("INSERT INTO Greenlogs (%1) VALUES (%2)").arg(f.join(","), v.join(",")));
  seite->Calc_Click();
  ASSERT_EQ(Zelle(AuswertungAllgemeinForm(), "ScorePar", 2)->property("Tag").toString(), "1");
  Antworte({7});
  EXPECT_TRUE(AuswertungAllgemeinForm().Schliessen());
  EXPECT_EQ(GezeigteTexte().size(), 2);
  EXPECT_EQ(tabelle(), vorher);
}

// Records that cannot be stored are told like every other store, with the true reason:
// a full disk in the interface language, a statement that cannot even be prepared by what
// the database says about it; reading them likewise.
TEST_F(Auswertung, RekordeDieNichtGespeichertWerdenSagenWarum) {
  MinMon = "1";
  seite->MonJahr_Druck(1);
  seite->MonJahr[1]->setChecked(true);
  const auto schliesseMitJa = [this] {
    Dlg().gezeigt.clear();
    seite->Calc_Click();
    Antworte({6, 1});
    EXPECT_TRUE(AuswertungAllgemeinForm().Schliessen());
    EXPECT_EQ(Dlg().gezeigt.size(), 2u) << GezeigteTexte().join(" | ").toStdString();
    return Dlg().gezeigt.size() == 2 ? Dlg().gezeigt[1].text : QString();
  };
  const QString nicht = SPU().GibTranslation(MELDUNG_NICHT_GESPEICHERT);
  for (int sprache : {1, 2}) {
    Sprachnummer = sprache;
    SetzeFehlerprobe(FehlerBei("INSERT INTO tab_Records", 13));
    const QString voll = schliesseMitJa();
    SetzeFehlerprobe({});
    EXPECT_TRUE(voll.startsWith(SPU().GibTranslation(MELDUNG_NICHT_GESPEICHERT) + "\n" +
                                SPU().GibTranslation(MELDUNG_GRUND_VOLL)))
        << voll.toStdString();
  }
  Sprachnummer = 1;
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Records").toInt(), 0);

  Sql("ALTER TABLE tab_Records RENAME COLUMN Bestidn TO Nummer");
  const QString ungueltig = schliesseMitJa();
  EXPECT_TRUE(ungueltig.startsWith(nicht)) << ungueltig.toStdString();
  EXPECT_TRUE(ungueltig.contains("Bestidn")) << ungueltig.toStdString();
  EXPECT_FALSE(ungueltig.contains("Parameter")) << ungueltig.toStdString();

  // The comparison with the stored records reads them first.
  Sql("ALTER TABLE tab_Records RENAME TO tab_Records_alt");
  Dlg().gezeigt.clear();
  Antworte({1});
  seite->Calc_Click();
  ASSERT_FALSE(Dlg().gezeigt.empty());
  EXPECT_TRUE(Dlg().gezeigt[0].text.contains("no such table: tab_Records")) << Dlg().gezeigt[0].text.toStdString();
}

// The criterion of the best rounds is a radio group: the ticked one stays ticked, so a
// best-n selection is always ranked.
TEST_F(Auswertung, BesteNHatImmerGenauEinKriterium) {
  seite->show();
  QTest::mouseClick(seite->Best[2], Qt::LeftButton);
  EXPECT_TRUE(seite->Best[2]->isChecked());
  EXPECT_TRUE(seite->BestWhat[1]->isChecked());
  QTest::mouseClick(seite->BestWhat[1], Qt::LeftButton);
  EXPECT_TRUE(seite->BestWhat[1]->isChecked());
  QTest::mouseDClick(seite->BestWhat[1], Qt::LeftButton);
  EXPECT_TRUE(seite->BestWhat[1]->isChecked());
  seite->BestWhat[1]->setFocus();
  QTest::keyClick(seite->BestWhat[1], Qt::Key_Space);
  EXPECT_TRUE(seite->BestWhat[1]->isChecked());
  QTest::mouseClick(seite->BestWhat[2], Qt::LeftButton);
  EXPECT_TRUE(seite->BestWhat[2]->isChecked());
  EXPECT_FALSE(seite->BestWhat[1]->isChecked());
  QTest::mouseClick(seite->BestWhat[2], Qt::LeftButton);
  EXPECT_TRUE(seite->BestWhat[2]->isChecked());
  seite->Calc_Click();
  EXPECT_TRUE(view().contains("ORDER BY Bruttopunkte DESC")) << view().toStdString();
}

// A course name typed in another letter case is found for every letter, umlauts too:
// the list accepts it and the analysis finds its rounds.
TEST_F(Auswertung, PlatznameInAndererSchreibungMitUmlaut) {
  Sql("UPDATE Tab_Golfplatz SET Golfplatzname = 'Überlingen'");
  seite->AuswahlGolfplatz->clear();
  seite->AuswahlGolfplatz->addItems({"< Alle Golfplätze >", "Überlingen"});
  seite->AuswahlGolfplatz->setEditText("überlingen");
  seite->AuswahlGolfplatz_LostFocus();
  EXPECT_EQ(seite->AuswahlGolfplatz->currentText(), "überlingen");
  seite->Calc_Click();
  EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join("|").toStdString();
  ASSERT_TRUE(FormExistiert<AuswertungGolfplatz>());
  EXPECT_EQ(AuswertungGolfplatzForm().Kopf().Runden, "3");
  EXPECT_TRUE(view().contains("Golfplatznummer = '7'"));
}

// Both statistics windows keep the standard window height (that of the chart window, so
// that neither shows below another), their lines follow each other without touching, the
// headings lie above the first line and the header above the headings.
TEST_F(Auswertung, FensterPassenInDieStandardhoeheUndZeilenBeruehrenSichNicht) {
  for (Sprachnummer = 1; Sprachnummer <= 2; ++Sprachnummer) {
    for (const char* name : {"AuswertungGolfplatz", "AuswertungAllgemein"}) {
      SCOPED_TRACE(std::string(name) + " " + std::to_string(Sprachnummer));
      // A window of each kind loaded in the language.
      std::unique_ptr<Auswertungsfenster> f;
      if (QLatin1String(name) == QLatin1String("AuswertungGolfplatz"))
        f = std::make_unique<AuswertungGolfplatz>();
      else
        f = std::make_unique<AuswertungAllgemein>();
      f->Laden();
      const QRect platz = f->property("Platz").toRect();
      EXPECT_EQ(platz.height(), TwipsZuPixel(10050));
      // The frame's title bar and borders, and a margin below the last line.
      const int rand = f->style()->pixelMetric(QStyle::PM_TitleBarHeight) +
                       2 * f->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
      std::map<int, int> zeilen;  // top -> bottom of every line of cells
      for (QLabel* l : f->findChildren<QLabel*>())
        if (l->frameShape() == QFrame::Box) zeilen[l->y()] = l->geometry().bottom();
      ASSERT_GT(zeilen.size(), 20u);
      EXPECT_LT(zeilen.rbegin()->second + rand, platz.height());
      int vorher = -1;
      for (const auto& [oben, unten] : zeilen) {
        EXPECT_GT(oben, vorher);
        vorher = unten;
      }
      const int ersteZeile = zeilen.begin()->first;
      for (QLabel* l : f->findChildren<QLabel*>()) {
        const QString n = l->objectName();
        const bool kopf = QLatin1String(name) == QLatin1String("AuswertungGolfplatz")
                              ? n.startsWith("Label26_") || n == "Label1" || n == "Label2"
                              : n.startsWith("Label1_");
        if (kopf) {
          EXPECT_LE(l->geometry().bottom(), ersteZeile) << n.toStdString();
        }
      }
      // Header: the course line ends above the headings; the captions show their whole text.
      const int koepfe = f->findChild<QLabel*>(QLatin1String(name) == QLatin1String("AuswertungGolfplatz")
                                                   ? QStringLiteral("Label2")
                                                   : Feldname(QStringLiteral("Label1"), 1))
                             ->y();
      auto* label29 = f->findChild<QLabel*>("Label29");
      EXPECT_LT(f->findChild<QLabel*>("PlatzName")->geometry().bottom(), koepfe);
      EXPECT_LT(label29->geometry().bottom(), koepfe);
      for (QLabel* l : {label29, f->findChild<QLabel*>("Label30")})
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
    }
  }
  Sprachnummer = 1;
}

// A dark colour scheme: every cell and unit sign of the all-courses window, whatever its
// background (a new record's green among them), shows its text dark on its light face.
TEST_F(Auswertung, ImDunklenFarbschemaSindZellenUndEinheitenLesbar) {
  const DunklesFarbschema dunkel;
  MinMon = "1";
  seite->MonJahr_Druck(1);
  seite->MonJahr[1]->setChecked(true);
  seite->Calc_Click();
  ASSERT_TRUE(FormExistiert<AuswertungAllgemein>());
  AuswertungAllgemein& allg = AuswertungAllgemeinForm();
  int gefaerbt = 0;
  for (QLabel* l : allg.findChildren<QLabel*>()) {
    if (!l->autoFillBackground()) continue;
    const QPalette p = l->palette();
    EXPECT_GT(qGray(p.color(l->backgroundRole()).rgb()) - qGray(p.color(l->foregroundRole()).rgb()), 100)
        << l->objectName().toStdString();
    ++gefaerbt;
  }
  EXPECT_GT(gefaerbt, 100);
  Antworte({ANTWORT_NEIN});
  EXPECT_TRUE(allg.Schliessen());
}

TEST_F(Auswertung, MonatsauswertungMarkiertUndSpeichertBeimSchliessen) {
  MinMon = "1";
  seite->MonJahr_Druck(1);
  seite->MonJahr[1]->setChecked(true);
  seite->Calc_Click();
  ASSERT_TRUE(FormExistiert<AuswertungAllgemein>());
  AuswertungAllgemein& allg = AuswertungAllgemeinForm();
  EXPECT_EQ(allg.Auswahl().Wann, "02/2004");
  EXPECT_EQ(Zelle(allg, "ScorePar", 2)->property("Tag").toString(), "1");
  // The record view of a key without rows keeps the values.
  hf.knopf[13] = 1;
  SchalteRekordansicht();
  EXPECT_EQ(Zelle(allg, "ScorePar", 2)->text(), "3,94");
  // Closing with the view on: the button comes up, the values are saved after Yes.
  Antworte({6});
  EXPECT_TRUE(allg.Schliessen());
  EXPECT_EQ(hf.LeseButton(13), 0);
  EXPECT_EQ(GezeigteTexte().size(), 1);
  EXPECT_EQ(
      SqlWert("SELECT Ergebnis FROM tab_Records WHERE Bezeichnung = 'ScorePar02' AND MonatOderJahr = 'Monat -  - 3'")
          .toString(),
      "3,94");
  // A second run: the stored record is equalled, so marked again, and the view shows it.
  seite->Calc_Click();
  AuswertungAllgemein& neu = AuswertungAllgemeinForm();
  hf.knopf[13] = 1;
  SchalteRekordansicht();
  EXPECT_EQ(Zelle(neu, "ScorePar", 2)->text(), "3,94");
  Antworte({7});
  EXPECT_TRUE(neu.Schliessen());
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Records WHERE Bezeichnung = 'ScorePar02'").toInt(), 1);
}

TEST_F(Auswertung, BesteUndLetzteNFindenIhreRundenOderMelden38) {
  // Best by putts: no round has a putt total, so none is left to rank.
  const QString vorher = view();
  seite->Best_Druck(1, true);
  seite->Best[1]->setChecked(true);
  seite->BestWhat_Druck(3);
  seite->BestWhat[3]->setChecked(true);
  seite->TopEingabe->setText("2");
  Antworte({1});
  seite->Calc_Click();
  EXPECT_EQ(GezeigteTexte(), QStringList{SPU().GibTranslation(38)});
  EXPECT_EQ(view(), vorher);
  // By gross points: the best two, with the third that ties with them.
  seite->BestWhat_Druck(2);
  seite->BestWhat[2]->setChecked(true);
  seite->Calc_Click();
  ASSERT_TRUE(FormExistiert<AuswertungAllgemein>());
  EXPECT_EQ(AuswertungAllgemeinForm().Kopf().Runden, "3");
  EXPECT_TRUE(view().contains("RANK()"));
  // The last two.
  seite->Best[1]->setChecked(false);
  seite->Last_Druck(1);
  seite->Last[1]->setChecked(true);
  seite->LastEingabe->setText("2");
  seite->Calc_Click();
  EXPECT_EQ(AuswertungAllgemeinForm().Kopf().Runden, "2");
  EXPECT_TRUE(view().contains("Datum DESC"));
  EXPECT_EQ(GezeigteTexte().size(), 1);
}

// A round whose every entry of every hole differs, stored in its columns, comes back
// through the rows the statistics and the charts read: per hole of its course each entry
// in its own cell, per par the counts of its pars, and each chart of the round its sum.
TEST_F(Auswertung, EveryEntryOfARoundComesBackThroughTheStatisticsAndTheCharts) {
  FairwaytrefferPar3 = DrivingDistancePar3 = "1";
  const Muster::Zeile platz = Muster::Platz("8", "Muster");
  Sql(platz.Sql, platz.Werte);
  const Muster::Zeile runde =
      Muster::Runde({"Scorekartenidn", "Golfernummer", "Golfplatznummer", "Datum"}, {"9", "3", "8", "2004-02-20"});
  Sql(runde.Sql, runde.Werte);

  seite->AuswahlGolfplatz->addItem("Muster");
  seite->AuswahlGolfplatz->setEditText("Muster");
  seite->Calc_Click();
  ASSERT_TRUE(FormExistiert<AuswertungGolfplatz>());
  AuswertungGolfplatz& gp = AuswertungGolfplatzForm();
  EXPECT_EQ(gp.Kopf().Runden, "1");
  // One round: each hole's cell is that hole's entry. Putts of 0 count for no putt
  // statistic; a hole in a bunker is a sand save with one bunker shot and at most one putt.
  const std::map<QString, QStringList> proLoch = {
      {"PuttGesamtLoch",
       {"2,00", "1,00", "3,00", "2,00", "---", "1,00", "2,00", "2,00", "1,00", "3,00", "2,00", "1,00", "2,00", "---",
        "2,00", "1,00", "2,00", "3,00"}},
      {"PuttChipLoch",
       {"---", "1,00", "---", "---", "---", "1,00", "---", "---", "1,00", "---", "---", "---", "---", "---", "---",
        "---", "2,00", "---"}},
      {"PuttPitchLoch",
       {"2,00", "---", "---", "2,00", "---", "---", "---", "2,00", "---", "---", "2,00", "---", "2,00", "---", "---",
        "---", "---", "---"}},
      {"BunkerLoch",
       {"---", "100,0", "0,0", "---", "---", "---", "0,0", "---", "0,0", "---", "0,0", "---", "---", "---", "0,0",
        "---", "0,0", "---"}},
  };
  for (int i = 1; i <= 18; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(Zelle(gp, "ScoreLoch", i)->text(), QString::number(Muster::Score(i)) + ",00");
    EXPECT_EQ(Zelle(gp, "AbschlagLoch", i)->text(), QString::number(Muster::Distanz(i)) + ",0");
    EXPECT_EQ(Zelle(gp, "FWTLoch", i)->text(), Muster::FAIRWAY[i] ? "100,0" : "0,0");
    for (const auto& [zeile, texte] : proLoch)
      EXPECT_EQ(Zelle(gp, zeile, i)->text(), texte[i - 1]) << zeile.toStdString();
  }
  // The same round per par (3, 4, 5, 6, all holes): the sand saves among the holes in a
  // bunker with putts, the putts after a chip or a pitch.
  AuswertungWeiter();
  ASSERT_TRUE(FormExistiert<AuswertungAllgemein>());
  AuswertungAllgemein& allg = AuswertungAllgemeinForm();
  const std::map<QString, QStringList> proPar = {
      {"ScorePar", {"5,00", "5,00", "5,50", "---", "5,11"}},
      {"BunkerPar", {"0,00", "50,00", "0,00", "---", "14,29"}},
      {"PuttChipPar", {"---", "1,00", "1,50", "---", "1,25"}},
      {"PuttPitchPar", {"2,00", "2,00", "2,00", "---", "2,00"}},
      {"FWTPar", {"0,00", "70,00", "50,00", "---", "50,00"}},
  };
  for (const auto& [zeile, texte] : proPar)
    for (int c = 1; c <= 5; ++c)
      EXPECT_EQ(Zelle(allg, zeile, c)->text(), texte[c - 1]) << zeile.toStdString() << " " << c;

  // The charts of the round, one point each (strokes, putts, fairways in percent; putts
  // after a chip or a pitch beside all putts), and the strokes over par per par.
  auto punkt = [](int serie = 0) {
    const Grafikdaten& d = AktuelleGrafikdaten();
    return d.AnzahlWerte >= 1 && d.Serie[serie].Werte.size() > 1 ? d.Serie[serie].Werte[1] : -1.0;
  };
  CalcGrafikScore(1);
  EXPECT_EQ(punkt(), 92);
  CalcGrafikPutting(1);
  EXPECT_EQ(punkt(), 30);
  CalcGrafikFWT(1);
  EXPECT_EQ(punkt(), 50);
  CalcGrafikPuttingPC(1);
  EXPECT_DOUBLE_EQ(punkt(0), 1.0);  // 5 putts after 5 chips
  EXPECT_DOUBLE_EQ(punkt(1), 30.0 / 18.0);
  CalcGrafikPuttingPC(2);
  EXPECT_DOUBLE_EQ(punkt(0), 2.0);  // 10 putts after 5 pitches
  CalcGrafikScore(2);
  EXPECT_EQ(AktuelleGrafikdaten().Serie[0].Werte, (std::vector<double>{0, 2.0, 1.0, 0.5, 92.0 / 18.0 - 4.0}));
}

// The database reached through a link that is pointed at another database while the
// program runs, also while the save writes its rows or right before it commits: the records
// are never saved into the old file. The user is told once, naming the file, and they go
// into the database now at the path when he says so.
TEST_F(Auswertung, RekordeGehenNieInDieAlteDateiWennDerVerweisUmgestelltIst) {
  MinMon = "1";
  const QString link = Ordner() + "/verweis/dbgolfvb.mdb", anders = Ordner() + "/anders.mdb";
  QDir().mkpath(Ordner() + "/verweis");
  ASSERT_TRUE(QFile::link(DbPfad(), link));
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", link);
  DatenbankPfad = link;
  DBGFreigeben();
  DBTFreigeben();
  seite->MonJahr_Druck(1);
  seite->MonJahr[1]->setChecked(true);
  seite->Calc_Click();
  ASSERT_TRUE(FormExistiert<AuswertungAllgemein>());
  // A copy of the database, and the link pointed at it the way `ln -sfn` does.
  ASSERT_TRUE(QFile::copy(DbPfad(), anders));
  ASSERT_TRUE(QFile::link(anders, link + ".neu"));
  ASSERT_EQ(std::rename(QFile::encodeName(link + ".neu").constData(), QFile::encodeName(link).constData()), 0);
  Antworte({ANTWORT_JA, ANTWORT_JA});
  EXPECT_TRUE(AuswertungAllgemeinForm().Schliessen());
  ASSERT_EQ(Dlg().gezeigt.size(), 2u) << GezeigteTexte().join(" | ").toStdString();
  const QString text = Dlg().gezeigt[1].text;
  EXPECT_TRUE(text.contains(SPU().Meldungstext(MELDUNG_DATEI_ERSETZT).arg(QDir::toNativeSeparators(link))))
      << text.toStdString();
  // The records of a file, after `sql` ran on it.
  auto rekorde = [](const QString& pfad, const QString& sql = "SELECT 1") {
    int n = -1;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test_anders");
      db.setDatabaseName(pfad);
      QSqlQuery q(db);
      if (db.open() && q.exec(sql) && q.exec("SELECT COUNT(*) FROM tab_Records") && q.next()) n = q.value(0).toInt();
      q = QSqlQuery();
      db.close();
    }
    QSqlDatabase::removeDatabase("test_anders");
    return n;
  };
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_Records").toInt(), 0);
  EXPECT_GT(rekorde(anders), 20);
  QString alt = anders;
  for (const QString bei : {"INSERT INTO tab_Records", "COMMIT"}) {
    SCOPED_TRACE(bei.toStdString());
    EXPECT_EQ(rekorde(alt, "DELETE FROM tab_Records"), 0);
    const QString neu = Ordner() + "/" + bei.left(6) + ".mdb";
    ASSERT_TRUE(QFile::copy(alt, neu));
    int treffer = 0;
    SetzeFehlerprobe([&](const QString& sql) {
      // The second row: the save has begun to write.
      if (sql.startsWith(bei) && ++treffer == (bei == "COMMIT" ? 1 : 2)) {
        QFile::link(neu, link + ".neu");
        std::rename(QFile::encodeName(link + ".neu").constData(), QFile::encodeName(link).constData());
      }
      return QSqlError();
    });
    seite->Calc_Click();
    Dlg().gezeigt.clear();
    Antworte({ANTWORT_JA, ANTWORT_JA});
    EXPECT_TRUE(AuswertungAllgemeinForm().Schliessen());
    SetzeFehlerprobe({});
    EXPECT_EQ(Dlg().gezeigt.size(), 2u) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_EQ(rekorde(alt), 0);
    EXPECT_GT(rekorde(neu), 20);
    alt = neu;
  }
}
