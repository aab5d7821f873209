// Scorecards: Greenlogs to and from Scorekarte values. A card is one row: the header, the
// totals and, for each of the 18 holes, the entries of the hole table (data/Lochfelder.h).
#include <QDate>
#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "data/Scorekarte.h"

namespace {

const QString LAST = QStringLiteral("LAST");
// Cards of one date follow their keys as numbers.
const QString ORDNUNG = QStringLiteral(" ORDER BY Datum ASC, CAST(Scorekartenidn AS INTEGER) ASC, Scorekartenidn ASC");

QVariant NullWert() { return QVariant(QMetaType::fromType<QString>()); }
QVariant TextOderNull(const QString& t) { return IstLeer(t) ? NullWert() : QVariant(t); }

// The score code of a hole as GibScore gives it for the typed text.
int Scorecode(const std::optional<int>& score) {
  if (!score) return SCORE_LEER;
  if (*score == 99) return SCORE_GESTRICHEN;
  if (*score >= 1 && *score <= 100) return *score;
  return SCORE_UNGUELTIG;
}

// Whether `name` is one of the names the query selects, in any letter case.
bool NameDabei(QSqlQuery& q, const QString& name) {
  const QString n = name.toUpper();
  while (q.next())
    if (!q.value(0).isNull() && q.value(0).toString().toUpper() == n) return true;
  return false;
}
}  // namespace

bool HistorieFaellig(const Scorekarte& k) {
  const QString& zustand = k.HdcpHistorieZustand;
  if (!k.Vorgabewirksam || !(IstLeer(zustand) || zustand == QLatin1String("0"))) return false;
  for (int i = 1; i <= 18; ++i) {
    const int code = Scorecode(k.Loch[i].Score);
    if (code == SCORE_UNGUELTIG || code == SCORE_LEER) return false;
  }
  return true;
}

int Spielstand(const Scorekarte& karte) {
  bool alle = true, echt = true;
  for (int i = 1; i <= 18; ++i) {
    const std::optional<int>& s = karte.Loch[i].Score;
    if (!s) alle = false;
    if (Scorecode(s) > 99) echt = false;
  }
  if (alle && echt) return 1;
  return alle ? 2 : 0;
}

// ---------------------------------------------------------------------------- storing

KartenSpeicherung DBGKlasse::PruefeScorekarte(const Scorekarte& k) { return SpeichereScorekarte(k, false); }

KartenSpeicherung DBGKlasse::WriteScorekarte(const Scorekarte& k, bool historieAngeboten) {
  return SpeichereScorekarte(k, true, historieAngeboten);
}

namespace {

KartenSpeicherung Abgelehnt(int meldung, KartenSpeicherung::Feld feld) {
  KartenSpeicherung aus;
  aus.Ergebnis = KartenSpeicherung::Status::Abgelehnt;
  aus.Meldung = meldung;
  aus.Ablehnungsfeld = feld;
  return aus;
}

KartenSpeicherung Gespeichert(bool historieFragen) {
  KartenSpeicherung aus;
  aus.Ergebnis = KartenSpeicherung::Status::Gespeichert;
  aus.HistorieFragen = historieFragen;
  return aus;
}

}  // namespace

// What the card's names stand for in the database, found before anything is written.
struct DBGKlasse::Kartenbezug {
  bool platzGesetzt = false;
  QString golfplatzidn;
  bool spielartGesetzt = false;
  QString spielartidn;
  QString datum;
  QVariant slopeidn = NullWert();
  QVariant turniernummer = NullWert();
};

// The columns of the card's row to set, and the terms that find the row holding them all.
class DBGKlasse::Kartenzeile {
 public:
  void setze(const QString& spalte, const QVariant& wert) {
    const QString name = Bezeichner(spalte);
    spalten << name + QStringLiteral(" = ?");
    gleich << name + QStringLiteral(" IS ? COLLATE BINARY");
    werte << wert;
  }
  template <class T>
  void setzeWenn(const QString& spalte, const std::optional<T>& wert) {
    if (wert) setze(spalte, *wert);
  }
  // A check box (or the completeness) that a row without a value shows as 0: stored as 0
  // or 1, yet a row that reads the same is no change.
  void setzeSchalter(const QString& spalte, int wert) {
    setze(spalte, wert);
    gleich.last() = QStringLiteral("COALESCE(%1, 0) IS ?").arg(Bezeichner(spalte));
  }

