// A system that gives no lock: while SperrfehlerDesSystems is not 0, every lock of an open
// file (F_OFD_SETLK) this test program asks for fails with that errno value, as on a file
// system without locks or a system out of them. The program's own fcntl stands before the
// C library's and hands on the rest. (fcntl.h is left out, so that its declarations do not
// rename it; the program is built without the 64-bit file offset names.)
#include <dlfcn.h>

#include <cerrno>
#include <cstdarg>

int SperrfehlerDesSystems = 0;

extern "C" int fcntl(int fd, int befehl, ...) {
  constexpr int OFD_SETLK = 37;  // F_OFD_SETLK on Linux
  va_list a;
  va_start(a, befehl);
  void* arg = va_arg(a, void*);
  va_end(a);
  if (befehl == OFD_SETLK && SperrfehlerDesSystems != 0) {
    errno = SperrfehlerDesSystems;
    return -1;
  }
  static const auto echt = reinterpret_cast<int (*)(int, int, ...)>(::dlsym(RTLD_NEXT, "fcntl"));
  return echt(fd, befehl, arg);
}
