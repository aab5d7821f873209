// A seeded random walk through the program: the main window on a generated database, the
// commands of its menus and toolbar, clicks into the window in front, keys into the field
// with the focus, and every box and dialog answered at random from the same seed. The walk
// holds when nothing crashes or hangs, the database passes its integrity check, no row is
// gone unless a delete question was answered Yes, a new card typed into is stored before it
// leaves the screen or the program ends, and Exit at the end ends the program. A walk in the
// suite takes its steps until it has walked for WEGZEIT, so that a slow build (the
// sanitizers) on a busy machine ends within its time; each run prints its seed and the
// steps it took, and one is replayed alone, all its steps whatever they take, with
//     PW_ZUFALLSGANG=<seed>[:<steps>] build/tests/walk_tests
// (PW_ZUFALLSGANG_PROTOKOLL=1 prints every action as it is done).
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <cstdio>
#include <deque>
#include <map>
#include <random>

#include "Rundengenerator.h"
#include "TestUmgebung.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "language/Sprachumschaltung.h"
#include "platform/widgets/Formular.h"
#include "shell/Main.h"
#include "shell/Modal.h"
#include "shell/Start.h"

namespace {

constexpr int SCHRITTE = 3000;
// The time a walk of the suite takes its steps in (its start and end come on top).
constexpr qint64 WEGZEIT_MS = 50000;
// Seeds that run in the suite (4 prints a tournament sheet that a date box closes meanwhile).
const unsigned STARTWERTE[] = {1, 2, 3, 4};

struct Lauf {
  unsigned startwert;
  int schritte;
  bool mitUhr;  // ends after WEGZEIT_MS should its steps take longer
};

void PrintTo(const Lauf& l, std::ostream* os) { *os << "seed " << l.startwert << ", " << l.schritte << " steps"; }

// The runs of the suite, or the one PW_ZUFALLSGANG names ("seed" or "seed:steps").
std::vector<Lauf> Laeufe() {
  const QString wahl = qEnvironmentVariable("PW_ZUFALLSGANG");
  if (!wahl.isEmpty()) {
    const QStringList teile = wahl.split(':');
    const int schritte = teile.size() > 1 ? teile[1].toInt() : SCHRITTE;
    return {{teile[0].toUInt(), schritte > 0 ? schritte : SCHRITTE, false}};
  }
  std::vector<Lauf> l;
  for (unsigned s : STARTWERTE) l.push_back({s, SCHRITTE, true});
  return l;
}

// Answers every box and dialog at random from the walk's generator, through the queues of
// the scripted layer, and reports each message box with its answer.
class Zufallsdialoge : public SkriptDialoge {
 public:
  Zufallsdialoge(std::mt19937& zufall, const QString& ordner) : m_zufall(zufall), m_ordner(ordner) {}
  std::function<void(const QString& text, int stil, int antwort)> beantwortet;

