// The scorecard page of the golfer window: a round typed through the widgets and stored,
// loading and scrolling in date order, refused cards, the course, tee and playing
// handicap of the header, the display mask and the settings window.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <numeric>

#include "Musterkarte.h"
#include "TestUmgebung.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Loeschen.h"
#include "forms/Scorekartenzeilen.h"
#include "forms/SelectWhat.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "scoring/Scoreberechnungen.h"
#include "shell/Befehle.h"
#include "shell/Main.h"
#include "shell/Start.h"

namespace {

constexpr int PAR_A[19] = {0, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 4, 3, 5, 4};
constexpr int PAR_B[19] = {0, 5, 3, 4, 4, 4, 3, 5, 4, 4, 4, 4, 3, 5, 4, 4, 3, 4, 5};

class Scorekarten : public TestUmgebung {
 protected:
  Golfer& g() { return GolferForm(); }
  QString Meldung(int n) { return SPU().GibTranslation(n); }
  bool Gezeigt(int n) { return GezeigteTexte().contains(Meldung(n)); }

  void Platz(const QString& id, const QString& name, const int* par, int sss = 72, int anzeigen = 1) {
    QStringList spalten{"Golfplatzidn", "Golfplatzname", "GolfplatzAnzeigen", "SSSPar"};
    QVariantList werte{id, name, anzeigen, sss};
    for (int i = 1; i <= 18; ++i) {
      spalten << FeldnameNr("Loch", i) + "Par" << FeldnameNr("Loch", i) + "Vorgabe";
      werte << par[i] << (i * 7) % 18 + 1;
    }
    Sql(QStringLiteral("INSERT INTO Tab_Golfplatz (%1) VALUES (%2)")
            .arg(spalten.join(','), QStringList(spalten.size(), "?").join(',')),
        werte);
  }
  void Abschlag(const QString& id, const QString& platz, const QString& name, double slope, double cr) {
    Sql("INSERT INTO tab_Slope (Slopeidn, Golfplatzidn, Abschlagbezeichnung, Slopewert, CourseRating) VALUES "
        "(?,?,?,?,?)",
        {id, platz, name, slope, cr});
  }
  void Spieler(const QString& id, const QString& name, double vorgabe, const QString& heimatclub, int aktiv = 1) {
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, \"Aktueller Golfer\") "
        "VALUES (?,?,?,?,?,?)",
        {id, name, vorgabe, qRound(vorgabe), heimatclub, aktiv});
  }
  void Karte(const QString& id, const QString& golfer, const QString& datum, const QString& platz = "1") {
    Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Datum, Golfplatznummer, Spielart, AktHdcp) "
        "VALUES (?,?,?,?,'2',18.4)",
        {id, golfer, datum, platz});
  }
  QVariant Feld(const QString& spalte, const QString& id = "1") {
    return SqlWert(QStringLiteral("SELECT \"%1\" FROM Greenlogs WHERE Scorekartenidn = ?").arg(spalte), {id});
  }
  // Two courses with a tee each and a golfer whose home club is the first.
  void Grunddaten() {
    Platz("1", "Achental", PAR_A);
    Platz("2", "Beuerberg", PAR_B, 71);
    Abschlag("1", "1", "Gelb", 125, 71.2);
    Abschlag("2", "2", "Rot", 128, 73.9);
    Spieler("1", "Anna O'Brien", 18.4, "1");
  }
  // The window in front on the scorecard page, the golfer's latest card loaded.
  void ZeigeKarte() {
    g().Zeige();
    g().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&g()));
    g().TabstripGolfer->setCurrentIndex(1);
    QTest::qWait(0);
  }
  // The main window in front, the golfer window on the scorecard page inside it.
  void ZeigeKarteImHauptfenster() {
    Start* start = new Start();
    start->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(start));
    ZeigeKarte();
  }
  // Types into a box as the user does: focus, replace its text, then Tab or Enter on (or
  // stay, with Qt::Key_unknown). A list left open closes first, as a click elsewhere closes
  // it.
  void Tippe(QWidget* w, const QString& text, Qt::Key weiter = Qt::Key_Tab) {
    if (QWidget* offen = QApplication::activePopupWidget()) offen->close();
    w->setFocus(Qt::TabFocusReason);
    QTest::qWait(0);
    if (auto* c = qobject_cast<QComboBox*>(w)) c->lineEdit()->selectAll();
    if (auto* t = qobject_cast<QLineEdit*>(w)) t->selectAll();
    QTest::keyClicks(w, text);
    if (weiter != Qt::Key_unknown) QTest::keyClick(QApplication::focusWidget(), weiter);
    QTest::qWait(0);
    QTest::qWait(0);
  }
  void Taste(Qt::Key k) {
    QTest::keyClick(QApplication::focusWidget(), k);
    QTest::qWait(0);
  }
  // Keys as the user presses them: into the open list when one has dropped down.
  void Druecke(const QString& zeichen) {
    for (QChar c : zeichen) Druecke(Qt::Key(c.toUpper().unicode()), Qt::NoModifier, c);
  }
  void Druecke(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier, QChar c = QChar()) {
    if (QWidget* liste = QApplication::activePopupWidget()) {
      if (c.isNull())
        QTest::keyClick(liste->windowHandle(), k, m);
      else
        QTest::sendKeyEvent(QTest::Click, liste->windowHandle(), k, QString(c), m);
    } else if (c.isNull()) {
      QTest::keyClick(QApplication::focusWidget(), k, m);
    } else {
      QTest::keyClicks(QApplication::focusWidget(), QString(c), m);
    }
    QTest::qWait(0);
    QTest::qWait(0);
  }
  // What an input method sends for a dead key and its letter (or a compose sequence): the
  // dead key shown as composing, then the character made, to the widget with the focus.
  void Komponiere(const QString& vorschau, const QString& zeichen) {
    QInputMethodEvent zusammensetzen(vorschau, {});
    QCoreApplication::sendEvent(QApplication::focusWidget(), &zusammensetzen);
    QInputMethodEvent fertig;
    fertig.setCommitString(zeichen);
    QCoreApplication::sendEvent(QApplication::focusWidget(), &fertig);
    QTest::qWait(0);
  }
  // Whether the list of the box with the focus has dropped down.
  bool ListeOffen(QComboBox* c) { return QApplication::activePopupWidget() == c->view()->window(); }
};

}  // namespace

TEST_F(Scorekarten, ARoundTypedThroughTheWidgetsIsStoredAndReadBack) {
  Grunddaten();
  ZeigeKarte();
  Golfer& f = g();
  ASSERT_EQ(f.Kartenschluessel(), "1");
  EXPECT_EQ(f.Datum[1]->text(), IsoAlsDatum(QDate::currentDate().toString(Qt::ISODate)));
  EXPECT_EQ(f.Golfplatznummer->currentText(), "Achental");

  Tippe(f.Datum[1], "5.7.24", Qt::Key_Return);
  EXPECT_EQ(f.Datum[1]->text(), "05.07.2024");
  EXPECT_TRUE(ListeOffen(f.Golfplatznummer));  // Enter moved on as Tab, and the list dropped
  Tippe(f.Golfplatznummer, "Beuerberg");
  EXPECT_EQ(f.Karte().Golfplatzidn, "2");
  EXPECT_EQ(f.ParLoch[1]->text(), "5");
  EXPECT_EQ(f.ParLoch[21]->text(), "72");
  EXPECT_EQ(f.AktSSSPar->text(), "71");
  EXPECT_EQ(f.Abschlagbezeichnung->count(), 1);
  Tippe(f.Spielart, "stableford");  // other letter case: accepted as typed
  f.Vorgabewirksam->setFocus();
  Taste(Qt::Key_Space);
  Tippe(f.Abschlagbezeichnung, "Rot");
  EXPECT_EQ(f.Slope->text(), "128");
  EXPECT_EQ(f.CourseRating->text(), "73,9");
  EXPECT_EQ(f.Karte().SlopeIdn, "2");
  // 18.4 x 128 / 113 + (73.9 - 72) = 22.74
  EXPECT_EQ(f.Spielvorgabe->text(), "23");
  EXPECT_EQ(f.AktHdcp->text(), "23");

  // Scores along the row with Tab, putts with the arrow key.
  const int score[19] = {0, 5, 4, 5, 6, 4, 3, 6, 5, 4, 5, 4, 4, 6, 5, 4, 3, 5, 6};
  f.ScoreLoch[1]->setFocus(Qt::TabFocusReason);
  for (int i = 1; i <= 18; ++i) {
    QTest::keyClicks(QApplication::focusWidget(), QString::number(score[i]));
    Taste(Qt::Key_Tab);
  }
  f.PuttsLoch[1]->setFocus(Qt::TabFocusReason);
  for (int i = 1; i <= 18; ++i) {
    QTest::keyClicks(QApplication::focusWidget(), i % 3 ? "2" : "1");
    Taste(Qt::Key_Right);
  }
  EXPECT_EQ(QApplication::focusWidget(), f.PuttsLoch[1]);  // Right on hole 18 wraps round
  Tippe(f.DistanceLoch[1], "231");
  Tippe(f.AbschlagLoch[1], "1");
  Tippe(f.BunkerLoch[3], "1");
  Tippe(f.StrafschlagLoch[4], "2");
  f.FairwaytrefferLoch[1]->setFocus(Qt::TabFocusReason);
  Taste(Qt::Key_Space);
  f.ChipLoch[2]->setFocus(Qt::TabFocusReason);
  Taste(Qt::Key_Space);
  Taste(Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), f.PitchLoch[2]);
  QTest::qWait(0);
  EXPECT_EQ(f.GesamtScore->text(), "84");

  // Leaving the card stores it and offers the round to the handicap history once.
  Antworte({ANTWORT_JA, ANTWORT_OK});
  ScrollScorecard(2);
  ASSERT_EQ(GezeigteTexte(), (QStringList{Meldung(33), Meldung(32)}));
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_HdcpHistorie").toInt(), 1);

  EXPECT_EQ(Feld("Golfernummer").toString(), "1");
  EXPECT_EQ(Feld("Datum").toString(), "2024-07-05");
  EXPECT_EQ(Feld("Golfplatznummer").toString(), "2");
  EXPECT_EQ(Feld("Spielart").toString(), "2");
  EXPECT_EQ(Feld("Slopeidn").toString(), "2");
  EXPECT_EQ(Feld("Vorgabewirksam").toInt(), 1);
  EXPECT_DOUBLE_EQ(Feld("AktHdcp").toDouble(), 23);
  EXPECT_EQ(Feld("AktSSSPar").toInt(), 71);
  EXPECT_DOUBLE_EQ(Feld("Slope").toDouble(), 128);
  EXPECT_DOUBLE_EQ(Feld("CourseRating").toDouble(), 73.9);
  EXPECT_EQ(Feld("ShowWhat").toString(), "11111111");
  EXPECT_EQ(Feld("HdcpHistorieZustand").toString(), "1");
  EXPECT_EQ(Feld("WasGespielt").toInt(), 1);
  EXPECT_EQ(Feld("GesamtScore").toInt(), 84);
  EXPECT_EQ(Feld("ErgebnisÜberPar").toInt(), 12);
  EXPECT_EQ(Feld("GesamtPutt").toInt(), 30);
  EXPECT_TRUE(Feld("GesamtDrivingDistance").isNull());  // only one hole has a distance
  for (int i = 1; i <= 18; ++i) {
    EXPECT_EQ(Feld(FeldnameNr("ScoreLoch", i)).toInt(), score[i]) << i;
    EXPECT_EQ(Feld(FeldnameNr("PuttsLoch", i)).toInt(), i % 3 ? 2 : 1) << i;
  }
  EXPECT_DOUBLE_EQ(Feld("DistanceLoch01").toDouble(), 231);
  EXPECT_EQ(Feld("AbschlagLoch01").toInt(), 1);
  EXPECT_TRUE(Feld("AbschlagLoch02").isNull());
  EXPECT_EQ(Feld("BunkerLoch03").toInt(), 1);
  EXPECT_EQ(Feld("StrafschlagLoch04").toInt(), 2);
  EXPECT_EQ(Feld("FairwaytrefferLoch01").toInt(), 1);
  EXPECT_EQ(Feld("FairwaytrefferLoch02").toInt(), 0);
  EXPECT_EQ(Feld("ChipLoch02").toInt(), 1);
  EXPECT_EQ(Feld("PitchLoch02").toInt(), 0);

  // Read back in English: the date in the English form, every field as typed.
  Sprachnummer = 2;
  QString id = "1";
  GotoScorekarte(id);
  EXPECT_EQ(f.Datum[1]->text(), "07/05/2024");
  EXPECT_EQ(f.Golfplatznummer->currentText(), "Beuerberg");
  EXPECT_EQ(f.Spielart->currentText(), "Stableford");
  EXPECT_EQ(f.Abschlagbezeichnung->currentText(), "Rot");
  EXPECT_TRUE(f.Vorgabewirksam->isChecked());
  EXPECT_EQ(f.Spielvorgabe->text(), "23");
  EXPECT_EQ(f.DistanceLoch[1]->text(), "231");
  EXPECT_TRUE(f.FairwaytrefferLoch[1]->isChecked());
  EXPECT_TRUE(f.ChipLoch[2]->isChecked());
  EXPECT_EQ(f.ScoreLoch[18]->text(), "6");
  EXPECT_EQ(f.GesamtScore->text(), "84");
  // Stored again without change: the question is not asked a second time.
  EXPECT_TRUE(WriteScorekarte("1"));
  EXPECT_EQ(MsgAntwort, ANTWORT_NEIN);
  EXPECT_EQ(Dlg().gezeigt.size(), 2u);
}

