// Scorecards: Greenlogs to and from page 1 of the golfer window. A card is one row: the
// header, the totals and nine values for each of the 18 holes.
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTimer>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Scorekartenzeilen.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "scoring/Scoreberechnungen.h"
#include "scoring/Scorekartenrechnung.h"

namespace {

const QString LAST = QStringLiteral("LAST");

QVariant NullWert() { return QVariant(QMetaType::fromType<QString>()); }
QVariant TextOderNull(const QString& t) { return IstLeer(t) ? NullWert() : QVariant(t); }

// A stored number as the boxes show it (the locale's decimal sign, no trailing zeros).
QString ZahlText(const QVariant& v) {
  if (v.isNull()) return QString();
  bool ok = false;
  const double d = v.toDouble(&ok);
  return ok ? ZahlStandardText(d) : v.toString();
}

bool IstWahr(const QVariant& v) { return !v.isNull() && v.toInt() != 0; }
int Haken(const QCheckBox* c) { return c && c->isChecked() ? 1 : 0; }
QString Text(const QLineEdit* t) { return t ? t->text() : QString(); }
QString Text(const QLabel* l) { return l ? l->text() : QString(); }

// A caption that holds a number: the number; otherwise an invalid QVariant.
QVariant Zahl(const QString& text) {
  double d = 0;
  if (!TextZuDouble(text, d)) return QVariant();
  return d;
}

// The key of the course named in the card's course box: the card's own course when it
// has that name (two courses may share a name), else the first course of that name.
QString GolfplatzidnVon(DBGKlasse& db, Golfer& g, const QString& name) {
  const QString eigene = g.Golfplatzidn->text();
  if (!eigene.isEmpty()) {
    const QString n = db.gib_tab_eintrag(QStringLiteral("tab_golfplatz"), QStringLiteral("Golfplatzidn"), eigene,
                                         QStringLiteral("Golfplatzname"));
    if (!n.isEmpty() && n.compare(name, Qt::CaseInsensitive) == 0) return eigene;
  }
  return db.gib_tab_eintrag(QStringLiteral("tab_golfplatz"), QStringLiteral("Golfplatzname"), name,
                            QStringLiteral("Golfplatzidn"));
}

}  // namespace

// ---------------------------------------------------------------------------- storing