  int Meldung(const QString& text, int stil, const QString& titel) override {
    EigeneSchleife();
    if (antworten.empty()) antworten.push_back(stil == STIL_FRAGE ? (Wurf(2) ? ANTWORT_JA : ANTWORT_NEIN) : ANTWORT_OK);
    const int a = SkriptDialoge::Meldung(text, stil, titel);
    if (beantwortet) beantwortet(text, stil, a);
    return a;
  }
  QString DateiOeffnen(const QString& titel, const QString& filter, const QString& muster,
                       const QString& start) override {
    EigeneSchleife();
    if (dateien.empty()) dateien.push_back(QString());  // no other database is picked
    return SkriptDialoge::DateiOeffnen(titel, filter, muster, start);
  }
  QString DateiSpeichern(const QString& titel, const QString& filter, const QString& muster,
                         const QString& vorschlag) override {
    EigeneSchleife();
    if (dateien.empty()) dateien.push_back(Wurf(5) ? m_ordner + QStringLiteral("/gang%1.pdf").arg(Wurf(3)) : QString());
    return SkriptDialoge::DateiSpeichern(titel, filter, muster, vorschlag);
  }
  QColor FarbeWaehlen(const QColor& start, const QString& titel) override {
    EigeneSchleife();
    if (farben.empty()) farben.push_back(Wurf(3) ? QColor::fromRgb(m_zufall() & 0xFFFFFF) : QColor());
    return SkriptDialoge::FarbeWaehlen(start, titel);
  }
  bool Bestaetigen(const QString& welcher) override {
    EigeneSchleife();
    if (bestaetigungen.empty()) bestaetigungen.push_back(Wurf(2));
    return SkriptDialoge::Bestaetigen(welcher);
  }
  // Printing goes to a PDF file, never to a printer of the machine.
  bool SeiteEinrichten(QPrinter& p, Druckeinrichtung& e, const DruckdialogTexte& t) override {
    EigeneSchleife();
    if (seiten.empty()) {
      SeitenAntwort a;
      a.ok = Wurf(4) != 0;
      for (long& r : a.raender) r = Wurf(2500);
      a.ausrichtung = Wurf(3);
      a.drucker = t.pdfDatei;
      if (Wurf(2)) a.papier = Wurf(2) ? QPageSize::A4 : QPageSize::Letter;
      seiten.push_back(a);
    }
    return SkriptDialoge::SeiteEinrichten(p, e, t);
  }
  bool DruckerWaehlen(QPrinter& p, Druckeinrichtung& e, const DruckdialogTexte& t) override {
    EigeneSchleife();
    if (druckerwahl.empty()) {
      DruckerAntwort a;
      a.ok = Wurf(4) != 0;
      a.nurAuswahl = Wurf(4) == 0;
      a.ausrichtung = Wurf(3);
      a.drucker = t.pdfDatei;
      a.kopien = Wurf(3);
      druckerwahl.push_back(a);
    }
    return SkriptDialoge::DruckerWaehlen(p, e, t);
  }

  // True while a box or dialog is open; the user acts on nothing else meanwhile.
  bool offen = false;

 private:
  // A real box runs an event loop of its own while it is open: what is due runs meanwhile.
  void EigeneSchleife() {
    offen = true;
    QEventLoop schleife;
    QTimer::singleShot(0, &schleife, &QEventLoop::quit);
    schleife.exec();
    offen = false;
  }
  int Wurf(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_zufall); }
  std::mt19937& m_zufall;
  QString m_ordner;
};

