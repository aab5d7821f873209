#include "data/Allgemein.h"

#include <QLocale>
#include <QSqlQuery>
#include <cfenv>
#include <cmath>

#include "data/Global.h"

bool TextZuDouble(const QString& text, double& wert) {
  bool ok = false;
  const QString t = text.trimmed();
  if (t.isEmpty()) return false;
  // The user's format first, without group separators (so "71.8" is never 718); then
  // either decimal mark, whatever the locale: "71,8" and "71.8" are the same number.
  QLocale loc;
  loc.setNumberOptions(loc.numberOptions() | QLocale::RejectGroupSeparator);
  double d = loc.toDouble(t, &ok);
  if (!ok) {
    QString punkt = t;
    punkt.replace(QLatin1Char(','), QLatin1Char('.'));
    if (punkt.count(QLatin1Char('.')) > 1) return false;
    d = QLocale::c().toDouble(punkt, &ok);
  }
  if (!ok) return false;
  if (!std::isfinite(d)) return false;
  wert = d;
  return true;
}

double RundeGerade(double wert, int stellen) {
  const double faktor = std::pow(10.0, stellen);
  const double skaliert = wert * faktor;
  // Values like 2.45 are not exact in binary; snap to the nearest representable tie first.
  const double gerundetAufNeun = std::round(skaliert * 1e9) / 1e9;
  const int alterModus = std::fegetround();
  if (alterModus == FE_TONEAREST) return std::nearbyint(gerundetAufNeun) / faktor;
  std::fesetround(FE_TONEAREST);
  const double r = std::nearbyint(gerundetAufNeun);
  std::fesetround(alterModus);
  return r / faktor;
}

bool TextZuInt16(const QString& text, int& wert) {
  double d = 0;
  if (!TextZuDouble(text, d)) return false;
  const double r = RundeGerade(d, 0);
  if (r < -32768.0 || r > 32767.0) return false;
  wert = int(r);
  return true;
}

QString ZahlAlsText(double wert, int stellen) { return QLocale().toString(RundeGerade(wert, stellen), 'f', stellen); }

QString FeldnameNr(const QString& prefix, int nummer) {
  if (nummer >= 10) return prefix + QString::number(nummer);
  return prefix + QLatin1Char('0') + QString::number(nummer);
}

int GibAnzahlDatensaetze(QSqlQuery& rs) {
  if (!rs.isActive() || !rs.isSelect()) return 0;
  if (!rs.last()) return 0;
  const int n = rs.at() + 1;
  rs.first();
  return n;
}

int GibScore(const QString& text) {
  if (text.isEmpty()) return SCORE_LEER;
  if (text == QLatin1String("99") || text == QLatin1String("-")) return SCORE_GESTRICHEN;
  int wert = 0;
  if (!TextZuInt16(text, wert)) return SCORE_UNGUELTIG;
  if (wert >= 1 && wert <= 100) return wert;
  return SCORE_UNGUELTIG;
}

int GibWertMin(const QString& text, int minimum) {
  if (text.isEmpty()) return SCORE_LEER;
  int wert = 0;
  if (!TextZuInt16(text, wert)) return SCORE_UNGUELTIG;
  if (wert >= minimum && wert <= 100) return wert;
  return SCORE_UNGUELTIG;
}

double GibDoubleMin(const QString& text, int minimum) {
  if (text.isEmpty() || text == QLatin1String("---")) return DOUBLE_LEER;
  double wert = 0;
  if (!TextZuDouble(text, wert)) return DOUBLE_UNGUELTIG;
  if (wert >= minimum && wert <= 10000.0) return wert;
  return DOUBLE_UNGUELTIG;
}

