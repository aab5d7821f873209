#include "data/Sperre.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QFile>

namespace {
// Beyond the bytes the database engine locks (from 0x40000000, 512 bytes), so that the two
// never meet.
constexpr off_t SPERRBYTE = 0x40000400;

int& gehalten() {
  static int fd = -1;
  return fd;
}
QString& grund() {
  static QString g;
  return g;
}

bool gleicheDatei(int fd, const QString& pfad) {
  struct stat a {
  }, b{};
  return ::fstat(fd, &a) == 0 && ::stat(QFile::encodeName(pfad).constData(), &b) == 0 && a.st_dev == b.st_dev &&
         a.st_ino == b.st_ino;
}
}  // namespace

int SperreDatei(const QString& datei, int& fehler) {
  const QByteArray name = QFile::encodeName(datei);
  // (O_CLOEXEC: not handed on to programs started from here, which would hold the lock on.)
  bool schreiben = true;
  int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
  if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
    schreiben = false;
    fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
  }
  if (fd < 0) {
    fehler = errno;
    return -1;
  }
  struct flock l {};
  l.l_type = schreiben ? F_WRLCK : F_RDLCK;
  l.l_whence = SEEK_SET;
  l.l_start = SPERRBYTE;
  l.l_len = 1;
  // A lock of the open file, not of the process: closing another descriptor of the same
  // file (the engine's) leaves it in place.
  if (::fcntl(fd, F_OFD_SETLK, &l) != 0) {
    fehler = errno == EACCES ? EAGAIN : errno;
    ::close(fd);
    return -1;
  }
  fehler = 0;
  return fd;
}

Sperrergebnis SperreDatenbank(const QString& datenbank) {
  if (gehalten() >= 0 && gleicheDatei(gehalten(), datenbank)) return Sperrergebnis::Genommen;
  GibDatenbankFrei();
  int fehler = 0;
  const int fd = SperreDatei(datenbank, fehler);
  if (fd >= 0) {
    gehalten() = fd;
    return Sperrergebnis::Genommen;
  }
  grund() = QString::fromLocal8Bit(std::strerror(fehler));
  return fehler == EAGAIN ? Sperrergebnis::Belegt : Sperrergebnis::NichtMoeglich;
}

QString Sperrgrund() { return grund(); }

void GibDatenbankFrei() {
  if (gehalten() >= 0) ::close(gehalten());
  gehalten() = -1;
}

void UebernimmSperre(int fd) {
  if (fd < 0) return;
  if (gehalten() < 0) {
    ::close(fd);
    return;
  }
  ::close(gehalten());
  gehalten() = fd;
}