  QStringList spalten, gleich;
  QVariantList werte;
};

KartenSpeicherung DBGKlasse::SpeichereScorekarte(const Scorekarte& k, bool schreiben, bool historieAngeboten) {
  using Status = KartenSpeicherung::Status;
  Kartenbezug b;
  if (auto halt = BezieheGolfplatz(k, b)) return *halt;
  if (auto halt = BezieheSpielart(k, b)) return *halt;
  if (auto halt = BezieheDatum(k, b)) return *halt;
  if (auto halt = BezieheAbschlag(k, b)) return *halt;
  BezieheTurnier(k, b);

  // 5. The row.
  const std::optional<bool> da = ScorekarteVorhanden(k.Scorekartenidn);
  if (!da) return {};
  if (!*da) {
    KartenSpeicherung aus;
    aus.Ergebnis = Status::KeineKarte;
    return aus;
  }
  const bool frageFaellig = HistorieFaellig(k);
  if (!schreiben) return Gespeichert(frageFaellig);

  Kartenzeile z;
  SetzeKartenkopf(k, b, z);
  const Lochbefund loecher = SetzeLoecher(k, z);
  SetzeSummen(k, b, loecher, z);
  // 9. The round is offered to the handicap history once per card.
  const QString zustand = frageFaellig && historieAngeboten ? QStringLiteral("1")
                          : IstLeer(k.HdcpHistorieZustand)  ? QStringLiteral("0")
                                                            : k.HdcpHistorieZustand;
  z.setze(QStringLiteral("HdcpHistorieZustand"), zustand);
  if (!SchreibeKartenzeile(k.Scorekartenidn, z)) return {};
  return Gespeichert(frageFaellig);
}

std::optional<KartenSpeicherung> DBGKlasse::BezieheGolfplatz(const Scorekarte& k, Kartenbezug& b) {
  // 1. Course: one of the courses that can be chosen (those marked to be shown and the
  // card's own); an empty name keeps the stored course. Of two courses with that name the
  // card's own.
  b.platzGesetzt = !IstLeer(k.Golfplatzname);
  if (!b.platzGesetzt) return std::nullopt;
  {
    const Vorbereitet q(AusfuehrenVorbereitet(
        QStringLiteral("SELECT Golfplatzname FROM tab_Golfplatz WHERE GolfplatzAnzeigen <> 0 OR Golfplatzidn = ?"),
        {k.Golfplatzidn}));
    if (!q) return KartenSpeicherung{};
    if (!NameDabei(*q, k.Golfplatzname)) return Abgelehnt(MELDUNG_NICHT_IN_LISTE, KartenSpeicherung::Feld::Golfplatz);
  }
  if (!IstLeer(k.Golfplatzidn)) {
    const QString eigener = gib_tab_eintrag(QStringLiteral("tab_golfplatz"), QStringLiteral("Golfplatzidn"),
                                            k.Golfplatzidn, QStringLiteral("Golfplatzname"));
    if (!eigener.isEmpty() && eigener.compare(k.Golfplatzname, Qt::CaseInsensitive) == 0)
      b.golfplatzidn = k.Golfplatzidn;
  }
  if (b.golfplatzidn.isEmpty())
    b.golfplatzidn = gib_tab_eintrag(QStringLiteral("tab_golfplatz"), QStringLiteral("Golfplatzname"), k.Golfplatzname,
                                     QStringLiteral("Golfplatzidn"));
  return std::nullopt;
}