Feldwert LeseFeldwert(int art, const QVariant& wert) {
  Feldwert f;
  if (wert.isNull() || !wert.isValid()) return f;
  const bool istZahl =
      wert.typeId() == QMetaType::Int || wert.typeId() == QMetaType::LongLong || wert.typeId() == QMetaType::Double;
  const QString text = istZahl ? QString() : wert.toString();
  if (!istZahl && text.isEmpty()) return f;
  bool ok = true;
  switch (art) {
    case 1:
      if (!istZahl && text == QLatin1String("-")) {
        f.ZahlWert = 99;
      } else if (istZahl) {
        const double r = RundeGerade(wert.toDouble(), 0);
        ok = r >= -32768 && r <= 32767;
        f.ZahlWert = int(r);
      } else {
        ok = TextZuInt16(text, f.ZahlWert);
      }
      break;
    case 2: f.TextWert = istZahl ? wert.toString() : text; break;
    case 3:
      if (istZahl) {
        const double r = RundeGerade(wert.toDouble(), 0);
        ok = r >= -32768 && r <= 32767;
        f.ZahlWert = int(r);
      } else {
        ok = TextZuInt16(text, f.ZahlWert);
      }
      break;
    case 4:
      if (istZahl)
        f.DoubleWert = wert.toDouble();
      else
        ok = TextZuDouble(text, f.DoubleWert);
      break;
    default: return f;
  }
  f.Gueltig = ok;
  return f;
}

std::optional<double> GespeicherteZahl(const QVariant& wert) {
  if (wert.isNull() || !wert.isValid()) return std::nullopt;
  const Feldwert f = LeseFeldwert(4, wert);
  if (f.Gueltig) return f.DoubleWert;
  return std::nullopt;
}

std::optional<int> GespeicherteGanzzahl(const QVariant& wert) {
  const std::optional<double> d = GespeicherteZahl(wert);
  if (!d) return std::nullopt;
  const double r = RundeGerade(*d, 0);
  if (r < -32768 || r > 32767) return std::nullopt;
  return int(r);
}

bool GespeicherterHaken(const QVariant& wert) { return !wert.isNull() && wert.toInt() != 0; }

bool IstLeer(const QString& text) { return text.isEmpty(); }

QString DatumFuerSQL(QString& datum) {
  if (!datum.contains(QLatin1Char('.'))) return datum;
  if (datum.count(QLatin1Char('.')) < 2 || datum.size() < 5) {
    Fehlerbox(Fehlerbeschreibung(TEXT_UNGUELTIGES_DATUM, ZitierterEintrag(datum)));
    return QString();
  }
  QString t = datum;
  t.replace(QLatin1Char('.'), QLatin1Char('/'));
  return t.mid(3, 2) + QLatin1Char('/') + t.mid(0, 2) + t.mid(5);
}

namespace {
// Shared normalisation: `deutsch` selects day.month.year output, else month/day/year.
QString normiere(QString& datum, bool deutsch) {
  QChar sep;
  if (deutsch)
    sep = datum.contains(QLatin1Char('.')) ? QLatin1Char('.') : QLatin1Char('/');
  else
    sep = datum.contains(QLatin1Char('/')) ? QLatin1Char('/') : QLatin1Char('.');
  const int p1 = datum.indexOf(sep);
  const int p2 = p1 < 0 ? -1 : datum.indexOf(sep, p1 + 1);
  if (p1 < 0 || p2 < 0) {
    Fehlerbox(Fehlerbeschreibung(TEXT_UNGUELTIGES_DATUM, ZitierterEintrag(datum)));
    return QString();
  }
  QString a = datum.left(p1), b = datum.mid(p1 + 1, p2 - p1 - 1), c = datum.mid(p2 + 1);
  if (a.size() == 1) a.prepend(QLatin1Char('0'));
  if (b.size() == 1) b.prepend(QLatin1Char('0'));
  if (c.size() == 2) {
    bool ok = false;
    const int j = c.toInt(&ok);
    if (!ok) {
      Fehlerbox(Fehlerbeschreibung(TEXT_UNGUELTIGES_DATUM, ZitierterEintrag(datum)));
      return QString();
    }
    c = (j <= 30 ? QStringLiteral("20") : QStringLiteral("19")) + c;
  }
  const bool tauschen = deutsch ? sep == QLatin1Char('/') : sep == QLatin1Char('.');
  if (tauschen) std::swap(a, b);
  datum = deutsch ? a + QLatin1Char('.') + b + QLatin1Char('.') + c : a + QLatin1Char('/') + b + QLatin1Char('/') + c;
  return datum;
}
}  // namespace

