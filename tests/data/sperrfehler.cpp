// The test program's own fcntl stands before the C library's: what it does not refuse it
// hands on. (fcntl.h is left out, so that its declarations do not rename it; the program
// is built without 64-bit file offset names, so the lock is asked for by this name.)
#include "sperrfehler.h"

#include <dlfcn.h>

#include <cerrno>
#include <cstdarg>

int SperrfehlerDesSystems = 0;

namespace {
constexpr int OFD_SETLK = 37;  // F_OFD_SETLK on Linux

using Fcntl = int (*)(int, int, ...);
}  // namespace

extern "C" int fcntl(int fd, int befehl, ...) {
  va_list a;
  va_start(a, befehl);
  void* arg = va_arg(a, void*);
  va_end(a);
  if (befehl == OFD_SETLK && SperrfehlerDesSystems != 0) {
    errno = SperrfehlerDesSystems;
    return -1;
  }
  static const auto echt = reinterpret_cast<Fcntl>(::dlsym(RTLD_NEXT, "fcntl"));
  return echt(fd, befehl, arg);
}
