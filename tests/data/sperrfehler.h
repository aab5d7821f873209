// A system that gives no lock: while `SperrfehlerDesSystems` is not 0, every request for
// a lock of an open file (F_OFD_SETLK) that this test program makes fails with that errno
// value, as on a file system without locks or a system out of them. Every other request
// reaches the system.
#pragma once

extern int SperrfehlerDesSystems;