std::optional<KartenSpeicherung> DBGKlasse::BezieheSpielart(const Scorekarte& k, Kartenbezug& b) {
  // 2. Game type, likewise, out of all game types.
  b.spielartGesetzt = !IstLeer(k.Spielartname);
  if (!b.spielartGesetzt) return std::nullopt;
  {
    const Vorbereitet q(AusfuehrenVorbereitet(QStringLiteral("SELECT Spielartname FROM tab_Spielart")));
    if (!q) return KartenSpeicherung{};
    if (!NameDabei(*q, k.Spielartname))
      return Abgelehnt(MELDUNG_SPIELART_NICHT_IN_LISTE, KartenSpeicherung::Feld::Spielart);
  }
  b.spielartidn = gib_tab_eintrag(QStringLiteral("tab_Spielart"), QStringLiteral("Spielartname"), k.Spielartname,
                                  QStringLiteral("Spielartidn"));
  return std::nullopt;
}

std::optional<KartenSpeicherung> DBGKlasse::BezieheDatum(const Scorekarte& k, Kartenbezug& b) {
  // The date: empty stores Null; a date that is no date is never stored.
  if (k.DatumBleibt || IstLeer(k.Datum)) return std::nullopt;
  b.datum = DatumAlsIso(k.Datum);
  if (b.datum.isEmpty()) return Abgelehnt(MELDUNG_DATUM_UNGUELTIG, KartenSpeicherung::Feld::Datum);
  return std::nullopt;
}

std::optional<KartenSpeicherung> DBGKlasse::BezieheAbschlag(const Scorekarte& k, Kartenbezug& b) {
  // 3. Tee: one of the tees of the card's course (the one of that exact name, else the
  // first in any letter case); a tee the course does not have is refused, what the box
  // shows is what is stored. With a course named and no tee the card has none.
  if (!b.platzGesetzt || IstLeer(k.Abschlagbezeichnung)) return std::nullopt;
  const Vorbereitet q(AusfuehrenVorbereitet(
      QStringLiteral("SELECT Slopeidn, Abschlagbezeichnung FROM tab_slope WHERE Golfplatzidn = ? ORDER BY rowid"),
      {b.golfplatzidn}));
  if (!q) return KartenSpeicherung{};
  QString genau, aehnlich;
  while (q->next() && genau.isEmpty()) {
    const QString name = q->value(1).toString();
    if (name == k.Abschlagbezeichnung)
      genau = q->value(0).toString();
    else if (aehnlich.isEmpty() && name.compare(k.Abschlagbezeichnung, Qt::CaseInsensitive) == 0)
      aehnlich = q->value(0).toString();
  }
  if (genau.isEmpty() && aehnlich.isEmpty())
    return Abgelehnt(MELDUNG_NICHT_IN_LISTE, KartenSpeicherung::Feld::Abschlag);
  b.slopeidn = TextOderNull(genau.isEmpty() ? aehnlich : genau);
  return std::nullopt;
}

void DBGKlasse::BezieheTurnier(const Scorekarte& k, Kartenbezug& b) {
  // 4. Tournament: the number of the tournament of that name ("" when there is none).
  if (!IstLeer(k.Turniername))
    b.turniernummer = gib_tab_eintrag(QStringLiteral("tab_Turnier"), QStringLiteral("TurnierName"), k.Turniername,
                                      QStringLiteral("Turniernummer"));
}

void DBGKlasse::SetzeKartenkopf(const Scorekarte& k, const Kartenbezug& b, Kartenzeile& z) {
  // 6. Header.
  if (!IstLeer(k.Golfernummer)) z.setze(QStringLiteral("Golfernummer"), k.Golfernummer);
  if (b.platzGesetzt) {
    z.setze(QStringLiteral("Golfplatznummer"), TextOderNull(b.golfplatzidn));
    z.setze(QStringLiteral("Slopeidn"), b.slopeidn);
  }
  if (b.spielartGesetzt) z.setze(QStringLiteral("Spielart"), TextOderNull(b.spielartidn));
  if (!k.TurnierBleibt) z.setze(QStringLiteral("TurniernameKarte"), b.turniernummer);
  if (!k.DatumBleibt) z.setze(QStringLiteral("Datum"), TextOderNull(b.datum));
  z.setzeSchalter(QStringLiteral("Vorgabewirksam"), k.Vorgabewirksam ? 1 : 0);
  z.setzeWenn(QStringLiteral("AktHdcp"), k.AktHdcp);
  z.setzeWenn(QStringLiteral("AktSSSPar"), k.AktSSSPar);
  if (!IstLeer(k.ShowWhat)) z.setze(QStringLiteral("ShowWhat"), k.ShowWhat);
  z.setzeWenn(QStringLiteral("GesamtScore"), k.GesamtScore);
  z.setzeWenn(QStringLiteral("Slope"), k.Slope);
  z.setzeWenn(QStringLiteral("CourseRating"), k.CourseRating);
}