// The offscreen platform's notes on window calls it cannot do, thousands in a walk, are
// left out; every other message passes on.
QtMessageHandler vorigeAusgabe = nullptr;
void Ausgabe(QtMsgType art, const QMessageLogContext& wo, const QString& text) {
  if (art == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support"))) return;
  if (vorigeAusgabe) vorigeAusgabe(art, wo, text);
}

QString Beschreibung(const QObject* o) {
  if (!o) return QStringLiteral("(none)");
  if (auto* r = qobject_cast<const QMdiSubWindow*>(o); r && r->widget()) o = r->widget();
  QString s = QString::fromLatin1(o->metaObject()->className());
  if (!o->objectName().isEmpty()) s += QStringLiteral(" '%1'").arg(o->objectName());
  return s;
}

class Zufallsgang : public TestUmgebung, public ::testing::WithParamInterface<Lauf> {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    auto dlg = std::make_unique<Zufallsdialoge>(m_zufall, Ordner());
    m_zdlg = dlg.get();
    m_dlg = dlg.get();
    m_zdlg->beantwortet = [this](const QString& text, int stil, int antwort) {
      Protokolliere(QStringLiteral("  box '%1' answered %2").arg(text.left(60)).arg(antwort));
      if (stil == STIL_FRAGE && antwort == ANTWORT_JA && m_loeschfragen.contains(text)) m_loeschenBejaht = true;
      for (const QString& anfang : m_endeNichtGespeichert)
        if (text.startsWith(anfang)) m_endeNenntUngespeichertes = true;
    };
    SetzeDialoge(std::move(dlg));
    m_mitProtokoll = !qEnvironmentVariableIsEmpty("PW_ZUFALLSGANG_PROTOKOLL");
    QApplication::setQuitOnLastWindowClosed(false);
    vorigeAusgabe = qInstallMessageHandler(Ausgabe);
    ModalHaken() = [this](Formular& f) {
      Protokolliere(QStringLiteral("modal window %1").arg(f.Name()));
      m_modale.push_back(&f);
    };
  }
  void TearDown() override {
    ModalHaken() = nullptr;
    delete StartFensterFallsDa();
    TestUmgebung::TearDown();
    QApplication::setQuitOnLastWindowClosed(true);
    qInstallMessageHandler(vorigeAusgabe);
  }

  int Wurf(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_zufall); }

  void Protokolliere(const QString& was) {
    const QString zeile = QStringLiteral("%1: %2").arg(m_schritt).arg(was);
    if (m_mitProtokoll) std::fprintf(stderr, "%s\n", qPrintable(zeile));
    m_letzte.push_back(zeile);
    if (m_letzte.size() > 25) m_letzte.pop_front();
  }
  std::string Hergang() const {
    QString s = QStringLiteral("seed %1, step %2 of %3; the last actions:\n")
                    .arg(GetParam().startwert)
                    .arg(m_schritt)
                    .arg(m_schritte);
    for (const QString& z : m_letzte) s += QStringLiteral("  ") + z + QLatin1Char('\n');
    return s.toStdString();
  }

  // The texts of the questions before a delete, in both languages, and the beginning of the
  // box at the program's end that names what could not be stored.
  void LiesLoeschfragen() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("gang_sprache"));
    db.setDatabaseName(Programmordner() + "/" + SPRACHDATEI);
    ASSERT_TRUE(db.open());
    {
      QSqlQuery q(db);
      ASSERT_TRUE(q.exec(
          QStringLiteral("SELECT Deutsch, Englisch FROM MsgSprache WHERE TagNummer IN (35, 46, 51, 52, 126, 129)")));
      while (q.next()) m_loeschfragen << q.value(0).toString() << q.value(1).toString();
      ASSERT_TRUE(q.exec(QStringLiteral("SELECT Deutsch, Englisch FROM MsgSprache WHERE TagNummer = 4781")));
      while (q.next())
        for (int i = 0; i < 2; ++i) m_endeNichtGespeichert << q.value(i).toString().section(QStringLiteral("%1"), 0, 0);
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("gang_sprache"));
    ASSERT_EQ(m_loeschfragen.size(), 12);
    ASSERT_EQ(m_endeNichtGespeichert.size(), 2);
  }

  // Whether the card with this key is stored (a round), not stored yet (a new card never
  // stored), or not there.
  std::optional<bool> KarteGespeichert(const QString& id) {
    std::optional<bool> r;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("gang_karte"));
      db.setDatabaseName(DbPfad());
      if (db.open()) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT HdcpHistorieZustand IS NOT NULL FROM Greenlogs WHERE Scorekartenidn = ?"));
        q.addBindValue(id);
        if (q.exec() && q.next()) r = q.value(0).toInt() == 1;
      }
      db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("gang_karte"));
    return r;
  }

  // A new card, never stored, is followed while it is on screen: typed into (it differs from
  // the card as it came), it must be stored once it is gone from the screen (moved away
  // from, its window closed, the program ended), unless a delete question was answered Yes
  // or the box at the program's end named what was not stored. False (with a failure) when
  // it was lost.
  bool NeueKarteErhalten(bool loeschenBejaht) {
    QString gezeigt;
    Start* s = StartFensterFallsDa();
    if (s && s->isVisible() && FormExistiert<Golfer>()) gezeigt = GolferForm().Kartenschluessel();
    if (m_neueKarte && m_neueKarte->id == gezeigt) {
      m_neueKarte->getippt = !(GolferForm().LiesKarte() == m_neueKarte->wieAngelegt);
      return true;
    }
    bool ok = true;
    if (m_neueKarte && m_neueKarte->getippt && !loeschenBejaht && !m_endeNenntUngespeichertes &&
        KarteGespeichert(m_neueKarte->id) != true) {
      ADD_FAILURE() << "the new card " << m_neueKarte->id.toStdString()
                    << ", typed into, left the screen without being stored; " << Hergang();
      ok = false;
    }
    m_neueKarte.reset();
    if (!gezeigt.isEmpty() && KarteGespeichert(gezeigt) == false)
      m_neueKarte = NeueKarte{gezeigt, GolferForm().LiesKarte(), false};
    return ok;
  }

  // Rows per table, read through a connection of its own that is closed again at once.
  std::map<QString, long long> Zeilen(QString* pruefung = nullptr) {
    std::map<QString, long long> n;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("gang_zaehlen"));
      db.setDatabaseName(DbPfad());
      if (db.open()) {
        QSqlQuery q(db);
        QStringList tabellen;
        if (q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'")))
          while (q.next()) tabellen << q.value(0).toString();
        for (const QString& t : tabellen)
          if (q.exec(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(t)) && q.next()) n[t] = q.value(0).toLongLong();
        // A new card never stored is no round yet: left untouched, it goes unasked.
        if (q.exec(QStringLiteral("SELECT COUNT(*) FROM Greenlogs WHERE HdcpHistorieZustand IS NOT NULL")) && q.next())
          n[QStringLiteral("Greenlogs")] = q.value(0).toLongLong();
        if (pruefung && q.exec(QStringLiteral("PRAGMA integrity_check"))) {
          QStringList l;
          while (q.next()) l << q.value(0).toString();
          *pruefung = l.join(QLatin1Char('\n'));
        }
      }
      db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("gang_zaehlen"));
    return n;
  }

  // False (with a failure) when a table lost rows since the last look and no delete
  // question was answered Yes meanwhile.
  bool ZeilenErhalten() {
    const auto jetzt = Zeilen();
    const bool bejaht = m_loeschenBejaht;
    m_loeschenBejaht = false;
    bool ok = NeueKarteErhalten(bejaht);
    m_endeNenntUngespeichertes = false;
    for (const auto& [tabelle, vorher] : m_zeilen) {
      const auto it = jetzt.find(tabelle);
      const long long nachher = it == jetzt.end() ? 0 : it->second;
      if (nachher < vorher && !bejaht) {
        ADD_FAILURE() << "table " << tabelle.toStdString() << " lost " << (vorher - nachher)
                      << " rows without a delete question answered Yes; " << Hergang();
        ok = false;
      }
    }
    m_zeilen = jetzt;
    return ok;
  }

  static bool Offen(const QPointer<Formular>& f) {
    return f && GeladeneFormulare().contains(f.data()) && f->isVisible();
  }

  // The window the user's clicks and keys reach: an open pop-up, the modal window, else the
  // working window in front (the main window when there is none).
  QWidget* Vorne(Formular* modal) const {
    if (QWidget* p = QApplication::activePopupWidget()) return p;
    if (modal) return modal;
    Start* s = StartFensterFallsDa();
    if (!s) return nullptr;
    if (QMdiSubWindow* r = s->Mdi->currentSubWindow(); r && r->isVisible()) return r;
    return s;
  }

  // The menu items and toolbar buttons the user can reach now.
  QList<QAction*> Befehle() const {
    QList<QAction*> l;
    Start* s = StartFensterFallsDa();
    if (!s || !s->isVisible()) return l;
    std::function<void(const QList<QAction*>&)> sammle = [&](const QList<QAction*>& punkte) {
      for (QAction* a : punkte) {
        if (a->isSeparator() || !a->isVisible() || !a->isEnabled()) continue;
        if (QMenu* m = a->menu<QMenu*>())
          sammle(m->actions());
        else
          l << a;
      }
    };
    if (s->menuBar()->isEnabled()) sammle(s->menuBar()->actions());
    if (s->GolferBar1->isEnabled() && s->GolferBar1->isVisible()) sammle(s->GolferBar1->actions());
    return l;
  }

  void Befehl() {
    const QList<QAction*> l = Befehle();
    if (l.isEmpty()) return;
    QAction* a = l[Wurf(l.size())];
    Protokolliere(QStringLiteral("command %1 (%2)").arg(a->objectName(), a->text()));
    a->trigger();
  }

  void Klick(Formular* modal) {
    QWidget* vorne = Vorne(modal);
    if (!vorne) return;
    // Now and then into another working window, which comes to the front with the click.
    if (Start* s = StartFensterFallsDa();
        s && vorne == Vorne(nullptr) && !QApplication::activePopupWidget() && Wurf(5) == 0) {
      const QList<QMdiSubWindow*> fenster = s->Mdi->subWindowList();
      if (!fenster.isEmpty()) vorne = fenster[Wurf(fenster.size())];
    }
    QList<QWidget*> ziele{vorne};
    for (QWidget* w : vorne->findChildren<QWidget*>())
      if (w->isVisible() && w->isEnabled() && w->width() > 0 && w->height() > 0) ziele << w;
    QPointer<QWidget> w = ziele[Wurf(ziele.size())];
    const QPoint p(Wurf(std::max(1, w->width())), Wurf(std::max(1, w->height())));
    const int art = Wurf(10);
    const Qt::MouseButton knopf = art == 9 ? Qt::RightButton : Qt::LeftButton;
    Protokolliere(QStringLiteral("%1 %2 in %3 at %4,%5")
                      .arg(art == 8   ? "double click"
                           : art == 9 ? "right click"
                                      : "click",
                           Beschreibung(w), Beschreibung(vorne))
                      .arg(p.x())
                      .arg(p.y()));
    // Press and release each go to the widget if it is still there, as the window system's would.
    QTest::mousePress(w, knopf, Qt::NoModifier, p);
    if (w) QTest::mouseRelease(w, knopf, Qt::NoModifier, p);
    if (art == 8 && w) {
      m_zweiterKlick = w;
      m_klickpunkt = p;
    }
  }

  void Taste(Formular* modal) {
    QWidget* vorne = Vorne(modal);
    if (!vorne) return;
    QWidget* fokus = QApplication::focusWidget();
    if (!fokus || (fokus != vorne && !vorne->isAncestorOf(fokus)))
      fokus = vorne->focusWidget() ? vorne->focusWidget() : vorne;
    static const Qt::Key TASTEN[] = {Qt::Key_Tab,       Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape,
                                     Qt::Key_Left,      Qt::Key_Right,   Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Delete,
                                     Qt::Key_Backspace, Qt::Key_Space,   Qt::Key_Home,   Qt::Key_End};
    static const char ZEICHEN[] = "0123456789012345678901234567890123456789abcdefghijklmnopqrstuvwxyzAEIOUXZ.,-";
    QPointer<QWidget> w = fokus;
    if (Wurf(2)) {
      const char c = ZEICHEN[Wurf(sizeof(ZEICHEN) - 1)];
      Protokolliere(
          QStringLiteral("key '%1' into %2 in %3").arg(QChar::fromLatin1(c), Beschreibung(w), Beschreibung(vorne)));
      QTest::keyPress(w, c);
      QWidget* los = w ? w.data() : QApplication::focusWidget();
      if (los) QTest::keyRelease(los, c);
    } else {
      const Qt::Key k = TASTEN[Wurf(std::size(TASTEN))];
      const Qt::KeyboardModifiers m = k == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
      Protokolliere(
          QStringLiteral("key %1 into %2 in %3").arg(QKeySequence(k).toString(), Beschreibung(w), Beschreibung(vorne)));
      QTest::keyPress(w, k, m);
      QWidget* los = w ? w.data() : QApplication::focusWidget();
      if (los) QTest::keyRelease(los, k, m);
    }
  }

  // The modal window in front, if one is open.
  Formular* Modal() {
    while (!m_modale.empty() && !Offen(m_modale.back())) m_modale.pop_back();
    return m_modale.empty() ? nullptr : m_modale.back().data();
  }

  // One action of the user; inside a modal window only that window (and its pop-ups)
  // takes input. Now and then the user closes the modal window.
  void Schritt() {
    ++m_schritt;
    Formular* modal = Modal();
    if (m_zweiterKlick) {
      // The second click of a double click, after the first was handled.
      const QPointer<QWidget> w = m_zweiterKlick;
      m_zweiterKlick = nullptr;
      if (w && w->isVisible()) {
        Protokolliere(QStringLiteral("second click of the double click"));
        QMouseEvent doppelt(QEvent::MouseButtonDblClick, QPointF(m_klickpunkt), w->mapToGlobal(QPointF(m_klickpunkt)),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &doppelt);
        if (w) QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, m_klickpunkt);
        return;
      }
    }
    const int w = Wurf(100);
    if (!modal && !QApplication::activePopupWidget() && w < 15) {
      Befehl();
    } else if (modal && w < 8) {
      Protokolliere(QStringLiteral("close %1").arg(modal->Name()));
      modal->Schliessen();
    } else if (w < 55) {
      Klick(modal);
    } else if (w < 98) {
      Taste(modal);
    } else {
      Protokolliere(QStringLiteral("wait"));
      QThread::msleep(20);
    }
  }

  // Each step runs from the event loop, as the user's input does, so that what a step
  // leaves for later (deferred calls, windows deleted later) runs between the steps; a
  // step that opens a modal window goes on inside that window's own loop. When the steps
  // are done, the modal windows still open are closed (one that refuses goes all the same).
  void Gehe() {
    QEventLoop schleife;
    int laufend = 0;
    // Each tick is a timer of its own, so that one fires inside the loop of a modal window
    // that the step before opened.
    std::function<void()> takt;
    auto weiter = [&](int ms) { QTimer::singleShot(ms, &schleife, [&takt] { takt(); }); };
    takt = [&] {
      if (m_zdlg->offen) return weiter(0);
      Modal();
      if (laufend > int(m_modale.size())) return weiter(0);  // a step is under way
      if (m_schritt < m_schritte && GetParam().mitUhr && m_uhr.elapsed() > WEGZEIT_MS) {
        std::fprintf(stderr, "random walk: seed %u walked its time after %d steps (replay: PW_ZUFALLSGANG=%u:%d)\n",
                     GetParam().startwert, m_schritt, GetParam().startwert, m_schritt);
        m_schritte = m_schritt;
      }
      if (m_schritt >= m_schritte || m_abbruch) {
        if (Formular* modal = Modal()) {
          Protokolliere(QStringLiteral("close %1 at the end").arg(modal->Name()));
          QPointer<Formular> f(modal);
          weiter(0);
          f->Schliessen();
          if (Offen(f)) delete f.data();
          return;
        }
        if (laufend != 0) return weiter(0);
        // The user ends the program with Exit, one level at a time.
        if (!m_abbruch && !Beendet()) return weiter(0);
        return schleife.quit();
      }
      ++laufend;
      weiter(0);
      Schritt();
      --laufend;
      if (laufend > 0) return;
      if (!ZeilenErhalten()) m_abbruch = true;
      Start* s = StartFensterFallsDa();
      if ((!s || !s->isVisible()) && !Starte()) m_abbruch = true;
    };
    m_uhr.start();
    weiter(0);
    schleife.exec();
  }

  // One Exit at the end of the walk; true once the program has ended. When Exit after Exit
  // leaves it open (a window keeps an entry to be corrected), the main window is closed,
  // and the program must end then.
  bool Beendet() {
    Start* s = StartFensterFallsDa();
    if (!s || !s->isVisible()) return true;
    ++m_schritt;
    if (++m_exits > 8) {
      // A window left by Exit keeps an entry to be corrected: the user closes the program.
      Protokolliere(QStringLiteral("close the main window"));
      s->close();
      if (s->isVisible())
        ADD_FAILURE() << "the program did not end; windows open:" << OffeneFenster() << "; " << Hergang();
      return true;
    }
    // A course left without a name keeps the program open, asking for one: the user names it.
    if (m_exits > 1 && IstFormGeladen(QStringLiteral("Golfplätze")) &&
        GolfplaetzeForm().Golfplatzname->text().trimmed().isEmpty()) {
      Protokolliere(QStringLiteral("name the course"));
      QTest::keyClicks(GolfplaetzeForm().Golfplatzname, QStringLiteral("Gang"));
    }
    Protokolliere(QStringLiteral("command Exit to end the program"));
    s->Exit->trigger();
    if (!ZeilenErhalten()) m_abbruch = true;
    return false;
  }
  static std::string OffeneFenster() {
    std::string l;
    for (Formular* f : GeladeneFormulare()) l += " " + f->Name().toStdString();
    return l;
  }

  // The program as it starts anew after it was ended: a fresh process in all but name.
  bool Starte() {
    GlobaleObjekteFreigeben();
    GlobaleZuruecksetzen();
    Protokolliere(QStringLiteral("start"));
    if (!Main()) {
      ADD_FAILURE() << "the program did not start again; " << Hergang();
      return false;
    }
    return true;
  }

  struct NeueKarte {
    QString id;
    Scorekarte wieAngelegt;
    bool getippt;
  };

  std::mt19937 m_zufall;
  Zufallsdialoge* m_zdlg = nullptr;
  QStringList m_loeschfragen;
  bool m_loeschenBejaht = false;
  QStringList m_endeNichtGespeichert;
  bool m_endeNenntUngespeichertes = false;
  std::optional<NeueKarte> m_neueKarte;
  QElapsedTimer m_uhr;
  std::map<QString, long long> m_zeilen;
  std::deque<QString> m_letzte;
  bool m_mitProtokoll = false;
  int m_schritt = 0;
  int m_schritte = 0;
  int m_exits = 0;
  bool m_abbruch = false;
  std::vector<QPointer<Formular>> m_modale;
  QPointer<QWidget> m_zweiterKlick;
  QPoint m_klickpunkt;
};

}  // namespace

