#include "forms/Scorekartenzeilen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSqlQuery>
#include <QSqlRecord>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "forms/Golfer.h"

ZeilenLayout ScorekartenZeilen;

namespace {

// The frames that hold the cells of row k of the card: the entry of the hole table at
// position k (0 the score, 1-8 the rows of the display mask) and its sums.
struct Detailzeile {
  const char* rahmen;
  const char* summenrahmen;
};
constexpr Detailzeile DETAILZEILEN[LOCHFELDER] = {
    {"FrameScore", "FrameScore_1"}, {"FrameAbschläge", "FrameAbschläge_1"},
    {"FrameFWT", "FrameFWT_1"},     {"FrameAbschlaglänge", "FrameAbchlaglänge_1"},
    {"FrameChip", "FrameChip_1"},   {"FramePitch", "FramePitch_1"},
    {"FramePutt", "FramePutt_1"},   {"FrameBunker", "FrameBunker_1"},
    {"FrameStraf", "FrameStraf_1"},
};

// The value of a setting of tab_EinstellungenIntern ("" when there is none). The values
// read are kept while the table's mark `stand` is unchanged: a card load asks for them
// every time.
QString Einstellung(const QString& name, const QString& stand) {
  static QString gelesenBei;
  static QHash<QString, QString> werte;
  if (stand.isEmpty() || stand != gelesenBei) {
    werte.clear();
    gelesenBei = stand;
  }
  if (!stand.isEmpty())
    if (const auto it = werte.constFind(name); it != werte.constEnd()) return *it;
  const QString wert = DBG().gib_tab_eintrag(QStringLiteral("tab_EinstellungenIntern"), QStringLiteral("Bezeichnung"),
                                             name, QStringLiteral("Wert"));
  if (!stand.isEmpty()) werte.insert(name, wert);
  return wert;
}

int AlsGanzzahl(const QVariant& v) {
  if (v.isNull()) return 0;
  int n = 0;
  return TextZuInt16(v.toString(), n) ? n : 0;
}

}  // namespace

QString ZeilennameVon(int k) {
  if (k < 0 || k >= LOCHFELDER) return QString();
  return Familienname(LOCHTABELLE[size_t(k)]);
}

QStringList Zeilenrahmen(int k) {
  if (k < 0 || k >= LOCHFELDER) return {};
  return {QString::fromUtf8(DETAILZEILEN[k].rahmen), QString::fromUtf8(DETAILZEILEN[k].summenrahmen)};
}

bool IstFehlendeEinstellung(const QString& wert) {
  return wert.isEmpty() || wert == QLatin1String("EMPTY") || wert == QLatin1String("NOT_FOUND");
}

namespace {
// Emptying a box that is empty already would lay out its text again for nothing.
void Leere(QLineEdit* t) {
  if (t && !t->text().isEmpty()) t->clear();
}
void Leere(QLabel* l) {
  if (l && !l->text().isEmpty()) l->clear();
}
void Leere(QCheckBox* c) {
  if (c) c->setChecked(false);
}
void Leere(QComboBox* c) {
  c->setCurrentIndex(-1);
  if (!c->currentText().isEmpty()) c->setEditText(QString());
}
}  // namespace

