// The scorecard page of the golfer window and its card value: showing and gathering the
// card, storing it, the moves between cards, the history row and the recalculation.
#include "forms/Scorekartenablauf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <iterator>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Dateiwechsel.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "forms/Eingabefehler.h"
#include "forms/Golfer.h"
#include "forms/Listen.h"
#include "forms/Scorekartenhilfen.h"
#include "forms/Scorekartenzeilen.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/widgets/Farben.h"
#include "platform/widgets/Tastatur.h"
#include "scoring/Scoreberechnungen.h"
#include "scoring/Scorekartenrechnung.h"

namespace {

constexpr int MELDUNG_IN_HISTORIE = 33;
// The entries of the card not stored as the program ends: "Scorecard, <field>", "Scorecard,
// hole <n>, <row>", what is wrong with a hole's entry, and a new card left without a row.
constexpr int TEXT_KARTENFELD = 4795;
constexpr int TEXT_KARTENLOCH = 4796;
constexpr int TEXT_KEIN_GUELTIGER_EINTRAG = 4797;
constexpr int TEXT_NEUE_KARTE_NICHT_GESPEICHERT = 4798;
// A round whose date is no date cannot go into the handicap history: the box naming the
// date, and the entry named as the program ends.
constexpr int MELDUNG_HISTORIE_OHNE_DATUM = 4802;
constexpr int TEXT_HISTORIENEINTRAG = 4803;
// The card shown has no row in the file (a file taken over that lacks it): named once, as
// not stored; as the program ends, noted.
constexpr int MELDUNG_KARTE_OHNE_ZEILE = 4861;
constexpr int SCHLUSS_KARTE_OHNE_ZEILE = 4862;
// The captions of the card's header boxes and rows.
constexpr int T_DATUM = 1101;
constexpr int T_GOLFPLATZ = 1102;
constexpr int T_SPIELART = 1103;
constexpr int T_TURNIER = 1105;
constexpr int T_ABSCHLAG = 1106;

const QString LAST = QStringLiteral("LAST");
bool karteAbgelehnt = false;
// The last store of the card failed in the database: the window keeps it in front.
bool karteNichtGespeichert = false;

// A card laid out new (New, or a golfer without cards), as the window showed it then.
// While it is in front with nothing typed on it, it is no round: it goes when it is left.
std::optional<Scorekarte>& neueKarte() {
  static std::optional<Scorekarte> k;
  return k;
}

QString Text(const QLabel* l) { return l ? l->text() : QString(); }

template <typename T>
QString ZahlText(const std::optional<T>& w) {
  return w ? ZahlStandardText(double(*w)) : QString();
}
// A whole number as typed; nothing when the box is empty or holds no number.
std::optional<int> Ganzzahl(const QString& text, int art = 3) {
  const Feldwert f = LeseFeldwert(art, text);
  if (f.Gueltig) return f.ZahlWert;
  return std::nullopt;
}
std::optional<double> Dezimal(const QString& text) {
  const Feldwert f = LeseFeldwert(4, text);
  if (f.Gueltig) return f.DoubleWert;
  return std::nullopt;
}
// A handicap box: a plus handicap ("+2,5") is a negative number.
std::optional<double> Handicapzahl(const QString& text) {
  double d = 0;
  if (IstLeer(text) || !HandicapZuZahl(text, d)) return std::nullopt;
  return d;
}
// The playing handicap as a whole number, as typed; none when it is no whole number.
std::optional<int> Spielvorgabezahl(const QString& text) {
  const QString t = text.trimmed();
  if (t.startsWith(QLatin1Char('+'))) {
    const std::optional<int> z = Ganzzahl(t.mid(1));
    return z && *z >= 0 ? std::optional<int>(-*z) : std::nullopt;
  }
  return Ganzzahl(t);
}
// ------------------------------------------------------------------ recalculation

void Setze(QLabel* l, const QString& text) {
  if (l && l->text() != text) l->setText(text);
}
// A box of the card: its entry shows the text, not as typed.
void Setze(QLineEdit* t, const QString& text) {
  if (t && t->text() != text) GolferForm().ZeigeEintrag(t, text);
}
void Setze(QCheckBox* c, int wert) {
  if (c) c->setChecked(wert == 1);
}
void Setze(QLabel* a, QLabel* b, QLabel* c, const Drei& texte) {
  Setze(a, texte[0]);
  Setze(b, texte[1]);
  Setze(c, texte[2]);
}
void Setze(const Steuerfeld<QLabel>& feld, const Zeile21& texte, int von, int bis) {
  for (int i = von; i <= bis; ++i) Setze(feld[i], texte[i]);
}

QLineEdit* Eingabefeld(const Golfer& g, Lochfeld art, int loch) { return g.Textfelder(Beschreibung(art))[loch]; }

// ------------------------------------------------------------------ entries not stored

QString Beschriftung(int nummer) {
  bool gefunden = false;
  return SPU().Text(QStringLiteral("Sprache"), nummer, -1, gefunden).trimmed();
}
QString Kartenfeld(const QString& name) { return SPU().GibTranslation(TEXT_KARTENFELD).arg(name); }
QString Kartenfeld(int beschriftung) { return Kartenfeld(Beschriftung(beschriftung)); }

// A hole's entry as the card showed it when it was stored.
QString GespeicherterText(const Lochfeldbeschreibung& f, const ScorekartenLoch& l) {
  switch (f.Art) {
    case Lochart::Score:
    case Lochart::Ganzzahl: return ZahlText(l.*f.Zahl);
    case Lochart::Dezimal: return ZahlText(l.*f.Dezimalwert);
    case Lochart::Kaestchen: return QString();
  }
  return QString();
}

// As the program ends, a name or date of the card's header that the data layer refused
// keeps what is stored and is noted (once: the stored name refused too gives none, which
// keeps the stored key). False for a refusal that no stored value answers.
bool BehalteGespeichert(Scorekarte& k, KartenSpeicherung::Feld feld, const Scorekarte& gespeichert, int& notiert) {
  using Feld = KartenSpeicherung::Feld;
  auto behalte = [&](QString& name, const QString& alt, int beschriftung) {
    if (name != alt) {
      MerkeEintragsfehler(SCHLUSS_NICHT_IN_LISTE, Kartenfeld(beschriftung), name);
      ++notiert;
      name = alt;
    } else {
      name.clear();
    }
  };
  switch (feld) {
    case Feld::Golfplatz: behalte(k.Golfplatzname, gespeichert.Golfplatzname, T_GOLFPLATZ); return true;
    case Feld::Spielart: behalte(k.Spielartname, gespeichert.Spielartname, T_SPIELART); return true;
    case Feld::Abschlag: behalte(k.Abschlagbezeichnung, gespeichert.Abschlagbezeichnung, T_ABSCHLAG); return true;
    case Feld::Datum:
      MerkeEintragsfehler(SCHLUSS_KEIN_DATUM, Kartenfeld(T_DATUM), k.Datum);
      ++notiert;
      k.DatumBleibt = true;
      k.Datum = gespeichert.Datum;
      return true;
    case Feld::Keines:
    case Feld::AktSSSPar: return false;
  }
  return false;
}

// The card as a store writes it: what the user typed and what the card's rules and the
// header derive from it. A header value whose entry shows its text as loaded or stored stays
// as the row holds it: the course and tee (unless the course or tee changed), the game type,
// the tournament and the numbers.
Scorekarte NurGetippt(Scorekarte k, const Kartendatensatz& r) {
  using D = Kartendatensatz;
  const bool platz = D::Geaendert(r.Golfplatz) || D::Geaendert(r.Abschlag) ||
                     r.Golfplatzidn != r.Geladen.Golfplatzidn || r.SlopeIdn != r.Geladen.Slopeidn;
  if (!platz) k.Golfplatzname.clear();
  if (!D::Geaendert(r.Spielart)) k.Spielartname.clear();
  if (!D::Geaendert(r.Turnier)) k.TurnierBleibt = true;
  if (!D::Geaendert(r.Slope)) k.Slope.reset();
  if (!D::Geaendert(r.CourseRating)) k.CourseRating.reset();
  if (!D::Geaendert(r.AktSSSPar)) k.AktSSSPar.reset();
  // The totals follow the holes, the course's par and the playing handicap.
  bool loecher = platz;
  for (int i = 1; i <= 18 && !loecher; ++i)
    for (const Eintrag& e : r.Loch[size_t(i)]) loecher = loecher || D::Geaendert(e);
  if (!loecher) {
    k.GesamtScore.reset();
    k.ErgebnisUeberPar.reset();
    k.GesamtDrivingDistance.reset();
    k.GesamtFwt.reset();
    k.GesamtPutt.reset();
  }
  return k;
}

// A card for the golfer dated today, with the active golfer's home club and exact
// handicap, shown.
bool LegeScorekarteAn(const QString& Golferidn) {
  // A handicap the golfer page would not take is none for the card.
  std::optional<double> hdcp;
  double h = 0;
  if (PruefeZahl(BEREICH_STAMMVORGABE, AktiverGolfer.Stammvorgabe, &h) == Zahlbefund::Gut) hdcp = h;
  QString id = DBG().LegeScorekarteAn(Golferidn, AktiverGolfer.Heimatclub, hdcp);
  if (id.isEmpty()) return false;
  const bool gezeigt = GotoScorekarte(id);
  if (gezeigt && GolferForm().Kartenschluessel() == id) neueKarte() = GolferForm().LiesKarte();
  return gezeigt;
}

// The card in front is the new one with nothing typed on it (no hole, no header field
// changed from what it was given).
bool UnberuehrteNeueKarte() {
  if (!neueKarte() || !FormExistiert<Golfer>()) return false;
  const Golfer& g = GolferForm();
  if (g.Kartenschluessel() != neueKarte()->Scorekartenidn) {
    neueKarte().reset();  // another card is in front: the new one was kept or is gone
    return false;
  }
  return g.LiesKarte() == *neueKarte();
}

// Removes the new card in front. Not removed (one box said why): the card is stored as it
// is, as any other.
bool EntferneNeueKarte() {
  const QString id = neueKarte()->Scorekartenidn;
  if (!AlsEineAktion([&] { return DBG().DelDS(QStringLiteral("Greenlogs"), QStringLiteral("Scorekartenidn"), id); }))
    return false;
  neueKarte().reset();
  // The page shows no card, rather than the key of one that is gone.
  LoescheScorekartenFelder();
  return true;
}

}  // namespace