DBGKlasse::Lochbefund DBGKlasse::SetzeLoecher(const Scorekarte& k, Kartenzeile& z) {
  // 7. Holes, but for the entries that stay as the row holds them. Fairways may be summed
  // when every hole has a score; the drive length and putts when every hole has one.
  Lochbefund l;
  for (int i = 1; i <= 18; ++i) {
    const ScorekartenLoch& loch = k.Loch[i];
    for (const Lochfeldbeschreibung& f : LOCHTABELLE) {
      if (loch.Bleibt[size_t(f.Feld)]) continue;
      // A check box that a row without a value shows as not ticked is stored as a switch.
      if (f.IstKaestchen())
        z.setzeSchalter(Spaltenname(f, i), Speicherwert(f, loch).toInt());
      else
        z.setze(Spaltenname(f, i), Speicherwert(f, loch));
    }
    if (!loch.Score) l.alleScores = false;
    if (!loch.Putts) l.allePutts = false;
    if (!loch.Distance) l.ohneDistanz << i;
  }
  return l;
}

void DBGKlasse::SetzeSummen(const Scorekarte& k, const Kartenbezug& b, const Lochbefund& l, Kartenzeile& z) {
  // 8. Completeness and totals.
  z.setzeWenn(QStringLiteral("ErgebnisÜberPar"), k.ErgebnisUeberPar);
  z.setzeSchalter(QStringLiteral("WasGespielt"), Spielstand(k));
  // The drive total needs a length on every hole that counts for drives: par-3 holes do
  // not when the settings leave them out.
  bool alleDistanzen = l.ohneDistanz.isEmpty();
  if (!alleDistanzen && DrivingDistancePar3 == QLatin1String("0")) {
    const QString platz = b.platzGesetzt ? b.golfplatzidn : k.Golfplatzidn;
    QStringList felder;
    for (int i : l.ohneDistanz) felder << Bezeichner(Parspalte(i));
    QSqlQuery q;
    if (!IstLeer(platz) &&
        Ausfuehren(q,
                   QStringLiteral("SELECT %1 FROM tab_Golfplatz WHERE Golfplatzidn = ?")
                       .arg(felder.join(QStringLiteral(", "))),
                   {platz}) &&
        q.next()) {
      alleDistanzen = true;
      for (int j = 0; j < l.ohneDistanz.size(); ++j)
        if (q.value(j).isNull() || q.value(j).toInt() != 3) alleDistanzen = false;
    }
  }
  if (alleDistanzen) z.setzeWenn(QStringLiteral("GesamtDrivingDistance"), k.GesamtDrivingDistance);
  if (l.alleScores) z.setzeWenn(QStringLiteral("GesamtFwt"), k.GesamtFwt);
  if (l.allePutts) z.setzeWenn(QStringLiteral("GesamtPutt"), k.GesamtPutt);
}

