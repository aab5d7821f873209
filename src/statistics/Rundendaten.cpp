#include "statistics/Rundendaten.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <vector>

#include "data/Allgemein.h"
#include "data/Speicherfehler.h"

int ScorecodeAusWert(const QVariant& wert) {
  if (wert.isNull() || !wert.isValid()) return FELD_NULL;
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
    default: return GibScore(wert.toString());
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

int PuttcodeAusWert(const QVariant& wert) {
  if (wert.isNull() || !wert.isValid()) return FELD_NULL;
  switch (wert.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double: {
      // A whole number as stored needs no rounding.
      const double d = wert.typeId() == QMetaType::Double ? RundeGerade(wert.toDouble(), 0) : wert.toDouble();
      return d >= 0 && d <= 100 ? int(d) : SCORE_UNGUELTIG;
    }
    default: return GibWertMin(wert.toString(), 0);
  }
}

namespace {

int ganzzahl(const QVariant& v) {
  if (v.isNull()) return 0;
  bool ok = false;
  const int n = v.toInt(&ok);
  return ok ? n : 0;
}

bool angekreuzt(const QVariant& v) { return !v.isNull() && v.toLongLong() != 0; }

}  // namespace

QVector<Rundendaten> LiesRunden(const QSqlDatabase& db, const QString& sql, QString* fehler,
                                std::span<const Lochfeld> felder) {
  QVector<Rundendaten> runden;
  QStringList spalten;
  for (const Lochfeld f : felder)
    for (int i = 1; i <= 18; ++i) spalten << Spaltenname(Beschreibung(f), i);
  for (int i = 1; i <= 18; ++i) spalten << Parspalte(i);
  QSqlQuery q(db);
  q.setForwardOnly(true);
  if (!q.exec(QStringLiteral("SELECT %1 FROM (%2)").arg(spalten.join(QStringLiteral(", ")), sql))) {
    if (fehler) *fehler = Datenbankfehlertext(q.lastError());
    return runden;
  }
  // The columns by name, looked up once.
  const QSqlRecord satz = q.record();
  struct Familie {
    Lochfeld feld;
    std::array<int, 18> spalte;
  };
  std::vector<Familie> familien;
  for (const Lochfeld f : felder) {
    Familie& s = familien.emplace_back(Familie{f, {}});
    for (int i = 0; i < 18; ++i) s.spalte[i] = satz.indexOf(Spaltenname(Beschreibung(f), i + 1));
  }
  std::array<int, 18> par{};
  for (int i = 0; i < 18; ++i) par[i] = satz.indexOf(Parspalte(i + 1));

  while (q.next()) {
    Rundendaten& r = runden.emplace_back();
    for (const Familie& s : familien) {
      // Each family with the conversion of its own.
      auto lies = [&](auto&& setze) {
        for (int i = 0; i < 18; ++i) setze(r.Loch[i], q.value(s.spalte[i]));
      };
      switch (s.feld) {
        case Lochfeld::Score: lies([](Lochdaten& l, const QVariant& v) { l.Score = ScorecodeAusWert(v); }); break;
        case Lochfeld::Putts: lies([](Lochdaten& l, const QVariant& v) { l.Putts = PuttcodeAusWert(v); }); break;
        case Lochfeld::Distance: lies([](Lochdaten& l, const QVariant& v) { l.Distance = DistanzAusWert(v); }); break;
        case Lochfeld::Fairwaytreffer:
          lies([](Lochdaten& l, const QVariant& v) { l.Fairwaytreffer = angekreuzt(v); });
          break;
        case Lochfeld::Chip: lies([](Lochdaten& l, const QVariant& v) { l.Chip = angekreuzt(v); }); break;
        case Lochfeld::Pitch: lies([](Lochdaten& l, const QVariant& v) { l.Pitch = angekreuzt(v); }); break;
        case Lochfeld::Bunker: lies([](Lochdaten& l, const QVariant& v) { l.Bunker = ganzzahl(v); }); break;
        case Lochfeld::Abschlag:
        case Lochfeld::Strafschlag: break;  // counted by no statistic
      }
    }
    for (int i = 0; i < 18; ++i) r.Par[i] = ScorecodeAusWert(q.value(par[i]));
  }
  if (q.lastError().isValid() && fehler) *fehler = Datenbankfehlertext(q.lastError());
  return runden;
}

std::optional<Platzdaten> LiesPlatzdaten(const QSqlDatabase& db, const QString& golfplatzidn) {
  QSqlQuery q(db);
  if (!q.prepare(QStringLiteral("SELECT * FROM Tab_Golfplatz WHERE Golfplatzidn = ?"))) return std::nullopt;
  q.addBindValue(golfplatzidn);
  if (!q.exec() || !q.next()) return std::nullopt;
  Platzdaten p;
  for (int i = 1; i <= 18; ++i) {
    const QVariant par = q.value(Parspalte(i));
    const QVariant vorgabe = q.value(Vorgabespalte(i));
    p.Par[i - 1] = ganzzahl(par);
    p.ParText[i - 1] = par.isNull() ? QString() : par.toString();
    p.Vorgabe[i - 1] = vorgabe.isNull() ? QStringLiteral("0") : vorgabe.toString();
  }
  return p;
}
