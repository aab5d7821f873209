// The program's run and its end: the end of a desktop session (a logout, a shutdown, a
// signal) closes the program as the user's close does, storing without asking; entries
// not stored as the program ends are told once.
#pragma once

#include <functional>

// Runs the program: starts it (`gestartet` is called once the main window shows), runs
// its events until it ends, then closes the database. The program's result.
int Programmlauf(const std::function<void()>& gestartet = {});
// From here on SIGTERM, SIGHUP and SIGINT, and the session manager's end of the session,
// end the program through BeendeSitzung; its request for the data before the session ends
// runs SichereZumSitzungsende.
void FangeSitzungsendeAb();
// Ends the program as the session ends: a box or computation open is closed first, then
// every window stores its record without asking (a question not asked changes nothing)
// and the program ends, whatever a window refused.
void BeendeSitzung();
// The session manager's request for the data before the session ends: every window
// stores what it shows without a box or question, and the program goes on (a logout may
// still be cancelled); it ends when the session does.
void SichereZumSitzungsende();
// Tells the user, in one box, the entries that were not stored as the program ended.
void MeldeNichtGespeichertes();
