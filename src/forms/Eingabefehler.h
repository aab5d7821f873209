// The number boxes of the entry windows: what each takes, how it shows its number, and the
// box for an entry it does not take, in the interface language.
#pragma once

#include <QString>
#include <optional>

class QLineEdit;

// Names of the number fields the box names.
inline constexpr int FELD_STAMMVORGABE = 4752;
inline constexpr int FELD_HANDICAP = 4753;
inline constexpr int FELD_SLOPE = 4754;
inline constexpr int FELD_COURSE_RATING = 4755;
inline constexpr int FELD_NETTOPUNKTE = 4756;
inline constexpr int FELD_SPIELVORGABE = 4774;
// Names of other fields, for the entries not stored as the program ends.
inline constexpr int FELD_TURNIERDATUM = 4786;
inline constexpr int FELD_HEIMATCLUB = 4787;
inline constexpr int FELD_TURNIERPLATZ = 4788;
inline constexpr int FELD_TURNIERSPIELART = 4789;
inline constexpr int FELD_HISTORIENDATUM = 4763;
// What is wrong with such an entry.
inline constexpr int SCHLUSS_KEIN_DATUM = 4784;
inline constexpr int SCHLUSS_NICHT_IN_LISTE = 4785;

// What a number box takes: its name for the messages (one of the numbers above), the
// smallest and the largest value, and whether it holds a handicap, whose plus sign
// ("+1,2", better than scratch) stands for a negative number. A box without limits takes
// any number. In a rating box 0 stands for a tee without a rating: the program shows it
// for such a tee, and a store keeps it, but it is no number to type.
struct Zahlbereich {
  int Feld = 0;
  double Von = 0;
  double Bis = 0;
  bool Handicap = false;
  bool Begrenzt = true;
  bool NullOhneBewertung = false;
};

// The values the arithmetic of a round can use: exact handicaps from +10 to 54; playing
// handicaps from +30 to 90 (the strokes received are counted up to 90); slopes from 55 to
// 155; course ratings from 20 (nine holes) to 90.
inline constexpr Zahlbereich BEREICH_STAMMVORGABE{FELD_STAMMVORGABE, -10, 54, true};
inline constexpr Zahlbereich BEREICH_HANDICAP{FELD_HANDICAP, -10, 54, true};
inline constexpr Zahlbereich BEREICH_SPIELVORGABE{FELD_SPIELVORGABE, -30, 90, true};
// The card's "Hdcp": the playing handicap of the round.
inline constexpr Zahlbereich BEREICH_KARTENHANDICAP{FELD_HANDICAP, -30, 90, true};
inline constexpr Zahlbereich BEREICH_SLOPE{FELD_SLOPE, 55, 155, false, true, true};
inline constexpr Zahlbereich BEREICH_COURSE_RATING{FELD_COURSE_RATING, 20, 90, false, true, true};
inline constexpr Zahlbereich BEREICH_NETTOPUNKTE{FELD_NETTOPUNKTE, 0, 0, false, false};

enum class Zahlbefund { Leer, Gut, OhneBewertung, KeineZahl, AusserhalbBereich };

// What the text of such a box holds; `wert` receives a number it takes. A comma or a
// point may mark the decimals. The range judges what the user typed or changed: a number
// not `getippt` (the value as it was loaded, stored perhaps by an earlier version or
// another program) is taken whatever its range.
Zahlbefund PruefeZahl(const Zahlbereich& bereich, const QString& text, double* wert = nullptr, bool getippt = true);
// Tells the user that `text` is no number, or no number the box takes (with its range).
void MeldeZahlfehler(const Zahlbereich& bereich, const QString& text);
// Whether a store takes the text: empty, a number the box takes, a tee's 0.
bool Speicherbar(const Zahlbereich& bereich, const QString& text, bool getippt = true);
// The number of a box as it is stored: none for an empty text (or a tee's 0 without a
// rating). False, after telling the user, when the box holds what it does not take.
bool LiesZahl(const Zahlbereich& bereich, const QString& text, std::optional<double>& wert, bool getippt = true);
// A number as a box shows it: the regional format, a plus handicap with its sign.
QString Zahlanzeige(const Zahlbereich& bereich, double wert);
// The user is leaving the number box: a number typed there that it takes is taken at
// once, and shown again in the regional format, before the next field has the focus.
// What the program put into the box is left as it is. False when the box holds what it
// does not take (nothing is told here).
bool UebernimmZahlfeld(QLineEdit* feld, const Zahlbereich& bereich);
// The same once the focus change is complete, and what the box does not take is told: the
// text stays, selected, and the box gets the focus back. False when refused.
bool PruefeZahlfeld(QLineEdit* feld, const Zahlbereich& bereich);

// Tells the user that `text` in the field `feld` (one of the numbers above) is no number
// and was not stored; a comma or a point may mark the decimals.
void MeldeKeineZahl(int feld, const QString& text);

// As the program ends: notes that `text` in a number box is not stored (no number, or
// none the box takes). `feldname` names the box where its own name is not enough.
void MerkeZahlfehler(const Zahlbereich& bereich, const QString& text, const QString& feldname = {});
// The same for another entry: `fehler` is one of the SCHLUSS_ numbers, `feld` one of the
// FELD_ numbers, or the field's name.
void MerkeEintragsfehler(int fehler, int feld, const QString& text);
void MerkeEintragsfehler(int fehler, const QString& feldname, const QString& text);
