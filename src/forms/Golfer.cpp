#include "forms/Golfer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <optional>

#include "data/Global.h"
#include "forms/Analyseseite.h"
#include "forms/Steuerelemente.h"
#include "language/Sprachumschaltung.h"
#include "platform/widgets/Eintragsbinder.h"
#include "platform/widgets/Farben.h"
#include "scoring/Scoreberechnungen.h"
#include "scoring/Scorekartenrechnung.h"

namespace {

// Cell widths of the card in pixels: a hole, a sum, the unit sign.
constexpr int BREITE_LOCH = 34;
constexpr int BREITE_SUMME = 52;
constexpr int BREITE_EINHEIT = 16;
constexpr int ZEILENHOEHE = 22;

constexpr long FARBE_HINTERGRUND_TEXT = 0xC0C0C0;   // entry boxes at rest
constexpr long FARBE_HINTERGRUND_CHECK = 0x808000;  // entry check boxes at rest
constexpr long FARBE_FOKUS = 0xFF0000;              // the cell with the focus
constexpr long FARBE_WEISS = 0xFFFFFF;
constexpr long FARBE_SCHWARZ = 0x000000;
constexpr long FARBE_ROT = 0x0000FF;

// A cell of the card: a boxed label of fixed size, centred.
QLabel* NeueZelle(QWidget* eltern, const QString& name, int breite) {
  auto* l = NeuesLabel(eltern, name, QString());
  l->setAlignment(Qt::AlignCenter);
  l->setFrameShape(QFrame::Box);
  l->setFixedSize(breite, ZEILENHOEHE);
  return l;
}

int BreiteVon(int pos) { return pos <= 18 ? BREITE_LOCH : pos <= 21 ? BREITE_SUMME : BREITE_EINHEIT; }

}  // namespace

Golfer& GolferForm() { return FormInstanz<Golfer>(); }

Golfer::Golfer() : Formular(QStringLiteral("Golfer")) {
  SetzeTitel(QStringLiteral("Golfer"));
  auto* haupt = new QVBoxLayout(this);
  haupt->setContentsMargins(4, 4, 4, 4);
  TabstripGolfer = new QTabWidget(this);
  TabstripGolfer->setObjectName(QStringLiteral("TabstripGolfer"));
  setzeTag(TabstripGolfer, 1006);
  haupt->addWidget(TabstripGolfer);

  auto* seite0 = new QWidget;
  auto* seite1 = new QWidget;
  auto* seite2 = new QWidget;
  TabstripGolfer->addTab(seite0, QStringLiteral("Stammdaten"));
  TabstripGolfer->addTab(seite1, QStringLiteral("Scorekarten"));
  TabstripGolfer->addTab(seite2, QStringLiteral("Analyse"));
  BaueStammdaten(seite0);
  BaueScorekarte(seite1);
  BaueAnalyse(seite2);
  VerbindeScorekarte();
  // However the focus came to a field (the first field of a new card, set while the
  // history question held the activation), the cell it left loses the focus colours.
  BeiFokuswechsel(this, [this](QWidget* w) { MarkiereFokus(w); });
}

void Golfer::BaueAnalyse(QWidget* seite) {
  auto* g = new QGridLayout(seite);
  Analyse = new Analyseseite(seite);
  AuswahlGolfplatz = Analyse->AuswahlGolfplatz;
  g->addWidget(Analyse, 0, 0);
}

void Golfer::BaueScorekarte(QWidget* seite) {
  auto* v = new QVBoxLayout(seite);
  auto* kopf = new QGridLayout;
  BaueKartenkopf(kopf);
  v->addLayout(kopf);
  auto* karte = new QGridLayout;
  karte->setHorizontalSpacing(4);
  karte->setVerticalSpacing(2);
  BaueKartenraster(karte);
  v->addLayout(karte);
  v->addStretch(1);
  BindeKarte();
}