namespace {
// Puts a result of the card's rules into the window's labels and colours; an invalid entry
// is told (message 44), emptied and given the focus. `hinweise`: the counts above a score
// and a conversion error are told too (a store tells them not again).
void ZeigeErgebnis(Golfer& g, const KartenErgebnis& r, bool hinweise) {
  if (r.UngueltigerEintrag) {
    MsgAntwort = SPU().Zantro_Msg(r.Meldung, STIL_KRITISCH);
    // The box shows again what it held before the typing, never less.
    QLineEdit* t = Eingabefeld(g, r.UngueltigerEintrag->Art, r.UngueltigerEintrag->Loch);
    if (t) {
      g.LehneEintragAb(t);
      g.SetzeFokusOhneBerechnung(t);
      t->selectAll();
    }
    return;
  }
  // The counts above the score, one box per hole, before anything of the card changes.
  if (r.Sonstige && hinweise)
    for (int n = 0; n < r.Sonstige->UeberScore; ++n) MsgAntwort = SPU().Zantro_Msg(MELDUNG_UEBER_SCORE, STIL_KRITISCH);

  if (r.ParSummen)
    for (int b = 0; b < 3; ++b) Setze(g.ParLoch[19 + b], (*r.ParSummen)[b]);

  if (r.Score) {
    const auto& s = *r.Score;
    for (int i = 1; i <= 18; ++i) Setze(g.ScoreLoch[i], s.ScoreText[i]);
    Setze(g.StblBruttoLoch, s.StblBrutto, 1, 21);
    Setze(g.StblNettoLoch, s.StblNetto, 1, 21);
    Setze(g.GPBruttoLoch, s.GPBrutto, 1, 21);
    Setze(g.GPNettoLoch, s.GPNetto, 1, 21);
    Setze(g.GesamtScoreLoch_1_9, g.GesamtScoreLoch_10_18, g.GesamtScore, s.GesamtScore);
  }
  if (r.Abschlag) Setze(g.GesamtAbschlagLoch_1_9, g.GesamtAbschlagLoch_10_18, g.GesamtAbschlag, *r.Abschlag);
  if (r.Fairway) Setze(g.GesamtFWT_1_9, g.GesamtFWT_10_18, g.GesamtFWT, *r.Fairway);
  if (r.Kurzspiel) {
    const auto& k = *r.Kurzspiel;
    for (int i = 1; i <= 18; ++i) {
      Setze(g.GIRBruttoLoch[i], k.GIRBrutto[i]);
      Setze(g.GIRNettoLoch[i], k.GIRNetto[i]);
    }
    Setze(g.GIRBrutto_1_9, g.GIRBrutto_10_18, g.GIRBruttoGesamt, k.GIRBruttoProzent);
    Setze(g.GIRNetto_1_9, g.GIRNetto_10_18, g.GIRNettoGesamt, k.GIRNettoProzent);
    Setze(g.GesamtPuttsLoch_1_9, g.GesamtPuttsLoch_10_18, g.GesamtPutts, k.Putts);
    Setze(g.GesamtChipLoch_1_9, g.GesamtChipLoch_10_18, g.GesamtChip, k.Chip);
    Setze(g.GesamtPitchLoch_1_9, g.GesamtPitchLoch_10_18, g.GesamtPitch, k.Pitch);
    Setze(g.GesamtBunkerLoch_1_9, g.GesamtBunkerLoch_10_18, g.GesamtBunker, k.Bunker);
  }
  if (r.Strafschlag)
    Setze(g.GesamtStrafschlagLoch_1_9, g.GesamtStrafschlagLoch_10_18, g.GesamtStrafschlag, *r.Strafschlag);
  if (r.Distance) Setze(g.GesamtDistanceLoch_1_9, g.GesamtDistanceLoch_10_18, g.GesamtDistance, *r.Distance);

  if (!r.Fehler.isEmpty()) {
    if (hinweise) Fehlerbox(r.Fehler);
    return;
  }

  if (r.Sonstige) {
    const auto& s = *r.Sonstige;
    for (const Lochfeldbeschreibung& f : LOCHTABELLE)
      for (int i = 1; i <= 18; ++i)
        if (!f.IstKaestchen()) g.SetzeEintragsfarbe(g.Textfelder(f)[i], s.Farbe[i]);
    Setze(g.SonstigeLoch, s.Sonstige, 1, 21);
  }

  for (int i = 1; i <= 18; ++i) {
    FaerbeStableford(g.StblBruttoLoch[i]);
    FaerbeStableford(g.StblNettoLoch[i]);
  }
}
}  // namespace

