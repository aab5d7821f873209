// Commands that the windows run on their own as well as the main window does.
#pragma once

// A first golfer, created without a question (start on a database with courses but no
// golfer, or a course editor closing on such a database).
void NeuGolferOhneFrage();