// The toolbar's New and Exit leave the focus in the box of hole 18: the card is stored from
// its boxes as they are, with the totals and the net points of the card's rules over them,
// which the screen shows before the history question.
TEST_F(Scorekarten, AHoleTypedAndNotLeftCountsInTheTotalsTheHistoryAndTheHandicapStored) {
  Grunddaten();
  ZeigeKarte();
  Golfer& f = g();
  // One over par on every hole: 90 strokes on par 72. A playing handicap of 20 gives a
  // stroke on every hole and a second on two: 38 net points.
  auto runde = [&] {
    f.Vorgabewirksam->setFocus(Qt::TabFocusReason);
    Taste(Qt::Key_Space);
    Tippe(f.Spielvorgabe, "20");
    f.ScoreLoch[1]->setFocus(Qt::TabFocusReason);
    QTest::qWait(0);
    for (int i = 1; i <= 18; ++i) {
      QTest::keyClicks(QApplication::focusWidget(), QString::number(PAR_A[i] + 1));
      if (i < 18) Taste(Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), f.ScoreLoch[18]);
  };
  auto gespeichert = [&](const QString& id, double handicap) {
    EXPECT_EQ(Feld("GesamtScore", id).toInt(), 90);
    EXPECT_EQ(Feld("ErgebnisÜberPar", id).toInt(), 18);
    EXPECT_EQ(Feld("WasGespielt", id).toInt(), 1);
    EXPECT_EQ(Feld("ScoreLoch18", id).toInt(), 5);
    EXPECT_EQ(Feld("HdcpHistorieZustand", id).toString(), "1");
    EXPECT_EQ(SqlWert("SELECT GewNettoStable FROM tab_HdcpHistorie WHERE Satznr = ?", {id}).toInt(), 38);
    // Class 3: 0.3 for each point above 36.
    EXPECT_NEAR(SqlWert("SELECT Stammvorgabe FROM tab_HdcpHistorie WHERE Satznr = ?", {id}).toDouble(), handicap, 1e-9);
    EXPECT_NEAR(SqlWert("SELECT Stammvorgabe FROM tab_golfer WHERE Golferidn = '1'").toDouble(), handicap, 1e-9);
  };

  ASSERT_EQ(f.Kartenschluessel(), "1");
  // A score the rules do not take, typed and not left: told and emptied as on leaving it,
  // and the card stays.
  f.ScoreLoch[1]->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  QTest::keyClicks(f.ScoreLoch[1], "0");
  Antworte({ANTWORT_OK});
  BefehlNeu();
  EXPECT_EQ(GezeigteTexte(), QStringList{Meldung(44)});
  EXPECT_EQ(f.Kartenschluessel(), "1");
  EXPECT_TRUE(f.ScoreLoch[1]->text().isEmpty());
  Dlg().gezeigt.clear();

  runde();
  QStringList gezeigt;
  Dlg().waehrendMeldung = [&] { gezeigt << f.GesamtScore->text() << f.StblNettoLoch[21]->text(); };
  Antworte({ANTWORT_JA});
  BefehlNeu();
  QTest::qWait(0);
  Dlg().waehrendMeldung = nullptr;
  EXPECT_EQ(GezeigteTexte(), QStringList{Meldung(33)});
  EXPECT_EQ(gezeigt, (QStringList{"90", "38"}));
  gespeichert("1", 17.8);
  EXPECT_EQ(f.Stammvorgabe->text(), "17,8");
  ASSERT_EQ(f.Kartenschluessel(), "2");

  // The same through Exit, the program's end.
  runde();
  Antworte({ANTWORT_JA});
  BefehlBeenden();
  EXPECT_EQ(GezeigteTexte(), (QStringList{Meldung(33), Meldung(33)}));
  EXPECT_FALSE(IstFormGeladen("Golfer"));
  gespeichert("2", 17.2);
}

// Values stored by an earlier version or another program outside today's typing ranges: a
// card and a golfer opened and left unchanged are stored back as they are, with no box, on
// Back, Forward and Exit, and Exit ends the program. What the user types is judged.
TEST_F(Scorekarten, ValuesStoredOutsideTodaysRangesAreKeptAsLoadedAndExitEndsTheProgram) {
  Platz("1", "Achental", PAR_A);
  Spieler("1", "Anna", 60, "1");
  Karte("1", "1", "2024-05-01");
  Karte("2", "1", "2024-05-02");
  Sql("UPDATE Greenlogs SET Slope = 160, CourseRating = 95.5, AktHdcp = 99 WHERE Scorekartenidn = '2'");
  ZeigeKarte();
  Golfer& f = g();
  ASSERT_EQ(f.Kartenschluessel(), "2");
  ASSERT_EQ(f.Slope->text(), "160");
  BefehlZurueck();
  EXPECT_EQ(f.Kartenschluessel(), "1");
  BefehlWeiter();
  ASSERT_EQ(f.Kartenschluessel(), "2");
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();

  // Typed, the same number is judged, and the card stays.
  f.Slope->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  f.Slope->selectAll();
  QTest::keyClicks(f.Slope, "170");
  Antworte({ANTWORT_OK});
  BefehlZurueck();
  EXPECT_EQ(GezeigteTexte(), QStringList{Meldung(4920).arg(Meldung(4754), "170", "55", "155")});
  EXPECT_EQ(f.Kartenschluessel(), "2");
  f.Slope->setText("160");  // as loaded

  Dlg().gezeigt.clear();
  BefehlBeenden();
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_FALSE(IstFormGeladen("Golfer"));
  EXPECT_DOUBLE_EQ(Feld("Slope", "2").toDouble(), 160);
  EXPECT_DOUBLE_EQ(Feld("CourseRating", "2").toDouble(), 95.5);
  EXPECT_DOUBLE_EQ(Feld("AktHdcp", "2").toDouble(), 99);
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Stammvorgabe FROM tab_golfer").toDouble(), 60);
}

// The window torn down while its tee box has the focus: no leave handler runs on what is
// gone already.
TEST_F(Scorekarten, AWindowDeletedWhileItsTeeBoxHasTheFocusRunsNoLeaveHandler) {
  Grunddaten();
  Karte("1", "1", "2024-05-01");
  ZeigeKarteImHauptfenster();
  QPointer<Golfer> f(&g());
  ASSERT_TRUE(f->Rahmen());
  f->Abschlagbezeichnung->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  Druecke(Qt::Key_Escape);
  Druecke("Ro");
  ASSERT_TRUE(f->Abschlagbezeichnung->hasFocus());
  ASSERT_EQ(f->Abschlagbezeichnung->currentText(), "Ro");
  delete f.data();
  EXPECT_TRUE(f.isNull());
  EXPECT_FALSE(IstFormGeladen("Golfer"));
  EXPECT_TRUE(Dlg().gezeigt.empty());
  delete StartFensterFallsDa();
}

// Every entry of every hole, typed into its box or ticked, goes to its own column as the
// schema names it; the card shown again after another one shows each in its box.
TEST_F(Scorekarten, EveryEntryOfEveryHoleGoesFromItsBoxToItsColumnAndBack) {
  const Muster::Zeile platz = Muster::Platz("1", "Achental");
  Sql(platz.Sql, platz.Werte);
  Spieler("1", "Anna", 18.4, "1");
  Karte("1", "1", "2024-05-02");
  Karte("2", "1", "2024-05-01");
  ZeigeKarte();
  Golfer& f = g();
  ASSERT_EQ(f.Kartenschluessel(), "1");
  // The box of a hole by the name the window gives it.
  auto zelle = [&](const QString& familie, int i) {
    return f.findChild<QWidget*>(QStringLiteral("%1_%2").arg(familie).arg(i));
  };
  for (const QString& familie : Muster::FAMILIEN)
    for (int i = 1; i <= 18; ++i) {
      QWidget* w = zelle(familie, i);
      ASSERT_TRUE(w) << familie.toStdString() << " " << i;
      if (!Muster::IstKaestchen(familie)) {
        Tippe(w, QString::number(Muster::Wert(familie, i)));
      } else if (Muster::Wert(familie, i)) {
        w->setFocus(Qt::TabFocusReason);
        Taste(Qt::Key_Space);
        Taste(Qt::Key_Tab);
      }
    }
  EXPECT_TRUE(GezeigteTexte().isEmpty());
  EXPECT_EQ(f.GesamtScore->text(), "92");

  // The card before it is shown: the card is stored; then this card again.
  ScrollScorecard(1);
  ASSERT_EQ(f.Kartenschluessel(), "2");
  Muster::PruefeZeile([&](const QString& spalte) { return Feld(spalte); });
  ScrollScorecard(2);
  ASSERT_EQ(f.Kartenschluessel(), "1");
  for (const QString& familie : Muster::FAMILIEN)
    for (int i = 1; i <= 18; ++i) {
      QWidget* w = zelle(familie, i);
      if (auto* c = qobject_cast<QCheckBox*>(w))
        EXPECT_EQ(c->isChecked(), Muster::Wert(familie, i) == 1) << familie.toStdString() << " " << i;
      else
        EXPECT_EQ(qobject_cast<QLineEdit*>(w)->text(), QString::number(Muster::Wert(familie, i)))
            << familie.toStdString() << " " << i;
    }
  EXPECT_TRUE(GezeigteTexte().isEmpty());
}

TEST_F(Scorekarten, CompletenessStruckHolesAndTheHistoryQuestion) {
  Grunddaten();
  Karte("1", "1", "2024-05-01");
  ZeigeKarte();
  Golfer& f = g();
  f.Vorgabewirksam->setChecked(true);
  for (int i = 1; i <= 18; ++i) f.ScoreLoch[i]->setText(i == 5 ? "-" : "4");
  // An empty hole: nothing asked, the hole Null, the round incomplete, no fairway total.
  f.ScoreLoch[7]->clear();
  BerechneScorekarte(0);
  ASSERT_TRUE(WriteScorekarte("1"));
  EXPECT_TRUE(Dlg().gezeigt.empty());
  EXPECT_EQ(Feld("WasGespielt").toInt(), 0);
  EXPECT_TRUE(Feld("ScoreLoch07").isNull());
  EXPECT_EQ(Feld("ScoreLoch05").toInt(), 99);
  EXPECT_TRUE(Feld("GesamtFwt").isNull());
  EXPECT_EQ(Feld("HdcpHistorieZustand").toString(), "0");
  // Complete with a struck hole: asked once; No still marks the card as offered.
  f.ScoreLoch[7]->setText("4");
  Antworte({ANTWORT_NEIN});
  ASSERT_TRUE(WriteScorekarte("1"));
  EXPECT_EQ(Feld("WasGespielt").toInt(), 2);
  EXPECT_EQ(Feld("HdcpHistorieZustand").toString(), "1");
  EXPECT_EQ(f.Karte().HdcpHistorieZustand, "1");
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_HdcpHistorie").toInt(), 0);
  ASSERT_TRUE(WriteScorekarte("1"));
  EXPECT_EQ(Dlg().gezeigt.size(), 1u);
  // No row of that key: nothing written, no message, no refusal.
  EXPECT_FALSE(WriteScorekarte("77"));
  EXPECT_FALSE(ScorekarteAbgelehnt());
}

TEST_F(Scorekarten, LatestCardAndScrollingFollowTheDateWithKeysForEqualDates) {
  Grunddaten();
  Spieler("2", "Bernd", 10, "1", 0);
  Karte("1", "1", "2003-05-01");
  Karte("2", "1", "2003-05-03");
  Karte("10", "1", "2003-05-02");
  Karte("3", "1", "2003-05-02");
  Karte("4", "2", "2003-05-02");  // another golfer's card
  ZeigeKarte();
  EXPECT_EQ(g().Kartenschluessel(), "2");
  QString letzte = "LAST";
  GotoScorekarte(letzte);
  EXPECT_EQ(letzte, "2");

  QStringList rueckwaerts;
  for (int i = 0; i < 3; ++i) {
    ScrollScorecard(1);
    rueckwaerts << g().Kartenschluessel();
  }
  EXPECT_EQ(rueckwaerts, (QStringList{"10", "3", "1"}));
  EXPECT_EQ(g().Datum[1]->text(), "01.05.2003");
  Antworte({ANTWORT_OK});
  ScrollScorecard(1);
  EXPECT_EQ(GezeigteTexte(), QStringList{Meldung(31)});
  EXPECT_EQ(g().Kartenschluessel(), "1");

  QStringList vorwaerts;
  for (int i = 0; i < 3; ++i) {
    ScrollScorecard(2);
    vorwaerts << g().Kartenschluessel();
  }
  EXPECT_EQ(vorwaerts, (QStringList{"3", "10", "2"}));
  Antworte({ANTWORT_OK});
  ScrollScorecard(2);
  EXPECT_EQ(GezeigteTexte().last(), Meldung(32));

  // Deleting the latest card shows the one before it; the last card deleted, a new one.
  LoescheScorekarte("2");
  EXPECT_EQ(g().Kartenschluessel(), "10");
  Sql("DELETE FROM Greenlogs WHERE Golfernummer = '1'");
  LoescheScorekarte("10");
  EXPECT_EQ(g().Kartenschluessel(), "5");
  EXPECT_EQ(Feld("Golfplatznummer", "5").toString(), "1");
  EXPECT_DOUBLE_EQ(Feld("AktHdcp", "5").toDouble(), 18.4);
  EXPECT_EQ(Feld("Datum", "5").toString(), QDate::currentDate().toString(Qt::ISODate));
}