void LoescheScorekartenFelder(bool AuchKartenwerte) {
  Golfer& g = GolferForm();
  for (QComboBox* c : {g.Golfplatznummer, g.Spielart, g.TurnierNameKarte}) Leere(c);
  Leere(g.Abschlagbezeichnung);
  // A tee remembered from the card before is no tee of the next card.
  g.AbschlagBeiFokus.clear();
  if (AuchKartenwerte) {
    // What a card sets when it is shown.
    Leere(g.Datum[1]);
    for (QLineEdit* t : {g.AktHdcp, g.AktSSSPar, g.Slope, g.CourseRating, g.Spielvorgabe}) Leere(t);
    Leere(g.Vorgabewirksam);
    for (const Lochfeldbeschreibung& f : LOCHTABELLE)
      for (int i = 1; i <= 18; ++i) {
        Leere(g.Textfelder(f)[i]);
        Leere(g.Kaestchen(f)[i]);
      }
    g.ZeigeLochvorgaben(std::nullopt);
    Leere(g.GesamtScore);
    Leere(g.ErgebnisUeberPar);
    // No card: no key, no state, every entry empty as loaded.
    Kartendatensatz& k = g.Karte();
    k.Golfernummer.clear();
    k.Golfplatzidn.clear();
    k.SlopeIdn.clear();
    k.ShowWhat.clear();
    k.HdcpHistorieZustand.clear();
    g.KarteGeladen(Scorekarte{});
    g.SetzeKartenschluessel(QString());
  }
  for (int i = 1; i <= 21; ++i) {
    if (i > 18) Leere(g.ParLoch[i]);
    for (const Steuerfeld<QLabel>* f :
         {&g.SonstigeLoch, &g.GPNettoLoch, &g.GPBruttoLoch, &g.StblNettoLoch, &g.StblBruttoLoch})
      Leere((*f)[i]);
  }
  for (int i = 1; i <= 18; ++i)
    for (const Steuerfeld<QCheckBox>* f : {&g.GIRNettoLoch, &g.GIRBruttoLoch}) Leere((*f)[i]);
  for (QLabel* l : {g.GesamtScoreLoch_1_9,
                    g.GesamtScoreLoch_10_18,
                    g.GesamtAbschlagLoch_1_9,
                    g.GesamtAbschlagLoch_10_18,
                    g.GesamtAbschlag,
                    g.GesamtFWT_1_9,
                    g.GesamtFWT_10_18,
                    g.GesamtFWT,
                    g.GesamtDistanceLoch_1_9,
                    g.GesamtDistanceLoch_10_18,
                    g.GesamtDistance,
                    g.GesamtChipLoch_1_9,
                    g.GesamtChipLoch_10_18,
                    g.GesamtChip,
                    g.GesamtPitchLoch_1_9,
                    g.GesamtPitchLoch_10_18,
                    g.GesamtPitch,
                    g.GesamtPuttsLoch_1_9,
                    g.GesamtPuttsLoch_10_18,
                    g.GesamtPutts,
                    g.GesamtBunkerLoch_1_9,
                    g.GesamtBunkerLoch_10_18,
                    g.GesamtBunker,
                    g.GesamtStrafschlagLoch_1_9,
                    g.GesamtStrafschlagLoch_10_18,
                    g.GesamtStrafschlag,
                    g.GIRNetto_1_9,
                    g.GIRNetto_10_18,
                    g.GIRNettoGesamt,
                    g.GIRBrutto_1_9,
                    g.GIRBrutto_10_18,
                    g.GIRBruttoGesamt})
    Leere(l);
}

PlatzDaten GibGolfplatzDaten(QString& Golfplatzname, QString& Golfplatzidn) {
  PlatzDaten d;
  // The card names its course by key: that row, also when another course has the same
  // name. Without a key, by name: the first course of that name in table order.
  const bool perSchluessel = !IstLeer(Golfplatzidn);
  const DBGKlasse::Vorbereitet q(
      perSchluessel ? DBG().AusfuehrenVorbereitet(
                          QStringLiteral("SELECT * FROM Tab_Golfplatz WHERE Golfplatzidn = ? LIMIT 1"), {Golfplatzidn})
                    : DBG().AusfuehrenVorbereitet(
                          QStringLiteral("SELECT * FROM Tab_Golfplatz WHERE Golfplatzname = ? ORDER BY rowid LIMIT 1"),
                          {Golfplatzname}));
  if (!q) return d;
  if (!q->next()) {
    if (perSchluessel) Golfplatzname.clear();
    return d;
  }
  if (perSchluessel) {
    const QVariant n = q->value(QStringLiteral("Golfplatzname"));
    Golfplatzname = n.isNull() ? QString() : n.toString();
  }
  const QSqlRecord r = q->record();
  for (int i = 1; i <= 18; ++i) {
    d.Vorgabe[i] = AlsGanzzahl(q->value(r.indexOf(Vorgabespalte(i))));
    d.Par[i] = AlsGanzzahl(q->value(r.indexOf(Parspalte(i))));
  }
  d.SSSPar = AlsGanzzahl(q->value(QStringLiteral("SSSPar")));
  return d;
}

void ZeigeDetailFrame(int k, bool Sichtbar, int /*Versteckt*/) {
  if (k < 1 || k > MASKENZEILEN) return;
  Golfer& g = GolferForm();
  // The rows stand in a grid layout: a hidden row gives up its place, so the rows below
  // it move up by one row, as many rows as are hidden above them.
  // The frames are looked up once per window: a search through its many controls on
  // every card would cost more than the card.
  // A frame the window does not have is remembered as missing too.
  static QPointer<Golfer> fenster;
  static QHash<QString, QPointer<QWidget>> rahmen;
  if (fenster != &g) {
    rahmen.clear();
    fenster = &g;
  }
  for (const QString& n : Zeilenrahmen(k)) {
    auto it = rahmen.find(n);
    if (it == rahmen.end() || (*it && !g.isAncestorOf(*it))) it = rahmen.insert(n, g.findChild<QWidget*>(n));
    if (QWidget* w = *it) w->setVisible(Sichtbar);
  }
  if (QLabel* l = g.BeschreibungVariabel[k]) l->setVisible(Sichtbar);
}

