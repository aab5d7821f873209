#include "forms/Auswertungsfenster.h"

#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiSubWindow>
#include <QStyle>

#include "data/Aenderungen.h"
#include "data/DBGKlasse.h"
#include "data/Dateiwechsel.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "forms/Steuerelemente.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Hauptfenster.h"
#include "platform/widgets/Farben.h"
#include "platform/widgets/Fortschritt.h"

namespace {

constexpr int MELDUNG_REKORDE_SPEICHERN = 25;

constexpr int ZELLENHOEHE = 285;
constexpr long FARBE_ZEICHEN = 0xE0E0E0;

// Twips as pixels.
int px(int twips) { return TwipsZuPixel(twips); }

}  // namespace

Auswertungsfenster::Auswertungsfenster(const QString& name, Statistikart art)
    : Formular(name), m_art(art), m_tabelle(LeereStatistiktabelle(art)), m_anzeige(WerteAnzeige(m_tabelle)) {
  SetzeTitel(QStringLiteral("Golfer"));
  setMinimumSize(px(15300) - 20, px(10050) - 60);
}

const Steuerfeld<QLabel>& Auswertungsfenster::Zellen(const QString& name) const {
  static const Steuerfeld<QLabel> leer;
  auto it = m_zellen.find(name);
  return it == m_zellen.end() ? leer : *it;
}

QLabel* Auswertungsfenster::NeueZelle(const QString& name, int index, int links, int oben, int breite) {
  QLabel* l = NeuesLabel(this, Feldname(name, index), QString());
  l->setAlignment(Qt::AlignCenter);
  l->setFrameShape(QFrame::Box);
  l->setMargin(0);
  // One font for every cell: the largest that shows the widest value a cell can hold
  // ("100,00", a share of all holes) inside the frame of the narrowest cell.
  if (m_schmalsteZelle == 0 || breite < m_schmalsteZelle) {
    m_schmalsteZelle = breite;
    QFont f(QStringLiteral("Sans Serif"), 8);
    f.setBold(true);
    const auto breiteste = [](const QFont& s) {
      const QFontMetrics m(s);
      return std::max(m.horizontalAdvance(QStringLiteral("100,00")), m.horizontalAdvance(QStringLiteral("100.00")));
    };
    while (f.pointSize() > 5 && breiteste(f) > px(breite) - 2) f.setPointSize(f.pointSize() - 1);
    m_zellenschrift = f;
    for (const auto& feld : m_zellen)
      for (const auto& [i, z] : feld) z->setFont(f);
  }
  l->setFont(m_zellenschrift);
  l->setGeometry(px(links), px(oben), px(breite), px(ZELLENHOEHE));
  l->setAutoFillBackground(true);
  SetzeHintergrund(l, FARBE_ZELLE);
  l->setProperty("Tag", QStringLiteral("0"));
  m_zellen[name].Setze(index, l);
  return l;
}

QLabel* Auswertungsfenster::NeueUeberschrift(const QString& name, const QString& text, int tag, int links, int oben,
                                             int breite, int hoehe) {
  QLabel* l = NeuesLabel(this, name, text, tag);
  QFont f(QStringLiteral("Sans Serif"), 9);
  f.setBold(true);
  l->setFont(f);
  l->setGeometry(px(links), px(oben), px(breite), px(hoehe));
  return l;
}

QLabel* Auswertungsfenster::NeuesZeichen(const QString& name, const QString& text, int links, int oben,
                                         bool durchschnitt) {
  QLabel* l = NeuesLabel(this, name, durchschnitt ? QStringLiteral("Ø") : text);
  l->setAlignment(Qt::AlignCenter);
  l->setGeometry(px(links), px(oben), px(195), px(ZELLENHOEHE));
  l->setAutoFillBackground(true);
  SetzeHintergrund(l, FARBE_ZEICHEN);
  return l;
}

void Auswertungsfenster::OrdneKopfUndRahmen() {
  QLabel* rundenText = Label30;
  QLabel* vwText = Label29;
  const int abstand = 6;
  rundenText->resize(rundenText->sizeHint().width(), rundenText->height());
  Rundenzahl->move(rundenText->geometry().right() + abstand, rundenText->y());
  Rundenzahl->resize(px(900), rundenText->height());
  vwText->resize(vwText->sizeHint().width(), vwText->height());
  VW_chek->move(vwText->geometry().right() + abstand, vwText->y() + (vwText->height() - VW_chek->height()) / 2);
  int unten = 0;
  for (const auto& feld : m_zellen)
    for (const auto& [i, z] : feld) unten = std::max(unten, z->geometry().bottom());
  if (QMdiSubWindow* rahmen = Rahmen()) {
    const int rand = rahmen->height() - rahmen->contentsRect().height() + px(150);
    if (rahmen->height() < unten + rand) rahmen->resize(rahmen->width(), unten + rand);
  } else if (QRect platz = property("Platz").toRect(); platz.isValid()) {
    // Not framed yet: the place the frame will take, title bar and borders included.
    const int rand = style()->pixelMetric(QStyle::PM_TitleBarHeight) +
                     2 * style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth) + px(150);
    if (platz.height() < unten + rand) {
      platz.setHeight(unten + rand);
      setProperty("Platz", platz);
    }
  }
}