TEST_F(Scorekarten, MovingOverCardsThatDidNotChangeWritesNoRowButATypedScoreIsStored) {
  Grunddaten();
  Karte("1", "1", "2003-05-01");
  Karte("2", "1", "2003-05-02");
  Karte("3", "1", "2003-05-03");
  // As another program wrote them: a tee key without its tee, a card without a course with
  // strokes over par and a fairway total of its own, a total score of Null.
  Sql("UPDATE Greenlogs SET Slopeidn = '99' WHERE Scorekartenidn = '1'");
  Sql("UPDATE Greenlogs SET Golfplatznummer = NULL, \"ErgebnisÜberPar\" = 7, GesamtFwt = 50, ScoreLoch01 = 78 "
      "WHERE Scorekartenidn = '2'");
  ZeigeKarte();
  ASSERT_EQ(g().Kartenschluessel(), "3");
  // Nothing typed: no card is written, not even what each works out when shown.
  auto hinUndZurueck = [] {
    ScrollScorecard(1);
    ScrollScorecard(1);
    ScrollScorecard(2);
    ScrollScorecard(2);
  };
  const long long vorher = GeaenderteZeilen();
  ASSERT_GE(vorher, 0);
  hinUndZurueck();
  hinUndZurueck();
  EXPECT_EQ(GeaenderteZeilen(), vorher);
  EXPECT_EQ(g().Kartenschluessel(), "3");
  EXPECT_TRUE(GezeigteTexte().isEmpty());
  EXPECT_DOUBLE_EQ(Feld("AktHdcp", "2").toDouble(), 18.4);
  EXPECT_EQ(Feld("Slopeidn", "1").toString(), "99");
  EXPECT_EQ(Feld("ErgebnisÜberPar", "2").toInt(), 7);
  EXPECT_DOUBLE_EQ(Feld("GesamtFwt", "2").toDouble(), 50);
  EXPECT_TRUE(Feld("GesamtScore", "3").isNull());
  {
    // Under another program's write lock there is nothing to tell either.
    QSqlDatabase fremd = QSqlDatabase::addDatabase("QSQLITE", "fremd");
    fremd.setDatabaseName(DatenbankPfad);
    ASSERT_TRUE(fremd.open());
    QSqlQuery q(fremd);
    ASSERT_TRUE(q.exec("BEGIN IMMEDIATE"));
    hinUndZurueck();
    EXPECT_TRUE(GezeigteTexte().isEmpty()) << GezeigteTexte().join(" | ").toStdString();
    q.exec("ROLLBACK");
    q = QSqlQuery();
    fremd.close();
  }
  QSqlDatabase::removeDatabase("fremd");

  // A score typed on the card is stored by the next move.
  Tippe(g().ScoreLoch[4], "6");
  ScrollScorecard(1);
  EXPECT_EQ(g().Kartenschluessel(), "2");
  EXPECT_EQ(Feld("ScoreLoch04", "3").toInt(), 6);
  EXPECT_GT(GeaenderteZeilen(), vorher);
}

// A typo takes back only itself: a "0" typed over a score taken a moment ago gives back that
// score, not the stored one, and the next store writes it.
TEST_F(Scorekarten, ARefusedScoreGetsBackTheScoreTypedBeforeItAndThatIsStored) {
  Grunddaten();
  Karte("1", "1", "2003-05-01");
  Sql("UPDATE Greenlogs SET ScoreLoch01 = 5");
  ZeigeKarte();
  Golfer& f = g();
  ASSERT_EQ(f.ScoreLoch[1]->text(), "5");
  Tippe(f.ScoreLoch[1], "6");
  ASSERT_EQ(f.ScoreLoch[1]->text(), "6");
  ASSERT_TRUE(GezeigteTexte().isEmpty());
  Antworte({ANTWORT_OK});
  Tippe(f.ScoreLoch[1], "0");
  EXPECT_EQ(GezeigteTexte(), QStringList{Meldung(44)});
  EXPECT_EQ(f.ScoreLoch[1]->text(), "6");
  // Leaving the card stores it.
  f.TabstripGolfer->setCurrentIndex(0);
  QTest::qWait(0);
  EXPECT_EQ(Feld("ScoreLoch01").toInt(), 6);
}

TEST_F(Scorekarten, ARefusedCardStaysOnScreenAndNothingIsWritten) {
  Grunddaten();
  Karte("1", "1", "2003-05-01");
  Karte("2", "1", "2003-05-02");
  ZeigeKarte();
  Golfer& f = g();
  ASSERT_EQ(f.Kartenschluessel(), "2");
  f.ScoreLoch[1]->setText("5");
  // The refused name gives way to what the box held before the typing.
  const QString platz = f.Golfplatznummer->currentText(), spielart = f.Spielart->currentText();
  Tippe(f.Golfplatznummer, "Nirgendwo", Qt::Key_unknown);
  Antworte({ANTWORT_OK});
  ScrollScorecard(1);
  EXPECT_EQ(GezeigteTexte(), QStringList{Meldung(153)});
  EXPECT_TRUE(ScorekarteAbgelehnt());
  EXPECT_EQ(f.Kartenschluessel(), "2");  // no move
  EXPECT_EQ(f.ScoreLoch[1]->text(), "5");
  EXPECT_EQ(f.Golfplatznummer->currentText(), platz);
  EXPECT_TRUE(Feld("ScoreLoch01", "2").isNull());
  EXPECT_EQ(f.TabstripGolfer->currentIndex(), 1);

  // Leaving the page or closing the window stops as well.
  Tippe(f.Golfplatznummer, "Nirgendwo", Qt::Key_unknown);
  Antworte({ANTWORT_OK});
  f.TabstripGolfer->setCurrentIndex(0);
  QTest::qWait(0);
  EXPECT_EQ(f.TabstripGolfer->currentIndex(), 1);
  EXPECT_EQ(KontextNeu, "Scorekarte");
  EXPECT_EQ(f.ScoreLoch[1]->text(), "5");
  // A game type that is not listed, likewise.
  Tippe(f.Spielart, "Golfcart-Rallye", Qt::Key_unknown);
  Antworte({ANTWORT_OK});
  EXPECT_FALSE(f.Schliessen());
  EXPECT_EQ(GezeigteTexte().last(), Meldung(214));
  EXPECT_EQ(f.Spielart->currentText(), spielart);
  EXPECT_TRUE(IstFormGeladen("Golfer"));

  // A date that is no date is never stored; the date box keeps the focus.
  f.Datum[1]->setText("31.4.2003");
  Antworte({ANTWORT_OK});
  EXPECT_FALSE(WriteScorekarte("2"));
  EXPECT_EQ(GezeigteTexte().last(), Meldung(178));
  EXPECT_EQ(Feld("Datum", "2").toString(), "2003-05-02");
  // An empty date stores Null; then the move goes on.
  f.Datum[1]->clear();
  ScrollScorecard(2);  // undated cards come first
  EXPECT_EQ(f.Kartenschluessel(), "1");
  EXPECT_TRUE(Feld("Datum", "2").isNull());
  EXPECT_EQ(Feld("ScoreLoch01", "2").toInt(), 5);
}

TEST_F(Scorekarten, CourseChangeTeeAndTheCourseQuestion) {
  Grunddaten();
  Platz("3", "Chieming", PAR_A, 70, 0);  // not marked to be shown
  Abschlag("3", "3", "Gelb", 120, 69.5);
  Karte("1", "1", "2024-05-01", "2");
  Sql("UPDATE Greenlogs SET Slopeidn = '2', Slope = 128, CourseRating = 73.9 WHERE Scorekartenidn = '1'");
  ZeigeKarte();
  Golfer& f = g();
  EXPECT_EQ(f.Abschlagbezeichnung->currentText(), "Rot");
  EXPECT_EQ(f.Golfplatznummer->count(), 2);

  // Leaving the box with the text it had does nothing.
  f.ParLoch[1]->setText("9");
  Tippe(f.Golfplatznummer, "Beuerberg");
  EXPECT_EQ(f.ParLoch[1]->text(), "9");

  // An unknown name, declined: the card goes to the home club with its holes and tees;
  // the previous course's tee is gone, slope and rating stay as the round's values.
  Antworte({ANTWORT_NEIN});
  Tippe(f.Golfplatznummer, "Zugspitze");
  ASSERT_EQ(GezeigteTexte(), QStringList{"Zugspitze" + Meldung(177)});
  EXPECT_EQ(f.Golfplatznummer->currentText(), "Achental");
  EXPECT_EQ(f.Karte().Golfplatzidn, "1");
  EXPECT_EQ(f.ParLoch[1]->text(), "4");
  EXPECT_EQ(f.AktSSSPar->text(), "72");
  EXPECT_TRUE(f.Abschlagbezeichnung->currentText().isEmpty());
  EXPECT_TRUE(f.Karte().SlopeIdn.isEmpty());
  EXPECT_EQ(f.Abschlagbezeichnung->itemText(0), "Gelb");
  ASSERT_TRUE(WriteScorekarte("1"));
  EXPECT_EQ(Feld("Golfplatznummer").toString(), "1");
  EXPECT_TRUE(Feld("Slopeidn").isNull());
  EXPECT_DOUBLE_EQ(Feld("Slope").toDouble(), 128);

  // A tee the course does not have: slope and rating 0, no key, no new playing handicap.
  f.Spielvorgabe->setText("21");
  Tippe(f.Abschlagbezeichnung, "Blau");
  EXPECT_EQ(f.Slope->text(), "0");
  EXPECT_EQ(f.CourseRating->text(), "0");
  EXPECT_EQ(f.Spielvorgabe->text(), "21");
  Tippe(f.Abschlagbezeichnung, "Gelb");
  EXPECT_EQ(f.Karte().SlopeIdn, "1");
  // 18.4 x 125 / 113 + (71.2 - 72) = 19.554
  EXPECT_EQ(f.Spielvorgabe->text(), "20");

  // Accepted: a new course, shown in the list though not marked, the card stored with it.
  Antworte({ANTWORT_JA});
  Tippe(f.Golfplatznummer, "Neuer Platz");
  EXPECT_EQ(Feld("Golfplatznummer").toString(), "4");
  EXPECT_EQ(SqlWert("SELECT Golfplatzname FROM Tab_Golfplatz WHERE Golfplatzidn = '4'").toString(), "Neuer Platz");
  EXPECT_EQ(f.Karte().Golfplatzidn, "4");
  EXPECT_GE(SucheListeneintrag(f.Golfplatznummer, "Neuer Platz"), 0);
  EXPECT_TRUE(IstFormGeladen("Golfplätze"));
}

TEST_F(Scorekarten, ANewCardTakesTheTeeTheCardBeforeShowedAndATeesRatingIsInPlaceForTheNextKey) {
  Grunddaten();
  Abschlag("3", "1", "Weiß", 133, 74.0);
  Karte("1", "1", "2024-05-01");
  Sql("UPDATE Greenlogs SET Slopeidn = '1', Slope = 125, CourseRating = 71.2 WHERE Scorekartenidn = '1'");
  ZeigeKarte();
  Golfer& f = g();
  ASSERT_EQ(f.Abschlagbezeichnung->currentText(), "Gelb");
  // Into the tee box of this card and out again, then a new card.
  f.Abschlagbezeichnung->setFocus(Qt::MouseFocusReason);
  QTest::qWait(0);
  Druecke(Qt::Key_Escape);
  BefehlNeu();
  QTest::qWait(0);
  ASSERT_EQ(f.Kartenschluessel(), "2");
  ASSERT_TRUE(f.Abschlagbezeichnung->currentText().isEmpty());
  ASSERT_TRUE(f.Slope->text().isEmpty());

  // The same tee on the new card: its slope and course rating are fetched.
  f.Abschlagbezeichnung->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  ASSERT_TRUE(ListeOffen(f.Abschlagbezeichnung));
  Druecke("gelb");
  Druecke(Qt::Key_Tab);
  EXPECT_EQ(f.Karte().SlopeIdn, "1");
  EXPECT_EQ(f.Slope->text(), "125");
  EXPECT_EQ(f.CourseRating->text(), "71,2");
  // 18.4 x 125 / 113 + (71.2 - 72) = 19.554
  EXPECT_EQ(f.Spielvorgabe->text(), "20");

  // Another tee: its numbers stand, selected, in the box Tab goes to before the next key
  // is typed, which replaces them.
  Druecke(Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_TRUE(ListeOffen(f.Abschlagbezeichnung));
  Druecke("wei");
  Druecke(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), f.Slope);
  EXPECT_EQ(f.Slope->selectedText(), "133");
  Druecke("135");
  EXPECT_EQ(f.Slope->text(), "135");
  Druecke(Qt::Key_Tab);
  EXPECT_EQ(f.CourseRating->selectedText(), "74");
  Druecke("74,5");
  Druecke(Qt::Key_Tab);
  // 18.4 x 135 / 113 + (74.5 - 72) = 24.48
  EXPECT_EQ(f.Spielvorgabe->text(), "24");
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
  ASSERT_TRUE(WriteScorekarte("2"));
  EXPECT_EQ(Feld("Slopeidn", "2").toString(), "3");
  EXPECT_DOUBLE_EQ(Feld("Slope", "2").toDouble(), 135);
  EXPECT_DOUBLE_EQ(Feld("CourseRating", "2").toDouble(), 74.5);
  EXPECT_DOUBLE_EQ(Feld("AktHdcp", "2").toDouble(), 24);

  // After a course change a name the box showed when the focus last came is the other
  // course's tee: fetched anew.
  Abschlag("4", "2", "Weiß", 131, 70.4);
  f.Abschlagbezeichnung->setFocus(Qt::MouseFocusReason);
  QTest::qWait(0);
  Druecke(Qt::Key_Escape);
  f.Golfplatznummer->setFocus(Qt::MouseFocusReason);
  QTest::qWait(0);
  f.Golfplatznummer->lineEdit()->selectAll();
  Druecke("beu");
  Druecke(Qt::Key_Tab);
  ASSERT_EQ(f.Karte().Golfplatzidn, "2");
  Druecke(Qt::Key_Escape);
  f.Abschlagbezeichnung->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  Druecke("wei");
  Druecke(Qt::Key_Tab);
  EXPECT_EQ(f.Karte().SlopeIdn, "4");
  EXPECT_EQ(f.Slope->text(), "131");
  EXPECT_EQ(f.CourseRating->text(), "70,4");
}

