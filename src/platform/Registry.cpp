#include "platform/Registry.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "platform/Global.h"

namespace {
QString& dateipfad() {
  static QString p;
  return p;
}
QString schluesselPfad(const QString& schluessel, const QString& wertname) {
  QString k = schluessel;
  k.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return k + QLatin1Char('/') + wertname;
}
}  // namespace

void SetzeEinstellungsdatei(const QString& pfad) { dateipfad() = pfad; }

QString Einstellungsdatei() {
  if (dateipfad().isEmpty())
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Puttwise.ini");
  return dateipfad();
}

QString LeseRegistryWert(long, const QString& schluessel, const QString& wertname) {
  QSettings s(Einstellungsdatei(), QSettings::IniFormat);
  const QString wert = s.value(schluesselPfad(schluessel, wertname)).toString();
  return wert.isEmpty() ? NOT_FOUND : wert;
}

QString SchreibeRegistryWert(long, const QString& schluessel, const QString& wertname, const QString& text) {
  QSettings s(Einstellungsdatei(), QSettings::IniFormat);
  s.setValue(schluesselPfad(schluessel, wertname), text);
  s.sync();
  if (s.status() != QSettings::NoError) {
    MsgAntwort = NummerMeldung(43, 16, QStringLiteral("The settings file %1 cannot be written.").arg(Einstellungsdatei()));
    return NOT_FOUND;
  }
  return text;
}