void BerechneScorekarte(int bereich) {
  Golfer& g = GolferForm();
  ZeigeErgebnis(g, BerechneScorekarte(g.LiesEingabe(), bereich), true);
}

// ------------------------------------------------------------------ the card value

void Golfer::ZeigeKarte(const Scorekarte& k) {
  // A box that shows the same as for the card before keeps its text: only what changes is
  // set, so that a move between cards lays out only the boxes that differ.
  LoescheScorekartenFelder(false);
  m_karte.Golfernummer = k.Golfernummer;
  m_karte.Golfplatzidn = k.Golfplatzidn;
  Setze(Datum[1], k.Datum);
  Vorgabewirksam->setChecked(k.Vorgabewirksam);
  // A plus handicap with its sign, as on the golfer page.
  Setze(AktHdcp, k.AktHdcp ? HandicapAlsText(*k.AktHdcp) : QString());
  Setze(Spielvorgabe, k.AktHdcp ? HandicapAlsText(RundeGerade(*k.AktHdcp, 1)) : QString());
  Setze(ErgebnisUeberPar, ZahlText(k.ErgebnisUeberPar));
  Setze(GesamtScore, ZahlText(k.GesamtScore));
  m_karte.HdcpHistorieZustand = k.HdcpHistorieZustand;
  m_karte.ShowWhat = k.ShowWhat.isEmpty() ? ALLE_ZEILEN : k.ShowWhat;

  // Par and stroke index from the card's course; the SSS par too when the card has none.
  QString name;
  QString id = k.Golfplatzidn;
  const PlatzDaten platz = GibGolfplatzDaten(name, id);
  Setze(AktSSSPar, k.AktSSSPar ? ZahlText(k.AktSSSPar) : QString::number(platz.SSSPar));

  ZeigeLochvorgaben(platz);
  for (const Lochfeldbeschreibung& f : LOCHTABELLE) {
    const Steuerfeld<QLineEdit>& texte = Textfelder(f);
    const Steuerfeld<QCheckBox>& kaestchen = Kaestchen(f);
    for (int i = 1; i <= 18; ++i) {
      const ScorekartenLoch& l = k.Loch[i];
      switch (f.Art) {
        case Lochart::Score:
        case Lochart::Ganzzahl: Setze(texte[i], ZahlText(l.*f.Zahl)); break;
        case Lochart::Dezimal: Setze(texte[i], ZahlText(l.*f.Dezimalwert)); break;
        case Lochart::Kaestchen: kaestchen[i]->setChecked(l.*f.Haken); break;
      }
    }
  }
  m_karte.SlopeIdn = k.Slopeidn;
  Setze(Slope, ZahlText(k.Slope));
  Setze(CourseRating, ZahlText(k.CourseRating));

  // The lists: the courses marked to be shown and the card's own course; all game types;
  // all tournaments. Each with the card's entry selected.
  FuelleGolfplatzliste(k.Golfplatzidn);
  FuelleKartenliste(Spielart, k.Spielartidn);
  FuelleKartenliste(TurnierNameKarte, k.Turniernummer);
  FuelleAbschlagListe(k.Golfplatzidn, k.Slopeidn);
  // The tee remembered is this card's: a tee typed on the new card is compared with it.
  AbschlagBeiFokus = Abschlagbezeichnung->currentText();
  // Long names show their beginning.
  for (QComboBox* c : {Golfplatznummer, Spielart, TurnierNameKarte, Abschlagbezeichnung})
    if (c->lineEdit()) c->lineEdit()->setCursorPosition(0);
  // Every entry as loaded; the key last, so that a window following the card reads it whole.
  KarteGeladen(k);
  SetzeKartenschluessel(k.Scorekartenidn);
}

