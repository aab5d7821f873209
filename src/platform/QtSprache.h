// Qt's own texts (standard buttons "Ja"/"Nein", file and print dialogs) in the interface
// language: Qt's translation catalogue of that language is installed into the application.
#pragma once

// 1 German, 2 English. Replaces a catalogue installed before; true when one was loaded
// (English needs none and gives true).
bool LadeQtUebersetzung(int Sprachnummer);