TEST_F(Scorekarten, DateGameTypeAndTournamentAreCheckedWhenLeft) {
  Grunddaten();
  Karte("1", "1", "2024-05-01");
  ZeigeKarte();
  Golfer& f = g();
  // Two-digit years up to 30 are 20yy; the date is shown in the language's form.
  Tippe(f.Datum[1], "5.7.31");
  EXPECT_EQ(f.Datum[1]->text(), "05.07.1931");
  Antworte({ANTWORT_OK});
  Tippe(f.Datum[1], "29.2.2003");
  EXPECT_EQ(GezeigteTexte(), QStringList{Meldung(178)});
  EXPECT_EQ(f.Datum[1]->text(), "29.2.2003");  // kept for correcting
  EXPECT_EQ(QApplication::focusWidget(), f.Datum[1]);
  // A year of five digits is no year: the box keeps all of it, and the card its date.
  Antworte({ANTWORT_OK});
  Tippe(f.Datum[1], "01.01.99999");
  EXPECT_EQ(GezeigteTexte().last(), Meldung(178));
  EXPECT_EQ(f.Datum[1]->text(), "01.01.99999");
  Antworte({ANTWORT_OK});
  EXPECT_FALSE(WriteScorekarte("1"));
  EXPECT_EQ(Feld("Datum").toString(), "2024-05-01");
  Tippe(f.Datum[1], "7/5/2003");
  EXPECT_EQ(f.Datum[1]->text(), "05.07.2003");

  Antworte({ANTWORT_OK});
  const QString spielart = f.Spielart->currentText();
  Tippe(f.Spielart, "Minigolf");
  EXPECT_EQ(GezeigteTexte().last(), Meldung(214));
  EXPECT_EQ(f.Spielart->currentText(), spielart);

  // No tournament: nothing asked. A listed one in other letter case: nothing either.
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum, LochOption) VALUES ('1', 'Herbstpreis', "
      "'2024-09-01', 1)");
  QString id = "1";
  GotoScorekarte(id);
  const size_t boxen = Dlg().gezeigt.size();
  Tippe(f.TurnierNameKarte, "");
  Tippe(f.TurnierNameKarte, "HERBSTPREIS");
  EXPECT_EQ(Dlg().gezeigt.size(), boxen);
  // An unknown one declined: the box gets back the tournament it had, nothing created.
  Antworte({ANTWORT_NEIN});
  Tippe(f.TurnierNameKarte, "Sommerfest");
  EXPECT_EQ(GezeigteTexte().last(), Meldung(37));
  EXPECT_EQ(f.TurnierNameKarte->currentText(), "Herbstpreis");
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Tab_Turnier").toInt(), 1);
  ASSERT_TRUE(WriteScorekarte("1"));
  EXPECT_EQ(Feld("TurnierNameKarte").toString(), "1");
  // Accepted: the tournament is created with the card's course and the card is stored.
  Antworte({ANTWORT_JA});
  Tippe(f.TurnierNameKarte, "Sommerfest");
  EXPECT_EQ(SqlWert("SELECT Turniername FROM Tab_Turnier WHERE Turniernummer = '2'").toString(), "Sommerfest");
  EXPECT_EQ(Feld("TurnierNameKarte").toString(), "2");
  EXPECT_EQ(f.TurnierNameKarte->currentText(), "Sommerfest");
  EXPECT_EQ(TurnierForm().GolfplatzNo->currentText(), "Achental");
}

TEST_F(Scorekarten, PlayingHandicapRoundsHalvesToEven) {
  Grunddaten();
  ZeigeKarte();
  Golfer& f = g();
  struct Fall {
    const char* vorgabe;
    const char* slope;
    const char* cr;
    const char* erwartet;
  } faelle[] = {{"12,5", "113", "72", "12"},
                {"13,5", "113", "72", "14"},
                {"-1,5", "113", "72", "+2"},
                {"18,4", "125", "71,2", "20"},
                {"36", "140", "74,5", "47"}};
  for (const Fall& c : faelle) {
    f.Stammvorgabe->setText(c.vorgabe);
    f.Slope->setText(c.slope);
    f.CourseRating->setText(c.cr);
    f.FuelleComboBoxAbschlag();
    EXPECT_EQ(f.Spielvorgabe->text(), c.erwartet) << c.vorgabe << " " << c.slope << " " << c.cr;
    EXPECT_EQ(f.AktHdcp->text(), c.erwartet);
  }
  // Missing or non-positive inputs leave the playing handicap alone.
  f.Slope->setText("0");
  f.Stammvorgabe->setText("30");
  f.FuelleComboBoxAbschlag();
  EXPECT_EQ(f.Spielvorgabe->text(), "47");
  // The course rating box recomputes when it is left, changed or not.
  f.Slope->setText("113");
  Tippe(f.CourseRating, "72");
  EXPECT_EQ(f.Spielvorgabe->text(), "30");
  EXPECT_TRUE(Dlg().gezeigt.empty());
}

TEST_F(Scorekarten, MaskShowsHidesAndPacksTheDetailRows) {
  Grunddaten();
  Karte("1", "1", "2024-05-01");
  ZeigeKarte();
  Golfer& f = g();
  auto oben = [&](const char* rahmen) {
    return f.findChild<QWidget*>(QString::fromUtf8(rahmen))->mapTo(&f, QPoint()).y();
  };
  QTest::qWait(20);
  const int schritt = oben("FrameAbschläge") - oben("FrameScore");
  ASSERT_GT(schritt, 0);
  EXPECT_EQ(ScorekartenZeilen.Anzahl, 8);
  EXPECT_EQ(ScorekartenZeilen.Feldname[8], "StrafschlagLoch");
  EXPECT_EQ(oben("FrameSontige"), oben("FrameScore") + 9 * schritt);

  // Tee shots and penalties only: the penalty row moves up under the tee shots.
  f.Karte().ShowWhat = "10000001";
  SetzeScorekartenZeilen("Golfer");
  QTest::qWait(20);
  EXPECT_EQ(ScorekartenZeilen.Anzahl, 2);
  EXPECT_EQ(ScorekartenZeilen.Feldname[1], "AbschlagLoch");
  EXPECT_EQ(ScorekartenZeilen.Feldname[2], "StrafschlagLoch");
  EXPECT_TRUE(f.findChild<QWidget*>("FrameFWT")->isHidden());
  EXPECT_TRUE(f.BeschreibungVariabel[2]->isHidden());
  EXPECT_EQ(oben("FrameStraf"), oben("FrameAbschläge") + schritt);
  EXPECT_EQ(oben("FrameSontige"), oben("FrameScore") + 3 * schritt);
  // Down from the tee shots goes to the penalties, down from there to the next hole.
  f.AbschlagLoch[4]->setFocus();
  Taste(Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), f.StrafschlagLoch[4]);
  Taste(Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), f.ScoreLoch[5]);
  Taste(Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), f.StrafschlagLoch[4]);
  EXPECT_EQ(f.AktuellesLoch, 4);

  // No detail row; a mask shorter than eight shows the rest.
  f.Karte().ShowWhat = "00000000";
  SetzeScorekartenZeilen("Golfer");
  QTest::qWait(20);
  EXPECT_EQ(ScorekartenZeilen.Anzahl, 0);
  EXPECT_EQ(oben("FrameSontige"), oben("FrameScore") + schritt);
  f.ScoreLoch[1]->setFocus();
  Taste(Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), f.ScoreLoch[1]);
  Taste(Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), f.ScoreLoch[2]);
  Taste(Qt::Key_Left);
  Taste(Qt::Key_Left);
  EXPECT_EQ(QApplication::focusWidget(), f.ScoreLoch[18]);
  f.Karte().ShowWhat = "0";
  SetzeScorekartenZeilen("Golfer");
  EXPECT_EQ(ScorekartenZeilen.Anzahl, 7);

  // Par-3 holes without fairway: their cells are hidden and skipped.
  DBG().WriteEinstellungenIntern("FairwaytrefferPar3", "0");
  f.Karte().ShowWhat = "11111111";
  SetzeScorekartenZeilen("Golfer");
  EXPECT_TRUE(f.FairwaytrefferLoch[3]->isHidden());
  EXPECT_FALSE(f.FairwaytrefferLoch[4]->isHidden());
  EXPECT_FALSE(f.DistanceLoch[3]->isHidden());
  f.FairwaytrefferLoch[2]->setFocus();
  Taste(Qt::Key_Right);
  EXPECT_EQ(QApplication::focusWidget(), f.FairwaytrefferLoch[4]);
  f.AbschlagLoch[3]->setFocus();
  Taste(Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), f.DistanceLoch[3]);
}

TEST_F(Scorekarten, ChipAndPitchExcludeEachOther) {
  Grunddaten();
  ZeigeKarte();
  Golfer& f = g();
  f.ChipLoch[3]->setChecked(true);
  f.PitchLoch[3]->setFocus(Qt::TabFocusReason);
  Taste(Qt::Key_Space);
  Antworte({ANTWORT_OK});
  Taste(Qt::Key_Tab);
  QTest::qWait(0);
  EXPECT_EQ(GezeigteTexte(), QStringList{Meldung(154)});
  EXPECT_FALSE(f.PitchLoch[3]->isChecked());
  EXPECT_TRUE(f.ChipLoch[3]->isChecked());
  EXPECT_EQ(QApplication::focusWidget(), f.PitchLoch[3]);
}

TEST_F(Scorekarten, DisplaySettingsWindow) {
  Grunddaten();
  Karte("1", "1", "2024-05-01");
  ZeigeKarte();
  // Over the scorecard page: the card's own rows, and "this card only" offered.
  SelectWhat& s = SelectWhatForm();
  EXPECT_TRUE(s.OnlyThis->isEnabled());
  EXPECT_TRUE(s.What[8]->isChecked());
  EXPECT_TRUE(s.FWT[0]->isChecked());
  EXPECT_EQ(s.ShowMinMon->text(), "4");
  EXPECT_EQ(s.ShowMinJahr->text(), "25");
  s.What[2]->setChecked(false);
  s.OnlyThis->click();
  EXPECT_FALSE(IstFormGeladen("SelectWhat"));
  EXPECT_EQ(Feld("ShowWhat").toString(), "10111111");
  EXPECT_EQ(ScorekartenZeilen.Anzahl, 7);
  EXPECT_TRUE(SqlWert("SELECT Wert FROM tab_EinstellungenIntern WHERE Bezeichnung = 'ShowWhat'").isNull());

  // Apply: the five settings; new cards take the mask, the open card keeps its own.
  SelectWhat& t = SelectWhatForm();
  for (int k = 1; k <= 8; ++k) t.What[k]->setChecked(k == 6);
  t.ABSCHL[0]->setChecked(false);
  t.ShowMinMon->setText("3");
  t.Command1->click();
  auto einstellung = [&](const char* n) {
    return SqlWert("SELECT Wert FROM tab_EinstellungenIntern WHERE Bezeichnung = ?", {n}).toString();
  };
  EXPECT_EQ(einstellung("ShowWhat"), "00000100");
  EXPECT_EQ(einstellung("DrivingDistancePar3"), "0");
  EXPECT_EQ(einstellung("FairwaytrefferPar3"), "1");
  EXPECT_EQ(einstellung("MinMon"), "3");
  EXPECT_EQ(MinMon, "3");
  EXPECT_EQ(DrivingDistancePar3, "0");
  EXPECT_TRUE(g().DistanceLoch[3]->isHidden());
  EXPECT_EQ(g().Karte().ShowWhat, "10111111");
  NeuScorekarte(AktiverGolfer.Golferidn);
  EXPECT_EQ(Feld("ShowWhat", "2").toString(), "00000100");
  EXPECT_EQ(ScorekartenZeilen.Anzahl, 1);

  // Cancel stores nothing.
  SelectWhat& u = SelectWhatForm();
  u.What[1]->setChecked(true);
  u.Abbruch->click();
  EXPECT_EQ(einstellung("ShowWhat"), "00000100");
}

