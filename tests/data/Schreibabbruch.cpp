// A preloaded library that kills its program at a chosen write, as a crash or a power cut
// would stop it: with PW_ABBRUCH_DATEI naming a file, the program is killed (SIGKILL) right
// before its PW_ABBRUCH_BEI-th write to that file, or, with PW_ABBRUCH_BEI=loeschen, right
// before it deletes that file. With PW_UMBENENNEN naming another file as well, that file is
// renamed over the chosen one at that write instead, as a sync tool puts its copy in the
// file's place, and the write goes on into the old file. Apart from that, with
// PW_TOETEN_PRAEFIX naming the start of a path, the program is killed right before its
// PW_TOETEN_BEI-th write to any file whose path starts so, or, with PW_TOETEN_BEI=umbenennen,
// right before it renames such a file. Without the variables it changes nothing.
#include <dlfcn.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
int schreibvorgaenge = 0;

bool istZiel(const char* pfad) {
  const char* ziel = getenv("PW_ABBRUCH_DATEI");
  return ziel && pfad && std::strcmp(pfad, ziel) == 0;
}

int praefixSchreibvorgaenge = 0;

bool beginntMitPraefix(const char* pfad) {
  const char* praefix = getenv("PW_TOETEN_PRAEFIX");
  return praefix && pfad && std::strncmp(pfad, praefix, std::strlen(praefix)) == 0;
}

void vorDemSchreiben(int fd) {
  char verweis[64], pfad[PATH_MAX];
  snprintf(verweis, sizeof verweis, "/proc/self/fd/%d", fd);
  const ssize_t n = readlink(verweis, pfad, sizeof pfad - 1);
  if (n <= 0) return;
  pfad[n] = '\0';
  const char* toeten = getenv("PW_TOETEN_BEI");
  if (toeten && beginntMitPraefix(pfad) && ++praefixSchreibvorgaenge == atoi(toeten)) raise(SIGKILL);
  const char* bei = getenv("PW_ABBRUCH_BEI");
  if (!bei || strcmp(bei, "loeschen") == 0) return;
  if (!istZiel(pfad) || ++schreibvorgaenge != atoi(bei)) return;
  if (const char* kopie = getenv("PW_UMBENENNEN"))
    rename(kopie, getenv("PW_ABBRUCH_DATEI"));
  else
    raise(SIGKILL);
}

// The function of the system library that this one stands in front of.
template <typename F>
F weiter(const char* name) {
  return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}
}  // namespace

extern "C" {

ssize_t write(int fd, const void* p, size_t n) {
  vorDemSchreiben(fd);
  return weiter<ssize_t (*)(int, const void*, size_t)>("write")(fd, p, n);
}
ssize_t pwrite(int fd, const void* p, size_t n, off_t o) {
  vorDemSchreiben(fd);
  return weiter<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite")(fd, p, n, o);
}
ssize_t pwrite64(int fd, const void* p, size_t n, off_t o) {
  vorDemSchreiben(fd);
  return weiter<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite64")(fd, p, n, o);
}
ssize_t writev(int fd, const struct iovec* v, int n) {
  vorDemSchreiben(fd);
  return weiter<ssize_t (*)(int, const struct iovec*, int)>("writev")(fd, v, n);
}
int rename(const char* von, const char* nach) noexcept {
  const char* toeten = getenv("PW_TOETEN_BEI");
  char pfad[PATH_MAX];
  if (toeten && strcmp(toeten, "umbenennen") == 0 && realpath(von, pfad) && beginntMitPraefix(pfad)) raise(SIGKILL);
  return weiter<int (*)(const char*, const char*)>("rename")(von, nach);
}
int unlink(const char* pfad) noexcept {
  const char* bei = getenv("PW_ABBRUCH_BEI");
  if (bei && strcmp(bei, "loeschen") == 0 && istZiel(pfad)) raise(SIGKILL);
  return weiter<int (*)(const char*)>("unlink")(pfad);
}
}
