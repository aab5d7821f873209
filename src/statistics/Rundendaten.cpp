#include "statistics/Rundendaten.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "data/Allgemein.h"
#include "data/Speicherfehler.h"

int ScorecodeAusWert(const QVariant& wert) {
  if (wert.isNull()) return -1;
  switch (wert.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong: {
      const qlonglong n = wert.toLongLong();
      if (n == 99) return SCORE_GESTRICHEN;
      return (n >= 1 && n <= 100) ? int(n) : SCORE_UNGUELTIG;
    }
    case QMetaType::Double: {
      const double d = wert.toDouble();
      if (d < -32768.5 || d > 32767.5) return SCORE_UNGUELTIG;
      const int n = int(RundeGerade(d, 0));
      if (n == 99 && d == 99.0) return SCORE_GESTRICHEN;
      return (n >= 1 && n <= 100) ? n : SCORE_UNGUELTIG;
    }
    default:
      return GibScore(wert.toString());
  }
}

double DistanzAusWert(const QVariant& wert) {
  if (wert.isNull()) return -1;
  double d = 0;
  if (wert.typeId() == QMetaType::Double || wert.typeId() == QMetaType::Int || wert.typeId() == QMetaType::LongLong) {
    d = wert.toDouble();
    if (d < 0 || d > 10000.0) return -1;
  } else {
    d = GibDoubleMin(wert.toString(), 0);
    if (d >= DOUBLE_UNGUELTIG) return -1;
  }
  const double r = RundeGerade(d, 0);
  return r < 10000.0 ? r : -1;
}

namespace {

int ganzzahl(const QVariant& v) {
  if (v.isNull()) return 0;
  bool ok = false;
  const int n = v.toInt(&ok);
  return ok ? n : 0;
}

}  // namespace

QVector<Rundendaten> LiesRunden(const QSqlDatabase& db, const QString& sql, QString* fehler) {
  QVector<Rundendaten> runden;
  QStringList spalten{QStringLiteral("Golfplatznummer")};
  const char* familien[] = {"ScoreLoch", "PuttsLoch", "DistanceLoch", "FairwaytrefferLoch",
                            "ChipLoch",  "PitchLoch", "BunkerLoch",   "Loch"};
  for (const char* f : familien)
    for (int i = 1; i <= 18; ++i) {
      const QString name = QString::fromLatin1(f);
      spalten.append(name == QLatin1String("Loch") ? FeldnameNr(name, i) + QStringLiteral("Par") : FeldnameNr(name, i));
    }
  QSqlQuery q(db);
  q.setForwardOnly(true);
  if (!q.exec(QStringLiteral("SELECT %1 FROM (%2)").arg(spalten.join(QStringLiteral(", ")), sql))) {
    if (fehler) *fehler = Treibertext(q.lastError());
    return runden;
  }
  while (q.next()) {
    Rundendaten r;
    r.Golfplatz = q.value(0).toString();
    for (int i = 0; i < 18; ++i) {
      Lochdaten& l = r.Loch[i];
      l.Score = ScorecodeAusWert(q.value(1 + i));
      l.Putts = ScorecodeAusWert(q.value(19 + i));
      l.Distanz = DistanzAusWert(q.value(37 + i));
      l.Fairway = ganzzahl(q.value(55 + i));
      l.Chip = ganzzahl(q.value(73 + i));
      l.Pitch = ganzzahl(q.value(91 + i));
      l.Bunker = ganzzahl(q.value(109 + i));
      r.Par[i] = ganzzahl(q.value(127 + i));
    }
    runden.append(r);
  }
  return runden;
}

std::optional<Platzdaten> LiesPlatzdaten(const QSqlDatabase& db, const QString& golfplatzidn) {
  QSqlQuery q(db);
  if (!q.prepare(QStringLiteral("SELECT * FROM Tab_Golfplatz WHERE Golfplatzidn = ?"))) return std::nullopt;
  q.addBindValue(golfplatzidn);
  if (!q.exec() || !q.next()) return std::nullopt;
  Platzdaten p;
  for (int i = 1; i <= 18; ++i) {
    const QVariant par = q.value(FeldnameNr(QStringLiteral("Loch"), i) + QStringLiteral("Par"));
    const QVariant vorgabe = q.value(FeldnameNr(QStringLiteral("Loch"), i) + QStringLiteral("Vorgabe"));
    p.Par[i - 1] = ganzzahl(par);
    p.ParText[i - 1] = par.isNull() ? QString() : par.toString();
    p.Vorgabe[i - 1] = vorgabe.isNull() ? QStringLiteral("0") : vorgabe.toString();
  }
  return p;
}