bool DBGKlasse::WriteScorekarte(const QString& Scorekartenidn) {
  m_karteAbgelehnt = false;
  Golfer& g = GolferForm();

  // A text the user must correct: the card stays on screen, nothing is written.
  auto ablehnen = [&](int meldung, QComboBox* liste, QWidget* fokus) {
    // The move that asked for the write is refused: the card stays in front as it is.
    g.ZeigeScorekartenseite();
    MsgAntwort = SPU().Zantro_Msg(meldung, STIL_INFO);
    if (liste) {
      liste->setCurrentIndex(-1);
      liste->setEditText(QString());
    }
    if (fokus) fokus->setFocus(Qt::OtherFocusReason);
    m_karteAbgelehnt = true;
    return false;
  };

  // 1. Course: the text must be one of the list; an empty box keeps the stored course.
  const QString platz = g.Golfplatznummer->currentText();
  QString golfplatzidn;
  bool platzGesetzt = false;
  if (!IstLeer(platz)) {
    if (SucheListeneintrag(g.Golfplatznummer, platz) < 0) return ablehnen(153, g.Golfplatznummer, nullptr);
    golfplatzidn = GolfplatzidnVon(*this, g, platz);
    platzGesetzt = true;
  }
  // 2. Game type, likewise.
  const QString spielart = g.Spielart->currentText();
  QString spielartidn;
  bool spielartGesetzt = false;
  if (!IstLeer(spielart)) {
    if (SucheListeneintrag(g.Spielart, spielart) < 0) return ablehnen(214, g.Spielart, nullptr);
    spielartidn = gib_tab_eintrag(QStringLiteral("tab_Spielart"), QStringLiteral("Spielartname"), spielart,
                                  QStringLiteral("Spielartidn"));
    spielartGesetzt = true;
  }
  // The date: empty stores Null; a date that is no date is never stored.
  const QString datumText = Text(g.Datum[1]);
  QString datum;
  if (!IstLeer(datumText)) {
    datum = DatumAlsIso(datumText);
    if (datum.isEmpty()) {
      g.Datum[1]->clear();
      return ablehnen(178, nullptr, g.Datum[1]);
    }
  }
  // 3. Tee: the tee of that name on the card's course. With a course named, what the tee
  // box shows is stored: a tee the course does not have (or none) leaves the card without.
  bool abschlagGesetzt = false;
  QVariant slopeidn = NullWert();
  if (platzGesetzt) {
    abschlagGesetzt = true;
    const QString abschlag = g.Abschlagbezeichnung->currentText();
    if (!IstLeer(abschlag)) {
      QSqlQuery q;
      if (!Ausfuehren(q, QStringLiteral("SELECT Slopeidn FROM tab_slope WHERE Golfplatzidn = ? AND Abschlagbezeichnung = ?"),
                      {golfplatzidn, abschlag}))
        return false;
      if (q.next()) slopeidn = TextOderNull(q.value(0).toString());
    }
  }
  // 4. Tournament: the number of the tournament of that name ("" when there is none).
  const QString turnier = g.TurnierNameKarte->currentText();
  QVariant turniernummer = NullWert();
  if (!IstLeer(turnier))
    turniernummer = gib_tab_eintrag(QStringLiteral("tab_Turnier"), QStringLiteral("TurnierName"), turnier,
                                    QStringLiteral("Turniernummer"));

  // The numbers of the header must be numbers before anything is written.
  const QVariant aktSSSPar = IstLeer(Text(g.AktSSSPar)) ? QVariant() : Zahl(Text(g.AktSSSPar));
  if (!IstLeer(Text(g.AktSSSPar)) && !aktSSSPar.isValid()) {
    Fehlerbox(TypfehlerText());
    m_karteAbgelehnt = true;
    return false;
  }

  // 5. The row.
  {
    QSqlQuery q;
    if (!Ausfuehren(q, QStringLiteral("SELECT Scorekartenidn FROM Greenlogs WHERE Scorekartenidn = ?"), {Scorekartenidn}))
      return false;
    m_Anzahl = q.next() ? 1 : 0;
    if (m_Anzahl == 0) return false;
  }

  QStringList spalten;
  QVariantList werte;
  auto setze = [&](const QString& spalte, const QVariant& wert) {
    spalten << Bezeichner(spalte) + QStringLiteral(" = ?");
    werte << wert;
  };

  // 6. Header.
  if (!IstLeer(Text(g.Golfernummer))) setze(QStringLiteral("Golfernummer"), Text(g.Golfernummer));
  if (platzGesetzt) setze(QStringLiteral("Golfplatznummer"), TextOderNull(golfplatzidn));
  if (spielartGesetzt) setze(QStringLiteral("Spielart"), TextOderNull(spielartidn));
  if (abschlagGesetzt) setze(QStringLiteral("Slopeidn"), slopeidn);
  setze(QStringLiteral("TurniernameKarte"), turniernummer);
  setze(QStringLiteral("Datum"), TextOderNull(datum));
  const int vorgabewirksam = Haken(g.Vorgabewirksam);
  setze(QStringLiteral("Vorgabewirksam"), vorgabewirksam);
  const bool relevant = vorgabewirksam == 1;

  // The playing handicap as a whole number becomes the card's handicap.
  const Feldwert sv = LeseFeldwert(3, Text(g.Spielvorgabe));
  if (!IstLeer(Text(g.Spielvorgabe)) && sv.Gueltig) g.AktHdcp->setText(QString::number(sv.ZahlWert));
  if (!IstLeer(Text(g.AktHdcp))) {
    const Feldwert h = LeseFeldwert(4, Text(g.AktHdcp));
    if (h.Gueltig) setze(QStringLiteral("AktHdcp"), h.DoubleWert);
  }
  if (aktSSSPar.isValid()) setze(QStringLiteral("AktSSSPar"), aktSSSPar);
  if (!IstLeer(Text(g.ShowWhat))) setze(QStringLiteral("ShowWhat"), Text(g.ShowWhat));
  const Feldwert gesamt = LeseFeldwert(2, Text(g.GesamtScore));
  if (gesamt.Gueltig) {
    const QVariant z = Zahl(gesamt.TextWert);
    setze(QStringLiteral("GesamtScore"), z.isValid() ? z : QVariant(gesamt.TextWert));
  }
  const Feldwert ueber = LeseFeldwert(3, Text(g.ErgebnisUeberPar));
  QVariant ueberPar = ueber.Gueltig ? QVariant(ueber.ZahlWert) : QVariant();
  const Feldwert slope = LeseFeldwert(4, Text(g.Slope));
  if (slope.Gueltig) setze(QStringLiteral("Slope"), slope.DoubleWert);
  const Feldwert cr = LeseFeldwert(4, Text(g.CourseRating));
  if (cr.Gueltig) setze(QStringLiteral("CourseRating"), cr.DoubleWert);
  bool frageFaellig = false;
  QString zustand = Text(g.HdcpHistorieZustand);
  if (!IstLeer(zustand)) {
    frageFaellig = zustand == QLatin1String("0") && relevant;
  } else {
    zustand = QStringLiteral("0");
    frageFaellig = relevant;
  }

  // 7. Holes. A: every hole holds a number or "-"; B: every hole a real score;
  // C: fairways may be summed; D: every hole has a distance; E: every hole has putts.
  bool a = true, b = true, c = true, d = true, e = true;
  auto ganzzahl = [](const QString& text) {
    const Feldwert f = LeseFeldwert(3, text);
    return f.Gueltig ? QVariant(f.ZahlWert) : QVariant();
  };
  for (int i = 1; i <= 18; ++i) {
    const QString score = Text(g.ScoreLoch[i]);
    const Feldwert s = LeseFeldwert(1, score);
    if (s.Gueltig) {
      setze(FeldnameNr(QStringLiteral("ScoreLoch"), i), s.ZahlWert);
    } else {
      setze(FeldnameNr(QStringLiteral("ScoreLoch"), i), QVariant());
      a = false;
      c = false;
    }
    const int code = GibScore(score);
    if (code == SCORE_UNGUELTIG || code == SCORE_LEER) frageFaellig = false;
    if (code > 99) b = false;
    setze(FeldnameNr(QStringLiteral("FairwaytrefferLoch"), i), Haken(g.FairwaytrefferLoch[i]));
    setze(FeldnameNr(QStringLiteral("AbschlagLoch"), i), ganzzahl(Text(g.AbschlagLoch[i])));
    const Feldwert dist = LeseFeldwert(4, Text(g.DistanceLoch[i]));
    if (dist.Gueltig) {
      setze(FeldnameNr(QStringLiteral("DistanceLoch"), i), RundeGerade(dist.DoubleWert, 1));
    } else {
      setze(FeldnameNr(QStringLiteral("DistanceLoch"), i), QVariant());
      d = false;
    }
    const QVariant putts = ganzzahl(Text(g.PuttsLoch[i]));
    if (!putts.isValid()) e = false;
    setze(FeldnameNr(QStringLiteral("PuttsLoch"), i), putts);
    setze(FeldnameNr(QStringLiteral("StrafschlagLoch"), i), ganzzahl(Text(g.StrafschlagLoch[i])));
    setze(FeldnameNr(QStringLiteral("BunkerLoch"), i), ganzzahl(Text(g.BunkerLoch[i])));
    setze(FeldnameNr(QStringLiteral("ChipLoch"), i), Haken(g.ChipLoch[i]));
    setze(FeldnameNr(QStringLiteral("PitchLoch"), i), Haken(g.PitchLoch[i]));
  }

  // 8. Completeness and totals.
  int wasGespielt = 0;
  if (a && b) {
    wasGespielt = 1;
    const QVariant summe = Zahl(Text(g.GesamtScore)), par = Zahl(Text(g.ParLoch[21]));
    int n = 0;
    if (summe.isValid() && par.isValid() && TextZuInt16(ZahlStandardText(summe.toDouble() - par.toDouble()), n))
      ueberPar = n;
  } else if (a) {
    wasGespielt = 2;
  }
  // Strokes over par that the label does not hold and the round does not give keep
  // their stored value.
  if (ueberPar.isValid()) setze(QStringLiteral("ErgebnisÜberPar"), ueberPar);
  setze(QStringLiteral("WasGespielt"), wasGespielt);
  auto summeWenn = [&](QLabel* l, bool bedingung, const char* spalte) {
    if (!bedingung || IstLeer(Text(l))) return;
    const QVariant z = Zahl(Text(l));
    if (z.isValid()) setze(QString::fromUtf8(spalte), z);
  };
  summeWenn(g.GesamtDistance, d, "GesamtDrivingDistance");
  summeWenn(g.GesamtFWT, c, "GesamtFwt");
  summeWenn(g.GesamtPutts, e, "GesamtPutt");

  // 9. The history question is asked once per card.
  if (frageFaellig) {
    MsgAntwort = SPU().Zantro_Msg(33, STIL_FRAGE);
    zustand = QStringLiteral("1");
    g.HdcpHistorieZustand->setText(zustand);
  } else {
    MsgAntwort = ANTWORT_NEIN;
  }

  setze(QStringLiteral("HdcpHistorieZustand"), zustand);

  // 10. One statement: the row is changed as a whole or not at all.
  werte << Scorekartenidn;
  QSqlQuery u;
  if (!Ausfuehren(u, QStringLiteral("UPDATE Greenlogs SET %1 WHERE Scorekartenidn = ?").arg(spalten.join(QStringLiteral(", "))),
                  werte))
    return false;

  // 11. The round enters the handicap history.
  if (MsgAntwort == ANTWORT_JA) NeuHistorie();
  return true;
}

