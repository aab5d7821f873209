// puttwise-setup <program folder> <fresh database>
// Run by the start script: on a first start writes the database path and the program
// folder into the settings file and copies a fresh empty database into the user's data
// folder. Existing settings and an existing database are left as they are.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

#include "platform/Registry.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList a = app.arguments();
  if (a.size() < 3) {
    std::fprintf(stderr, "usage: puttwise-setup <program folder> <fresh database>\n");
    return 2;
  }
  const QString programm = QFileInfo(a[1]).absoluteFilePath();
  const QString vorlage = a[2];
  QString db = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("DBGolfpfadVB"));
  if (db == NOT_FOUND) {
    const QString ordner =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Puttwise");
    QDir().mkpath(ordner);
    db = ordner + QStringLiteral("/dbgolfvb.mdb");
    SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("DBGolfpfadVB"), db);
    std::printf("settings: database %s\n", qPrintable(db));
  }
  if (!QFile::exists(db)) {
    QDir().mkpath(QFileInfo(db).absolutePath());
    if (!QFile::copy(vorlage, db)) {
      std::fprintf(stderr, "cannot copy %s to %s\n", qPrintable(vorlage), qPrintable(db));
      return 1;
    }
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    std::printf("fresh database: %s\n", qPrintable(db));
  }
  if (LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("Programmverzeichniss")) != programm)
    SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("Programmverzeichniss"), programm);
  return 0;
}