void Golfer::BindeKarte() {
  m_binder = new Eintragsbinder(this);
  Kartendatensatz& k = m_karte;
  auto binde = [&](auto* box, Eintrag* e) {
    m_binder->Binde(box, e);
    m_kartenboxen << box;
  };
  binde(Datum[1], &k.Datum);
  binde(Golfplatznummer, &k.Golfplatz);
  binde(Spielart, &k.Spielart);
  binde(Abschlagbezeichnung, &k.Abschlag);
  binde(TurnierNameKarte, &k.Turnier);
  binde(Vorgabewirksam, &k.Vorgabewirksam);
  binde(Spielvorgabe, &k.Spielvorgabe);
  binde(AktHdcp, &k.AktHdcp);
  binde(Slope, &k.Slope);
  binde(CourseRating, &k.CourseRating);
  binde(AktSSSPar, &k.AktSSSPar);
  for (const Lochfeldbeschreibung& f : LOCHTABELLE)
    for (int i = 1; i <= 18; ++i) {
      if (f.IstKaestchen())
        binde(Kaestchen(f)[i], &k.Locheintrag(f.Feld, i));
      else
        binde(Textfelder(f)[i], &k.Locheintrag(f.Feld, i));
    }
}

void Golfer::SetzeKartenschluessel(const QString& id) {
  if (m_karte.ScorekartenIdn == id) return;
  m_karte.ScorekartenIdn = id;
  emit KarteGewechselt();
}

void Golfer::ZeigeEintrag(QWidget* box, const QString& text) {
  if (!box) return;
  if (const Eintrag* e = m_binder->EintragVon(box); e && e->Text() == text) {
    // The box may show another text than its entry only while the user types into it.
    if (auto* t = qobject_cast<QLineEdit*>(box); t && t->text() != text) t->setText(text);
    return;
  }
  m_binder->Zeige(box, text);
}

void Golfer::LehneEintragAb(QWidget* box) {
  m_binder->Ablehnen(box);
  m_abgelehnt = box;
}

void Golfer::NimmEintragAn(QWidget* box) { m_binder->Annehmen(box); }

void Golfer::PruefeEintragImFokus() {
  QWidget* w = focusWidget();
  const auto it = m_zellen.constFind(w);
  if (it == m_zellen.constEnd() || Beschreibung(it->feld).IstKaestchen()) return;
  const Eintrag* e = m_binder->Nimm(w);
  if (!e || e->Text() == e->TextVorEingabe()) return;
  LostFocus(it->feld, it->loch);
}

void Golfer::NimmEintraege() const {
  for (QWidget* box : m_kartenboxen) m_binder->Nimm(box);
}

void Golfer::KarteGeladen(const Scorekarte& karte) {
  m_karte.Geladen = karte;
  for (QWidget* box : m_kartenboxen)
    if (Eintrag* e = m_binder->Nimm(box)) e->Lade(e->Text(), e->Text());
  // The stored values as the row holds them, for the hole entries.
  for (const Lochfeldbeschreibung& f : LOCHTABELLE)
    for (int i = 1; i <= 18; ++i) {
      Eintrag& e = m_karte.Locheintrag(f.Feld, i);
      e.Lade(Speicherwert(f, karte.Loch[size_t(i)]), e.Text());
    }
}

