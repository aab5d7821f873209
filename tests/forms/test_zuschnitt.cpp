// Captions of the entry windows are shown whole, in German and in English.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "TestUmgebung.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/SelectWhat.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "shell/Start.h"

namespace {

// The captions of `fenster` that do not fit their control, as "name: text".
QStringList Abgeschnitten(QWidget* fenster) {
  QStringList aus;
  auto melde = [&](QWidget* w, const QString& text, int braucht, int hat) {
    if (braucht > hat) aus << QStringLiteral("%1: \"%2\" %3>%4").arg(w->objectName(), text).arg(braucht).arg(hat);
  };
  for (QWidget* w : fenster->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(fenster)) continue;
    const QFontMetrics fm = w->fontMetrics();
    if (auto* l = qobject_cast<QLabel*>(w)) {
      if (l->wordWrap() || l->text().isEmpty() || l->text().contains('\n')) continue;
      melde(l, l->text(), fm.horizontalAdvance(l->text()), l->contentsRect().width());
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      if (b->text().isEmpty()) continue;
      melde(b, b->text(), b->sizeHint().width(), b->width());
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
      melde(g, g->title(), fm.horizontalAdvance(g->title()) + 16, g->width());
    } else if (auto* h = qobject_cast<QHeaderView*>(w)) {
      if (h->orientation() != Qt::Horizontal || h->isHidden()) continue;
      for (int i = 0; i < h->count(); ++i) {
        const QString t = h->model()->headerData(i, Qt::Horizontal).toString();
        if (t.isEmpty() || h->isSectionHidden(i) || h->sectionSize(i) < 30) continue;
        melde(h, t, fm.horizontalAdvance(t) + 8, h->sectionSize(i));
      }
    }
  }
  return aus;
}

class Zuschnitt : public TestUmgebung, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    TestUmgebung::SetUp();
    Sprachnummer = GetParam();
    Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES ('1', 'Achental')");
    Sql("INSERT INTO tab_golfer (Golferidn, Golfername, Heimatclub, \"Aktueller Golfer\") VALUES ('1', 'Anna', '1', "
        "1)");
    Sql("INSERT INTO Tab_Turnier (Turniernummer, Turniername, Datum) VALUES ('1', 'Cup', '2024-05-01')");
    // The windows as the program shows them: inside the main window.
    start = new Start();
    start->show();
  }
  void TearDown() override {
    delete StartFensterFallsDa();
    TestUmgebung::TearDown();
  }
  Start* start = nullptr;
  void Pruefe(QWidget* w) {
    w->show();
    QTest::qWait(20);
    const QStringList aus = Abgeschnitten(w);
    EXPECT_TRUE(aus.isEmpty()) << w->objectName().toStdString() << " " << w->size().width() << "x" << w->size().height()
                               << "\n  " << aus.join("\n  ").toStdString();
  }
};

}  // namespace

TEST_P(Zuschnitt, GolferPages) {
  Golfer& g = GolferForm();
  g.Zeige();
  for (int seite : {0, 1, 2}) {
    g.TabstripGolfer->setCurrentIndex(seite);
    Pruefe(&g);
  }
}

TEST_P(Zuschnitt, CourseEditor) {
  GotoGolfplatz("1");
  Pruefe(&GolfplaetzeForm());
}

TEST_P(Zuschnitt, TournamentEditor) {
  GotoTurnier("LAST");
  Pruefe(&TurnierForm());
}

TEST_P(Zuschnitt, ScorecardSettings) {
  SelectWhatForm().Zeige();
  Pruefe(&SelectWhatForm());
}

INSTANTIATE_TEST_SUITE_P(Sprachen, Zuschnitt, ::testing::Values(1, 2));
