// Window registry, closing by name, one instance per window, Enter as Tab.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>

#include "TestUmgebung.h"
#include "platform/widgets/Eintragsbinder.h"
#include "platform/widgets/Formular.h"

namespace {
class Probe : public Formular {
 public:
  Probe() : Formular("Probe") {}
  bool darfZu = true;
  int geladen = 0;

 protected:
  void Form_Load() override { ++geladen; }
  bool Form_Unload() override { return darfZu; }
};

class Eingabe : public Formular {
 public:
  Eingabe() : Formular("Eingabe") {
    auto* l = new QVBoxLayout(this);
    for (QWidget* w :
         {static_cast<QWidget*>(eins = new QLineEdit(this)), static_cast<QWidget*>(text = new QPlainTextEdit(this)),
          static_cast<QWidget*>(haken = new QCheckBox("x", this)), static_cast<QWidget*>(zwei = new QLineEdit(this))}) {
      l->addWidget(w);
      w->installEventFilter(this);
    }
  }
  QLineEdit* eins;
  QPlainTextEdit* text;
  QCheckBox* haken;
  QLineEdit* zwei;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::KeyPress && EnterAlsTab(o, static_cast<QKeyEvent*>(e))) return true;
    return Formular::eventFilter(o, e);
  }
};

using Fensterverwaltung = TestUmgebung;
}  // namespace

TEST_F(Fensterverwaltung, LoadedWindowsByExactName) {
  EXPECT_FALSE(IstFormGeladen("Probe"));
  EXPECT_FALSE(FormExistiert<Probe>());
  Probe& p = FormInstanz<Probe>();
  EXPECT_EQ(p.geladen, 1);
  EXPECT_TRUE(IstFormGeladen("Probe"));
  EXPECT_FALSE(IstFormGeladen("probe"));
  EXPECT_FALSE(IstFormGeladen(""));
  EXPECT_EQ(&FormInstanz<Probe>(), &p);
  EXPECT_EQ(p.geladen, 1);
  p.Zeige();
  // A refused close keeps the window.
  p.darfZu = false;
  EntladeForm("Probe");
  EXPECT_TRUE(IstFormGeladen("Probe"));
  p.darfZu = true;
  EntladeForm("Probe");
  EXPECT_FALSE(IstFormGeladen("Probe"));
  // The closed window is never handed out again, even before it is deleted.
  Probe& neu = FormInstanz<Probe>();
  EXPECT_NE(&neu, &p);
  EXPECT_EQ(neu.geladen, 1);
  EntladeForm("Gibtsnicht");
}

TEST_F(Fensterverwaltung, EnterMovesOnLikeTabExceptInMultiLineBoxes) {
  Eingabe& f = FormInstanz<Eingabe>();
  f.Zeige();
  QApplication::setActiveWindow(&f);
  f.eins->setFocus();
  QTest::keyClick(f.eins, Qt::Key_Return);
  EXPECT_TRUE(f.text->hasFocus());
  QTest::keyClick(f.text, Qt::Key_Return);
  EXPECT_TRUE(f.text->hasFocus());
  EXPECT_EQ(f.text->toPlainText(), "\n");
  f.haken->setFocus();
  QTest::keyClick(f.haken, Qt::Key_Return);
  EXPECT_TRUE(f.zwei->hasFocus());
}

// An entry bound to its box: a refused entry gets back what its box held before the typing,
// also after an earlier typing was taken; one whose policy keeps the refused text keeps it
// until it is taken; a value the program cannot read is written only once typed over.
TEST_F(Fensterverwaltung, ARefusedEntryGetsBackWhatItsBoxHeldBeforeTheTyping) {
  Eingabe& f = FormInstanz<Eingabe>();
  f.Zeige();
  QApplication::setActiveWindow(&f);
  Eintragsbinder binder;
  Eintrag loch, datum(Eintrag::BeiAblehnung::TextBleibt);
  binder.Binde(f.eins, &loch);
  binder.Binde(f.zwei, &datum);
  binder.Lade(f.eins, 5, "5");
  binder.Lade(f.zwei, "2025-12-32", "32.12.2025");
  EXPECT_FALSE(loch.ZuSchreiben());

  auto tippe = [](QLineEdit* feld, const char* text) {
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(feld, text);
  };
  tippe(f.eins, "6");
  binder.Annehmen(f.eins);
  f.zwei->setFocus();
  tippe(f.eins, "0");
  f.zwei->setFocus();
  // Judged once the focus is in the next box: still the 6, not the stored 5.
  binder.Ablehnen(f.eins);
  EXPECT_EQ(f.eins->text(), "6");
  EXPECT_TRUE(loch.ZuSchreiben());
  EXPECT_EQ(loch.WieGeladen(), 5);

  tippe(f.zwei, "31.13.2025");
  binder.Ablehnen(f.zwei);
  EXPECT_EQ(f.zwei->text(), "31.13.2025");
  EXPECT_TRUE(datum.IstAbgelehnt());
  // Typed over again and refused again: what it held before the typing is still the stored.
  f.eins->setFocus();
  tippe(f.zwei, "3");
  EXPECT_EQ(datum.TextVorEingabe(), "32.12.2025");
  tippe(f.zwei, "32.12.2025");
  EXPECT_FALSE(datum.ZuSchreiben());
  binder.Annehmen(f.zwei);
  EXPECT_FALSE(datum.IstAbgelehnt());
}