KartenEingabe Golfer::LiesEingabe() const {
  NimmEintraege();
  KartenEingabe e;
  for (const Lochfeldbeschreibung& f : LOCHTABELLE)
    for (int i = 1; i <= 18; ++i) {
      const Eintrag& eintrag = m_karte.Locheintrag(f.Feld, i);
      if (f.IstKaestchen())
        e.Loch[i].*f.Kaestchen = eintrag.Text() == QLatin1String("1") ? 1 : 0;
      else
        e.Loch[i].*f.Text = eintrag.Text();
      // An entry that shows its text as loaded or stored is not judged, and stays as stored.
      e.Loch[i].WieGespeichert[size_t(f.Feld)] = !Kartendatensatz::Geaendert(eintrag);
    }
  for (int i = 1; i <= 18; ++i) {
    KartenLoch& l = e.Loch[i];
    // The box's own visibility: hidden on par-3 holes when their fairways do not count.
    l.FairwaySichtbar = FairwaytrefferLoch[i] && !FairwaytrefferLoch[i]->isHidden();
    if (m_lochvorgaben) {
      l.Par = QString::number(m_lochvorgaben->Par[i]);
      l.Vorgabe = QString::number(m_lochvorgaben->Vorgabe[i]);
    }
    l.Sonstige = Text(SonstigeLoch[i]);
  }
  e.Spielvorgabe = m_karte.Spielvorgabe.Text();
  return e;
}

void Golfer::ZeigeLochvorgaben(const std::optional<PlatzDaten>& platz) {
  m_lochvorgaben = platz;
  for (int i = 1; i <= 18; ++i) {
    Setze(VorgabeLoch[i], platz ? QString::number(platz->Vorgabe[i]) : QString());
    Setze(ParLoch[i], platz ? QString::number(platz->Par[i]) : QString());
  }
}

Scorekarte Golfer::LiesKarte() const {
  const KartenEingabe eingabe = LiesEingabe();
  return LiesKarte(eingabe, RechneScorekarte(eingabe, 0));
}

Scorekarte Golfer::LiesKarte(const KartenEingabe& eingabe, const KartenErgebnis& ergebnis) const {
  NimmEintraege();
  const Kartendatensatz& r = m_karte;
  Scorekarte k;
  k.Scorekartenidn = r.ScorekartenIdn;
  k.Golfernummer = r.Golfernummer;
  k.Golfplatzidn = r.Golfplatzidn;
  k.Golfplatzname = r.Golfplatz.Text();
  k.Spielartname = r.Spielart.Text();
  k.Slopeidn = r.SlopeIdn;
  k.Abschlagbezeichnung = r.Abschlag.Text();
  k.Turniername = r.Turnier.Text();
  k.Datum = r.Datum.Text();
  k.Vorgabewirksam = r.Vorgabewirksam.Text() == QLatin1String("1");
  // The playing handicap as a whole number is the card's handicap.
  const std::optional<int> spielvorgabe = Spielvorgabezahl(r.Spielvorgabe.Text());
  k.AktHdcp = spielvorgabe ? std::optional<double>(*spielvorgabe) : Handicapzahl(r.AktHdcp.Text());
  k.AktSSSPar = Dezimal(r.AktSSSPar.Text());
  k.Slope = Dezimal(r.Slope.Text());
  k.CourseRating = Dezimal(r.CourseRating.Text());
  k.ShowWhat = r.ShowWhat;
  k.HdcpHistorieZustand = r.HdcpHistorieZustand;
  for (int i = 1; i <= 18; ++i)
    for (const Lochfeldbeschreibung& f : LOCHTABELLE) SetzeAusEingabe(f, k.Loch[i], eingabe.Loch[i]);
  // The totals as the card's rules give them for these holes; none where the rules give
  // none (the stored total stays).
  k.WasGespielt = Spielstand(k);
  auto gesamt = [](const std::optional<Drei>& drei) { return drei ? Dezimal((*drei)[2]) : std::nullopt; };
  if (ergebnis.Score) k.GesamtScore = Dezimal(ergebnis.Score->GesamtScore[2]);
  k.GesamtDrivingDistance = ergebnis.DurchschnittDrive;
  k.GesamtFwt = gesamt(ergebnis.Fairway);
  if (ergebnis.Kurzspiel) k.GesamtPutt = Dezimal(ergebnis.Kurzspiel->Putts[2]);
  // A whole round: the strokes over par from its total; otherwise they stay as stored.
  const std::optional<double> par = gesamt(ergebnis.ParSummen);
  int ueber = 0;
  if (k.WasGespielt == 1 && k.GesamtScore && par && TextZuInt16(ZahlStandardText(*k.GesamtScore - *par), ueber))
    k.ErgebnisUeberPar = ueber;
  return k;
}

