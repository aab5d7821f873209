// The program's symbols: the toolbar images and the program icon.
#pragma once

#include <QIcon>

// Image of toolbar button 1..18 (empty for the separators 5, 8, 12 and 16).
QIcon Knopfsymbol(int index);
// The program icon: a flag on the green.
QIcon Programmsymbol();