bool DBGKlasse::SchreibeKartenzeile(const QString& Scorekartenidn, const Kartenzeile& z) {
  // 10. One statement: the row is changed as a whole or not at all. A row that holds every
  // value already (letter case counts) is left alone, so that moving through the cards
  // writes nothing to the disk.
  const std::optional<bool> abweichend =
      WeichtAb(QStringLiteral("Greenlogs"), QStringLiteral("Scorekartenidn"), Scorekartenidn, z.gleich, z.werte);
  if (!abweichend) return false;
  if (!*abweichend) return true;
  // The values go in twice: to be set, and to be compared with the row.
  const QString sql = QStringLiteral("UPDATE Greenlogs SET %1 WHERE Scorekartenidn = ? AND NOT (%2)")
                          .arg(z.spalten.join(QStringLiteral(", ")), z.gleich.join(QStringLiteral(" AND ")));
  return bool(Vorbereitet(AusfuehrenVorbereitet(sql, z.werte + QVariantList{Scorekartenidn} + z.werte)));
}

// ---------------------------------------------------------------------------- loading

std::optional<Scorekarte> DBGKlasse::ReadScorekarte(const QString& Scorekartenidn) {
  // With the names of the card's course, game type, tee and tournament.
  const Vorbereitet gemerkt(AusfuehrenVorbereitet(
      QStringLiteral(
          "SELECT g.*, "
          "(SELECT Golfplatzname FROM tab_Golfplatz WHERE Golfplatzidn = g.Golfplatznummer LIMIT 1) AS pw_platz, "
          "(SELECT Spielartname FROM tab_Spielart WHERE Spielartidn = g.Spielart LIMIT 1) AS pw_spielart, "
          "(SELECT Abschlagbezeichnung FROM tab_Slope WHERE Slopeidn = g.Slopeidn LIMIT 1) AS pw_abschlag, "
          "(SELECT TurnierName FROM tab_Turnier WHERE TurnierNummer = g.TurniernameKarte LIMIT 1) AS pw_turnier "
          "FROM Greenlogs g WHERE g.Scorekartenidn = ?"),
      {Scorekartenidn}));
  if (!gemerkt) return std::nullopt;
  QSqlQuery& q = *gemerkt;
  if (!q.next()) {
    m_Anzahl = 0;
    return std::nullopt;
  }
  m_Anzahl = 1;
  // The columns by name, in any letter case, the first of a name counting.
  const QSqlRecord r = q.record();
  QHash<QString, int> spalten;
  spalten.reserve(r.count());
  for (int i = r.count() - 1; i >= 0; --i) spalten.insert(r.fieldName(i).toLower(), i);
  auto wert = [&](const QString& feld) {
    const int i = spalten.value(feld.toLower(), -1);
    return i < 0 ? QVariant() : q.value(i);
  };
  auto text = [&](const QString& feld) {
    const QVariant v = wert(feld);
    return v.isNull() ? QString() : v.toString();
  };

  Scorekarte k;
  k.Scorekartenidn = text(QStringLiteral("Scorekartenidn"));
  k.Golfernummer = text(QStringLiteral("Golfernummer"));
  k.Golfplatzidn = text(QStringLiteral("Golfplatznummer"));
  k.Golfplatzname = text(QStringLiteral("pw_platz"));
  k.Spielartidn = text(QStringLiteral("Spielart"));
  k.Spielartname = text(QStringLiteral("pw_spielart"));
  k.Slopeidn = text(QStringLiteral("Slopeidn"));
  k.Abschlagbezeichnung = text(QStringLiteral("pw_abschlag"));
  k.Turniernummer = text(QStringLiteral("TurnierNameKarte"));
  k.Turniername = text(QStringLiteral("pw_turnier"));
  // A date the program cannot read is shown as it is stored.
  const QString datum = text(QStringLiteral("Datum"));
  k.Datum = IsoAlsDatum(datum);
  if (k.Datum.isEmpty()) k.Datum = datum;
  k.Vorgabewirksam = GespeicherterHaken(wert(QStringLiteral("Vorgabewirksam")));
  k.AktHdcp = GespeicherteZahl(wert(QStringLiteral("AktHdcp")));
  k.AktSSSPar = GespeicherteZahl(wert(QStringLiteral("AktSSSPar")));
  k.Slope = GespeicherteZahl(wert(QStringLiteral("Slope")));
  k.CourseRating = GespeicherteZahl(wert(QStringLiteral("CourseRating")));
  k.ShowWhat = text(QStringLiteral("ShowWhat"));
  k.HdcpHistorieZustand = text(QStringLiteral("HdcpHistorieZustand"));
  k.GesamtScore = GespeicherteZahl(wert(QStringLiteral("GesamtScore")));
  k.ErgebnisUeberPar = GespeicherteGanzzahl(wert(QStringLiteral("ErgebnisÜberPar")));
  k.GesamtDrivingDistance = GespeicherteZahl(wert(QStringLiteral("GesamtDrivingDistance")));
  k.GesamtFwt = GespeicherteZahl(wert(QStringLiteral("GesamtFwt")));
  k.GesamtPutt = GespeicherteZahl(wert(QStringLiteral("GesamtPutt")));
  k.WasGespielt = GespeicherteGanzzahl(wert(QStringLiteral("WasGespielt"))).value_or(0);
  for (int i = 1; i <= 18; ++i)
    for (const Lochfeldbeschreibung& f : LOCHTABELLE) SetzeAusSpeicher(f, k.Loch[i], wert(Spaltenname(f, i)));
  return k;
}