// ------------------------------------------------------------------ storing

bool WriteScorekarte(const QString& Scorekartenidn) {
  karteAbgelehnt = false;
  karteNichtGespeichert = false;
  Golfer& g = GolferForm();
  g.NimmEintraege();
  Kartendatensatz& r = g.Karte();
  // A card nobody typed into holds nothing of the user's: it stays as its row holds it. What
  // the window filled in itself (the course's SSS par, the totals the rules give for what
  // the row holds, a tee key without its tee) is not written back.
  // (A round due to be offered to the handicap history is offered all the same.)
  const bool gezeigt = r.ScorekartenIdn == Scorekartenidn && r.Geladen.Scorekartenidn == Scorekartenidn;
  if (gezeigt && !r.Getippt() && !HistorieFaellig(r.Geladen)) {
    MsgAntwort = ANTWORT_NEIN;  // nothing asked
    return true;
  }
  // What was typed on the card shown finds no row: it is named as not stored, nothing of it
  // is checked against the file's lists or made up.
  if (const std::optional<bool> da = DBG().ScorekarteVorhanden(Scorekartenidn); !da || !*da) {
    if (!da || !gezeigt) return false;
    const QString& karte = r.Datum.Text();
    if (Schlussart() != Programmschluss::Keiner)
      MerkeNichtGespeichert(SPU().GibTranslation(SCHLUSS_KARTE_OHNE_ZEILE).arg(karte));
    else
      MsgAntwort = DLG().Meldung(SPU().Meldungstext(MELDUNG_KARTE_OHNE_ZEILE).arg(karte), STIL_INFO, PRODUKTTITEL);
    return false;
  }
  // As the program ends nothing stops the store and nobody corrects: an entry that cannot
  // be taken keeps the value the row holds and is noted, and the rest is stored.
  const bool endet = Schlussart() != Programmschluss::Keiner;
  std::optional<Scorekarte> gespeichertGelesen;
  auto gespeichert = [&]() -> const Scorekarte& {
    if (!gespeichertGelesen) gespeichertGelesen = DBG().ReadScorekarte(Scorekartenidn).value_or(Scorekarte{});
    return *gespeichertGelesen;
  };
  int notiert = 0;
  // The number boxes of the header: a text that is no number the box takes is told,
  // nothing is stored and the box keeps the text to be corrected.
  // (A tee without a rating, or one the course does not have, shows 0 in slope and course
  // rating: nothing is computed from it, and the tee's own check tells the rest.)
  const struct {
    Eintrag* eintrag;
    QLineEdit* feld;
    Zahlbereich bereich;
  } ZAHLEN[] = {
      {&r.Slope, g.Slope, BEREICH_SLOPE},
      {&r.CourseRating, g.CourseRating, BEREICH_COURSE_RATING},
      {&r.Spielvorgabe, g.Spielvorgabe, BEREICH_SPIELVORGABE},
      {&r.AktHdcp, g.AktHdcp, BEREICH_KARTENHANDICAP},
  };
  bool zahlBleibt[std::size(ZAHLEN)] = {};
  for (size_t i = 0; i < std::size(ZAHLEN); ++i) {
    const auto& z = ZAHLEN[i];
    const QString& text = z.eintrag->Text();
    // A number as the card was loaded with it is stored back as it is.
    if (Speicherbar(z.bereich, text, Kartendatensatz::Geaendert(*z.eintrag))) continue;
    if (endet) {
      MerkeZahlfehler(z.bereich, text, Kartenfeld(SPU().GibTranslation(z.bereich.Feld)));
      ++notiert;
      zahlBleibt[i] = true;
      continue;
    }
    karteAbgelehnt = true;
    g.ZeigeScorekartenseite();
    MeldeZahlfehler(z.bereich, text);
    z.feld->setFocus(Qt::OtherFocusReason);
    z.feld->selectAll();
    return false;
  }
  // The playing handicap and the card's handicap are one stored value: either box not
  // taken keeps it, and the round is computed with it.
  const bool handicapBleibt = zahlBleibt[2] || zahlBleibt[3];
  // A tournament typed but not listed is created or emptied first, never dropped unseen.
  // As the session ends nobody is asked: the stored tournament stays and the name is noted.
  const QString turnier = r.Turnier.Text();
  const bool turnierBleibt = Schlussart() == Programmschluss::Sitzung && !IstLeer(turnier) &&
                             SucheListeneintrag(g.TurnierNameKarte, turnier) < 0;
  bool turnierAngelegt = false;
  if (turnierBleibt) {
    MerkeEintragsfehler(SCHLUSS_NICHT_IN_LISTE, Kartenfeld(T_TURNIER), turnier);
    ++notiert;
  } else if (!g.PruefeTurnier(turnierAngelegt)) {
    karteAbgelehnt = true;
    return false;
  }
  // The card as its boxes hold it now (an entry typed and not left included) with the
  // result of the card's rules over it: the totals stored and the net points of the
  // history come from that result, and the screen shows it before anything is asked. An
  // entry the rules do not take is told and emptied, as on leaving it; a move then stays
  // on the card. A close keeps the value the row holds for it (as the program ends the
  // entry is noted instead of told) and stores the rest.
  KartenEingabe eingabe = g.LiesEingabe();
  if (handicapBleibt) {
    const std::optional<double>& h = gespeichert().AktHdcp;
    eingabe.Spielvorgabe = h ? HandicapAlsText(RundeGerade(*h, 1)) : QString();
  }
  KartenErgebnis ergebnis = BerechneScorekarte(eingabe, 0);
  for (int n = 0; ergebnis.UngueltigerEintrag && n < 18 * LOCHFELDER; ++n) {
    const KartenErgebnis::Ungueltig e = *ergebnis.UngueltigerEintrag;
    const Lochfeldbeschreibung& f = Beschreibung(e.Art);
    KartenLoch& loch = eingabe.Loch[e.Loch];
    if (endet) {
      const QString name = SPU().GibTranslation(TEXT_KARTENLOCH).arg(e.Loch).arg(Beschriftung(f.Beschriftung));
      MerkeEintragsfehler(TEXT_KEIN_GUELTIGER_EINTRAG, name, loch.*f.Text);
      ++notiert;
    } else {
      ZeigeErgebnis(g, ergebnis, false);
      if (!g.Schliesst()) break;
    }
    // The entry keeps what the row holds (stored, the round counts with it; one the rules
    // do not take either counts as none).
    loch.*f.Text = GespeicherterText(f, gespeichert().Loch[e.Loch]);
    loch.WieGespeichert[size_t(e.Art)] = true;
    ergebnis = BerechneScorekarte(eingabe, 0);
  }
  if (ergebnis.UngueltigerEintrag) {
    karteAbgelehnt = true;
    return false;
  }
  ZeigeErgebnis(g, ergebnis, false);
  Scorekarte k = g.LiesKarte(eingabe, ergebnis);
  k.Scorekartenidn = Scorekartenidn;
  if (zahlBleibt[0]) k.Slope = gespeichert().Slope;
  if (zahlBleibt[1]) k.CourseRating = gespeichert().CourseRating;
  if (handicapBleibt) k.AktHdcp = gespeichert().AktHdcp;
  if (turnierBleibt) k.Turniername = gespeichert().Turniername;
  // The date as the card has it stored stays as it is, whatever it holds.
  k.DatumBleibt = !Kartendatensatz::Geaendert(r.Datum);
  // The SSS par comes from the course; a text there that is no number is not stored.
  if (!IstLeer(r.AktSSSPar.Text()) && !k.AktSSSPar) {
    Fehlerbox(Fehlerbeschreibung(TEXT_TYPFEHLER));
    karteAbgelehnt = true;
    return false;
  }

  // The card, the history row and the golfer's new handicap are one action: stored
  // together or not at all. The history question comes first: the database is never held
  // while a box waits for the user.
  const QString zustandVorher = r.HdcpHistorieZustand;
  const Golfer::Handicapstand handicapsVorher = g.Handicaps();
  const GolferDaten golferVorher = AktiverGolfer;
  KartenSpeicherung s;
  {
    Speicheraktion pruefung;
    s = DBG().PruefeScorekarte(NurGetippt(k, r));
    // As the program ends a name or date refused keeps what is stored.
    for (int n = 0; endet && s.Abgelehnt() && n < 8 && BehalteGespeichert(k, s.Ablehnungsfeld, gespeichert(), notiert);
         ++n)
      s = DBG().PruefeScorekarte(NurGetippt(k, r));
  }
  // A new card of which nothing could be taken is no round: it goes, and is named.
  if (endet && notiert > 0 && s.Gespeichert() && neueKarte() && neueKarte()->Scorekartenidn == Scorekartenidn) {
    Scorekarte wieGezeigt = k;
    if (wieGezeigt.DatumBleibt) wieGezeigt.Datum = r.Datum.TextWieGeladen();
    wieGezeigt.DatumBleibt = false;
    if (wieGezeigt == *neueKarte() && EntferneNeueKarte()) {
      MerkeNichtGespeichert(SPU().GibTranslation(TEXT_NEUE_KARTE_NICHT_GESPEICHERT).arg(wieGezeigt.Datum));
      return true;
    }
  }
  std::optional<NeueHistorie> historie;
  bool bereit = s.Gespeichert();
  // As the session ends nobody is asked: the question stays for the next store of the card.
  bool fragen = s.HistorieFragen && Schlussart() != Programmschluss::Sitzung;
  if (bereit && fragen) {
    // The history question is asked once per card.
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_IN_HISTORIE, STIL_FRAGE);
    // The session ended while the question was open: nobody answered it, so it stays.
    fragen = Schlussart() != Programmschluss::Sitzung;
  }
  if (bereit && fragen) {
    r.HdcpHistorieZustand = QStringLiteral("1");
    if (MsgAntwort == ANTWORT_JA && !IstLeer(k.Datum) && !GibDatumswert(k.Datum).isValid()) {
      // A history row has the date of its round: a date that is no date (stored so by
      // another program) gives none. The round is offered again once its date is one.
      r.HdcpHistorieZustand = zustandVorher;
      fragen = false;
      if (!endet) {
        karteAbgelehnt = true;
        g.ZeigeScorekartenseite();
        MsgAntwort = DLG().Meldung(SPU().Meldungstext(MELDUNG_HISTORIE_OHNE_DATUM).arg(ZitierterEintrag(k.Datum)),
                                   STIL_INFO, PRODUKTTITEL);
        g.Datum[1]->setFocus(Qt::OtherFocusReason);
        g.Datum[1]->selectAll();
        return false;
      }
      MerkeEintragsfehler(SCHLUSS_KEIN_DATUM, Kartenfeld(SPU().GibTranslation(TEXT_HISTORIENEINTRAG)), k.Datum);
    } else if (MsgAntwort == ANTWORT_JA) {
      historie = BereiteHistorie(k, ergebnis);
      bereit = historie.has_value();
    }
  } else if (bereit) {
    MsgAntwort = ANTWORT_NEIN;
  }
  const bool ok = bereit && AlsEineAktion([&] {
                    s = DBG().WriteScorekarte(NurGetippt(k, r), fragen);
                    return s.Gespeichert() && (!historie || SpeichereHistorie(*historie));
                  });

  if (s.Abgelehnt()) {
    // The move that asked for the write is refused: the card stays in front as it is.
    // A date that is no date stays as typed, to be corrected.
    karteAbgelehnt = true;
    using Feld = KartenSpeicherung::Feld;
    g.ZeigeScorekartenseite();
    MsgAntwort = SPU().Zantro_Msg(s.Meldung, STIL_INFO);
    if (s.Ablehnungsfeld == Feld::Golfplatz) g.LehneEintragAb(g.Golfplatznummer);
    if (s.Ablehnungsfeld == Feld::Spielart) g.LehneEintragAb(g.Spielart);
    if (s.Ablehnungsfeld == Feld::Datum) {
      g.Datum[1]->setFocus(Qt::OtherFocusReason);
      g.Datum[1]->selectAll();
    }
    // A tee the course does not have stays as typed, to be corrected or chosen.
    if (s.Ablehnungsfeld == Feld::Abschlag) {
      g.Abschlagbezeichnung->setFocus(Qt::OtherFocusReason);
      if (g.Abschlagbezeichnung->lineEdit()) g.Abschlagbezeichnung->lineEdit()->selectAll();
    }
    return false;
  }
  if (s.Ergebnis == KartenSpeicherung::Status::KeineKarte) return false;
  if (!ok) {
    // Nothing of the action was stored: what is on screen stays as typed, the round is
    // offered to the history again, and the handicap boxes show the stored handicap.
    karteNichtGespeichert = true;
    r.HdcpHistorieZustand = zustandVorher;
    g.SetzeHandicaps(handicapsVorher);
    AktiverGolfer = golferVorher;
    return false;
  }
  if (historie) ZeigeHistorie(*historie);
  // The card's handicap box follows the playing handicap stored.
  if (const std::optional<int> sv = Spielvorgabezahl(r.Spielvorgabe.Text()))
    g.ZeigeEintrag(g.AktHdcp, HandicapAlsText(*sv));
  // What is shown now is the card as stored: the entries' texts as loaded, the row as it is.
  g.KarteGeladen(DBG().ReadScorekarte(Scorekartenidn).value_or(k));
  return true;
}