void SetzeFlagImString(QString& Maske, bool Flag, int Position) {
  if (Position < 1) return;
  while (Maske.size() < Position) Maske += QLatin1Char('1');
  Maske[Position - 1] = Flag ? QLatin1Char('1') : QLatin1Char('0');
}

void SetzeScorekartenZeilen(const QString& /*Formularname*/) {
  Golfer& g = GolferForm();
  const QString m = g.Karte().ShowWhat;
  ScorekartenZeilen.Anzahl = 0;
  ScorekartenZeilen.Feldname[0] = ZeilennameVon(0);
  int h = 0;
  for (int k = 1; k <= MASKENZEILEN; ++k) {
    // "0" hides the row; any other character, or none, shows it.
    if (k <= m.size() && m.at(k - 1) == QLatin1Char('0')) {
      ++h;
      ZeigeDetailFrame(k, false, h);
    } else {
      ZeigeDetailFrame(k, true, h);
      ScorekartenZeilen.Feldname[++ScorekartenZeilen.Anzahl] = ZeilennameVon(k);
    }
  }
  // Par-3 holes: their fairway and drive-length cells are hidden when the settings leave
  // those holes out of the statistics.
  const QString stand = DBG().Tabellenstand(QStringLiteral("tab_EinstellungenIntern"));
  const QString fwt = Einstellung(QStringLiteral("FairwaytrefferPar3"), stand);
  const QString dist = Einstellung(QStringLiteral("DrivingDistancePar3"), stand);
  for (int i = 1; i <= 18; ++i) {
    const bool par3 = g.ParLoch[i] && g.ParLoch[i]->text() == QLatin1String("3");
    if (QCheckBox* c = g.FairwaytrefferLoch[i]) c->setHidden(par3 && fwt == QLatin1String("0"));
    if (QLineEdit* t = g.DistanceLoch[i]) t->setHidden(par3 && dist == QLatin1String("0"));
  }
}

QWidget* Scorekartenzelle(const QString& Name, int Index) { return GolferForm().Eintragszelle(Name, Index); }

namespace {
// A cell counts as visible by its own flag: rows that are hidden as a whole are not in
// ScorekartenZeilen at all, single cells are hidden on par-3 holes.
QWidget* SichtbareZelle(const QString& name, int loch) {
  QWidget* w = Scorekartenzelle(name, loch);
  return w && !w->isHidden() ? w : nullptr;
}
void Fokus(QWidget* w) { w->setFocus(Qt::OtherFocusReason); }
}  // namespace

int NavigiereScorekarte(const QString& Name, int Index, int KeyCode) {
  const ZeilenLayout& z = ScorekartenZeilen;
  const int anzahl = qBound(0, z.Anzahl, MASKENZEILEN);
  int p = 0;
  for (int i = 0; i <= anzahl; ++i)
    if (z.Feldname[i] == Name) {
      p = i;
      break;
    }
  int loch = Index;
  switch (KeyCode) {
    case 38:  // Up: the row above in the same hole; from the strokes row to the previous hole
      for (;;) {
        if (p > 0) {
          if (QWidget* w = SichtbareZelle(z.Feldname[p - 1], loch)) {
            Fokus(w);
            return loch;
          }
          --p;
        } else {
          if (loch <= 1) return Index;
          if (QWidget* w = SichtbareZelle(z.Feldname[anzahl], loch - 1)) {
            Fokus(w);
            return loch - 1;
          }
          p = anzahl;
          --loch;
        }
      }
    case 40:  // Down: the row below; from the lowest shown row to the next hole's strokes
      for (;;) {
        if (p != anzahl) {
          if (QWidget* w = SichtbareZelle(z.Feldname[p + 1], loch)) {
            Fokus(w);
            return loch;
          }
          ++p;
        } else {
          if (loch >= 18) return Index;
          if (QWidget* w = SichtbareZelle(z.Feldname[0], loch + 1)) {
            Fokus(w);
            return loch + 1;
          }
          p = 0;
          ++loch;
        }
      }
    case 37:    // Left within the row, from hole 1 round to hole 18
    case 39: {  // Right within the row, from hole 18 round to hole 1
      const int schritt = KeyCode == 37 ? -1 : 1;
      int h = Index;
      for (int versuch = 0; versuch < 18; ++versuch) {
        h += schritt;
        if (h < 1) h = 18;
        if (h > 18) h = 1;
        if (QWidget* w = SichtbareZelle(Name, h)) {
          Fokus(w);
          return h;
        }
      }
      return Index;
    }
    default: return Index;
  }
}