// ---------------------------------------------------------------------------- keys

std::optional<QString> DBGKlasse::LetzteScorekarte(const QString& Golferidn) {
  const Vorbereitet q(AusfuehrenVorbereitet(
      QStringLiteral("SELECT Scorekartenidn FROM Greenlogs WHERE Golfernummer = ? "
                     "ORDER BY Datum DESC, CAST(Scorekartenidn AS INTEGER) DESC, Scorekartenidn DESC LIMIT 1"),
      {Golferidn}));
  if (!q) return std::nullopt;
  m_Anzahl = q->next() ? 1 : 0;
  return m_Anzahl ? q->value(0).toString() : QString();
}

std::optional<bool> DBGKlasse::ScorekarteVorhanden(const QString& Scorekartenidn) {
  const Vorbereitet q(AusfuehrenVorbereitet(
      QStringLiteral("SELECT Scorekartenidn FROM Greenlogs WHERE Scorekartenidn = ?"), {Scorekartenidn}));
  if (!q) return std::nullopt;
  m_Anzahl = q->next() ? 1 : 0;
  return m_Anzahl == 1;
}

KartenNachbar DBGKlasse::NachbarScorekarte(const QString& Golferidn, const QString& Scorekartenidn, int Richtung) {
  using Status = KartenNachbar::Status;
  KartenNachbar n;
  // The view shows the golfer's cards in the order of the moves (rewritten only when it
  // shows another golfer's).
  if (!SetSQL(QStringLiteral("qryScorekarteMove"),
              QStringLiteral("SELECT * FROM Greenlogs WHERE Golfernummer = ") + SqlText(Golferidn) + ORDNUNG))
    return n;

  // The card shown, among the golfer's.
  QVariant datum;
  bool dabei = false;
  {
    QSqlQuery q;
    if (!Ausfuehren(
            q,
            QStringLiteral("SELECT Datum, Scorekartenidn FROM Greenlogs WHERE Golfernummer = ? AND Scorekartenidn = ?"),
            {Golferidn, Scorekartenidn}))
      return n;
    while (!dabei && q.next())
      if (!Scorekartenidn.isEmpty() && q.value(1).toString() == Scorekartenidn) {
        dabei = true;
        datum = q.value(0);
      }
  }
  if (!dabei) {
    QSqlQuery q;
    if (!Ausfuehren(q, QStringLiteral("SELECT 1 FROM Greenlogs WHERE Golfernummer = ? LIMIT 1"), {Golferidn})) return n;
    m_Anzahl = q.next() ? 1 : 0;
    n.Ergebnis = m_Anzahl ? Status::NichtDabei : Status::KeineKarten;
    return n;
  }

  // The neighbour in the order of ORDNUNG (dates without a value first): the nearest card
  // of the same date, else of the nearest date, each found on the golfer's index and the
  // first of them taken.
  const bool zurueck = Richtung == 1;
  const QString folge = zurueck ? QStringLiteral(" DESC") : QStringLiteral(" ASC");
  const QString schluessel =
      QStringLiteral("(CAST(Scorekartenidn AS INTEGER), Scorekartenidn) %1 (CAST(? AS INTEGER), ?)")
          .arg(zurueck ? QLatin1Char('<') : QLatin1Char('>'));
  QStringList teile;
  QVariantList werte;
  auto teil = [&](const QString& bedingung, const QVariantList& w) {
    teile << QStringLiteral(
                 "SELECT %1 AS Stufe, Scorekartenidn FROM (SELECT Scorekartenidn FROM Greenlogs WHERE Golfernummer = ? "
                 "AND %2 ORDER BY Datum%3, CAST(Scorekartenidn AS INTEGER)%3, Scorekartenidn%3 LIMIT 1)")
                 .arg(QString::number(teile.size() + 1), bedingung, folge);
    werte << Golferidn << w;
  };
  if (datum.isNull()) {
    teil(QStringLiteral("Datum IS NULL AND ") + schluessel, {Scorekartenidn, Scorekartenidn});
    if (!zurueck) teil(QStringLiteral("Datum IS NOT NULL"), {});
  } else {
    teil(QStringLiteral("Datum = ? AND ") + schluessel, {datum, Scorekartenidn, Scorekartenidn});
    teil(zurueck ? QStringLiteral("Datum < ?") : QStringLiteral("Datum > ?"), {datum});
    if (zurueck) teil(QStringLiteral("Datum IS NULL"), {});
  }
  QSqlQuery q;
  if (!Ausfuehren(q,
                  QStringLiteral("SELECT Scorekartenidn FROM (%1) ORDER BY Stufe LIMIT 1")
                      .arg(teile.join(QStringLiteral(" UNION ALL "))),
                  werte))
    return n;
  m_Anzahl = q.next() ? 1 : 0;
  if (m_Anzahl == 0) {
    n.Ergebnis = zurueck ? Status::IstErste : Status::IstLetzte;
    return n;
  }
  n.Ergebnis = Status::Gefunden;
  n.Scorekartenidn = q.value(0).isNull() ? QString() : q.value(0).toString();
  return n;
}