TEST_F(Scorekarten, OnlyTheCellWithTheFocusIsHighlighted) {
  Grunddaten();
  Karte("1", "1", "2024-06-01");
  ASSERT_TRUE(Main());
  QWidget& fenster = StartFenster();
  fenster.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
  ZeigeKarte();
  Golfer& f = g();
  const QColor blau(0, 0, 255);
  auto grund = [](QWidget* w) { return w->palette().color(QPalette::Base); };
  f.ScoreLoch[4]->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  EXPECT_EQ(grund(f.ScoreLoch[4]), blau);
  // An invalid score puts the focus back on its hole while the message is up; the window
  // then comes back with the focus there and no leave event for the next hole.
  QFocusEvent zurueck(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(f.ScoreLoch[3], &zurueck);
  EXPECT_EQ(grund(f.ScoreLoch[3]), blau);
  EXPECT_NE(grund(f.ScoreLoch[4]), blau);

  // Each message box takes the activation while it is up; the window gets it back after.
  QWidget box;
  BoxenNehmenDieAktivierung(box);
  // The window system gives the activation back a moment after the box has gone.
  auto zurueckImFenster = [&] {
    QTest::qWait(0);
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    QTest::qWait(0);
  };
  // Only the cell with the focus shows blue with white text; every other its own colours.
  auto nurFokusMarkiert = [&](const char* wann) {
    QWidget* fokus = f.focusWidget();
    for (const Steuerfeld<QLineEdit>* feld :
         {&f.ScoreLoch, &f.AbschlagLoch, &f.DistanceLoch, &f.PuttsLoch, &f.BunkerLoch, &f.StrafschlagLoch})
      for (int i = 1; i <= 18; ++i) {
        QLineEdit* t = (*feld)[i];
        const bool blauWeiss = grund(t) == blau && t->palette().color(QPalette::Text) == Qt::white;
        EXPECT_EQ(blauWeiss, t == fokus) << wann << " " << t->objectName().toStdString();
        if (t != fokus) {
          EXPECT_NE(t->palette().color(QPalette::Text), Qt::white) << wann << " " << t->objectName().toStdString();
        }
      }
  };
  Antworte({ANTWORT_OK});
  Tippe(f.ScoreLoch[7], "x");
  EXPECT_EQ(GezeigteTexte().last(), Meldung(44));
  EXPECT_EQ(f.focusWidget(), f.ScoreLoch[7]);
  nurFokusMarkiert("after message 44");
  zurueckImFenster();
  nurFokusMarkiert("after message 44, back in the window");

  Tippe(f.ScoreLoch[7], "3");
  Tippe(f.AbschlagLoch[7], "1");
  Antworte({ANTWORT_OK});
  Tippe(f.PuttsLoch[7], "4");
  EXPECT_EQ(GezeigteTexte().last(), Meldung(45));
  nurFokusMarkiert("after message 45");
  zurueckImFenster();
  nurFokusMarkiert("after message 45, back in the window");
  Antworte({ANTWORT_OK});  // told again as the next cell is left, until corrected
  Tippe(f.PuttsLoch[7], "1");
  zurueckImFenster();

  // The card deleted from a cell: the next card comes up with the right colours.
  Karte("2", "1", "2024-05-01");
  QStringList scores{"Vorgabewirksam = 1"};
  for (int i = 1; i <= 18; ++i) scores << FeldnameNr("ScoreLoch", i) + " = 5";
  Sql("UPDATE Greenlogs SET " + scores.join(", ") + " WHERE Scorekartenidn = '2'");
  f.ScoreLoch[2]->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  Antworte({ANTWORT_JA});
  BefehlLoeschen();
  ASSERT_EQ(f.Kartenschluessel(), "2");
  nurFokusMarkiert("after deleting a card");
  zurueckImFenster();
  nurFokusMarkiert("after deleting a card, back in the window");

  // New from the last penalty cell: the card left asks the history question, and the new
  // card's date gets the focus while the question holds the activation.
  f.StrafschlagLoch[18]->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  ASSERT_EQ(grund(f.StrafschlagLoch[18]), blau);
  Antworte({ANTWORT_NEIN});
  BefehlNeu();
  ASSERT_EQ(GezeigteTexte().last(), Meldung(33));
  ASSERT_NE(f.Kartenschluessel(), "2");
  zurueckImFenster();
  EXPECT_EQ(f.focusWidget(), f.Datum[1]);
  nurFokusMarkiert("after New, back in the window");

  // A fairway box left for the menu bar (Alt) shows no focus on the next card.
  Dlg().waehrendMeldung = nullptr;
  QString id = "1";
  GotoScorekarte(id);
  QCheckBox* fairway = f.FairwaytrefferLoch[2];
  fairway->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  ASSERT_EQ(fairway->palette().color(QPalette::Window), blau);
  StartFensterFallsDa()->menuBar()->setFocus(Qt::MenuBarFocusReason);
  QTest::qWait(0);
  ScrollScorecard(1);
  ASSERT_NE(f.Kartenschluessel(), id);
  EXPECT_NE(fairway->palette().color(QPalette::Window), blau);
  delete StartFensterFallsDa();
}

TEST_F(Scorekarten, AverageDriveFitsItsCellWithOneDecimalAndIsStoredAsComputed) {
  Grunddaten();
  ZeigeKarte();
  Golfer& f = g();
  for (int i = 1; i <= 18; ++i) {
    Tippe(f.ScoreLoch[i], "5");
    ASSERT_TRUE(f.DistanceLoch[i]->isVisible()) << i;
    Tippe(f.DistanceLoch[i], i == 1 ? "181" : i == 10 ? "183" : "180");
  }
  // 1621 / 9, 1623 / 9 and 3244 / 18, each rounded to one decimal.
  EXPECT_EQ(f.GesamtDistanceLoch_1_9->text(), "180,1");
  EXPECT_EQ(f.GesamtDistanceLoch_10_18->text(), "180,3");
  EXPECT_EQ(f.GesamtDistance->text(), "180,2");
  for (QLabel* l : {f.GesamtDistanceLoch_1_9, f.GesamtDistanceLoch_10_18, f.GesamtDistance})
    EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width())
        << l->objectName().toStdString();

  // Leaving the card for the golfer page stores it with the average as computed.
  f.TabstripGolfer->setCurrentIndex(0);
  QTest::qWait(0);
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_DOUBLE_EQ(Feld("GesamtDrivingDistance").toDouble(), 3244.0 / 18);
  EXPECT_DOUBLE_EQ(Feld("DistanceLoch10").toDouble(), 183);

  // A hole without a score: the average is over the holes with a drive all the same.
  f.TabstripGolfer->setCurrentIndex(1);
  QTest::qWait(0);
  Tippe(f.DistanceLoch[1], "180");
  Tippe(f.DistanceLoch[10], "180");
  f.ScoreLoch[5]->setFocus(Qt::TabFocusReason);
  f.ScoreLoch[5]->selectAll();
  Taste(Qt::Key_Delete);
  Taste(Qt::Key_Tab);
  f.TabstripGolfer->setCurrentIndex(0);
  QTest::qWait(0);
  EXPECT_TRUE(Feld("ScoreLoch05").isNull());
  EXPECT_DOUBLE_EQ(Feld("GesamtDrivingDistance").toDouble(), 180);
}

TEST_F(Scorekarten, ACourseNameTooLongForTheQuestionIsQuotedShortAndCtrlASelectsTheName) {
  Grunddaten();
  ZeigeKarte();
  Golfer& f = g();
  // Ctrl+A in the course box selects the whole name; the key's release completes nothing.
  f.Golfplatznummer->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  Taste(Qt::Key_End);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(f.Golfplatznummer->lineEdit()->selectedText(), "Achental");
  EXPECT_EQ(f.Golfplatznummer->currentText(), "Achental");

  // A pasted paragraph instead of a course: the question quotes its start.
  const QString lang = QString("Golfclub am See ").repeated(20).trimmed();
  Antworte({ANTWORT_NEIN});
  Tippe(f.Golfplatznummer, lang);
  ASSERT_EQ(Dlg().gezeigt.size(), 1u);
  const QString frage = Dlg().gezeigt[0].text;
  EXPECT_EQ(Dlg().gezeigt[0].stil, STIL_FRAGE);
  EXPECT_TRUE(frage.startsWith(lang.left(56))) << frage.toStdString();
  EXPECT_TRUE(frage.endsWith(QString::fromUtf8("…") + Meldung(177))) << frage.toStdString();
  EXPECT_LE(frage.size(), 61 + Meldung(177).size());
}

TEST_F(Scorekarten, TeeAndTournamentAreStoredOnlyAsTheBoxesShowThem) {
  Grunddaten();
  Abschlag("3", "1", "Weiß", 133, 74.0);
  Karte("1", "1", "2024-05-01");
  Karte("2", "1", "2024-05-02");
  Sql("UPDATE Greenlogs SET Slopeidn = '1', Slope = 125, CourseRating = 71.2 WHERE Scorekartenidn = '2'");
  ZeigeKarte();
  Golfer& f = g();
  ASSERT_EQ(f.Kartenschluessel(), "2");
  ASSERT_EQ(KontextZurueck, "PreviousScorecard");

  // A tee the course does not have: told when the card is stored, nothing stored, no move,
  // the text kept in the box to be corrected.
  Tippe(f.Abschlagbezeichnung, "Blau");
  f.ScoreLoch[1]->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(f.ScoreLoch[1], "5");
  Antworte({ANTWORT_OK});
  BefehlZurueck();
  ASSERT_EQ(GezeigteTexte(), QStringList{Meldung(153)});
  EXPECT_EQ(Dlg().gezeigt.back().stil, STIL_INFO);
  EXPECT_EQ(f.Kartenschluessel(), "2");
  EXPECT_EQ(f.Abschlagbezeichnung->currentText(), "Blau");
  EXPECT_EQ(QApplication::focusWidget(), f.Abschlagbezeichnung);
  EXPECT_EQ(Feld("Slopeidn", "2").toString(), "1");
  EXPECT_TRUE(Feld("ScoreLoch01", "2").isNull());
  // Closing the window stops as well.
  Antworte({ANTWORT_OK});
  EXPECT_FALSE(f.Schliessen());
  EXPECT_EQ(GezeigteTexte().last(), Meldung(153));
  // One of the course's tees in other letter case is that tee.
  Tippe(f.Abschlagbezeichnung, "weiß");
  ASSERT_TRUE(WriteScorekarte("2"));
  EXPECT_EQ(Feld("Slopeidn", "2").toString(), "3");
  EXPECT_EQ(Feld("ScoreLoch01", "2").toInt(), 5);
  EXPECT_DOUBLE_EQ(Feld("Slope", "2").toDouble(), 133);

  // A tournament typed and stored by the toolbar without leaving the box: asked first.
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum, LochOption) VALUES ('1', 'Herbstpreis', "
      "'2024-09-01', 1)");
  QString id = "2";
  GotoScorekarte(id);
  f.TurnierNameKarte->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  QTest::keyClicks(f.TurnierNameKarte, "Sommerfest");
  ASSERT_EQ(f.TurnierNameKarte->currentText(), "Sommerfest");
  const size_t boxen = Dlg().gezeigt.size();
  Antworte({ANTWORT_JA});
  BefehlZurueck();
  ASSERT_EQ(Dlg().gezeigt.size(), boxen + 1);
  EXPECT_EQ(Dlg().gezeigt.back().text, Meldung(37));
  EXPECT_EQ(Dlg().gezeigt.back().stil, STIL_FRAGE);
  EXPECT_EQ(SqlWert("SELECT Turniername FROM Tab_Turnier WHERE Turniernummer = '2'").toString(), "Sommerfest");
  EXPECT_EQ(Feld("TurnierNameKarte", "2").toString(), "2");
  EXPECT_EQ(f.Kartenschluessel(), "1");  // the move went on

  // Another tab, answered No: the box is emptied and the card stored without one.
  f.TabstripGolfer->setCurrentIndex(1);
  QTest::qWait(0);
  f.TurnierNameKarte->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  QTest::keyClicks(f.TurnierNameKarte, "Winterpokal");
  Antworte({ANTWORT_NEIN});
  f.TabstripGolfer->setCurrentIndex(0);
  QTest::qWait(0);
  EXPECT_EQ(Dlg().gezeigt.back().text, Meldung(37));
  EXPECT_EQ(f.TabstripGolfer->currentIndex(), 0);
  EXPECT_TRUE(f.TurnierNameKarte->currentText().isEmpty());
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Tab_Turnier").toInt(), 2);
  EXPECT_EQ(Feld("TurnierNameKarte", "1").toString(), "");
}

TEST_F(Scorekarten, HeaderNumbersThatAreNoNumbersAreToldAndNothingIsStored) {
  Grunddaten();
  Karte("1", "1", "2024-05-01");
  Sql("UPDATE Greenlogs SET Slope = 125, CourseRating = 71.2 WHERE Scorekartenidn = '1'");
  ZeigeKarte();
  Golfer& f = g();
  struct Fall {
    QLineEdit* feld;
    int name;
  } faelle[] = {{f.Slope, 4754}, {f.CourseRating, 4755}, {f.Spielvorgabe, 4774}, {f.AktHdcp, 4753}};
  for (const Fall& c : faelle) {
    const QString vorher = c.feld->text();
    c.feld->setFocus(Qt::TabFocusReason);
    QTest::qWait(0);
    c.feld->selectAll();
    QTest::keyClicks(c.feld, "abc");
    f.ScoreLoch[2]->setText("4");
    Antworte({ANTWORT_OK});
    BefehlWeiter();
    ASSERT_FALSE(Dlg().gezeigt.empty());
    EXPECT_EQ(Dlg().gezeigt.back().text, Meldung(4751).arg(Meldung(c.name), "abc"))
        << c.feld->objectName().toStdString();
    EXPECT_EQ(Dlg().gezeigt.back().stil, STIL_INFO);
    EXPECT_TRUE(ScorekarteAbgelehnt());
    EXPECT_EQ(c.feld->text(), "abc");
    EXPECT_EQ(QApplication::focusWidget(), c.feld);
    EXPECT_TRUE(Feld("ScoreLoch02").isNull());
    c.feld->setText(vorher);
  }
  EXPECT_DOUBLE_EQ(Feld("Slope").toDouble(), 125);
  EXPECT_DOUBLE_EQ(Feld("CourseRating").toDouble(), 71.2);
  EXPECT_DOUBLE_EQ(Feld("AktHdcp").toDouble(), 18.4);
  // In English, and numbers with either decimal mark are stored.
  Sprachnummer = 2;
  f.Slope->setText("x");
  Antworte({ANTWORT_OK});
  EXPECT_FALSE(WriteScorekarte("1"));
  EXPECT_TRUE(Dlg().gezeigt.back().text.startsWith("Slope: \"x\" is not a number"));
  f.Slope->setText("131");
  f.CourseRating->setText("72.4");
  ASSERT_TRUE(WriteScorekarte("1"));
  EXPECT_DOUBLE_EQ(Feld("Slope").toDouble(), 131);
  EXPECT_DOUBLE_EQ(Feld("CourseRating").toDouble(), 72.4);
  EXPECT_EQ(Feld("ScoreLoch02").toInt(), 4);
}