bool ScorekarteAbgelehnt() { return karteAbgelehnt; }

bool LeereNeueKarteEntfernen() { return UnberuehrteNeueKarte() && DBG().KannSpeichern() && EntferneNeueKarte(); }

bool VerlasseScorekarte() {
  if (!FormExistiert<Golfer>()) return true;
  const QString id = GolferForm().Kartenschluessel();
  if (IstLeer(id)) return true;
  return SpeichereInDieDatei(
      [&] {
        if (LeereNeueKarteEntfernen()) return true;
        return WriteScorekarte(id) || (!karteAbgelehnt && !karteNichtGespeichert);
      },
      [&] {
        // The card as that file holds it; without it, the golfer's latest there.
        QString karte = DBG().ScorekarteVorhanden(id).value_or(false) ? id : LAST;
        GotoScorekarte(karte);
      });
}

// ------------------------------------------------------------------ loading and moving

bool ReadScorekarte(const QString& Scorekartenidn) {
  const std::optional<Scorekarte> k = DBG().ReadScorekarte(Scorekartenidn);
  if (!k) {
    LoescheScorekartenFelder();
    return false;
  }
  GolferForm().ZeigeKarte(*k);
  return true;
}

namespace {
// The name of a record the card names, and the key it stands for.
struct Kartenname {
  QString Scorekarte::*Schluessel;
  QString Scorekarte::*Name;
};
std::optional<Kartenname> kartenname(Datensatzart art) {
  switch (art) {
    case Datensatzart::Golfplatz: return Kartenname{&Scorekarte::Golfplatzidn, &Scorekarte::Golfplatzname};
    case Datensatzart::Abschlag: return Kartenname{&Scorekarte::Slopeidn, &Scorekarte::Abschlagbezeichnung};
    case Datensatzart::Spielart: return Kartenname{&Scorekarte::Spielartidn, &Scorekarte::Spielartname};
    case Datensatzart::Turnier: return Kartenname{&Scorekarte::Turniernummer, &Scorekarte::Turniername};
    case Datensatzart::Golfer: break;
  }
  return std::nullopt;
}
}  // namespace