QString DBGKlasse::LegeScorekarteAn(const QString& Golferidn, const QString& Golfplatzidn,
                                    std::optional<double> AktHdcp) {
  const QString maske = gib_tab_eintrag(QStringLiteral("tab_EinstellungenIntern"), QStringLiteral("Bezeichnung"),
                                        QStringLiteral("ShowWhat"), QStringLiteral("Wert"));
  const QString id = GibId(QStringLiteral("Greenlogs"), QStringLiteral("Scorekartenidn"));
  if (id.isEmpty()) return QString();
  QSqlQuery q;
  if (!Ausfuehren(q,
                  QStringLiteral("INSERT INTO Greenlogs (Scorekartenidn, Golfernummer, Datum, Golfplatznummer, "
                                 "Spielart, AktHdcp, ShowWhat) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                  {id, TextOderNull(Golferidn), QDate::currentDate().toString(Qt::ISODate), TextOderNull(Golfplatzidn),
                   QStringLiteral("2"), AktHdcp ? QVariant(*AktHdcp) : QVariant(QMetaType::fromType<double>()),
                   TextOderNull(maske)}))
    return QString();
  return id;
}

// ---------------------------------------------------------------------------- history

bool DBGKlasse::NeuHistorie(const Scorekarte& karte, const QString& Golferidn, std::optional<int> NettoPunkte,
                            double Stammvorgabe) {
  Handicapeintrag e;
  e.Golfernummer = Golferidn;
  e.Datum = GibDatumswert(karte.Datum);
  e.Golfplatzbez = karte.Golfplatzname;
  e.Spielart = karte.Spielartname;
  e.Bemerkungen = karte.Turniername;
  if (NettoPunkte) e.GewNettoStable = double(*NettoPunkte);
  e.Stammvorgabe = Stammvorgabe;
  e.Handicap = GanzesHandicap(Stammvorgabe);
  return WriteHdcphistorie(e);
}