bool DBGKlasse::VerlasseScorekarte() {
  if (!FormExistiert<Golfer>()) return true;
  const QString id = GolferForm().ScorekartenIdn->text();
  if (IstLeer(id)) return true;
  return WriteScorekarte(id) || !m_karteAbgelehnt;
}

// ---------------------------------------------------------------------------- loading

bool DBGKlasse::ReadScorekarte(const QString& Scorekartenidn) {
  Golfer& g = GolferForm();
  LoescheScorekartenFelder();
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT * FROM Greenlogs WHERE Scorekartenidn = ?"), {Scorekartenidn})) return false;
  if (!q.next()) {
    m_Anzahl = 0;
    return false;
  }
  m_Anzahl = 1;
  const QSqlRecord r = q.record();
  auto wert = [&](const QString& feld) {
    const int i = r.indexOf(feld);
    return i < 0 ? QVariant() : q.value(i);
  };
  auto text = [&](const QString& feld) {
    const QVariant v = wert(feld);
    return v.isNull() ? QString() : v.toString();
  };

  g.ScorekartenIdn->setText(text(QStringLiteral("Scorekartenidn")));
  g.Golfernummer->setText(text(QStringLiteral("Golfernummer")));
  const QString golfplatzidn = text(QStringLiteral("Golfplatznummer"));
  g.Golfplatzidn->setText(golfplatzidn);
  g.Datum[1]->setText(IsoAlsDatum(text(QStringLiteral("Datum"))));
  g.Vorgabewirksam->setChecked(IstWahr(wert(QStringLiteral("Vorgabewirksam"))));
  const QVariant hdcp = wert(QStringLiteral("AktHdcp"));
  if (!hdcp.isNull()) {
    g.AktHdcp->setText(ZahlText(hdcp));
    g.Spielvorgabe->setText(ZahlStandardText(RundeGerade(hdcp.toDouble(), 1)));
  }
  const QVariant sss = wert(QStringLiteral("AktSSSPar"));
  if (!sss.isNull()) g.AktSSSPar->setText(ZahlText(sss));
  g.ErgebnisUeberPar->setText(ZahlText(wert(QStringLiteral("ErgebnisÜberPar"))));
  g.GesamtScore->setText(ZahlText(wert(QStringLiteral("GesamtScore"))));
  g.HdcpHistorieZustand->setText(text(QStringLiteral("HdcpHistorieZustand")));
  const QString spielartidn = text(QStringLiteral("Spielart"));
  const QString turniernummer = text(QStringLiteral("TurnierNameKarte"));
  const QString maske = text(QStringLiteral("ShowWhat"));
  g.ShowWhat->setText(wert(QStringLiteral("ShowWhat")).isNull() ? ALLE_ZEILEN : maske);

  QString name;
  QString id = golfplatzidn;
  const PlatzDaten platz = GibGolfplatzDaten(name, id);
  if (sss.isNull()) g.AktSSSPar->setText(QString::number(platz.SSSPar));

  for (int i = 1; i <= 18; ++i) {
    g.VorgabeLoch[i]->setText(QString::number(platz.Vorgabe[i]));
    g.ParLoch[i]->setText(QString::number(platz.Par[i]));
    const QString nn = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    auto feld = [&](const char* prefix) { return QString::fromUtf8(prefix) + nn; };
    g.ScoreLoch[i]->setText(ZahlText(wert(feld("ScoreLoch"))));
    g.FairwaytrefferLoch[i]->setChecked(IstWahr(wert(feld("FairwaytrefferLoch"))));
    g.AbschlagLoch[i]->setText(ZahlText(wert(feld("AbschlagLoch"))));
    g.DistanceLoch[i]->setText(ZahlText(wert(feld("DistanceLoch"))));
    g.ChipLoch[i]->setChecked(IstWahr(wert(feld("ChipLoch"))));
    g.PitchLoch[i]->setChecked(IstWahr(wert(feld("PitchLoch"))));
    g.PuttsLoch[i]->setText(ZahlText(wert(feld("PuttsLoch"))));
    g.StrafschlagLoch[i]->setText(ZahlText(wert(feld("StrafschlagLoch"))));
    g.BunkerLoch[i]->setText(ZahlText(wert(feld("BunkerLoch"))));
  }
  const QString slopeidn = text(QStringLiteral("Slopeidn"));
  g.SlopeIdn->setText(slopeidn);
  g.Slope->setText(ZahlText(wert(QStringLiteral("Slope"))));
  g.CourseRating->setText(ZahlText(wert(QStringLiteral("CourseRating"))));

  // The lists: the courses marked to be shown and the card's own course; all game types;
  // all tournaments. Each with the card's entry selected.
  auto auswahl = [](const QString& v) { return v.isEmpty() ? QVariant() : QVariant(v); };
  g.FuelleGolfplatzliste(golfplatzidn);
  FuelleListe(g.Spielart, QStringLiteral("Tab_Spielart"), QStringLiteral("Spielartname"), QStringLiteral("Spielartidn"),
              auswahl(spielartidn));
  FuelleListe(g.TurnierNameKarte, QStringLiteral("tab_Turnier"), QStringLiteral("TurnierName"),
              QStringLiteral("TurnierNummer"), auswahl(turniernummer));
  g.FuelleAbschlagListe(golfplatzidn, slopeidn);
  // Long names show their beginning.
  for (QComboBox* c : {g.Golfplatznummer, g.Spielart, g.TurnierNameKarte, g.Abschlagbezeichnung})
    if (c->lineEdit()) c->lineEdit()->setCursorPosition(0);
  return true;
}

