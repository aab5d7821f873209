#include "charts/Grafikrechnung.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <cmath>
#include <vector>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "language/Sprachumschaltung.h"

namespace {

constexpr int TEXT_FORTSCHRITT = 117;

// Moves the progress about once per percent, so that a long selection is not slowed down
// by repainting.
class Fortschritt {
 public:
  Fortschritt(long anzahl, const Grafikfortschritt& melde)
      : m_melde(melde), m_anzahl(anzahl), m_text(SPU().GibTranslation(TEXT_FORTSCHRITT)) {}
  void Schritt() {
    ++m_zaehler;
    const long prozent = long(m_zaehler * 100.0 / double(m_anzahl));
    if (prozent == m_gezeigt && m_zaehler != 1.0) return;
    m_gezeigt = prozent;
    if (m_melde) m_melde(m_zaehler, m_anzahl, m_text);
  }

 private:
  const Grafikfortschritt& m_melde;
  long m_anzahl;
  QString m_text;
  double m_zaehler = 0;
  long m_gezeigt = -1;
};

void leereReihen(Grafikdaten& d) {
  for (GrafikSerie& s : d.Serie) s.Werte.assign(1, 0.0);
  d.AnzahlWerte = 0;
}

// A date of the handicap chart as ISO text; empty stays empty.
QString alsIso(const QString& datum) {
  const QString t = datum.trimmed();
  if (t.isEmpty()) return {};
  const QDate iso = QDate::fromString(t.left(10), Qt::ISODate);
  if (iso.isValid()) return iso.toString(Qt::ISODate);
  QString d = t;
  if (t.contains(QLatin1Char('/'))) {
    const QDate us = QDate::fromString(NormiereDatumUS(d), QStringLiteral("MM/dd/yyyy"));
    if (us.isValid()) return us.toString(Qt::ISODate);
  }
  return DatumAlsIso(t);
}

}  // namespace

bool BerechneGrafik(Grafikrechnung art, int Modus, const Grafikfortschritt& melde) {
  Grafikdaten& d = AktuelleGrafikdaten();
  const QString sortiert = QStringLiteral("SELECT * FROM qryAnalyseTemp ORDER BY Datum ASC");
  if (!DBG().SetSQL(QStringLiteral("qryAnalyseSortiert"), sortiert)) return false;

  // The entries the charts count, of every round in date order; the rounds are counted
  // while they are read: a count of its own would sort them once more.
  static constexpr std::array<Lochfeld, 5> FELDER = {Lochfeld::Score, Lochfeld::Putts, Lochfeld::Fairwaytreffer,
                                                     Lochfeld::Chip, Lochfeld::Pitch};
  QString fehler;
  const QVector<Rundendaten> runden =
      LiesRunden(DBT().Db(), QStringLiteral("SELECT * FROM qryAnalyseSortiert"), &fehler, FELDER);
  const long n = long(runden.size());
  d.AnzahlWerte = n;
  if (!fehler.isEmpty()) {
    Fehlerbox(fehler);
    if (n == 0) leereReihen(d);
    return false;
  }
  if (n == 0) {  // nothing selected: no points, the bounds stay
    leereReihen(d);
    return false;
  }
  const bool ohnePar3 = FairwaytrefferPar3 == QLatin1String("0");
  Reihenrechner rechner(art, Modus, ohnePar3);
  Fortschritt fortschritt(n, melde);
  for (const Rundendaten& runde : runden) {
    fortschritt.Schritt();
    rechner.Runde(runde);
  }
  std::array<QString, 5> klassen;
  for (int c = 0; c < 5; ++c) klassen[c] = SPU().GibTranslation(KLASSENTEXT[c]);
  d = rechner.Ergebnis(d, klassen);
  return false;
}

bool CalcGrafikScore(int Modus, const Grafikfortschritt& f) { return BerechneGrafik(Grafikrechnung::Score, Modus, f); }
bool CalcGrafikBP(int Modus, const Grafikfortschritt& f) {
  return BerechneGrafik(Grafikrechnung::Bruttopunkte, Modus, f);
}
bool CalcGrafikFWT(int Modus, const Grafikfortschritt& f) {
  return BerechneGrafik(Grafikrechnung::Fairwaytreffer, Modus, f);
}
bool CalcGrafikPutting(int Modus, const Grafikfortschritt& f) {
  return BerechneGrafik(Grafikrechnung::Putting, Modus, f);
}
bool CalcGrafikGIR(int Modus, const Grafikfortschritt& f) { return BerechneGrafik(Grafikrechnung::GIR, Modus, f); }
bool CalcGrafikPuttingPC(int Art, const Grafikfortschritt& f) {
  return BerechneGrafik(Art == 1 ? Grafikrechnung::PuttingChip : Grafikrechnung::PuttingPitch, 1, f);
}
bool CalcGrafikPuttingGIR(const Grafikfortschritt& f) { return BerechneGrafik(Grafikrechnung::PuttingGIR, 1, f); }
bool CalcGrafikPuttingSonstige(const Grafikfortschritt& f) {
  return BerechneGrafik(Grafikrechnung::PuttingSonstige, 1, f);
}

bool CalcGrafikHdcp(const QString& Golferidn, const QString& VonDatum, const QString& BisDatum,
                    const Grafikfortschritt& melde) {
  Grafikdaten& d = AktuelleGrafikdaten();
  const QString von = alsIso(VonDatum), bis = alsIso(BisDatum);
  QString sql = QStringLiteral("SELECT Stammvorgabe FROM tab_HdcpHistorie WHERE Golfernummer = ?");
  QVariantList werte{Golferidn};
  if (!bis.isEmpty()) {
    sql += QStringLiteral(" AND Datum <= ?");
    werte << bis;
  }
  if (!von.isEmpty()) {
    sql += QStringLiteral(" AND Datum >= ?");
    werte << von;
  }
  sql += QStringLiteral(" ORDER BY Datum ASC");
  const long n = DBT().Anzahl(sql, werte);
  d.AnzahlWerte = n;
  if (n == 0) {
    leereReihen(d);
    return false;
  }
  QSqlQuery q(DBT().Db());
  q.setForwardOnly(true);
  if (const QSqlError fehler = FuehreAnweisungAus(q, sql, werte); fehler.isValid()) {
    Fehlerbox(Datenbankfehlertext(fehler));
    return false;
  }
  Fortschritt fortschritt(n, melde);
  std::vector<QVariant> vorgaben;
  vorgaben.reserve(size_t(n));
  while (q.next()) {
    fortschritt.Schritt();
    vorgaben.push_back(q.value(0));
  }
  d = Handicapreihe(vorgaben, d);
  return false;
}