namespace {
// The card shown as it was loaded, with the names its keys had then; none without a card.
Scorekarte* geladen() {
  if (!FormExistiert<Golfer>()) return nullptr;
  Kartendatensatz& r = GolferForm().Karte();
  return IstLeer(r.ScorekartenIdn) ? nullptr : &r.Geladen;
}
}  // namespace

void KarteFolgtUmbenennung(const Umbenennung& u) {
  const std::optional<Kartenname> n = kartenname(u.Art);
  Scorekarte* k = geladen();
  if (!n || !k || k->*n->Schluessel != u.Idn) return;
  if (k->*n->Name == u.AlterName) k->*n->Name = u.NeuerName;
}

QString KarteFolgtLoeschung(Datensatzart art, const QString& idn) {
  const std::optional<Kartenname> n = kartenname(art);
  Scorekarte* k = geladen();
  if (!n || !k || k->*n->Schluessel != idn) return QString();
  const QString name = k->*n->Name;
  // The row names it no more.
  k->*n->Schluessel = QString();
  k->*n->Name = QString();
  return name;
}

QList<Umbenennung> KarteFolgtDerDatei() {
  QList<Umbenennung> namen;
  Scorekarte* k = geladen();
  if (!k) return namen;
  const std::optional<Scorekarte> jetzt = DBG().ReadScorekarte(k->Scorekartenidn);
  if (!jetzt) return namen;
  for (const Datensatzart art :
       {Datensatzart::Golfplatz, Datensatzart::Abschlag, Datensatzart::Spielart, Datensatzart::Turnier}) {
    const Kartenname n = *kartenname(art);
    const Scorekarte& alt = *k;
    if (IstLeer(alt.*n.Name) || (*jetzt).*n.Schluessel != alt.*n.Schluessel || IstLeer((*jetzt).*n.Name) ||
        (*jetzt).*n.Name == alt.*n.Name)
      continue;
    namen << Umbenennung{art, alt.*n.Schluessel, alt.*n.Name, (*jetzt).*n.Name};
    KarteFolgtUmbenennung(namen.back());
  }
  return namen;
}

