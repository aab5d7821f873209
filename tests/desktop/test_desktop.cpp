// The program on a real X server with a window manager: each test process starts its own
// Xvfb on a free display and its own openbox, and the windows are driven by X input
// (xdotool), so that the window manager hands the activation and the focus around as on a
// user's desktop. The rest of the suite runs offscreen.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <csignal>

#include "Druckserver.h"
#include "Rundengenerator.h"
#include "TestUmgebung.h"
#include "data/Global.h"
#include "forms/Analyseseite.h"
#include "forms/AuswertungAllgemein.h"
#include "forms/Golfer.h"
#include "forms/SelectWhat.h"
#include "forms/Turnier.h"
#include "forms/frmGrafik.h"
#include "platform/Registry.h"
#include "platform/widgets/Dialoge.h"
#include "platform/widgets/Formular.h"
#include "shell/Main.h"
#include "shell/Start.h"
#include "shell/Suchen.h"

namespace {
QString& ohneX() {
  static QString grund;
  return grund;
}
QString& anzeige() {
  static QString a;
  return a;
}
QProcess* g_xvfb = nullptr;
QProcess* g_wm = nullptr;

bool laeuft(const QString& programm, const QStringList& argumente) {
  QProcess p;
  p.start(programm, argumente);
  return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// An X server on a free display, and openbox on it.
void StarteDesktop() {
  for (const char* p : {"Xvfb", "openbox", "xdotool", "xprop"})
    if (QStandardPaths::findExecutable(QString::fromLatin1(p)).isEmpty()) {
      ohneX() = QStringLiteral("%1 is not installed").arg(QString::fromLatin1(p));
      return;
    }
  // Xvfb picks a free display itself and names it on its output.
  auto* x = new QProcess;
  x->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  x->start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1280x720x24", "-nolisten", "tcp"});
  QByteArray nummer;
  if (x->waitForStarted(5000))
    while (!nummer.contains('\n') && x->waitForReadyRead(10000)) nummer += x->readAllStandardOutput();
  bool ok = false;
  const int n = nummer.trimmed().toInt(&ok);
  if (ok && x->state() == QProcess::Running) {
    g_xvfb = x;
    anzeige() = QStringLiteral(":%1").arg(n);
  } else {
    x->kill();
    x->waitForFinished();
    delete x;
  }
  if (anzeige().isEmpty()) {
    ohneX() = QStringLiteral("Xvfb could not start a display");
    return;
  }
  qputenv("DISPLAY", anzeige().toLatin1());
  g_wm = new QProcess;
  g_wm->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
  g_wm->waitForStarted(3000);
  // openbox is up once it names itself on the root window.
  for (int i = 0; i < 100; ++i) {
    QProcess p;
    p.start(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"});
    p.waitForFinished(2000);
    if (p.readAllStandardOutput().contains("window id")) return;
    if (g_wm->state() != QProcess::Running) break;
    QThread::msleep(30);
  }
  ohneX() = QStringLiteral("openbox did not start on Xvfb");
}

void BeendeDesktop() {
  for (QProcess* p : {g_wm, g_xvfb}) {
    if (!p) continue;
    p->terminate();
    if (!p->waitForFinished(2000)) {
      p->kill();
      p->waitForFinished();
    }
    delete p;
  }
}

class Desktop : public TestUmgebung {
 protected:
  void SetUp() override {
    if (!ohneX().isEmpty()) GTEST_SKIP() << "no X desktop for this test: " << ohneX().toStdString();
    TestUmgebung::SetUp();
    // The rounds of a season, the last in December 2025.
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test_erzeugen");
      db.setDatabaseName(DbPfad());
      ASSERT_TRUE(db.open());
      Generatorauftrag a;
      a.Runden = 40;
      QString fehler;
      ASSERT_TRUE(ErzeugeRunden(db, a, &fehler)) << fehler.toStdString();
      db.close();
    }
    QSqlDatabase::removeDatabase("test_erzeugen");
    // The real message boxes: the window manager activates them, X input answers them.
    SetzeDialoge(std::make_unique<QtDialoge>());
    ASSERT_TRUE(Main());
    start = StartFensterFallsDa();
    ASSERT_TRUE(start);
    ASSERT_TRUE(QTest::qWaitForWindowActive(start, 5000));
    // A fresh database shows the golfer window; the first box, if any, is answered.
    QTest::qWait(300);
  }
  void TearDown() override {
    if (!ohneX().isEmpty()) return;
    // The end stores nothing that needs answering: every window is gone before the data.
    auto still = std::make_unique<SkriptDialoge>();
    still->unbeantwortet = [](const QString&) {};
    SetzeDialoge(std::move(still));
    if (start) start->close();
    QTest::qWait(50);
    ProgrammAufraeumen();
    TestUmgebung::TearDown();
  }

  static void xdotool(const QStringList& argumente) {
    ASSERT_TRUE(laeuft(QStringLiteral("xdotool"), argumente)) << argumente.join(' ').toStdString();
  }
  // A click of the mouse at a point of the screen, then the events it sends.
  static void KlickAuf(QPoint p, int warten = 250) {
    xdotool({"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
    QTest::qWait(warten);
  }
  static void Klick(QWidget* w, int warten = 250) { KlickAuf(w->mapToGlobal(w->rect().center()), warten); }
  static void Taste(const QString& taste, int warten = 250) {
    xdotool({"key", taste});
    QTest::qWait(warten);
  }
  static void Tippe(const QString& text) {
    xdotool({"type", "--delay", "20", text});
    QTest::qWait(150);
  }
  // The close box on the title bar of a window inside the main window.
  static QPoint Schliessfeld(QMdiSubWindow* r) {
    const int titel = r->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, r);
    return r->mapToGlobal(QPoint(r->width() - titel / 2 - 4, titel / 2));
  }
  // The list item `text` of the open list of `liste`, clicked.
  static void WaehleAusListe(QComboBox* liste, const QString& text) {
    const int i = liste->findText(text);
    ASSERT_GE(i, 0) << text.toStdString();
    QAbstractItemView* v = liste->view();
    ASSERT_TRUE(QTest::qWaitFor([v] { return v->isVisible(); }, 5000));
    v->scrollTo(v->model()->index(i, 0));
    QTest::qWait(50);
    const QRect r = v->visualRect(v->model()->index(i, 0));
    KlickAuf(v->viewport()->mapToGlobal(r.center()));
  }
  // Answers the next message box with the button `knopf` by a mouse click, once it is up.
  static void BeantworteMitKlick(QMessageBox::StandardButton knopf) {
    auto* t = new QTimer;
    t->setInterval(50);
    QObject::connect(t, &QTimer::timeout, [t, knopf] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isActiveWindow() || !box->button(knopf)) return;
      t->stop();
      t->deleteLater();
      QAbstractButton* b = box->button(knopf);
      const QPoint p = b->mapToGlobal(b->rect().center());
      QProcess::execute(QStringLiteral("xdotool"),
                        {"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
    });
    t->start();
  }
  // Over all golf courses, December 2025 as a monthly analysis, with the given course
  // chosen from the list first.
  void RechneMonatUeberAllePlaetze() {
    Golfer& g = GolferForm();
    QTabWidget* seiten = g.TabstripGolfer;
    KlickAuf(seiten->tabBar()->mapToGlobal(seiten->tabBar()->tabRect(2).center()));
    ASSERT_EQ(seiten->currentIndex(), 2);
    QComboBox* liste = g.AuswahlGolfplatz;
    const QString erster = liste->itemText(1);
    KlickAuf(liste->mapToGlobal(QPoint(liste->width() - 8, liste->height() / 2)));
    WaehleAusListe(liste, erster);
    ASSERT_EQ(liste->currentText(), erster);
    // A month's record needs one round: set in the settings window, which then closes.
    start->EinstellungenScorekarte->trigger();
    ASSERT_TRUE(QTest::qWaitFor([] { return IstFormGeladen("SelectWhat"); }, 5000));
    QTest::qWait(300);
    SelectWhat& einstellungen = FormInstanz<SelectWhat>();
    Klick(einstellungen.ShowMinMon);
    Taste("ctrl+a", 50);
    Tippe("1");
    Klick(einstellungen.Command1);
    ASSERT_TRUE(QTest::qWaitFor([] { return !IstFormGeladen("SelectWhat"); }, 5000));
    QTest::qWait(300);
    KlickAuf(liste->mapToGlobal(QPoint(liste->width() - 8, liste->height() / 2)));
    WaehleAusListe(liste, liste->itemText(0));
    Analyseseite& a = *g.Analyse;
    Klick(a.MonJahr[1]);
    ASSERT_TRUE(a.MonJahr[1]->isChecked());
    Klick(a.JahrAuswertung);
    Taste("ctrl+a", 50);
    Tippe("2025");
    Klick(a.MonatName[12]);
    ASSERT_TRUE(a.MonatName[12]->isChecked());
    Klick(a.Calc);
    ASSERT_TRUE(QTest::qWaitFor([] { return IstFormGeladen("AuswertungAllgemein"); }, 10000));
    QTest::qWait(300);
  }
  static QMdiSubWindow* Rahmen(const char* name) {
    Formular* f = SucheFormular(QString::fromLatin1(name));
    return f ? f->Rahmen() : nullptr;
  }

  Start* start = nullptr;
};

// The statistics closed by their close box, the new records not stored: the course list
// of the analysis page stays shut, and the next click lands where it was aimed.
TEST_F(Desktop, AfterTheRecordsQuestionTheCourseListStaysShutAndAClickLandsWhereAimed) {
  RechneMonatUeberAllePlaetze();
  BeantworteMitKlick(QMessageBox::No);
  KlickAuf(Schliessfeld(Rahmen("AuswertungAllgemein")), 1000);
  EXPECT_FALSE(IstFormGeladen("AuswertungAllgemein"));
  Golfer& g = GolferForm();
  EXPECT_FALSE(g.AuswahlGolfplatz->view()->isVisible());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  Klick(g.Analyse->AlleDatum);
  EXPECT_TRUE(g.Analyse->AlleDatum->isChecked());
  EXPECT_EQ(g.AuswahlGolfplatz->currentIndex(), 0);
}

// Tab from the tournament's date drops the course list; it covers not the game type box,
// and a click into that box closes the list and lands there, the course kept.
TEST_F(Desktop, AListDroppedByTabLeavesTheNextBoxToTheClick) {
  start->Turnier->trigger();
  ASSERT_TRUE(QTest::qWaitFor([] { return IstFormGeladen("Turnier") && TurnierForm().isVisible(); }, 5000));
  QTest::qWait(300);
  Turnier& t = TurnierForm();
  Klick(t.Datum);
  const QString platz = t.GolfplatzNo->currentText();
  Taste("Tab");
  QAbstractItemView* v = t.GolfplatzNo->view();
  ASSERT_TRUE(QTest::qWaitFor([v] { return v->isVisible(); }, 5000));
  QTest::qWait(200);
  const QRect liste(v->window()->mapToGlobal(QPoint(0, 0)), v->window()->size());
  const QRect spielart(t.SpielartNo->mapToGlobal(QPoint(0, 0)), t.SpielartNo->size());
  EXPECT_FALSE(liste.intersects(spielart));
  Klick(t.SpielartNo, 500);
  EXPECT_FALSE(v->isVisible());
  EXPECT_EQ(t.GolfplatzNo->currentText(), platz);
  // The click went to the game type box, whose own list drops as the focus moves into it.
  EXPECT_TRUE(t.SpielartNo->hasFocus() || t.SpielartNo->view()->isVisible())
      << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "none");
}

// The chart window closed by its close box: the statistics window's close box closes it
// with the first click. Escape closes the search window.
TEST_F(Desktop, TheStatisticsCloseAtTheFirstClickAfterTheChartAndEscapeClosesTheSearch) {
  RechneMonatUeberAllePlaetze();
  start->Grafik->trigger();
  ASSERT_TRUE(QTest::qWaitFor([] { return IstFormGeladen("frmGrafik"); }, 10000));
  QTest::qWait(500);
  KlickAuf(Schliessfeld(Rahmen("frmGrafik")));
  ASSERT_TRUE(QTest::qWaitFor([] { return !IstFormGeladen("frmGrafik"); }, 5000));
  QTest::qWait(300);
  BeantworteMitKlick(QMessageBox::No);
  KlickAuf(Schliessfeld(Rahmen("AuswertungAllgemein")), 1000);
  EXPECT_FALSE(IstFormGeladen("AuswertungAllgemein"));

  QTabWidget* seiten = GolferForm().TabstripGolfer;
  KlickAuf(seiten->tabBar()->mapToGlobal(seiten->tabBar()->tabRect(0).center()));
  start->Find->trigger();
  ASSERT_TRUE(QTest::qWaitFor([] { return IstFormGeladen("frmSuchen"); }, 5000));
  QTest::qWait(400);
  Taste("Escape");
  EXPECT_TRUE(QTest::qWaitFor([] { return !IstFormGeladen("frmSuchen"); }, 3000));
  Taste("Escape", 300);
  EXPECT_FALSE(IstFormGeladen("frmSuchen"));
}
}  // namespace

int main(int argc, char** argv) {
  bool liste = false;
  for (int i = 1; i < argc; ++i)
    if (QByteArray(argv[i]).startsWith("--gtest_list_tests")) liste = true;
  if (!liste) StarteDesktop();
  qputenv("QT_QPA_PLATFORM", ohneX().isEmpty() && !liste ? "xcb" : "offscreen");
  AbgeschirmterDruck();
  int r = 0;
  {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    r = RUN_ALL_TESTS();
    GlobaleObjekteFreigeben();
  }
  BeendeDesktop();
  return r;
}
