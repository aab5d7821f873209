// The words that route the main window's commands and the codes that switch its toolbar
// buttons and menu items, each named once. The window in front writes the words into
// AktiveForm and the Kontext* words (platform/Hauptfenster.h) and sets the codes; the
// commands compare the words. The texts are the program's own and stay as they are: a
// misspelt name does not build, where a misspelt text would route nowhere.
#pragma once

#include <QLatin1String>

#include "platform/Hauptfenster.h"

namespace Kontext {
inline constexpr QLatin1String Golfer{"Golfer"};
inline constexpr QLatin1String Scorekarte{"Scorekarte"};
inline constexpr QLatin1String Historie{"Historie"};  // the handicap-history grid
inline constexpr QLatin1String Turnier{"Turnier"};
inline constexpr QLatin1String Golfplatz{"Golfplatz"};
inline constexpr QLatin1String Slope{"Slope"};  // the tee grid of the course editor
inline constexpr QLatin1String NextScorecard{"NextScorecard"};
inline constexpr QLatin1String PreviousScorecard{"PreviousScorecard"};
inline constexpr QLatin1String AuswertungGolfplatz{"AuswertungGolfplatz"};
inline constexpr QLatin1String AuswertungAllgemein{"AuswertungAllgemein"};
inline constexpr QLatin1String Grafik{"frmGrafik"};  // the chart window
inline constexpr QLatin1String SelectWhat{"SelectWhat"};
}  // namespace Kontext

// The toolbar and menu codes of a window in front. Toolbar: "1".."9" and "A".."I" switch
// buttons 1 to 18 off; menus: "J".."Z" and "a" switch the eighteen command menu items off.
struct Befehlscodes {
  QLatin1String Leiste;
  QLatin1String Menues;
};

namespace Befehlscode {
using L = QLatin1String;
// The three tabs of the golfer window.
inline constexpr Befehlscodes GolferStammdaten{L("69ABDEF"), L("MQRSTUVWX")};
inline constexpr Befehlscodes GolferScorekarte{L("DEFHI"), L("UVWXYZ")};
inline constexpr Befehlscodes GolferAuswertung{L("234679ABDEFHI"), L("KLMNPQRSTUVWXYZa")};
inline constexpr Befehlscodes Golfplatz{L("589DEFH"), L("RUVWXY")};
// A course sheet closes: the course editor's menus, its toolbar with button 18 off.
inline constexpr Befehlscodes GolfplatzNachKursblatt{L("589DEFHI"), Golfplatz.Menues};
inline constexpr Befehlscodes Turnier{L("9DEFI"), L("RUVWXZ")};
inline constexpr Befehlscodes ScorekarteDetails{L("2349ABDEFHI"), L("KLPQRSTUVWXYZ")};
// Print previews and the chart window: only Exit and Print stay on the toolbar; File,
// Print, Exit and Page setup in the menus.
inline constexpr Befehlscodes Druckansicht{L("23469ABDEFHI"), L("KLMPQRSTUVWXYZ")};
// The statistics windows; "Frei" while the records are not saved. The per-par window
// has its own codes for when the per-hole window is open behind it and when it is alone.
inline constexpr Befehlscodes AuswertungGolfplatz{L("2349AHI"), L("KLPRSYZ")};
inline constexpr Befehlscodes AuswertungGolfplatzFrei{L("2349ADHI"), L("KLPRSVYZ")};
inline constexpr Befehlscodes AuswertungAllgemein{L("2349BHI"), L("KLPRTYZ")};
inline constexpr Befehlscodes AuswertungAllgemeinFrei{L("2349BDHI"), L("KLPRTVYZ")};
inline constexpr Befehlscodes AuswertungAllgemeinAllein{L("2349ABHI"), L("KLPQRSTYZ")};
inline constexpr Befehlscodes AuswertungAllgemeinAlleinFrei{L("2349ABDHI"), L("KLPQRSTVYZ")};
}  // namespace Befehlscode

// Sets the toolbar code, then the menu code.
inline void HF_SetzeBefehlscodes(const Befehlscodes& c) {
  HF_SetzeButtonBar(c.Leiste);
  HF_SetzeMenues(c.Menues);
}