bool GotoScorekarte(QString& Scorekartenidn) {
  QString ziel = Scorekartenidn;
  if (Scorekartenidn == LAST) {
    const std::optional<QString> letzte = DBG().LetzteScorekarte(AktiverGolfer.Golferidn);
    if (!letzte) return false;
    ziel = *letzte;
  } else {
    const std::optional<bool> da = DBG().ScorekarteVorhanden(Scorekartenidn);
    if (!da) return false;
    if (!*da) ziel.clear();
  }
  // No card: the golfer gets a new one, which is shown.
  if (ziel.isEmpty()) return LegeScorekarteAn(AktiverGolfer.Golferidn);
  Scorekartenidn = ziel;
  ReadScorekarte(ziel);
  SetzeScorekartenZeilen(QStringLiteral("Golfer"));
  BerechneScorekarte(0);
  return true;
}

bool NeuScorekarte(const QString& Golferidn) {
  // The card shown is stored first; a card the user must correct stays.
  if (!VerlasseScorekarte()) return false;
  return LegeScorekarteAn(Golferidn);
}

void ScrollScorecard(int Richtung) {
  auto nachbar = [&] {
    return DBG().NachbarScorekarte(AktiverGolfer.Golferidn, GolferForm().Kartenschluessel(), Richtung);
  };
  using Status = KartenNachbar::Status;
  // An untouched new card goes when it is left, so its neighbour is found first; with none
  // that way (the only card, say) the move tells so and the card stays, as any card does.
  const bool neu = UnberuehrteNeueKarte();
  KartenNachbar n;
  if (neu) n = nachbar();
  // The card on screen is stored first; a card the user must correct stays in front.
  if ((!neu || n.Ergebnis == Status::Gefunden) && !VerlasseScorekarte()) return;
  if (!neu) n = nachbar();
  switch (n.Ergebnis) {
    case Status::KeineKarten: MsgAntwort = SPU().Zantro_Msg(MELDUNG_KEIN_DATENSATZ, STIL_INFO); break;
    case Status::IstErste: MsgAntwort = SPU().Zantro_Msg(MELDUNG_ERSTER_DATENSATZ, STIL_INFO); break;
    case Status::IstLetzte: MsgAntwort = SPU().Zantro_Msg(MELDUNG_LETZTER_DATENSATZ, STIL_INFO); break;
    case Status::Gefunden: {
      QString ziel = n.Scorekartenidn;
      GotoScorekarte(ziel);
      break;
    }
    case Status::NichtDabei:  // the card shown is not one of the golfer's: no move
    case Status::Fehler: break;
  }
}

// ------------------------------------------------------------------ history

std::optional<NeueHistorie> BereiteHistorie(const Scorekarte& karte, const KartenErgebnis& ergebnis) {
  Golfer& f = GolferForm();
  double handicap = 0;
  const QString stammvorgabe = f.GezeigteStammvorgabe();
  if (!HandicapZuZahl(stammvorgabe, handicap)) {
    MeldeKeineZahl(FELD_STAMMVORGABE, stammvorgabe);
    return std::nullopt;
  }
  NeueHistorie h;
  // The net Stableford points of all holes; none when no hole counts.
  const QString punkteText = ergebnis.Score ? ergebnis.Score->StblNetto[21] : QString();
  if (!IstLeer(punkteText)) {
    int p = 0;
    if (!TextZuInt16(punkteText, p)) {
      MeldeKeineZahl(FELD_NETTOPUNKTE, punkteText);
      return std::nullopt;
    }
    h.Punkte = p;
  }
  h.Karte = karte;
  h.Golferidn = AktiverGolfer.Golferidn;
  h.Neu = BerechneHandicap(handicap, h.Punkte.value_or(0));
  h.Gerundet = GanzesHandicap(h.Neu);
  return h;
}

bool SpeichereHistorie(const NeueHistorie& h) {
  // The history row and the golfer's handicap after the round go together.
  return AlsEineAktion([&] {
    return DBG().NeuHistorie(h.Karte, h.Golferidn, h.Punkte, h.Neu) &&
           DBG().aendere_tab_eintrag(QStringLiteral("tab_golfer"), QStringLiteral("Golferidn"), h.Golferidn, h.Neu,
                                     QStringLiteral("Stammvorgabe")) &&
           DBG().aendere_tab_eintrag(QStringLiteral("tab_golfer"), QStringLiteral("Golferidn"), h.Golferidn, h.Gerundet,
                                     QStringLiteral("Handicap"));
  });
}

void ZeigeHistorie(const NeueHistorie& h) {
  Golfer& f = GolferForm();
  f.HandicapsGespeichert(h.Neu, h.Gerundet);
  AktiverGolfer.Stammvorgabe = HandicapAlsText(h.Neu);
  AktiverGolfer.Handicap = HandicapAlsText(h.Gerundet);
  ::FuelleHdcpListbox(h.Golferidn);
}

bool NeuHistorie() {
  const Golfer& g = GolferForm();
  const KartenEingabe eingabe = g.LiesEingabe();
  const KartenErgebnis ergebnis = RechneScorekarte(eingabe, 0);
  const std::optional<NeueHistorie> h = BereiteHistorie(g.LiesKarte(eingabe, ergebnis), ergebnis);
  if (!h || !SpeichereHistorie(*h)) return false;
  ZeigeHistorie(*h);
  return true;
}