TEST_P(Zufallsgang, NothingCrashesHangsOrLosesRowsUnasked) {
  const Lauf lauf = GetParam();
  std::fprintf(stderr, "random walk: seed %u, up to %d steps%s (replay alone: PW_ZUFALLSGANG=%u:<steps>)\n",
               lauf.startwert, lauf.schritte, lauf.mitUhr ? " within its time" : "", lauf.startwert);
  m_zufall.seed(lauf.startwert);
  m_schritte = lauf.schritte;
  LiesLoeschfragen();
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("gang_generator"));
    db.setDatabaseName(DbPfad());
    ASSERT_TRUE(db.open());
    Generatorauftrag a;
    a.Runden = 300;
    a.Plaetze = 6;
    a.Startwert = lauf.startwert;
    QString fehler;
    ASSERT_TRUE(ErzeugeRunden(db, a, &fehler)) << fehler.toStdString();
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("gang_generator"));
  m_zeilen = Zeilen();
  ASSERT_GT(m_zeilen["Greenlogs"], 0);

  ASSERT_TRUE(Starte());
  Gehe();
  GlobaleObjekteFreigeben();
  QString pruefung;
  Zeilen(&pruefung);
  EXPECT_EQ(pruefung, "ok") << Hergang();
  std::fprintf(stderr, "random walk: seed %u, %d steps in %.1f s\n", lauf.startwert, m_schritt,
               double(m_uhr.elapsed()) / 1000.0);
}

INSTANTIATE_TEST_SUITE_P(Startwerte, Zufallsgang, ::testing::ValuesIn(Laeufe()),
                         [](const ::testing::TestParamInfo<Lauf>& i) {
                           return "Seed" + std::to_string(i.param.startwert);
                         });
