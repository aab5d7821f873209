// The words that route the main window's commands and the codes that switch its toolbar
// buttons and menu items, each named once. The window in front writes the words into
// AktiveForm and the Kontext* words (platform/Hauptfenster.h) and sets the codes; the
// commands compare the words. The texts are the program's own and stay as they are: a
// misspelt name does not build, where a misspelt text would route nowhere.
#pragma once

#include <QLatin1String>

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

// Toolbar codes: "1".."9" and "A".."I" switch buttons 1 to 18 off.
namespace Leistencode {
// The three tabs of the golfer window.
inline constexpr QLatin1String GolferStammdaten{"69ABDEF"};
inline constexpr QLatin1String GolferScorekarte{"DEFHI"};
inline constexpr QLatin1String GolferAuswertung{"234679ABDEFHI"};
inline constexpr QLatin1String Golfplatz{"589DEFH"};
inline constexpr QLatin1String GolfplatzNachKursblatt{"589DEFHI"};  // a course sheet closes
inline constexpr QLatin1String Turnier{"9DEFI"};
inline constexpr QLatin1String ScorekarteDetails{"2349ABDEFHI"};
// Print previews and the chart window: only Exit and Print stay on.
inline constexpr QLatin1String Druckansicht{"23469ABDEFHI"};
// The statistics windows; "Frei" while the records are not saved. The per-par window
// has its own codes for when the per-hole window is open behind it and when it is alone.
inline constexpr QLatin1String AuswertungGolfplatz{"2349AHI"};
inline constexpr QLatin1String AuswertungGolfplatzFrei{"2349ADHI"};
inline constexpr QLatin1String AuswertungAllgemein{"2349BHI"};
inline constexpr QLatin1String AuswertungAllgemeinFrei{"2349BDHI"};
inline constexpr QLatin1String AuswertungAllgemeinAllein{"2349ABHI"};
inline constexpr QLatin1String AuswertungAllgemeinAlleinFrei{"2349ABDHI"};
}  // namespace Leistencode

// Menu codes: "J".."Z" and "a" switch the eighteen command menu items off.
namespace Menuecode {
inline constexpr QLatin1String GolferStammdaten{"MQRSTUVWX"};
inline constexpr QLatin1String GolferScorekarte{"UVWXYZ"};
inline constexpr QLatin1String GolferAuswertung{"KLMNPQRSTUVWXYZa"};
inline constexpr QLatin1String Golfplatz{"RUVWXY"};
inline constexpr QLatin1String Turnier{"RUVWXZ"};
inline constexpr QLatin1String ScorekarteDetails{"KLPQRSTUVWXYZ"};
// File, Print, Exit and Page setup.
inline constexpr QLatin1String Druckansicht{"KLMPQRSTUVWXYZ"};
inline constexpr QLatin1String AuswertungGolfplatz{"KLPRSYZ"};
inline constexpr QLatin1String AuswertungGolfplatzFrei{"KLPRSVYZ"};
inline constexpr QLatin1String AuswertungAllgemein{"KLPRTYZ"};
inline constexpr QLatin1String AuswertungAllgemeinFrei{"KLPRTVYZ"};
inline constexpr QLatin1String AuswertungAllgemeinAllein{"KLPQRSTYZ"};
inline constexpr QLatin1String AuswertungAllgemeinAlleinFrei{"KLPQRSTVYZ"};
}  // namespace Menuecode
