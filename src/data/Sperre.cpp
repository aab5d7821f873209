#include "data/Sperre.h"

#include <QFileInfo>
#include <QLockFile>
#include <memory>

namespace {
std::unique_ptr<QLockFile>& sperre() {
  static std::unique_ptr<QLockFile> s;
  return s;
}
}  // namespace

QString Sperrdatei(const QString& datenbank) {
  // Named from the real file, so that a second program reaching it through a link or
  // another spelling of its path finds the same lock.
  const QString echt = QFileInfo(datenbank).canonicalFilePath();
  return (echt.isEmpty() ? datenbank : echt) + QStringLiteral(".lock");
}

Sperrergebnis SperreDatenbank(const QString& datenbank) {
  const QString datei = QFileInfo(Sperrdatei(datenbank)).absoluteFilePath();
  if (sperre() && sperre()->fileName() == datei && sperre()->isLocked()) return Sperrergebnis::Genommen;
  GibDatenbankFrei();
  auto s = std::make_unique<QLockFile>(datei);
  // A lock is never stale by its age: the program holding it may run for days. It is
  // stale only when its program no longer runs, which QLockFile finds from the process id.
  s->setStaleLockTime(0);
  if (s->tryLock(0)) {
    sperre() = std::move(s);
    return Sperrergebnis::Genommen;
  }
  return s->error() == QLockFile::LockFailedError ? Sperrergebnis::Belegt : Sperrergebnis::NichtMoeglich;
}

void GibDatenbankFrei() { sperre().reset(); }
