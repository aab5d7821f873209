#include "reports/Druckbericht.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "language/widgets/Fenstertexte.h"
#include "platform/Befehlswege.h"
#include "platform/Hauptfenster.h"
#include "platform/widgets/Farben.h"
#include "reports/Druckeinstellungen.h"

namespace {
int px(int twips) { return TwipsZuPixel(twips); }

// The name proposed for the PDF file of each report window.
int dateiname(const QString& bericht) {
  static const std::pair<const char*, int> namen[] = {
      {"rptScorekarte", DATEI_SCOREKARTE},        {"rptAuswertungS1", DATEI_PLATZSTATISTIK},
      {"rptAuswertungS2", DATEI_STATISTIK},       {"rptTurnier", DATEI_TURNIER},
      {"rptScorekarteDruck1", DATEI_BLANKOKARTE}, {"rptScorekarteDruck2", DATEI_SCOREKARTEN}};
  for (const auto& [name, nummer] : namen)
    if (bericht == QLatin1String(name)) return nummer;
  return DATEI_SCOREKARTE;
}
}  // namespace

void SetzeFarbenVB(QWidget* w, long text, long hinter) {
  if (text >= 0) SetzeTextfarbe(w, text);
  if (hinter >= 0) {
    w->setAutoFillBackground(true);
    SetzeHintergrund(w, hinter);
  }
}

Druckbericht::Druckbericht(const QString& name, int breiteTwips, int hoeheTwips)
    : Formular(name), m_breite(breiteTwips), m_hoehe(hoeheTwips) {
  auto* rand = new QVBoxLayout(this);
  rand->setContentsMargins(0, 0, 0, 0);
  m_rolle = new QScrollArea(this);
  m_rolle->setBackgroundRole(QPalette::Dark);
  m_blatt = new QWidget;
  m_blatt->setObjectName(QStringLiteral("Blatt"));
  m_blatt->setFixedSize(px(breiteTwips), px(hoeheTwips));
  m_blatt->setAutoFillBackground(true);
  QPalette p = m_blatt->palette();
  p.setColor(QPalette::Window, Qt::white);
  p.setColor(QPalette::WindowText, Qt::black);
  m_blatt->setPalette(p);
  // Not the frame's dark surround: the page and its labels paint in the page's colours.
  m_blatt->setBackgroundRole(QPalette::Window);
  m_blatt->setForegroundRole(QPalette::WindowText);
  m_rolle->setWidget(m_blatt);
  rand->addWidget(m_rolle);
}

QFont Druckbericht::Schrift(double punkte, bool fett) {
  QFont f(QStringLiteral("Arial"));
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(punkte);
  f.setBold(fett);
  return f;
}

void Druckbericht::Form_Load() {
  // The window opens at the top left, as large as its page (and the frame allows).
  PositioniereForm(this, 0, 0, m_breite + 600, m_hoehe + 600);
  // Only Exit and Print stay on the toolbar; File, Print, Exit and Page setup in the menus.
  HF_SetzeBefehlscodes(Befehlscode::Druckansicht);
  SpeachChange(this);
  try {
    Fuelle();
  } catch (const std::exception& e) {
    // What was copied so far stays; the rest keeps its layout text.
    Fehlerbox(QString::fromUtf8(e.what()));
  }
  PasseTexteEin();
}

void Druckbericht::PasseTexteEin() {
  // A text longer than its label (a long course name, a value with many digits) would lose
  // its ends: a left-aligned one takes the free room to its right first, up to the next
  // thing in its line or the page's edge; what still does not fit is set smaller.
  constexpr double KLEINSTE = 3.0;
  const QList<QWidget*> alle = m_blatt->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (QLabel* l : m_blatt->findChildren<QLabel*>()) {
    if (l->text().isEmpty()) continue;
    QFont f = l->font();
    if (l->wordWrap()) {
      // A wrapping text keeps its width and must fit the label's height.
      const QRect r = l->contentsRect();
      auto hoehe = [&](const QFont& g) {
        return QFontMetricsF(g).boundingRect(QRectF(0, 0, r.width(), 1e6), Qt::TextWordWrap, l->text()).height();
      };
      while (f.pointSizeF() > KLEINSTE && hoehe(f) > r.height())
        f.setPointSizeF(std::max(KLEINSTE, f.pointSizeF() - 0.25));
      if (f != l->font()) l->setFont(f);
      continue;
    }
    const double noetig = QFontMetricsF(f).horizontalAdvance(l->text());
    if (noetig <= l->contentsRect().width()) continue;
    if (l->alignment() & Qt::AlignLeft) {
      int rechts = m_blatt->width() - px(250);
      for (QWidget* w : alle) {
        if (w == l || w->isHidden()) continue;
        const QRect g = w->geometry();
        if (g.left() >= l->geometry().right() && g.top() < l->geometry().bottom() && g.bottom() > l->geometry().top())
          rechts = std::min(rechts, g.left() - px(60));
      }
      const int breite = std::min(rechts - l->x(), int(std::ceil(noetig)) + 2);
      if (breite > l->width()) l->resize(breite, l->height());
    }
    const int platz = l->contentsRect().width();
    while (f.pointSizeF() > KLEINSTE && QFontMetricsF(f).horizontalAdvance(l->text()) > platz)
      f.setPointSizeF(std::max(KLEINSTE, f.pointSizeF() - 0.25));
    if (f != l->font()) l->setFont(f);
  }
}

void Druckbericht::Form_Activate() { AktiveForm = Name(); }

bool Druckbericht::Drucke(int ausrichtung) { return DruckeGanz(m_blatt, ausrichtung, dateiname(Name()), Inhalt()); }

QLabel* Druckbericht::Text(int x, int y, int w, int h, const QString& text, const QFont& schrift,
                           Qt::Alignment ausrichtung) {
  auto* l = new QLabel(text, m_blatt);
  l->setGeometry(px(x), px(y), px(w), px(h));
  l->setFont(schrift);
  l->setAlignment(ausrichtung);
  return l;
}

QCheckBox* Druckbericht::Haken(int x, int y, int w, int h, const QString& text, const QFont& schrift) {
  auto* c = new QCheckBox(text, m_blatt);
  c->setGeometry(px(x), px(y), px(w), px(h));
  c->setFont(schrift);
  c->setTristate(true);
  // The sheet only shows the source's state.
  c->setAttribute(Qt::WA_TransparentForMouseEvents);
  c->setFocusPolicy(Qt::NoFocus);
  return c;
}

void Druckbericht::Linie(int x1, int y1, int x2, int y2, const QColor& farbe) {
  auto* l = new QFrame(m_blatt);
  const int dicke = 1;
  if (y1 == y2)
    l->setGeometry(px(std::min(x1, x2)), px(y1), std::max(dicke, px(std::abs(x2 - x1))), dicke);
  else
    l->setGeometry(px(x1), px(std::min(y1, y2)), dicke, std::max(dicke, px(std::abs(y2 - y1))));
  l->setAutoFillBackground(true);
  QPalette p = l->palette();
  p.setColor(QPalette::Window, farbe);
  l->setPalette(p);
  l->lower();
}
