#include "statistics/Analyseabfrage.h"

#include <QRegularExpression>
#include <QSqlQuery>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "platform/Global.h"

QString DatumFuerAnzeige(const QDate& d) { return IsoAlsDatum(d.toString(Qt::ISODate)); }

QString GolfplatzidnZumNamen(const QSqlDatabase& db, const QString& name) {
  QSqlQuery q(db);
  q.setForwardOnly(true);
  if (!q.exec(QStringLiteral("SELECT Golfplatzidn, Golfplatzname FROM Tab_Golfplatz ORDER BY rowid"))) return {};
  QString gefunden;
  while (q.next()) {
    const QString n = q.value(1).toString();
    if (n == name) return q.value(0).toString();
    if (gefunden.isEmpty() && GleicherName(n, name)) gefunden = q.value(0).toString();
  }
  return gefunden;
}

bool LiesRundenanzahl(const QString& text, int& n) {
  static const QRegularExpression ziffern(QStringLiteral("^\\d{1,4}$"));
  const QString t = text.trimmed();
  if (!ziffern.match(t).hasMatch()) return false;
  const int wert = t.toInt();
  if (wert < 1 || wert > 9999) return false;
  n = wert;
  return true;
}

namespace {

// Ranking keys and the condition that leaves out rounds without the value.
struct Kriteriumsdaten {
  const char* bedingung;
  const char* schluessel;
};
const Kriteriumsdaten KRITERIEN[6] = {
    {"", ""},
    {" AND ErgebnisÜberPar > 0", "ErgebnisÜberPar ASC, Bruttopunkte DESC"},
    {"", "Bruttopunkte DESC"},
    {" AND GesamtPutt > 0", "GesamtPutt ASC"},
    {" AND GesamtFWT > 0", "GesamtFWT DESC"},
    {" AND GesamtDrivingDistance > 0", "GesamtDrivingDistance DESC"},
};

QString iso(const QDate& d) { return SqlText(d.toString(Qt::ISODate)); }

// The first n rounds by the keys, with every further round that ties with the n-th on
// all of them.
QString ersteMitGleichstand(const QString& bedingung, const QString& schluessel, int n) {
  return QStringLiteral(
             "SELECT * FROM qryAnalyse WHERE Scorekartenidn IN (SELECT Scorekartenidn FROM (SELECT Scorekartenidn, "
             "RANK() OVER (ORDER BY %1) AS Rang FROM qryAnalyse WHERE %2) WHERE Rang <= %3) ORDER BY %1")
      .arg(schluessel, bedingung, QString::number(n));
}

}  // namespace

QString BaueAnalyseSql(const Analyseauswahl& a, const QDate& heute, QDate* startAus, QDate* endeAus,
                       QString* bedingungAus) {
  QString w = QStringLiteral("Golfernummer = ") + SqlText(a.Golferidn);
  if (!a.Golfplatzidn.isEmpty()) w += QStringLiteral(" AND Golfplatznummer = ") + SqlText(a.Golfplatzidn);
  if (a.NurVorgabewirksam) w += QStringLiteral(" AND Vorgabewirksam <> 0");

  QDate start, ende;
  if (a.Periode == 0) {
    start = a.Start.isValid() ? a.Start : QDate(1900, 1, 1);
    ende = a.Ende.isValid() ? a.Ende : heute;
  } else {
    ende = QDate(a.Jahr, a.Monat, TageImMonat(a.Monat, a.Jahr));
    start = a.Periode == 1 ? QDate(a.Jahr, a.Monat, 1)
                           : (a.Monat == 12 ? QDate(a.Jahr, 1, 1) : QDate(a.Jahr - 1, a.Monat + 1, 1));
  }
  if (startAus) *startAus = start;
  if (endeAus) *endeAus = ende;
  w += QStringLiteral(" AND Datum <= %1 AND Datum >= %2").arg(iso(ende), iso(start));

  // The best rounds are always ranked: without a criterion by score, as the page ticks it.
  const int k = (a.Kriterium >= 1 && a.Kriterium <= 5) ? a.Kriterium : 1;
  if (a.Zaehlart == 2) w += QString::fromUtf8(KRITERIEN[k].bedingung);
  if (bedingungAus) *bedingungAus = w;
  if (a.Zaehlart == 1) return ersteMitGleichstand(w, QStringLiteral("Datum DESC"), a.Anzahl);
  if (a.Zaehlart == 2) return ersteMitGleichstand(w, QString::fromUtf8(KRITERIEN[k].schluessel), a.Anzahl);
  return QStringLiteral("SELECT * FROM qryAnalyse WHERE %1 ORDER BY Datum ASC, CAST(Scorekartenidn AS INTEGER) ASC")
      .arg(w);
}

Analyseabfrage BaueAnalyseabfrage(const Analyseauswahl& a, const QDate& heute) {
  Analyseabfrage r;
  if (a.Periode != 0) {
    if (a.Monat < 1 || a.Monat > 12) {
      r.Meldung = MELDUNG_KEIN_MONAT;
      return r;
    }
    if (a.Jahr < 1900 || a.Jahr > 9999) {
      r.Meldung = MELDUNG_DATUM;
      return r;
    }
  }
  if (a.Zaehlart != 0 && (a.Anzahl < 1 || a.Anzahl > 9999)) {
    r.Meldung = MELDUNG_RUNDENANZAHL;
    return r;
  }
  QString bedingung;
  r.Sql = BaueAnalyseSql(a, heute, &r.Start, &r.Ende, &bedingung);
  // The first n of a ranking hold a round when any round meets the condition.
  r.Vorhanden = QStringLiteral("SELECT 1 FROM qryAnalyse WHERE %1 LIMIT 1").arg(bedingung);
  const QString mm = QStringLiteral("%1").arg(a.Monat, 2, 10, QLatin1Char('0'));
  switch (a.Periode) {
    case 1:
      r.MonatOderJahr = QStringLiteral("Monat");
      r.Wann = mm + QLatin1Char('/') + QString::number(a.Jahr);
      r.TitelNummer = a.Monat + 12;
      r.TitelZusatz = QString::number(a.Jahr);
      break;
    case 2:
      r.MonatOderJahr = QStringLiteral("Jahr");
      r.Wann = mm + QLatin1Char('/') + QString::number(a.Jahr);
      r.TitelNummer = a.Monat;
      r.TitelZusatz = QString::number(a.Jahr);
      break;
    default:
      r.MonatOderJahr = QStringLiteral("DontSave");
      r.Wann = QStringLiteral("xx");
      r.TitelNummer = 231;
      r.TitelZusatz = DatumFuerAnzeige(heute);
  }
  return r;
}
