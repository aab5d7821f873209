#include "data/Sperre.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>

#include "language/Sprachumschaltung.h"

namespace {
// Beyond the bytes the database engine locks (from 0x40000000, 512 bytes), so that the two
// never meet.
constexpr off_t SPERRBYTE = 0x40000400;
// The engine's own bytes: a program that stores holds the reserved byte for writing, one
// that reads holds the shared range for reading (the pending byte only while it begins).
constexpr off_t AUSSTEHEND = 0x40000000;
constexpr off_t RESERVIERT = 0x40000001;
constexpr off_t GETEILT_AB = 0x40000002;
constexpr off_t GETEILT_LAENGE = 510;

// Why a lock could not be taken, in our own words: the system's are English only.
constexpr int TEXT_KEINE_SPERRE_FREI = 4618;   // ENOLCK
constexpr int TEXT_KEINE_BERECHTIGUNG = 4619;  // EACCES, EPERM
constexpr int TEXT_SCHREIBGESCHUETZT = 4620;   // EROFS
constexpr int TEXT_KEINE_SPERREN = 4621;       // ENOSYS, EOPNOTSUPP
constexpr int TEXT_SPERRART_UNBEKANNT = 4622;  // EINVAL
constexpr int TEXT_DATEI_FEHLT = 4623;         // ENOENT, ENOTDIR, ESTALE
constexpr int TEXT_MITTEL_ERSCHOEPFT = 4624;   // EMFILE, ENFILE, ENOMEM
constexpr int TEXT_DATENTRAEGERFEHLER = 4625;  // EIO
constexpr int TEXT_SYSTEMFEHLER = 4626;        // any other, with its number

int& gehalten() {
  static int fd = -1;
  return fd;
}
// The descriptor through which the reserved byte is held (HalteVomAltenJournalAb), or -1.
int& abgehalten() {
  static int fd = -1;
  return fd;
}
int& letzterFehler() {
  static int f = 0;
  return f;
}

int grundtext(int fehler) {
  switch (fehler) {
    case ENOLCK: return TEXT_KEINE_SPERRE_FREI;
    case EACCES:
    case EPERM: return TEXT_KEINE_BERECHTIGUNG;
    case EROFS: return TEXT_SCHREIBGESCHUETZT;
    case ENOSYS:
    case EOPNOTSUPP: return TEXT_KEINE_SPERREN;
    case EINVAL: return TEXT_SPERRART_UNBEKANNT;
    case ENOENT:
    case ENOTDIR:
    case ESTALE: return TEXT_DATEI_FEHLT;
    case EMFILE:
    case ENFILE:
    case ENOMEM: return TEXT_MITTEL_ERSCHOEPFT;
    case EIO: return TEXT_DATENTRAEGERFEHLER;
    default: return TEXT_SYSTEMFEHLER;
  }
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
  letzterFehler() = fehler;
  return fehler == EAGAIN ? Sperrergebnis::Belegt : Sperrergebnis::NichtMoeglich;
}

void HalteVomAltenJournalAb(bool abhalten) {
  int& gehaltenVon = abgehalten();
  if (gehalten() < 0 || (gehaltenVon == gehalten()) == abhalten) return;
  struct flock l {};
  l.l_type = abhalten ? F_WRLCK : F_UNLCK;
  l.l_whence = SEEK_SET;
  l.l_start = RESERVIERT;
  l.l_len = 1;
  // (Not while a transaction of the program holds the byte itself.)
  if (::fcntl(gehalten(), F_OFD_SETLK, &l) == 0) gehaltenVon = abhalten ? gehalten() : -1;
}

bool SperreZumSchreiben(const QString& datenbank) {
  if (gehalten() < 0 || (::fcntl(gehalten(), F_GETFL) & O_ACCMODE) == O_RDWR) return true;
  // (Two locks of this program on one file meet each other: the lock for reading goes
  // first.)
  ::close(gehalten());
  abgehalten() = -1;
  int fehler = 0;
  gehalten() = SperreDatei(datenbank, fehler);
  if (gehalten() < 0) gehalten() = SperreDatei(datenbank, fehler);
  return gehalten() >= 0 && (::fcntl(gehalten(), F_GETFL) & O_ACCMODE) == O_RDWR;
}

QString Sperrgrund() { return Sperrgrund(letzterFehler()); }

QString Sperrgrund(int fehler) {
  const int nummer = grundtext(fehler);
  const QString text = SPU().Meldungstext(nummer);
  return nummer == TEXT_SYSTEMFEHLER ? text.arg(fehler) : text;
}

int HalteSchreiberAb(const QString& datenbank) {
  const QByteArray name = QFile::encodeName(datenbank);
  // The engine takes the reserved byte for writing before a store, and the pending byte
  // before it reads: held for writing, both keep every other program out, as the engine
  // holds them itself while it rolls a journal back. A file that may only be read gets a
  // read lock on the reserved byte, which keeps out the stores.
  int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
  const bool schreiben = fd >= 0;
  if (!schreiben) fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct flock l {};
  l.l_type = schreiben ? F_WRLCK : F_RDLCK;
  l.l_whence = SEEK_SET;
  l.l_start = schreiben ? AUSSTEHEND : RESERVIERT;
  l.l_len = schreiben ? 2 : 1;
  if (::fcntl(fd, F_OFD_SETLK, &l) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool AnderesProgrammLiest(const QString& datenbank) {
  const int fd = ::open(QFile::encodeName(datenbank).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct flock l {};
  l.l_type = F_WRLCK;
  l.l_whence = SEEK_SET;
  l.l_start = GETEILT_AB;
  l.l_len = GETEILT_LAENGE;
  const bool liest = ::fcntl(fd, F_OFD_GETLK, &l) == 0 && l.l_type != F_UNLCK;
  ::close(fd);
  return liest;
}

void GibDatenbankFrei() {
  if (gehalten() >= 0) ::close(gehalten());
  gehalten() = -1;
  abgehalten() = -1;
}

void UebernimmSperre(int fd) {
  if (fd < 0) return;
  if (gehalten() < 0) {
    ::close(fd);
    return;
  }
  ::close(gehalten());
  gehalten() = fd;
  abgehalten() = -1;
}