void Golfer::BaueKartenkopf(QGridLayout* g) {
  QWidget* s = TabstripGolfer->widget(1);
  auto label = [&](const char* name, const char* text, int tag, int zeile, int spalte) {
    g->addWidget(NeuesLabel(s, QString::fromUtf8(name), QString::fromUtf8(text), tag), zeile, spalte);
  };
  auto* datum = NeuesTextfeld(s, QStringLiteral("Datum_1"));
  Datum.Setze(1, datum);
  Golfplatznummer = NeueListe(s, QStringLiteral("Golfplatznummer"));
  Spielart = NeueListe(s, QStringLiteral("Spielart"));
  Vorgabewirksam = new QCheckBox(s);
  Vorgabewirksam->setObjectName(QStringLiteral("Vorgabewirksam"));
  TurnierNameKarte = NeueListe(s, QStringLiteral("TurnierNameKarte"));
  Abschlagbezeichnung = NeueListe(s, QStringLiteral("Abschlagbezeichnung"));
  Slope = NeuesTextfeld(s, QStringLiteral("Slope"));
  CourseRating = NeuesTextfeld(s, QStringLiteral("CourseRating"));
  Spielvorgabe = NeuesTextfeld(s, QStringLiteral("Spielvorgabe"));
  AktHdcp = NeuesTextfeld(s, QStringLiteral("AktHdcp"));
  AktSSSPar = NeuesTextfeld(s, QStringLiteral("AktSSSPar"));

  label("Label53", "Datum", 1101, 0, 0);
  g->addWidget(datum, 0, 1);
  label("Label52", "Golfplatz", 1102, 0, 2);
  g->addWidget(Golfplatznummer, 0, 3);
  label("Label50", "Spielart", 1103, 0, 4);
  g->addWidget(Spielart, 0, 5);
  label("Label5", "Vorgabewirksam", 1104, 0, 6);
  g->addWidget(Vorgabewirksam, 0, 7);

  label("Label6", "Turniername", 1105, 1, 0);
  g->addWidget(TurnierNameKarte, 1, 1);
  label("Label56", "Abschlag", 1106, 1, 2);
  g->addWidget(Abschlagbezeichnung, 1, 3);
  label("Label57", "Slope", 1107, 1, 4);
  g->addWidget(Slope, 1, 5);
  label("Label58", "Course Rating", 1108, 1, 6);
  g->addWidget(CourseRating, 1, 7);

  label("Label59", "Spielvorgabe", 1109, 2, 0);
  g->addWidget(Spielvorgabe, 2, 1);
  label("Label7", "Hdcp", 0, 2, 2);
  g->addWidget(AktHdcp, 2, 3);
  label("Label8", "SSS Par", 0, 2, 4);
  g->addWidget(AktSSSPar, 2, 5);
  g->setColumnStretch(3, 1);
}

// Builds the card page row by row for BaueKartenraster: a row is its caption in column 0
// and a frame holding its cells in column 1.
class Golfer::Kartenraster {
 public:
  Kartenraster(Golfer& g, QGridLayout* karte) : g(g), s(g.TabstripGolfer->widget(1)), karte(karte) {}

  // One row of the card: its caption in column 0 and a frame holding the cells of holes
  // 1-9, the sum of 1-9, holes 10-18, the sums of 10-18 and of all holes, and the unit.
  // A row is hidden as a whole through its frame, so a cell hidden on its own (par-3
  // fairways) stays told apart from a hidden row.
  template <class Zellen>
  QFrame* baueZeile(QLabel* beschriftung, const QString& rahmenName, Zellen zelle) {
    auto* rahmen = new QFrame(s);
    rahmen->setObjectName(rahmenName);
    auto* h = new QHBoxLayout(rahmen);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(2);
    const int folge[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 19, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 21, 22};
    for (int pos : folge) {
      QWidget* w = zelle(pos);
      if (!w) {
        auto* leer = new QWidget(rahmen);
        leer->setFixedSize(BreiteVon(pos), ZEILENHOEHE);
        w = leer;
      }
      // A cell hidden on its own keeps its place in the column.
      QSizePolicy sp = w->sizePolicy();
      sp.setRetainSizeWhenHidden(true);
      w->setSizePolicy(sp);
      h->addWidget(w);
    }
    h->addStretch(1);
    if (beschriftung) karte->addWidget(beschriftung, zeile, 0);
    karte->addWidget(rahmen, zeile, 1);
    ++zeile;
    return rahmen;
  }

  QWidget* zelleIn(Steuerfeld<QLabel>& feld, const QString& name, int pos, int bis) {
    if (pos > bis) return nullptr;
    QLabel* l = NeueZelle(s, Feldname(name, pos), BreiteVon(pos));
    feld.Setze(pos, l);
    return l;
  }
  QLabel* summen(QLabel*& vorne, QLabel*& hinten, QLabel*& gesamt, const char* nVorne, const char* nHinten,
                 const char* nGesamt, int pos) {
    QLabel** ziel = pos == 19 ? &vorne : pos == 20 ? &hinten : &gesamt;
    const char* name = pos == 19 ? nVorne : pos == 20 ? nHinten : nGesamt;
    *ziel = NeueZelle(s, QString::fromUtf8(name), BREITE_SUMME);
    return *ziel;
  }
  QLabel* einheit(int k, const char* text) {
    QLabel* l = NeuesLabel(s, Feldname(QStringLiteral("Einheit"), k), QString::fromUtf8(text));
    l->setFixedSize(BREITE_EINHEIT, ZEILENHOEHE);
    g.Einheit.Setze(k, l);
    return l;
  }
  QLabel* beschriftung(Steuerfeld<QLabel>& feld, const char* name, int k, const char* text, int tag) {
    QLabel* l = NeuesLabel(s, Feldname(QString::fromUtf8(name), k), QString::fromUtf8(text), tag);
    feld.Setze(k, l);
    return l;
  }
  // The caption of an entry row, with the caption number of the hole table.
  QLabel* zeilenkopf(Steuerfeld<QLabel>& feld, const char* name, int k, const char* text, Lochfeld z) {
    return beschriftung(feld, name, k, text, Beschreibung(z).Beschriftung);
  }