QString NormiereDatumDE(QString& datum) { return normiere(datum, true); }
QString NormiereDatumUS(QString& datum) { return normiere(datum, false); }

int TageImMonat(int monat, int jahr) {
  switch (monat) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12: return 31;
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    case 2: return (jahr % 4) > 0 ? 28 : 29;
    default: return 0;
  }
}

DatumTeile PruefeDatum(const QString& datum) {
  DatumTeile ung;
  ung.Tag = QStringLiteral("0");
  if (datum.size() < 6) return ung;
  const int punkte = datum.count(QLatin1Char('.'));
  const int striche = datum.count(QLatin1Char('/'));
  if (punkte != 2 && striche != 2) return ung;
  auto zweites = [&](QChar c) {
    const int p = datum.indexOf(c);
    return p < 0 ? -1 : datum.indexOf(c, p + 1);
  };
  const QChar sep = zweites(QLatin1Char('.')) > zweites(QLatin1Char('/')) ? QLatin1Char('.') : QLatin1Char('/');
  const int p1 = datum.indexOf(sep);
  const int p2 = datum.indexOf(sep, p1 + 1);
  QString t1 = datum.left(p1), t2 = datum.mid(p1 + 1, p2 - p1 - 1), jahrText = datum.mid(p2 + 1);
  const QString tagText = sep == QLatin1Char('.') ? t1 : t2;
  const QString monatText = sep == QLatin1Char('.') ? t2 : t1;
  if (jahrText.size() != 2 && jahrText.size() != 4) return ung;
  int jahr = 0, monat = 0, tag = 0;
  if (!TextZuInt16(jahrText, jahr) || !TextZuInt16(monatText, monat) || !TextZuInt16(tagText, tag)) return ung;
  if (jahrText.size() == 4 && jahr < 1930) return ung;
  if (jahrText.size() == 2) jahr += jahr <= 30 ? 2000 : 1900;
  if (monat < 1 || monat > 12) return ung;
  // A day must be at least 1; a minus sign before day or month is refused too.
  if (tag < 1 || tag > TageImMonat(monat, jahr)) return ung;
  DatumTeile d;
  d.Tag = tag < 10 ? QStringLiteral("0%1").arg(tag) : QString::number(tag);
  d.Monat = monat < 10 ? QStringLiteral("0%1").arg(monat) : QString::number(monat);
  d.Jahr = QString::number(jahr);
  return d;
}

QDate GibDatumswert(const QString& datum) {
  const DatumTeile t = PruefeDatum(datum);
  if (t.Tag == QLatin1String("0")) return QDate();
  return QDate(t.Jahr.toInt(), t.Monat.toInt(), t.Tag.toInt());
}

QString DatumAlsText(const DatumTeile& teile) {
  if (Sprachnummer == 1) return teile.Tag + QLatin1Char('.') + teile.Monat + QLatin1Char('.') + teile.Jahr;
  if (Sprachnummer == 2) return teile.Monat + QLatin1Char('/') + teile.Tag + QLatin1Char('/') + teile.Jahr;
  return QString();
}

QString DatumAlsIso(const QString& anzeige) {
  const DatumTeile t = PruefeDatum(anzeige);
  if (t.Tag == QLatin1String("0")) return QString();
  return t.Jahr + QLatin1Char('-') + t.Monat + QLatin1Char('-') + t.Tag;
}

QString IsoAlsDatum(const QString& iso) {
  const QDate d = QDate::fromString(iso.left(10), Qt::ISODate);
  if (!d.isValid()) return QString();
  DatumTeile t;
  t.Tag = QStringLiteral("%1").arg(d.day(), 2, 10, QLatin1Char('0'));
  t.Monat = QStringLiteral("%1").arg(d.month(), 2, 10, QLatin1Char('0'));
  t.Jahr = QString::number(d.year());
  return DatumAlsText(t);
}