TEST_F(Scorekarten, EachNumberBoxTakesOnlyNumbersTheArithmeticCanUseAndShowsThemInTheRegionalFormat) {
  // The German interface on a machine whose regional format writes a decimal point.
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  Grunddaten();
  Karte("1", "1", "2024-05-01");
  Sql("UPDATE Greenlogs SET Slopeidn = '1', Slope = 125, CourseRating = 71.2 WHERE Scorekartenidn = '1'");
  ZeigeKarte();
  Golfer& f = g();
  EXPECT_EQ(f.CourseRating->text(), "71.2");
  auto bereich = [&](int feld, const QString& text, const char* von, const char* bis) {
    return Meldung(4920).arg(Meldung(feld), text, von, bis);
  };
  // What the box does not take is told by the box itself as it is left; the text stays,
  // selected, with the focus.
  auto abgelehnt = [&](QLineEdit* feld, const QString& text, const QString& meldung) {
    feld->setFocus(Qt::TabFocusReason);
    QTest::qWait(0);
    Antworte({ANTWORT_OK});
    Druecke(text);
    Druecke(Qt::Key_Tab);
    ASSERT_FALSE(Dlg().gezeigt.empty()) << feld->objectName().toStdString() << " " << text.toStdString();
    EXPECT_EQ(Dlg().gezeigt.back().text, meldung);
    EXPECT_EQ(QApplication::focusWidget(), feld);
    EXPECT_EQ(feld->selectedText(), text);
  };
  // A number taken is shown in the regional format, whichever decimal mark was typed.
  auto genommen = [&](QLineEdit* feld, const QString& text, const QString& gezeigt) {
    const size_t boxen = Dlg().gezeigt.size();
    feld->setFocus(Qt::TabFocusReason);
    QTest::qWait(0);
    Druecke(text);
    Druecke(Qt::Key_Tab);
    EXPECT_EQ(Dlg().gezeigt.size(), boxen) << GezeigteTexte().join(" | ").toStdString();
    EXPECT_EQ(feld->text(), gezeigt);
  };

  // The card's header.
  abgelehnt(f.Slope, "0", bereich(4754, "0", "55", "155"));
  abgelehnt(f.Slope, "1e308", bereich(4754, "1e308", "55", "155"));
  abgelehnt(f.Slope, "abc", Meldung(4751).arg(Meldung(4754), "abc"));
  genommen(f.Slope, "130", "130");
  abgelehnt(f.CourseRating, "-5", bereich(4755, "-5", "20", "90"));
  genommen(f.CourseRating, "72,4", "72.4");
  // 18.4 x 130 / 113 + (72.4 - 72) = 21.57
  EXPECT_EQ(f.Spielvorgabe->text(), "22");
  abgelehnt(f.Spielvorgabe, "999999", bereich(4774, "999999", "+30", "90"));
  genommen(f.Spielvorgabe, "23", "23");
  abgelehnt(f.AktHdcp, "1e308", bereich(4753, "1e308", "+30", "90"));
  genommen(f.AktHdcp, "+1,5", "+1.5");
  f.AktHdcp->setText("23");
  for (const QString& t : GezeigteTexte())
    EXPECT_FALSE(t.contains(Fehlerbeschreibung(TEXT_TYPFEHLER))) << t.toStdString();

  // The golfer page.
  f.TabstripGolfer->setCurrentIndex(0);
  QTest::qWait(0);
  EXPECT_DOUBLE_EQ(Feld("Slope").toDouble(), 130);
  EXPECT_DOUBLE_EQ(Feld("CourseRating").toDouble(), 72.4);
  EXPECT_DOUBLE_EQ(Feld("AktHdcp").toDouble(), 23);
  abgelehnt(f.Stammvorgabe, "999999", bereich(4752, "999999", "+10", "54"));
  abgelehnt(f.Stammvorgabe, "1e308", bereich(4752, "1e308", "+10", "54"));
  genommen(f.Stammvorgabe, "24,3", "24.3");
  abgelehnt(f.Handicap, "abc", Meldung(4751).arg(Meldung(4753), "abc"));
  genommen(f.Handicap, "24", "24");
  // A handicap typed is refused when the golfer is stored, too, before any card takes it.
  f.Stammvorgabe->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  f.Stammvorgabe->selectAll();
  QTest::keyClicks(f.Stammvorgabe, "999999");
  Antworte({ANTWORT_OK});
  f.TabstripGolfer->setCurrentIndex(1);
  QTest::qWait(0);
  EXPECT_EQ(Dlg().gezeigt.back().text, bereich(4752, "999999", "+10", "54"));
  EXPECT_EQ(f.TabstripGolfer->currentIndex(), 0);
  f.Stammvorgabe->setText("24.3");
  f.TabstripGolfer->setCurrentIndex(1);
  QTest::qWait(0);
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Stammvorgabe FROM tab_golfer WHERE Golferidn = '1'").toDouble(), 24.3);
  EXPECT_DOUBLE_EQ(SqlWert("SELECT Handicap FROM tab_golfer WHERE Golferidn = '1'").toDouble(), 24);
  // A new card starts from that handicap; with a score typed it is stored (as the whole
  // playing handicap) when the window closes.
  BefehlNeu();
  QTest::qWait(0);
  ASSERT_EQ(f.Kartenschluessel(), "2");
  EXPECT_EQ(f.AktHdcp->text(), "24.3");
  f.ScoreLoch[1]->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  Druecke("5");
  Druecke(Qt::Key_Tab);
  EXPECT_TRUE(f.Schliessen());
  EXPECT_DOUBLE_EQ(Feld("AktHdcp", "2").toDouble(), 24);
}

TEST_F(Scorekarten, ClosingTheProgramAsksForATypedTournamentAndStoresItWholly) {
  Grunddaten();
  Karte("1", "1", "2024-05-01");
  ZeigeKarteImHauptfenster();
  Golfer& f = g();
  f.TurnierNameKarte->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  QTest::keyClicks(f.TurnierNameKarte, "Sommerfest");
  // The main window's close: the card asks, the tournament it creates is stored with the
  // card's course as its editor closes, and nothing stays open.
  Antworte({ANTWORT_JA});
  EXPECT_TRUE(StartFensterFallsDa()->close());
  EXPECT_EQ(GezeigteTexte(), QStringList{Meldung(37)});
  EXPECT_TRUE(GeladeneFormulare().isEmpty());
  EXPECT_EQ(SqlWert("SELECT Turniername FROM Tab_Turnier WHERE Turniernummer = '1'").toString(), "Sommerfest");
  EXPECT_EQ(SqlWert("SELECT GolfplatzNo FROM Tab_Turnier WHERE Turniernummer = '1'").toString(), "1");
  EXPECT_EQ(Feld("TurnierNameKarte").toString(), "1");
  delete StartFensterFallsDa();
}

// As the program ends, every entry of the card that can be stored is stored; one that
// cannot keeps what the row holds and is named once, in the box of the end (as the session
// ends, on the error output without a box). Moving within the program still stops with
// the box and the focus on the entry.
TEST_F(Scorekarten, AtTheEndAnEntryThatCannotBeTakenKeepsTheStoredValueAndIsNamedAndTheRestIsStored) {
  Grunddaten();
  Karte("1", "1", "2024-05-04");
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername) VALUES ('1', 'Monatspreis')");
  Sql("UPDATE Greenlogs SET ScoreLoch01 = 4, ScoreLoch03 = 5, PuttsLoch03 = 2, GesamtScore = 9, TurniernameKarte = "
      "'1'");
  auto box = [&] { return Dlg().gezeigt.size() == 1 ? Dlg().gezeigt[0].text : GezeigteTexte().join(" | "); };
  // The session ends with the main window's close: what is not stored goes to the error output.
  auto sitzungsende = [] {
    testing::internal::CaptureStderr();
    {
      const Schluss sitzung(Programmschluss::Sitzung);
      StartFensterFallsDa()->close();
    }
    delete StartFensterFallsDa();
    return QString::fromStdString(testing::internal::GetCapturedStderr());
  };
  ZeigeKarteImHauptfenster();
  Golfer& f = g();
  // A "0" left with Tab, and putts "x" typed and not left as Back stores the card: each is
  // told, and its box shows again what it held.
  Antworte({ANTWORT_OK, ANTWORT_OK});
  Tippe(f.ScoreLoch[1], "0");
  EXPECT_EQ(f.ScoreLoch[1]->text(), "4");
  Tippe(f.PuttsLoch[3], "x", Qt::Key_End);
  BefehlZurueck();
  EXPECT_EQ(GezeigteTexte(), (QStringList{Meldung(44), Meldung(44)}));
  EXPECT_EQ(f.PuttsLoch[3]->text(), "2");
  EXPECT_EQ(QApplication::focusWidget(), f.PuttsLoch[3]);
  Dlg().gezeigt.clear();
  Tippe(f.PuttsLoch[3], "3");
  Tippe(f.Datum[1], "31.02.2026", Qt::Key_End);
  Antworte({ANTWORT_OK});
  BefehlZurueck();
  EXPECT_EQ(GezeigteTexte(), QStringList{Meldung(178)});
  EXPECT_EQ(QApplication::focusWidget(), f.Datum[1]);
  Dlg().gezeigt.clear();
  Antworte({ANTWORT_OK});
  BefehlBeenden();
  EXPECT_TRUE(box().contains(Meldung(4784).arg("Scorekarte, Datum", ZitierterEintrag("31.02.2026"))))
      << box().toStdString();
  EXPECT_FALSE(IstFormGeladen("Golfer"));
  EXPECT_EQ(Feld("PuttsLoch03").toInt(), 3);
  EXPECT_EQ(Feld("ScoreLoch01").toInt(), 4);
  EXPECT_EQ(Feld("Datum").toString(), "2024-05-04");
  delete StartFensterFallsDa();

  // A slope that is no number as Exit stores the card: named, the course rating typed
  // beside it stored. A card handicap that is no number keeps the stored 18.4.
  ZeigeKarteImHauptfenster();
  Tippe(g().CourseRating, "71,5");
  Tippe(g().Slope, "abc", Qt::Key_End);
  Antworte({ANTWORT_OK});
  BefehlBeenden();
  EXPECT_TRUE(box().contains("Slope")) << box().toStdString();
  EXPECT_EQ(SqlWert("SELECT CourseRating || '/' || IFNULL(Slope, '-') FROM Greenlogs").toString(), "71.5/-");
  delete StartFensterFallsDa();
  Sql("UPDATE Greenlogs SET AktHdcp = 18.4");
  ZeigeKarteImHauptfenster();
  Tippe(g().AktHdcp, "abc", Qt::Key_End);
  Antworte({ANTWORT_OK});
  BefehlBeenden();
  EXPECT_DOUBLE_EQ(Feld("AktHdcp").toDouble(), 18.4);
  delete StartFensterFallsDa();

  // A "0" over the stored 5, and the main window closed: the 5 and the total stay.
  Dlg().gezeigt.clear();
  ZeigeKarteImHauptfenster();
  Tippe(g().ScoreLoch[3], "0", Qt::Key_End);
  Antworte({ANTWORT_OK});
  EXPECT_TRUE(StartFensterFallsDa()->close());
  EXPECT_TRUE(box().contains(Meldung(4797).arg("Scorekarte, Loch 3, Score", ZitierterEintrag("0"))))
      << box().toStdString();
  EXPECT_EQ(Feld("ScoreLoch03").toInt(), 5);
  EXPECT_EQ(Feld("GesamtScore").toInt(), 9);
  delete StartFensterFallsDa();

  // The session ends with a course typed that is not in the list: the rest is stored.
  Dlg().gezeigt.clear();
  ZeigeKarteImHauptfenster();
  Tippe(g().PuttsLoch[5], "3");
  Tippe(g().Golfplatznummer, "Nirgendwo", Qt::Key_End);
  const QString fehler = sitzungsende();
  EXPECT_TRUE(fehler.contains(Meldung(4785).arg("Scorekarte, Golfplatz", ZitierterEintrag("Nirgendwo"))))
      << fehler.toStdString();
  EXPECT_FALSE(fehler.contains(Meldung(153))) << fehler.toStdString();
  EXPECT_FALSE(IstFormGeladen("Golfer"));
  EXPECT_EQ(Feld("PuttsLoch05").toInt(), 3);
  EXPECT_EQ(Feld("Golfplatznummer").toString(), "1");

  // The session ends with a tournament typed that is not in the list: the stored one stays.
  ZeigeKarteImHauptfenster();
  Tippe(g().TurnierNameKarte, "Herbstcup", Qt::Key_End);
  const QString turnier = sitzungsende();
  EXPECT_TRUE(turnier.contains(Meldung(4785).arg("Scorekarte, Turniername", ZitierterEintrag("Herbstcup"))))
      << turnier.toStdString();
  EXPECT_EQ(Feld("TurnierNameKarte").toString(), "1");

  // A new card of which nothing can be stored goes, and is named.
  Dlg().gezeigt.clear();
  ZeigeKarteImHauptfenster();
  BefehlNeu();
  const QString heute = g().Datum[1]->text();
  Tippe(g().Datum[1], "31.02.2026", Qt::Key_End);
  Antworte({ANTWORT_OK});
  BefehlBeenden();
  EXPECT_TRUE(box().contains(Meldung(4798).arg(heute))) << box().toStdString();
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Greenlogs").toInt(), 1);
  delete StartFensterFallsDa();
}

// A date stored by another program that this one cannot read, or one before the earliest
// it takes, is kept as it was loaded: an edit elsewhere on the card tells nothing. So is a
// hole entry the card's rules do not take. The round goes into the handicap history only
// with a date.
TEST_F(Scorekarten, AStoredDateTheProgramDoesNotTakeIsKeptAsStored) {
  Grunddaten();
  Karte("1", "1", "1925-05-01");
  Karte("2", "1", "2025-12-32");
  QStringList runde{"Vorgabewirksam = 1", "HdcpHistorieZustand = '0'", "PuttsLoch03 = -1", "PuttsLoch04 = 2.5"};
  for (int i = 1; i <= 18; ++i) runde << FeldnameNr("ScoreLoch", i) + " = 5";
  Sql("UPDATE Greenlogs SET " + runde.join(", ") + " WHERE Scorekartenidn = '2'");
  ZeigeKarteImHauptfenster();
  Golfer& f = g();
  EXPECT_EQ(f.Datum[1]->text(), "2025-12-32");
  EXPECT_EQ(f.PuttsLoch[3]->text(), "-1");
  Tippe(f.Datum[1], "");
  Tippe(f.PuttsLoch[1], "2");
  Antworte({ANTWORT_JA, ANTWORT_OK});
  BefehlZurueck();
  EXPECT_EQ(GezeigteTexte(), (QStringList{Meldung(33), Meldung(4802).arg("2025-12-32")}));
  EXPECT_EQ(QApplication::focusWidget(), f.Datum[1]);
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM tab_HdcpHistorie").toInt(), 0);
  Dlg().gezeigt.clear();
  Antworte({ANTWORT_NEIN});
  BefehlZurueck();
  ASSERT_EQ(f.Kartenschluessel(), "1");
  Dlg().gezeigt.clear();
  EXPECT_EQ(Feld("PuttsLoch03", "2").toInt(), -1);
  EXPECT_DOUBLE_EQ(Feld("PuttsLoch04", "2").toDouble(), 2.5);
  Tippe(f.PuttsLoch[1], "3");
  BefehlBeenden();
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Feld("PuttsLoch01", "2").toInt(), 2);
  EXPECT_EQ(Feld("Datum", "2").toString(), "2025-12-32");
  EXPECT_EQ(Feld("PuttsLoch01", "1").toInt(), 3);
  EXPECT_EQ(Feld("Datum", "1").toString(), "1925-05-01");
  delete StartFensterFallsDa();
}

