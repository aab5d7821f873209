// Machine settings (database paths, program folder, language, print margins) in an
// INI file in the user's config folder. Key paths and value names are kept as
// backslash paths; a value that cannot be read is reported as "NOT_FOUND".
#pragma once

#include <QString>

inline constexpr long HKEY_LOCAL_MACHINE = 0x80000002L;
inline const QString PW_SCHLUESSEL = QStringLiteral("Software\\Zantro Software GmbH\\Puttwise");
inline const QString PW_DRUCKSCHLUESSEL = QStringLiteral("Software\\Zantro Software GmbH\\Puttwise\\PrintSettings");
inline const QString NOT_FOUND = QStringLiteral("NOT_FOUND");

QString LeseRegistryWert(long wurzel, const QString& schluessel, const QString& wertname);
QString SchreibeRegistryWert(long wurzel, const QString& schluessel, const QString& wertname, const QString& text);

// The settings file; by default Puttwise.ini in the user's config folder.
void SetzeEinstellungsdatei(const QString& pfad);
QString Einstellungsdatei();