bool DBGKlasse::GotoScorekarte(QString& Scorekartenidn) {
  QSqlQuery q;
  const bool letzte = Scorekartenidn == LAST;
  // The latest card: the latest date, among cards of one date the highest key.
  const bool ok = letzte ? Ausfuehren(q,
                                      QStringLiteral("SELECT Scorekartenidn FROM Greenlogs WHERE Golfernummer = ? "
                                                     "ORDER BY Datum DESC, CAST(Scorekartenidn AS INTEGER) DESC, "
                                                     "Scorekartenidn DESC LIMIT 1"),
                                      {AktiverGolfer.Golferidn})
                         : Ausfuehren(q, QStringLiteral("SELECT Scorekartenidn FROM Greenlogs WHERE Scorekartenidn = ?"),
                                      {Scorekartenidn});
  if (!ok) return false;
  if (!q.next()) {
    m_Anzahl = 0;
    // No card: the golfer gets a new one, which is shown.
    return LegeScorekarteAn(AktiverGolfer.Golferidn);
  }
  m_Anzahl = 1;
  if (letzte) Scorekartenidn = q.value(0).toString();
  q.finish();
  ReadScorekarte(Scorekartenidn);
  SetzeScorekartenZeilen(QStringLiteral("Golfer"));
  BerechneScorekarte(0);
  return true;
}