TEST_F(Scorekarten, ScrollingTakesUndatedCardsFirstAndKeysAsNumbersWithinADate) {
  Grunddaten();
  Spieler("2", "Bernd", 10, "1", 0);
  for (const char* id : {"12", "7"})
    Sql("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Golfplatznummer, Spielart) VALUES (?, '1', '1', '2')",
        {id});
  Karte("11", "1", "2024-05-01");
  Karte("2", "1", "2024-05-01");
  Karte("3", "1", "2024-06-01");
  Karte("5", "2", "2024-05-01");  // another golfer's card between them
  ZeigeKarte();
  QString id = "7";
  GotoScorekarte(id);
  QStringList vorwaerts{"7"}, rueckwaerts{"3"};
  for (int i = 0; i < 4; ++i) {
    ScrollScorecard(2);
    vorwaerts << g().Kartenschluessel();
  }
  EXPECT_EQ(vorwaerts, (QStringList{"7", "12", "2", "11", "3"}));
  for (int i = 0; i < 4; ++i) {
    ScrollScorecard(1);
    rueckwaerts << g().Kartenschluessel();
  }
  EXPECT_EQ(rueckwaerts, (QStringList{"3", "11", "2", "12", "7"}));
  EXPECT_TRUE(Feld("Datum", "7").isNull());  // stored on the way, still without a date
  Antworte({ANTWORT_OK});
  ScrollScorecard(1);
  EXPECT_EQ(GezeigteTexte(), QStringList{Meldung(31)});

  // The stored query of the moves lists the golfer's cards in that order.
  auto bewegung = [&] {
    QSqlQuery q(DBG().Db());
    q.exec("SELECT Scorekartenidn FROM qryScorekarteMove");
    QStringList ids;
    while (q.next()) ids << q.value(0).toString();
    return ids;
  };
  EXPECT_EQ(bewegung(), (QStringList{"7", "12", "2", "11", "3"}));
  // Another golfer's card on screen: no move and no message; the query follows the golfer.
  id = "5";
  GotoScorekarte(id);
  AktiverGolfer.Golferidn = "2";
  Antworte({ANTWORT_OK});
  ScrollScorecard(2);
  EXPECT_EQ(GezeigteTexte().last(), Meldung(32));
  EXPECT_EQ(bewegung(), QStringList{"5"});
  AktiverGolfer.Golferidn = "1";
  const size_t meldungen = Dlg().gezeigt.size();
  ScrollScorecard(1);
  EXPECT_EQ(Dlg().gezeigt.size(), meldungen);
  EXPECT_EQ(g().Kartenschluessel(), "5");
}

TEST_F(Scorekarten, CardListsFollowTheirTablesFromCardToCard) {
  Grunddaten();
  Platz("3", "Zugspitze", PAR_A, 72, 0);  // not marked to be shown
  Abschlag("3", "1", "Rot", 122, 69.8);
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum, LochOption) VALUES ('1', 'Herbstpreis', "
      "'2024-09-01', 1)");
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum, LochOption) VALUES ('2', 'Frühjahrspreis', "
      "'2024-04-01', 1)");
  Karte("1", "1", "2024-05-01");
  Karte("2", "1", "2024-05-02", "3");
  Karte("3", "1", "2024-05-03", "2");
  Sql("UPDATE Greenlogs SET TurnierNameKarte = '1', Slopeidn = '3' WHERE Scorekartenidn = '1'");
  Sql("UPDATE Greenlogs SET TurnierNameKarte = '2' WHERE Scorekartenidn = '3'");
  ZeigeKarte();
  Golfer& f = g();
  auto eintraege = [](QComboBox* c) {
    QStringList l;
    for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
    return l;
  };
  auto zeige = [&](const char* karte) {
    QString id = karte;
    GotoScorekarte(id);
  };
  const QStringList turniere{"Frühjahrspreis", "Herbstpreis"};
  zeige("1");
  EXPECT_EQ(eintraege(f.Golfplatznummer), (QStringList{"Achental", "Beuerberg"}));
  EXPECT_EQ(f.Golfplatznummer->currentText(), "Achental");
  EXPECT_EQ(eintraege(f.Abschlagbezeichnung), (QStringList{"Gelb", "Rot"}));
  EXPECT_EQ(f.Abschlagbezeichnung->currentText(), "Rot");
  EXPECT_EQ(eintraege(f.TurnierNameKarte), turniere);
  EXPECT_EQ(f.TurnierNameKarte->currentText(), "Herbstpreis");
  EXPECT_EQ(eintraege(f.Spielart).size(), 4);
  EXPECT_EQ(f.Spielart->currentText(), "Stableford");
  // A card on a course not shown adds its own course; the next card has it no more.
  ScrollScorecard(2);
  EXPECT_EQ(eintraege(f.Golfplatznummer), (QStringList{"Achental", "Beuerberg", "Zugspitze"}));
  EXPECT_EQ(f.Golfplatznummer->currentText(), "Zugspitze");
  EXPECT_EQ(f.Abschlagbezeichnung->count(), 0);
  EXPECT_TRUE(f.TurnierNameKarte->currentText().isEmpty());
  ScrollScorecard(2);
  EXPECT_EQ(eintraege(f.Golfplatznummer), (QStringList{"Achental", "Beuerberg"}));
  EXPECT_EQ(f.Golfplatznummer->currentText(), "Beuerberg");
  EXPECT_EQ(eintraege(f.Abschlagbezeichnung), QStringList{"Rot"});
  EXPECT_TRUE(f.Abschlagbezeichnung->currentText().isEmpty());
  EXPECT_EQ(f.TurnierNameKarte->currentText(), "Frühjahrspreis");
  // Text typed into a box and left there goes with the next card.
  f.TurnierNameKarte->setEditText("Getippt");
  zeige("1");
  EXPECT_EQ(f.TurnierNameKarte->currentText(), "Herbstpreis");
  zeige("2");
  EXPECT_TRUE(f.TurnierNameKarte->currentText().isEmpty());

  // A tournament stored in the editor is in the list of the next card shown.
  ASSERT_TRUE(NeuTurnier("Sommerfest"));
  zeige("1");
  EXPECT_EQ(eintraege(f.TurnierNameKarte), (QStringList{"Frühjahrspreis", "Herbstpreis", "Sommerfest"}));
  EXPECT_EQ(f.TurnierNameKarte->currentText(), "Herbstpreis");
  // A tournament deleted leaves the list and the cards that named it.
  Antworte({ANTWORT_JA});
  LoescheTurnier("1");
  zeige("1");
  EXPECT_EQ(eintraege(f.TurnierNameKarte), (QStringList{"Frühjahrspreis", "Sommerfest"}));
  EXPECT_TRUE(f.TurnierNameKarte->currentText().isEmpty());
  // A course marked to be shown, and a tee added, by another connection.
  Sql("UPDATE Tab_Golfplatz SET GolfplatzAnzeigen = 1 WHERE Golfplatzidn = '3'");
  Abschlag("4", "1", "Blau", 131, 73.1);
  zeige("3");
  EXPECT_EQ(eintraege(f.Golfplatznummer), (QStringList{"Achental", "Beuerberg", "Zugspitze"}));
  zeige("1");
  EXPECT_EQ(eintraege(f.Abschlagbezeichnung), (QStringList{"Gelb", "Rot", "Blau"}));
  EXPECT_EQ(f.Abschlagbezeichnung->currentText(), "Rot");
}

// A course renamed in its editor shows under its new name in the golfer's home-club box and
// in the course box of the card shown, and both store it unasked as the same course; so does
// the card's tournament renamed in its editor, at once.
TEST_F(Scorekarten, ACourseRenamedInItsEditorShowsItsNewNameInTheHomeClubAndTheCardShown) {
  Grunddaten();
  Sql("UPDATE tab_golfer SET Heimatclub = '2'");
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum, LochOption) VALUES ('1', 'Herbstpreis', "
      "'2024-09-01', 1)");
  Karte("1", "1", "2024-05-01", "2");
  Sql("UPDATE Greenlogs SET TurnierNameKarte = '1'");
  ZeigeKarteImHauptfenster();
  Golfer& f = g();
  ASSERT_EQ(f.Heimatclub->currentText(), "Beuerberg");
  ASSERT_EQ(f.Golfplatznummer->currentText(), "Beuerberg");
  ZeigeGolfplatz();  // the course command: the editor opens on the last course
  Golfplaetze& editor = GolfplaetzeForm();
  ASSERT_EQ(editor.Golfplatzname->text(), "Beuerberg");
  Tippe(editor.Golfplatzname, "Beuerberg Nord");
  ASSERT_TRUE(editor.Schliessen());
  EXPECT_EQ(SqlWert("SELECT Golfplatzname FROM Tab_Golfplatz WHERE Golfplatzidn = '2'").toString(), "Beuerberg Nord");
  EXPECT_EQ(f.Heimatclub->currentText(), "Beuerberg Nord");
  EXPECT_EQ(f.Heimatclub->findText("Beuerberg", Qt::MatchExactly), -1);
  EXPECT_EQ(f.Golfplatznummer->currentText(), "Beuerberg Nord");
  EXPECT_EQ(f.Golfplatznummer->findText("Beuerberg", Qt::MatchExactly), -1);
  ASSERT_EQ(f.TurnierNameKarte->currentText(), "Herbstpreis");
  GotoTurnier("1");
  Tippe(TurnierForm().Turniername, "Herbstcup");
  ASSERT_TRUE(TurnierForm().Schliessen());
  EXPECT_EQ(f.TurnierNameKarte->currentText(), "Herbstcup");
  EXPECT_EQ(f.TurnierNameKarte->findText("Herbstpreis", Qt::MatchExactly), -1);
  f.PuttsLoch[1]->setText("2");
  EXPECT_TRUE(WriteScorekarte("1"));
  EXPECT_TRUE(WriteGolferdaten("1"));
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
  EXPECT_EQ(Feld("Golfplatznummer").toString(), "2");
  EXPECT_EQ(Feld("PuttsLoch01").toInt(), 2);
  EXPECT_EQ(Feld("TurnierNameKarte").toString(), "1");
  EXPECT_EQ(SqlWert("SELECT Heimatclub FROM tab_golfer WHERE Golferidn = '1'").toString(), "2");
}

TEST_F(Scorekarten, EachCardShowsItsOwnValuesAndTheCourseAndSettingsAsStoredNow) {
  Grunddaten();
  Karte("1", "1", "2024-05-01");
  Karte("2", "1", "2024-05-02");
  Karte("3", "1", "2024-05-03", "2");
  Sql("UPDATE Greenlogs SET ScoreLoch01 = 5, PuttsLoch01 = 2, FairwaytrefferLoch01 = 1, Slope = 125 "
      "WHERE Scorekartenidn = '1'");
  Sql("UPDATE Greenlogs SET ScoreLoch01 = 5, AktHdcp = 12 WHERE Scorekartenidn = '2'");
  ZeigeKarte();
  Golfer& f = g();
  auto zeige = [&](const char* karte) {
    QString id = karte;
    ASSERT_TRUE(GotoScorekarte(id));
  };
  zeige("1");
  EXPECT_EQ(f.PuttsLoch[1]->text(), "2");
  EXPECT_TRUE(f.FairwaytrefferLoch[1]->isChecked());
  EXPECT_EQ(f.AktHdcp->text(), "18,4");
  // What the next card does not hold is empty, what it holds alike stays as shown.
  ScrollScorecard(2);
  EXPECT_EQ(f.Kartenschluessel(), "2");
  EXPECT_EQ(f.ScoreLoch[1]->text(), "5");
  EXPECT_TRUE(f.PuttsLoch[1]->text().isEmpty());
  EXPECT_FALSE(f.FairwaytrefferLoch[1]->isChecked());
  EXPECT_EQ(f.AktHdcp->text(), "12");
  EXPECT_TRUE(f.Slope->text().isEmpty());
  EXPECT_EQ(f.ParLoch[3]->text(), "3");
  EXPECT_EQ(f.ParLoch[21]->text(), QString::number(std::accumulate(PAR_A + 1, PAR_A + 19, 0)));

  // A par changed and a par-3 setting stored, by this program or by another connection,
  // show on the next card loaded.
  EXPECT_FALSE(f.FairwaytrefferLoch[3]->isHidden());
  DBG().WriteEinstellungenIntern("FairwaytrefferPar3", "0");
  zeige("1");
  EXPECT_TRUE(f.FairwaytrefferLoch[3]->isHidden());
  Sql("UPDATE tab_EinstellungenIntern SET Wert = '1' WHERE Bezeichnung = 'FairwaytrefferPar3'");
  Sql("UPDATE Tab_Golfplatz SET Loch03Par = 4, SSSPar = 70 WHERE Golfplatzidn = '1'");
  zeige("2");
  EXPECT_FALSE(f.FairwaytrefferLoch[3]->isHidden());
  EXPECT_EQ(f.ParLoch[3]->text(), "4");
  zeige("3");
  EXPECT_EQ(f.ParLoch[1]->text(), QString::number(PAR_B[1]));
  EXPECT_EQ(f.AktSSSPar->text(), "71");
  // The card's reads go on after the connection is opened afresh (as after a deletion).
  DBGFreigeben();
  zeige("1");
  EXPECT_EQ(f.ParLoch[3]->text(), "4");
  EXPECT_EQ(f.PuttsLoch[1]->text(), "2");
}

