// The test program's own fcntl stands before the C library's: what it does not refuse it
// hands on. (fcntl.h is left out, so that its declarations do not rename these two.)
#include "sperrfehler.h"

#include <dlfcn.h>

#include <cerrno>
#include <cstdarg>

int SperrfehlerDesSystems = 0;

namespace {
constexpr int OFD_SETLK = 37;  // F_OFD_SETLK on Linux

using Fcntl = int (*)(int, int, ...);

int weiter(Fcntl echt, int fd, int befehl, void* arg) {
  if (befehl == OFD_SETLK && SperrfehlerDesSystems != 0) {
    errno = SperrfehlerDesSystems;
    return -1;
  }
  return echt(fd, befehl, arg);
}
}  // namespace

extern "C" int fcntl(int fd, int befehl, ...) {
  va_list a;
  va_start(a, befehl);
  void* arg = va_arg(a, void*);
  va_end(a);
  static const auto echt = reinterpret_cast<Fcntl>(::dlsym(RTLD_NEXT, "fcntl"));
  return weiter(echt, fd, befehl, arg);
}

extern "C" int fcntl64(int fd, int befehl, ...) {
  va_list a;
  va_start(a, befehl);
  void* arg = va_arg(a, void*);
  va_end(a);
  static const auto echt = reinterpret_cast<Fcntl>(::dlsym(RTLD_NEXT, "fcntl64"));
  return weiter(echt, fd, befehl, arg);
}