bool DBGKlasse::NeuScorekarte(const QString& Golferidn) {
  // The card shown is stored first; a card the user must correct stays.
  if (!VerlasseScorekarte()) return false;
  return LegeScorekarteAn(Golferidn);
}

bool DBGKlasse::LegeScorekarteAn(const QString& Golferidn) {
  QString maske = gib_tab_eintrag(QStringLiteral("tab_EinstellungenIntern"), QStringLiteral("Bezeichnung"),
                                  QStringLiteral("ShowWhat"), QStringLiteral("Wert"));
  QString id = GibId(QStringLiteral("Greenlogs"), QStringLiteral("Scorekartenidn"));
  if (id.isEmpty()) return false;
  // Home club and exact handicap always come from the active golfer.
  QVariant hdcp = NullWert();
  double h = 0;
  if (HandicapZuZahl(AktiverGolfer.Stammvorgabe, h)) hdcp = h;
  QSqlQuery q;
  if (!Ausfuehren(q,
                  QStringLiteral("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Datum, Golfplatznummer, "
                                 "Spielart, AktHdcp, ShowWhat) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                  {id, TextOderNull(Golferidn), QDate::currentDate().toString(Qt::ISODate),
                   TextOderNull(AktiverGolfer.Heimatclub), QStringLiteral("2"), hdcp, TextOderNull(maske)}))
    return false;
  return GotoScorekarte(id);
}

