#include "platform/Registry.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "platform/Dialoge.h"
#include "platform/Global.h"

namespace {
QString& dateipfad() {
  static QString p;
  return p;
}
// The settings file whose writing failed, once the user has been told.
QString& gemeldet() {
  static QString d;
  return d;
}
constexpr int MELDUNG_NICHT_SCHREIBBAR = 43;
QString schluesselPfad(const QString& schluessel, const QString& wertname) {
  QString k = schluessel;
  k.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return k + QLatin1Char('/') + wertname;
}
}  // namespace

void SetzeEinstellungsdatei(const QString& pfad) {
  dateipfad() = pfad;
  gemeldet().clear();
}

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
    // Told once a run, naming the file: the values of this session are then not kept.
    const QString datei = Einstellungsdatei();
    if (gemeldet() != datei) {
      gemeldet() = datei;
      const QString meldung =
          NummerMeldungstext(MELDUNG_NICHT_SCHREIBBAR, QStringLiteral("The settings file %1 cannot be written."));
      MsgAntwort = DLG().Meldung(meldung.arg(QDir::toNativeSeparators(datei)), STIL_KRITISCH, PRODUKTTITEL);
    }
    return NOT_FOUND;
  }
  return text;
}