void Auswertungsfenster::SetzeNamen(const QString& golfer, const QString& platz) {
  m_kopf.Golfername = golfer;
  m_kopf.Platzname = platz;
  SetzeGekuerzt(Golfername, golfer);
  SetzeGekuerzt(PlatzName, platz);
}

void Auswertungsfenster::FolgeAenderungen() {
  connect(&Aenderungen(), &Aenderungsmelder::Umbenannt, this,
          [this](Datensatzart art, const QString& idn, const QString& alterName, const QString& neuerName) {
            if (art == Datensatzart::Golfer && idn == Golferidn && m_kopf.Golfername == alterName)
              SetzeNamen(neuerName, m_kopf.Platzname);
            if (art == Datensatzart::Golfplatz && idn == Auswahl().GolfplatzIdn && m_kopf.Platzname == alterName)
              SetzeNamen(m_kopf.Golfername, neuerName);
          });
}

void Auswertungsfenster::SetzeVorgabewirksam(bool an) {
  m_kopf.Vorgabewirksam = an;
  VW_chek->setChecked(an);
}

void Auswertungsfenster::SetzeRundenzahl(int runden) {
  m_kopf.Runden = QString::number(runden);
  Rundenzahl->setText(m_kopf.Runden);
}

void Auswertungsfenster::Zeichne(const Anzeige& a) {
  m_anzeige = a;
  for (auto it = a.Zeilen.begin(); it != a.Zeilen.end(); ++it) {
    const Steuerfeld<QLabel>& zellen = Zellen(it.key());
    for (int c = 1; c < it.value().size(); ++c) {
      QLabel* l = zellen[c];
      if (!l) continue;
      const Anzeigezelle& z = it.value()[c];
      l->setText(z.Text);
      SetzeHintergrund(l, z.Farbe);
      l->setVisible(z.Sichtbar);
    }
  }
  for (const auto& [i, l] : Einheiten) l->setVisible(a.EinheitenSichtbar);
}

void Auswertungsfenster::ZeigeTabelle(const Statistiktabelle& t) {
  m_tabelle = t;
  m_ansicht = Ansicht::Werte;
  // The record marks travel with the cells for whoever reads them.
  for (const Statistikzeile* z : m_tabelle.Statistiken())
    for (int c = z->Von; c <= z->Bis; ++c)
      if (QLabel* l = Zellen(z->Name)[c]) {
        l->setProperty("Tag", (*z)[c].Rekord ? QStringLiteral("1") : QStringLiteral("0"));
        if ((*z)[c].Rekord) SetzeTextfarbe(l, 0);
      }
  Zeichne(WerteAnzeige(m_tabelle));
}

bool Auswertungsfenster::IstDontSave() const { return m_auswahl.MonatOderJahr == QLatin1String("DontSave"); }

QString Auswertungsfenster::Schluessel() const {
  return Rekordschluessel(m_auswahl.MonatOderJahr, m_auswahl.GolfplatzIdn, Golferidn);
}

void Auswertungsfenster::ZeigeRekorde(bool an) {
  if (!an) {
    m_ansicht = Ansicht::Werte;
    Zeichne(WerteAnzeige(m_tabelle));
    return;
  }
  QSqlError fehler;
  const QVector<Rekordzeile> gespeichert = LiesRekorde(DBG().Db(), Schluessel(), &fehler);
  if (fehler.isValid()) {
    MeldeDatenbankfehler(fehler);
    return;
  }
  m_ansicht = Ansicht::Rekorde;
  Zeichne(RekordAnzeige(m_tabelle, gespeichert));
}

void Auswertungsfenster::ZeigeZahlen(bool an) {
  m_ansicht = an ? Ansicht::Zahlen : Ansicht::Werte;
  Zeichne(an ? ZaehlAnzeige(m_tabelle) : WerteAnzeige(m_tabelle));
}

void Auswertungsfenster::SchliesseAnsichtenUndFrage() {
  if (HF_LeseButton(13) == 1) HF_SchalteButton(13);
  if (HF_LeseButton(14) == 1) HF_SchalteButton(14);
  if (m_ansicht != Ansicht::Werte) {
    m_ansicht = Ansicht::Werte;
    Zeichne(WerteAnzeige(m_tabelle));
  }
  FrageSpeichernAuswertung(*this);
}

void FrageSpeichernAuswertung(Auswertungsfenster& f) {
  if (!HatNeueRekorde(f.Tabelle())) return;
  const int antwort = SPU().Zantro_Msg(MELDUNG_REKORDE_SPEICHERN, STIL_FRAGE);
  if (antwort != 6) return;
  const QString text = SPU().GibTranslation(218);
  SpeichereInDieDatei(
      [&] {
        QSqlError fehler;
        bool ok = false;
        {
          Fortschrittsanzeige anzeige;
          const Auswertungsauswahl& a = f.Auswahl();
          ok = SaveAllRecords(
              DBG().Db(), f.Tabelle(), a.GolfplatzIdn, a.MonatOderJahr, a.Wann, f.Golferidn,
              [&](int schritt, int anzahl) { anzeige.Zeige(schritt, anzahl, text); }, &fehler);
        }
        // Told like every other store: what was not stored and why, in the interface language.
        if (!ok) {
          Speicheraktion aktion;
          aktion.Melde(fehler);
        }
        return ok;
      },
      // The window closes: there is no record to show.
      [] {});
}