void DBGKlasse::ScrollScorecard(int Richtung) {
  // The card on screen is stored first; a card the user must correct stays in front.
  if (!VerlasseScorekarte()) return;
  const QString ordnung = QStringLiteral(" ORDER BY Datum ASC, CAST(Scorekartenidn AS INTEGER) ASC, Scorekartenidn ASC");
  if (!SetSQL(QStringLiteral("qryScorekarteMove"),
              QStringLiteral("SELECT * FROM Greenlogs WHERE Golfernummer = ") + SqlText(AktiverGolfer.Golferidn) +
                  ordnung))
    return;
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT Scorekartenidn FROM qryScorekarteMove") + ordnung)) return;
  QStringList karten;
  while (q.next()) karten << (q.value(0).isNull() ? QString() : q.value(0).toString());
  q.finish();
  m_Anzahl = karten.size();
  if (karten.isEmpty()) {
    MsgAntwort = SPU().Zantro_Msg(30, STIL_INFO);
    return;
  }
  const QString aktuell = GolferForm().ScorekartenIdn->text();
  const int pos = aktuell.isEmpty() ? -1 : int(karten.indexOf(aktuell));
  if (pos < 0) return;  // the card shown is not one of the golfer's: no move
  QString ziel;
  if (Richtung == 1) {
    if (pos == 0) {
      MsgAntwort = SPU().Zantro_Msg(31, STIL_INFO);
      return;
    }
    ziel = karten.at(pos - 1);
  } else {
    if (pos == karten.size() - 1) {
      MsgAntwort = SPU().Zantro_Msg(32, STIL_INFO);
      return;
    }
    ziel = karten.at(pos + 1);
  }
  GotoScorekarte(ziel);
}