  // Entry boxes and check boxes of the holes.
  QLineEdit* textfeld(Steuerfeld<QLineEdit>& feld, const QString& name, Lochfeld z, int loch) {
    QLineEdit* t = NeuesTextfeld(s, Feldname(name, loch));
    BegrenzeEingabe(t, 3);
    t->setAlignment(Qt::AlignCenter);
    t->setFixedSize(BREITE_LOCH, ZEILENHOEHE);
    SetzeHintergrund(t, FARBE_HINTERGRUND_TEXT);
    SetzeTextfarbe(t, z == Lochfeld::Score ? FARBE_ROT : FARBE_SCHWARZ);
    t->installEventFilter(&g);
    g.m_zellen.insert(t, Zelle{z, loch});
    feld.Setze(loch, t);
    return t;
  }
  // A check box centred in a slot of the cell's size; without an entry, one the recalculation fills.
  QWidget* kaestchen(Steuerfeld<QCheckBox>& feld, const QString& name, int loch, std::optional<Lochfeld> z) {
    auto* platz = new QWidget(s);
    platz->setFixedSize(BREITE_LOCH, ZEILENHOEHE);
    auto* h = new QHBoxLayout(platz);
    h->setContentsMargins(0, 0, 0, 0);
    auto* c = new QCheckBox(platz);
    c->setObjectName(Feldname(name, loch));
    h->addWidget(c, 0, Qt::AlignCenter);
    if (z) {
      SetzeHintergrund(c, FARBE_HINTERGRUND_CHECK);
      c->installEventFilter(&g);
      g.m_zellen.insert(c, Zelle{*z, loch});
    } else {
      // Computed by the recalculation: the user cannot change or enter it.
      c->setFocusPolicy(Qt::NoFocus);
      c->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    feld.Setze(loch, c);
    return platz;
  }

  // Hole numbers and the headings of the sums.
  QLabel* kopfzelle(const QString& name, const QString& text, int breite, int tag) {
    QLabel* l = NeueZelle(s, name, breite);
    l->setText(text);
    if (tag) setzeTag(l, tag);
    return l;
  }

  // The entry rows: each the control array of a family of the hole table, named like it.
  void eingabeZeile(QLabel* caption, const char* rahmen, Steuerfeld<QLineEdit>& feld, Lochfeld z, QLabel*& vorne,
                    QLabel*& hinten, QLabel*& gesamt, const char* nVorne, const char* nHinten, const char* nGesamt,
                    QWidget* einheitLabel) {
    const QString name = Familienname(Beschreibung(z));
    g.m_textfelder.insert(name, &feld);
    g.m_textreihe[size_t(z)] = g.m_textfelder.value(name);
    baueZeile(caption, QString::fromUtf8(rahmen), [&](int pos) -> QWidget* {
      if (pos <= 18) return textfeld(feld, name, z, pos);
      if (pos <= 21) return summen(vorne, hinten, gesamt, nVorne, nHinten, nGesamt, pos);
      return einheitLabel;
    });
  }
  // A row of check boxes: an entry row of the hole table, or a row the recalculation fills.
  void kaestchenZeile(QLabel* caption, const char* rahmen, Steuerfeld<QCheckBox>& feld, const QString& name,
                      std::optional<Lochfeld> z, QLabel*& vorne, QLabel*& hinten, QLabel*& gesamt, const char* nVorne,
                      const char* nHinten, const char* nGesamt, QWidget* einheitLabel) {
    if (z) {
      g.m_kaestchen.insert(name, &feld);
      g.m_kaestchenreihe[size_t(*z)] = g.m_kaestchen.value(name);
    }
    baueZeile(caption, QString::fromUtf8(rahmen), [&](int pos) -> QWidget* {
      if (pos <= 18) return kaestchen(feld, name, pos, z);
      if (pos <= 21) return summen(vorne, hinten, gesamt, nVorne, nHinten, nGesamt, pos);
      return einheitLabel;
    });
  }
  void eintragsZeile(QLabel* caption, const char* rahmen, Steuerfeld<QCheckBox>& feld, Lochfeld z, QLabel*& vorne,
                     QLabel*& hinten, QLabel*& gesamt, const char* nVorne, const char* nHinten, const char* nGesamt,
                     QWidget* einheitLabel) {
    kaestchenZeile(caption, rahmen, feld, Familienname(Beschreibung(z)), z, vorne, hinten, gesamt, nVorne, nHinten,
                   nGesamt, einheitLabel);
  }

 private:
  Golfer& g;
  QWidget* s;
  QGridLayout* karte;
  int zeile = 0;
};

void Golfer::BaueKartenraster(QGridLayout* karte) {
  Kartenraster r(*this, karte);
  BaueKopfzeilen(r);
  BaueEingabezeilen(r);
  BaueRechenzeilen(r);
  // The strokes over par of the stored card: read and written by the data layer only.
  ErgebnisUeberPar = NeuesLabel(TabstripGolfer->widget(1), QStringLiteral("ErgebnisÜberPar"), QString());
  ErgebnisUeberPar->hide();
  karte->setColumnStretch(2, 1);
}

void Golfer::BaueKopfzeilen(Kartenraster& r) {
  r.baueZeile(r.beschriftung(BeschreibungFest, "BeschreibungFest", 1, "Loch", 1110), QStringLiteral("FrameLoch"),
              [&](int pos) -> QWidget* {
                if (pos <= 18)
                  return r.kopfzelle(QStringLiteral("Label%1").arg(24 + pos), QString::number(pos), BREITE_LOCH, 0);
                if (pos == 19) return r.kopfzelle(QStringLiteral("Label43"), QStringLiteral("1 - 9"), BREITE_SUMME, 0);
                if (pos == 20)
                  return r.kopfzelle(QStringLiteral("Label44"), QStringLiteral("10 - 18"), BREITE_SUMME, 0);
                if (pos == 21)
                  return r.kopfzelle(QStringLiteral("Label45"), QStringLiteral("Gesamt"), BREITE_SUMME, 1111);
                return nullptr;
              });
  r.baueZeile(r.beschriftung(BeschreibungFest, "BeschreibungFest", 2, "Par", 1112), QStringLiteral("FramePar"),
              [&](int pos) { return r.zelleIn(ParLoch, QStringLiteral("ParLoch"), pos, 21); });
  r.baueZeile(r.beschriftung(BeschreibungFest, "BeschreibungFest", 3, "Vorgabe", 1113), QStringLiteral("FrameVorgabe"),
              [&](int pos) { return r.zelleIn(VorgabeLoch, QStringLiteral("VorgabeLoch"), pos, 18); });
}

void Golfer::BaueEingabezeilen(Kartenraster& r) {
  r.eingabeZeile(r.zeilenkopf(BeschreibungFest, "BeschreibungFest", 4, "Score", Lochfeld::Score), "FrameScore",
                 ScoreLoch, Lochfeld::Score, GesamtScoreLoch_1_9, GesamtScoreLoch_10_18, GesamtScore,
                 "GesamtScoreLoch_1_9", "GesamtScoreLoch_10_18", "GesamtScore", nullptr);
  r.eingabeZeile(r.zeilenkopf(BeschreibungVariabel, "BeschreibungVariabel", 1, "Abschläge", Lochfeld::Abschlag),
                 "FrameAbschläge", AbschlagLoch, Lochfeld::Abschlag, GesamtAbschlagLoch_1_9, GesamtAbschlagLoch_10_18,
                 GesamtAbschlag, "GesamtAbschlagLoch_1_9", "GesamtAbschlagLoch_10_18", "GesamtAbschlag",
                 r.einheit(1, ""));
  r.eintragsZeile(
      r.zeilenkopf(BeschreibungVariabel, "BeschreibungVariabel", 2, "Fairwaytreffer", Lochfeld::Fairwaytreffer),
      "FrameFWT", FairwaytrefferLoch, Lochfeld::Fairwaytreffer, GesamtFWT_1_9, GesamtFWT_10_18, GesamtFWT,
      "GesamtFWT_1_9", "GesamtFWT_10_18", "GesamtFWT", r.einheit(2, "%"));
  r.eingabeZeile(r.zeilenkopf(BeschreibungVariabel, "BeschreibungVariabel", 3, "Abschlaglänge", Lochfeld::Distance),
                 "FrameAbschlaglänge", DistanceLoch, Lochfeld::Distance, GesamtDistanceLoch_1_9,
                 GesamtDistanceLoch_10_18, GesamtDistance, "GesamtDistanceLoch_1_9", "GesamtDistanceLoch_10_18",
                 "GesamtDistance", r.einheit(3, "m"));
  r.eintragsZeile(r.zeilenkopf(BeschreibungVariabel, "BeschreibungVariabel", 4, "Chip", Lochfeld::Chip), "FrameChip",
                  ChipLoch, Lochfeld::Chip, GesamtChipLoch_1_9, GesamtChipLoch_10_18, GesamtChip, "GesamtChipLoch_1_9",
                  "GesamtChipLoch_10_18", "GesamtChip", r.einheit(4, "%"));
  r.eintragsZeile(r.zeilenkopf(BeschreibungVariabel, "BeschreibungVariabel", 5, "Pitch", Lochfeld::Pitch), "FramePitch",
                  PitchLoch, Lochfeld::Pitch, GesamtPitchLoch_1_9, GesamtPitchLoch_10_18, GesamtPitch,
                  "GesamtPitchLoch_1_9", "GesamtPitchLoch_10_18", "GesamtPitch", r.einheit(5, "%"));
  r.eingabeZeile(r.zeilenkopf(BeschreibungVariabel, "BeschreibungVariabel", 6, "Putt", Lochfeld::Putts), "FramePutt",
                 PuttsLoch, Lochfeld::Putts, GesamtPuttsLoch_1_9, GesamtPuttsLoch_10_18, GesamtPutts,
                 "GesamtPuttsLoch_1_9", "GesamtPuttsLoch_10_18", "GesamtPutts", r.einheit(6, ""));
  r.eingabeZeile(r.zeilenkopf(BeschreibungVariabel, "BeschreibungVariabel", 7, "Bunkerschläge", Lochfeld::Bunker),
                 "FrameBunker", BunkerLoch, Lochfeld::Bunker, GesamtBunkerLoch_1_9, GesamtBunkerLoch_10_18,
                 GesamtBunker, "GesamtBunkerLoch_1_9", "GesamtBunkerLoch_10_18", "GesamtBunker", r.einheit(7, "%"));
  r.eingabeZeile(r.zeilenkopf(BeschreibungVariabel, "BeschreibungVariabel", 8, "Strafschläge", Lochfeld::Strafschlag),
                 "FrameStraf", StrafschlagLoch, Lochfeld::Strafschlag, GesamtStrafschlagLoch_1_9,
                 GesamtStrafschlagLoch_10_18, GesamtStrafschlag, "GesamtStrafschlagLoch_1_9",
                 "GesamtStrafschlagLoch_10_18", "GesamtStrafschlag", r.einheit(8, ""));
}

// The computed rows.
void Golfer::BaueRechenzeilen(Kartenraster& r) {
  r.baueZeile(r.beschriftung(BeschreibungBerechnet, "BeschreibungBerechnet", 1, "Sonstige", 1123),
              QStringLiteral("FrameSontige"),
              [&](int pos) { return r.zelleIn(SonstigeLoch, QStringLiteral("SonstigeLoch"), pos, 21); });
  r.kaestchenZeile(r.beschriftung(BeschreibungBerechnet, "BeschreibungBerechnet", 2, "Grün regulär netto", 1124),
                   "FrameGIRNetto", GIRNettoLoch, QStringLiteral("GIRNettoLoch"), std::nullopt, GIRNetto_1_9,
                   GIRNetto_10_18, GIRNettoGesamt, "GIRNetto_1_9", "GIRNetto_10_18", "GIRNettoGesamt", nullptr);
  r.kaestchenZeile(r.beschriftung(BeschreibungBerechnet, "BeschreibungBerechnet", 3, "Grün regulär brutto", 1125),
                   "FrameGIRBrutto", GIRBruttoLoch, QStringLiteral("GIRBruttoLoch"), std::nullopt, GIRBrutto_1_9,
                   GIRBrutto_10_18, GIRBruttoGesamt, "GIRBrutto_1_9", "GIRBrutto_10_18", "GIRBruttoGesamt", nullptr);
  r.baueZeile(r.beschriftung(BeschreibungBerechnet, "BeschreibungBerechnet", 4, "Gegen Par netto", 1126),
              QStringLiteral("FrameGParNetto"),
              [&](int pos) { return r.zelleIn(GPNettoLoch, QStringLiteral("GPNettoLoch"), pos, 21); });
  r.baueZeile(r.beschriftung(BeschreibungBerechnet, "BeschreibungBerechnet", 5, "Gegen Par brutto", 1127),
              QStringLiteral("FrameGParBrutto"),
              [&](int pos) { return r.zelleIn(GPBruttoLoch, QStringLiteral("GPBruttoLoch"), pos, 21); });
  r.baueZeile(r.beschriftung(BeschreibungBerechnet, "BeschreibungBerechnet", 6, "Stableford Netto", 1128),
              QStringLiteral("FrameSTBNetto"),
              [&](int pos) { return r.zelleIn(StblNettoLoch, QStringLiteral("StblNettoLoch"), pos, 21); });
  r.baueZeile(r.beschriftung(BeschreibungBerechnet, "BeschreibungBerechnet", 7, "Stableford Brutto", 1129),
              QStringLiteral("FrameSTBBrutto"),
              [&](int pos) { return r.zelleIn(StblBruttoLoch, QStringLiteral("StblBruttoLoch"), pos, 21); });
}

void Golfer::SetFocusScoreLoch(int index) {
  if (QLineEdit* t = ScoreLoch[index]) t->setFocus();
}

void Golfer::SetFocusScoreLoch2(int index) { SetFocusScoreLoch(index); }

const Steuerfeld<QLineEdit>& Golfer::Textfelder(const Lochfeldbeschreibung& f) const {
  static const Steuerfeld<QLineEdit> keine;
  const Steuerfeld<QLineEdit>* feld = m_textreihe[size_t(f.Feld)];
  return feld ? *feld : keine;
}

const Steuerfeld<QCheckBox>& Golfer::Kaestchen(const Lochfeldbeschreibung& f) const {
  static const Steuerfeld<QCheckBox> keine;
  const Steuerfeld<QCheckBox>* feld = m_kaestchenreihe[size_t(f.Feld)];
  return feld ? *feld : keine;
}

QWidget* Golfer::Eintragszelle(const QString& familie, int loch) const {
  if (const Steuerfeld<QLineEdit>* t = m_textfelder.value(familie)) return (*t)[loch];
  if (const Steuerfeld<QCheckBox>* k = m_kaestchen.value(familie)) return (*k)[loch];
  return nullptr;
}

void Golfer::SetzeFokusOhneBerechnung(QWidget* ziel) {
  if (!ziel) return;
  SetzeFokusOhnePruefung(ziel);
  // Moved while a message is up, the focus reaches the cell without an event.
  MarkiereFokus();
}

namespace {
const char* const RUHEFARBE = "Ruhefarbe";  // a cell's background as the recalculation left it
}  // namespace

// The colours of a cell at rest: the background the recalculation gave its hole (its
// first colour until then), the text red in the strokes row and black elsewhere.
void Golfer::Ruhefarben(QWidget* w) {
  const Lochfeld z = m_zellen.value(w).feld;
  const bool kaestchen = Beschreibung(z).IstKaestchen();
  const QVariant ruhe = w->property(RUHEFARBE);
  SetzeHintergrund(w, ruhe.isValid() ? ruhe.toLongLong()
                      : kaestchen    ? FARBE_HINTERGRUND_CHECK
                                     : FARBE_HINTERGRUND_TEXT);
  SetzeTextfarbe(w, z == Lochfeld::Score ? FARBE_ROT : FARBE_SCHWARZ);
}

void Golfer::SetzeEintragsfarbe(QLineEdit* zelle, long farbe) {
  if (!zelle) return;
  zelle->setProperty(RUHEFARBE, qlonglong(farbe));
  if (zelle != m_markiert) Ruhefarben(zelle);
  if (zelle == m_markiert || zelle == focusWidget()) MarkiereFokus();
}

bool Golfer::eventFilter(QObject* obj, QEvent* ev) {
  if (ev->type() != QEvent::FocusIn && ev->type() != QEvent::FocusOut) return Formular::eventFilter(obj, ev);
  auto it = m_zellen.constFind(obj);
  if (it == m_zellen.constEnd()) return Formular::eventFilter(obj, ev);
  const Zelle zelle = *it;
  auto* w = static_cast<QWidget*>(obj);
  const bool kaestchen = Beschreibung(zelle.feld).IstKaestchen();
  const auto grund = static_cast<QFocusEvent*>(ev)->reason();
  // Switching to another window or opening a pop-up is no change of the entry.
  const bool fremd = grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason;

  if (ev->type() == QEvent::FocusIn) {
    MarkiereFokus(w);
    if (!fremd && !kaestchen) AktuellesLoch = zelle.loch;
    return false;
  }
  if (fremd) return false;
  Ruhefarben(w);
  if (m_markiert == w) m_markiert = nullptr;
  if (FokusOhnePruefung()) return false;
  // The recalculation may show a message box: run it after the focus change is complete.
  NachFokuswechsel(this, [this, zelle] { LostFocus(zelle.feld, zelle.loch); });
  return false;
}

void Golfer::LostFocus(Lochfeld feld, int index) {
  // While a recalculation shows a message, a focus change it causes waits for its end.
  if (m_inBerechnung) {
    m_wartend.append(Zelle{feld, index});
    return;
  }
  EintragVerlassen(feld, index);
}

void Golfer::Nachholen() {
  if (m_inBerechnung) return;
  while (!m_wartend.isEmpty()) {
    const Zelle z = m_wartend.takeFirst();
    LostFocus(z.feld, z.loch);
  }
}

// Only the cell with the focus is highlighted, however the focus came there, and over the
// entry colours of the recalculation. The window's own focus cell counts: while a message
// is in front, the application has none.
void Golfer::MarkiereFokus(QWidget* w) {
  if (!w) {
    w = focusWidget();
    // The focus moved on to the menu bar or the toolbar of the main window: the cell the
    // window would give it back to gets no key now, so it is not shown as having it.
    const QWidget* anderswo = QApplication::focusWidget();
    if (anderswo && anderswo->window() == window() && !isAncestorOf(anderswo)) w = nullptr;
  }
  if (!m_zellen.contains(w)) w = nullptr;
  if (m_markiert && m_markiert != w) Ruhefarben(m_markiert);
  m_markiert = w;
  if (w) {
    SetzeHintergrund(w, FARBE_FOKUS);
    SetzeTextfarbe(w, FARBE_WEISS);
  }
}

namespace {
template <class F>
void MitSperre(bool& sperre, F&& f) {
  const bool vorher = sperre;
  sperre = true;
  f();
  sperre = vorher;
}
}  // namespace

void Golfer::EintragVerlassen(Lochfeld feld, int index) {
  if (feld == Lochfeld::Chip || feld == Lochfeld::Pitch) {
    ChipPitchRegel(feld == Lochfeld::Chip, index);
    return;
  }
  QWidget* w = Eintragszelle(Familienname(Beschreibung(feld)), index);
  if (w) Ruhefarben(w);
  m_abgelehnt = nullptr;
  MitSperre(m_inBerechnung, [feld] { BerechneScorekarte(Rechenbereich(feld)); });
  // Taken: what the box shows now is what it held before the next typing.
  if (w && m_abgelehnt != w) m_binder->Annehmen(w);
  MarkiereFokus();
  Nachholen();
}