TEST_F(Scorekarten, EveryListDropsOnFocusAndTheOpenListTakesTypingTabShiftTabAndEnter) {
  Grunddaten();
  Platz("3", "GC Chiemsee", PAR_A, 72, 0);
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum, LochOption) VALUES ('1', 'Herbstpreis', "
      "'2024-09-01', 1)");
  Karte("1", "1", "2024-05-01");
  // The whole program, whose main window fills the analysis page's course list.
  ASSERT_TRUE(Main());
  StartFenster().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&StartFenster()));
  ZeigeKarte();
  Golfer& f = g();
  // The card's header by keyboard alone, in screen order.
  f.Datum[1]->setFocus(Qt::TabFocusReason);
  f.Datum[1]->selectAll();
  Druecke("3.6.24");
  Druecke(Qt::Key_Tab);
  ASSERT_TRUE(ListeOffen(f.Golfplatznummer));
  Druecke("beu");
  Druecke(Qt::Key_Tab);
  EXPECT_EQ(f.Golfplatznummer->currentText(), "Beuerberg");
  EXPECT_EQ(f.Karte().Golfplatzidn, "2");
  EXPECT_TRUE(ListeOffen(f.Spielart));
  // With the list open the text's own keys edit the text, as with the list closed: End
  // goes to its end, Shift+Home selects it all, and the typing replaces the selection.
  ASSERT_EQ(f.Spielart->currentText(), "Stableford");
  Druecke(Qt::Key_End);
  Druecke("x");
  EXPECT_EQ(f.Spielart->currentText(), "Stablefordx");
  Druecke(Qt::Key_Home, Qt::ShiftModifier);
  Druecke("loch");
  EXPECT_EQ(f.Spielart->currentText(), "Lochspiel");
  // Ctrl+A selects it all too; a letter with an umlaut completes as any other does.
  Druecke(Qt::Key_A, Qt::ControlModifier);
  Druecke("zä");
  EXPECT_EQ(f.Spielart->currentText(), "Zählspiel");
  // Home, Right and Left move the caret, typing goes in where it stands, Backspace and
  // Delete take out: no completion inside the text.
  Druecke(Qt::Key_Home);
  Druecke(Qt::Key_Right);
  Druecke("x");
  EXPECT_EQ(f.Spielart->currentText(), "Zxählspiel");
  Druecke(Qt::Key_Backspace);
  Druecke(Qt::Key_Left);
  Druecke(Qt::Key_Delete);
  EXPECT_EQ(f.Spielart->currentText(), "ählspiel");
  EXPECT_TRUE(ListeOffen(f.Spielart));
  // A dead key and its letter come from the input method as the letter they make: it goes
  // in where the caret stands, as with the list closed.
  Druecke(Qt::Key_A, Qt::ControlModifier);
  Druecke("Xy");
  Komponiere(QString::fromUtf8("¨"), QString::fromUtf8("ö"));
  Druecke("z");
  EXPECT_EQ(f.Spielart->currentText(), "Xyöz");
  EXPECT_TRUE(ListeOffen(f.Spielart));
  // Escape closes the list and leaves the text.
  Druecke(Qt::Key_Escape);
  EXPECT_FALSE(ListeOffen(f.Spielart));
  EXPECT_EQ(f.Spielart->currentText(), "Xyöz");
  EXPECT_EQ(QApplication::focusWidget(), f.Spielart);
  Druecke(Qt::Key_A, Qt::ControlModifier);
  Druecke("sta");
  Druecke(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), f.Vorgabewirksam);
  Druecke(Qt::Key_Space);
  Druecke(Qt::Key_Tab);
  EXPECT_TRUE(ListeOffen(f.TurnierNameKarte));
  Druecke("h");
  Druecke(Qt::Key_Return);
  EXPECT_EQ(f.TurnierNameKarte->currentText(), "Herbstpreis");
  EXPECT_TRUE(ListeOffen(f.Abschlagbezeichnung));
  Druecke(Qt::Key_Down);
  Druecke(Qt::Key_Tab);
  EXPECT_EQ(f.Abschlagbezeichnung->currentText(), "Rot");
  for (auto [feld, text] :
       {std::pair{f.Slope, "130"}, {f.CourseRating, "74,5"}, {f.Spielvorgabe, "20"}, {f.AktHdcp, "20"}}) {
    EXPECT_EQ(QApplication::focusWidget(), feld);
    feld->selectAll();
    Druecke(text);
    Druecke(Qt::Key_Tab);
  }
  EXPECT_EQ(QApplication::focusWidget(), f.ScoreLoch[1]);
  // Back with Shift+Tab over the open tee list to the tournament.
  f.Abschlagbezeichnung->setFocus(Qt::BacktabFocusReason);
  QTest::qWait(0);
  EXPECT_TRUE(ListeOffen(f.Abschlagbezeichnung));
  Druecke(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(f.Abschlagbezeichnung->currentText(), "Rot");
  EXPECT_TRUE(ListeOffen(f.TurnierNameKarte));
  Druecke(Qt::Key_Escape);
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
  f.TabstripGolfer->setCurrentIndex(0);
  QTest::qWait(0);
  EXPECT_EQ(Feld("Datum").toString(), "2024-06-03");
  EXPECT_EQ(Feld("Golfplatznummer").toString(), "2");
  EXPECT_EQ(Feld("Spielart").toString(), "2");
  EXPECT_EQ(Feld("Vorgabewirksam").toInt(), 1);
  EXPECT_EQ(Feld("TurnierNameKarte").toString(), "1");
  EXPECT_EQ(Feld("Slopeidn").toString(), "2");
  EXPECT_DOUBLE_EQ(Feld("Slope").toDouble(), 130);
  EXPECT_DOUBLE_EQ(Feld("CourseRating").toDouble(), 74.5);
  EXPECT_DOUBLE_EQ(Feld("AktHdcp").toDouble(), 20);

  // The home club: "GC" typed into the open list, and the first Tab leaves the box.
  f.Heimatclub->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  ASSERT_TRUE(ListeOffen(f.Heimatclub));
  Druecke("GC");
  Druecke(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), f.Stammvorgabe);
  EXPECT_EQ(f.Heimatclub->currentText(), "GC Chiemsee");
  f.TabstripGolfer->setCurrentIndex(2);
  QTest::qWait(0);
  EXPECT_EQ(SqlWert("SELECT Heimatclub FROM tab_golfer WHERE Golferidn = '1'").toString(), "3");
  EXPECT_FALSE(ListeOffen(f.AuswahlGolfplatz));  // a page change is no move into the box

  // The analysis page's course box.
  f.AuswahlGolfplatz->setFocus(Qt::TabFocusReason);
  QTest::qWait(0);
  EXPECT_TRUE(ListeOffen(f.AuswahlGolfplatz));
  Druecke("ach");
  Druecke(Qt::Key_Return);
  EXPECT_EQ(f.AuswahlGolfplatz->currentText(), "Achental");
  EXPECT_FALSE(f.AuswahlGolfplatz->hasFocus());

  // The tournament editor's course and game type.
  GotoTurnier("1");
  Turnier& t = TurnierForm();
  QTest::qWait(0);
  t.Datum->setFocus(Qt::TabFocusReason);
  Druecke(Qt::Key_Tab);
  EXPECT_TRUE(ListeOffen(t.GolfplatzNo));
  Druecke("beu");
  Druecke(Qt::Key_Return);
  EXPECT_TRUE(ListeOffen(t.SpielartNo));
  Druecke("loch");
  Druecke(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), t.TurnierHandicap);
  EXPECT_TRUE(Dlg().gezeigt.empty()) << GezeigteTexte().join(" | ").toStdString();
  ASSERT_TRUE(t.Schliessen());
  EXPECT_EQ(SqlWert("SELECT GolfplatzNo FROM Tab_Turnier WHERE Turniernummer = '1'").toString(), "2");
  EXPECT_EQ(SqlWert("SELECT SpielartNo FROM Tab_Turnier WHERE Turniernummer = '1'").toString(), "3");
  delete StartFensterFallsDa();
}

namespace {
// Message boxes shown as the program shows them, each recorded as the scripted ones are.
class EchteMeldungen : public SkriptDialoge {
 public:
  int Meldung(const QString& text, int stil, const QString& titel) override {
    gezeigt.push_back({text, stil, titel});
    return QtDialoge().Meldung(text, stil, titel);
  }
};

// Answers every message box that comes up with one key, pressed where the keyboard is: on
// a list that dropped over the box if there is one, else in the box once it is in front.
// A box still up after a second is closed, and the test fails; nothing ever waits longer.
class Tastenantwort : public QObject {
 public:
  explicit Tastenantwort(Qt::Key taste) : m_taste(taste) {
    connect(&m_takt, &QTimer::timeout, this, [this] { Schritt(); });
    m_takt.start(5);
  }
  Qt::Key m_taste;
  bool listeUeberBox = false;  // a list was open while a box was up

 private:
  void Schritt() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      m_runden = 0;
      m_box = nullptr;
      return;
    }
    if (box != m_box) {
      m_box = box;
      m_gedrueckt = false;
    }
    if (++m_runden > 200) {
      ADD_FAILURE() << "message box not answered by the key: " << box->text().toStdString();
      box->reject();
      return;
    }
    // Pressed once: the box takes its time to show the button going down.
    if (m_gedrueckt) return;
    if (QWidget* liste = QApplication::activePopupWidget()) {
      listeUeberBox = m_gedrueckt = true;
      QTest::keyClick(liste->windowHandle(), m_taste);
    } else if (box->isActiveWindow()) {
      m_gedrueckt = true;
      QTest::keyClick(box->windowHandle(), m_taste);
    }
  }
  QPointer<QMessageBox> m_box;
  bool m_gedrueckt = false;
  QTimer m_takt;
  int m_runden = 0;
};
}  // namespace

TEST_F(Scorekarten, ABoxRaisedOnLeavingAListTakesTheKeysAndTheListWhereTheFocusGoesDropsAfterTheAnswer) {
  Grunddaten();
  Karte("1", "1", "2024-05-01");
  Sql("UPDATE Greenlogs SET Slopeidn = '1' WHERE Scorekartenidn = '1'");
  Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum, LochOption) VALUES ('1', 'Herbstpreis', "
      "'2024-09-01', 1)");
  ASSERT_TRUE(Main());
  StartFenster().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&StartFenster()));
  ZeigeKarte();
  Golfer& f = g();
  {
    auto echt = std::make_unique<EchteMeldungen>();
    m_dlg = echt.get();
    SetzeDialoge(std::move(echt));
  }
  // The list of the box the focus came to drops once the box is answered and the window
  // is back.
  auto offen = [this](QComboBox* c) {
    for (int i = 0; i < 200 && !ListeOffen(c); ++i) QTest::qWait(5);
    return ListeOffen(c);
  };
  auto hinein = [this](QComboBox* c) {
    c->setFocus(Qt::TabFocusReason);
    QTest::qWait(0);
    ASSERT_TRUE(ListeOffen(c)) << c->objectName().toStdString();
    Druecke(Qt::Key_A, Qt::ControlModifier);
  };

  // A tournament not yet there, Tab: the question; No empties the box, the focus is on
  // the tee, and its list drops.
  {
    Tastenantwort nein(Qt::Key_N);
    hinein(f.TurnierNameKarte);
    Druecke("Sommerfest");
    Druecke(Qt::Key_Tab);
    ASSERT_EQ(GezeigteTexte(), QStringList{Meldung(37)});
    EXPECT_FALSE(nein.listeUeberBox);
    EXPECT_TRUE(f.TurnierNameKarte->currentText().isEmpty());
    EXPECT_TRUE(offen(f.Abschlagbezeichnung));
    Druecke(Qt::Key_Escape);
  }
  // A course not yet there, Tab: the question; No sends the focus back to the course,
  // which shows the home club, and its list drops.
  {
    Tastenantwort nein(Qt::Key_N);
    hinein(f.Golfplatznummer);
    Druecke("Zugspitze");
    Druecke(Qt::Key_Tab);
    ASSERT_EQ(GezeigteTexte().size(), 2);
    EXPECT_TRUE(GezeigteTexte().last().startsWith("Zugspitze")) << GezeigteTexte().last().toStdString();
    EXPECT_FALSE(nein.listeUeberBox);
    EXPECT_EQ(f.Golfplatznummer->currentText(), "Achental");
    EXPECT_TRUE(offen(f.Golfplatznummer));
    Druecke(Qt::Key_Escape);
  }
  // A game type not listed, Shift+Tab back to the course: the message; Enter answers it,
  // the game type gets back what it held and the course's list drops.
  {
    Tastenantwort ok(Qt::Key_Return);
    const QString spielart = f.Spielart->currentText();
    hinein(f.Spielart);
    Druecke("Vierer");
    Druecke(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(GezeigteTexte().size(), 3);
    EXPECT_EQ(GezeigteTexte().last(), Meldung(214));
    EXPECT_FALSE(ok.listeUeberBox);
    EXPECT_EQ(f.Spielart->currentText(), spielart);
    EXPECT_TRUE(offen(f.Golfplatznummer));
    Druecke(Qt::Key_Escape);
  }
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Tab_Turnier").toInt(), 1);
  EXPECT_EQ(SqlWert("SELECT COUNT(*) FROM Tab_Golfplatz").toInt(), 2);
  delete StartFensterFallsDa();
}
