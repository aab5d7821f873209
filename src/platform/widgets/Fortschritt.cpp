#include "platform/widgets/Fortschritt.h"

#include "platform/widgets/Drucker.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScopedValueRollback>
#include <cmath>

#include "platform/Global.h"
#include "platform/Hauptfenster.h"
#include "platform/widgets/Farben.h"

namespace {
const QString NAME = QStringLiteral("frmPBar1");
bool g_pumpt = false;

// The caption of the window.
constexpr int TEXT_TITEL = 148;

void befehlsflaechen(bool an) { HF_SchalteBefehle(an); }

// Drops the user's input outside the progress window while an update lets events run.
class Eingabesperre : public QObject {
 public:
  explicit Eingabesperre(QWidget* erlaubt) : m_erlaubt(erlaubt) { qApp->installEventFilter(this); }
  ~Eingabesperre() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* o, QEvent* e) override {
    switch (e->type()) {
      case QEvent::Shortcut:
      case QEvent::ShortcutOverride: return true;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TabletPress: {
        if (!o->isWidgetType()) return false;  // the window system's own level passes it on
        auto* w = static_cast<QWidget*>(o);
        return !(m_erlaubt && (w == m_erlaubt || m_erlaubt->isAncestorOf(w)));
      }
      default: return false;
    }
  }

 private:
  QPointer<QWidget> m_erlaubt;
};

// Lets pending events run; the user's input reaches only `erlaubt` (none without).
void lasseEreignisseLaufen(QWidget* erlaubt) {
  Eingabesperre sperre(erlaubt);
  const QScopedValueRollback<bool> pumpt(g_pumpt, true);
  QCoreApplication::processEvents();
}
}  // namespace

// ---------------------------------------------------------------------------------------

ZantroProgress::ZantroProgress(QWidget* parent) : QProgressBar(parent) {
  setRange(0, 100);
  setValue(0);
  setTextVisible(true);
  setAlignment(Qt::AlignCenter);
  setStyleSheet(QStringLiteral(
      "QProgressBar { background-color: #c0c0c0; border: 1px solid #808080; color: #ffffff; font-weight: bold; }"
      "QProgressBar::chunk { background-color: #000080; }"));
}

void ZantroProgress::SetzeActValue(double prozent) {
  m_wert = prozent;
  const double gezeigt = std::isfinite(prozent) ? qBound(0.0, prozent, 100.0) : 0.0;
  setValue(int(std::lround(gezeigt)));
  update();
}

QString ZantroProgress::text() const {
  const long gezeigt = std::isfinite(m_wert) ? std::lround(qBound(0.0, m_wert, 100.0)) : 0;
  return (Sprachnummer == 1 ? QStringLiteral("%1 %") : QStringLiteral("%1%")).arg(gezeigt);
}

frmPBar1::frmPBar1() : Formular(NAME) {
  auto px = TwipsZuPixel;
  ZantroProgressbar1 = new ZantroProgress(this);
  ZantroProgressbar1->setObjectName(QStringLiteral("ZantroProgressbar1"));
  ZantroProgressbar1->setGeometry(px(240), px(120), px(4095), px(495));
  Textfeld1 = new QLabel(this);
  Textfeld1->setObjectName(QStringLiteral("Textfeld1"));
  Textfeld1->setGeometry(px(240), px(840), px(4095), px(495));
  Textfeld1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Textfeld1->setWordWrap(true);
  SetzeTitel(QStringLiteral("Aktionsverlauf"));
}

frmPBar1::~frmPBar1() { befehlsflaechen(true); }

void frmPBar1::Form_Load() {
  MitFehlerfalle([this] {
    const QString titel = NummerText(TEXT_TITEL);
    SetzeFarben(this);
    SetzeTitel(titel);
    befehlsflaechen(false);
  });
}

bool frmPBar1::Form_Unload() {
  if (g_pumpt) return false;
  befehlsflaechen(true);
  return true;
}

// ---------------------------------------------------------------------------------------

double ZeigeProgressBar(int Nummer, double Wert, long Anzahl, const QString& Text, int Links, int Oben, int Breite,
                        int Hoehe, double, long, double, long) {
  if (Nummer != 1) return 0;
  double prozent = 0;
  MitFehlerfalle([&] {
    const bool neu = !IstFormGeladen(NAME);
    if (neu) {
      // A window the user closed may still wait for its deletion: it goes now.
      frmPBar1& alt = FormInstanz<frmPBar1>();
      if (!IstFormGeladen(NAME)) delete (alt.Rahmen() ? static_cast<QWidget*>(alt.Rahmen()) : &alt);
    }
    frmPBar1& f = FormInstanz<frmPBar1>();
    if (neu) {
      f.Zeige();
      if (QMdiSubWindow* r = f.Rahmen())
        r->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
      f.Zeige();
      PositioniereForm(&f, Links, Oben, Breite, Hoehe);
    }
    if (Anzahl == 0) {
      Fehlerbox(Fehlerbeschreibung(TEXT_DIVISION_DURCH_NULL));
      return;
    }
    const double p = Wert / double(Anzahl) * 100.0;
    f.ZantroProgressbar1->setProperty("ActValue", p);
    if (f.Textfeld1->text().isEmpty()) f.Textfeld1->setText(Text);
    lasseEreignisseLaufen(f.Rahmen() ? static_cast<QWidget*>(f.Rahmen()) : static_cast<QWidget*>(&f));
    prozent = p;
  });
  return prozent;
}

void BeendeProgressBar(int Nummer) {
  if (Nummer != 1) return;
  MitFehlerfalle([] {
    Formular* f = SucheFormular(NAME);
    if (!f) return;
    if (auto* p = qobject_cast<frmPBar1*>(f)) p->Textfeld1->clear();
    QPointer<QWidget> weg = f->Rahmen() ? static_cast<QWidget*>(f->Rahmen()) : static_cast<QWidget*>(f);
    // Closed and gone at once, so that the next computation opens a fresh window.
    if (f->Schliessen()) delete weg;
  });
}

Fortschrittsanzeige::Fortschrittsanzeige() { m_uhr.start(); }

Fortschrittsanzeige::~Fortschrittsanzeige() { BeendeProgressBar(1); }

void Fortschrittsanzeige::Zeige(double Wert, long Anzahl, const QString& Text) {
  const qint64 jetzt = m_uhr.elapsed();
  if (!m_offen && jetzt < FORTSCHRITT_AB_MS) {
    if (m_gepumpt >= 0 && jetzt - m_gepumpt < FORTSCHRITT_TAKT_MS) return;
    m_gepumpt = jetzt;
    MitFehlerfalle([] { lasseEreignisseLaufen(nullptr); });
    return;
  }
  m_offen = true;
  ZeigeProgressBar(1, Wert, Anzahl, Text, 3000, 4000, 5100, 1800);
}

bool BefehleGesperrt() { return g_pumpt || IstFormGeladen(NAME) || DruckLaeuft(); }
bool FortschrittPumpt() { return g_pumpt; }
