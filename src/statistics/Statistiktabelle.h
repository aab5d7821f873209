// The result of a statistics computation as plain values: one line per statistic (named
// after the window's control array), one cell per column, each with its caption, the
// rounded number it shows, whether it is shown at all and whether it beats the stored
// personal record. The windows only put these cells on screen.
#pragma once

#include <QString>
#include <QVector>
#include <array>
#include <cmath>

// The window a table belongs to: per hole of one course (columns 1-21) or per par over
// all courses (columns 1-6).
enum class Statistikart { Golfplatz, Allgemein };

// Cell background colours (0xBBGGRR).
inline constexpr long FARBE_ZELLE = 0xC0C0C0;
inline constexpr long FARBE_NEUER_REKORD = 0xC0FFC0;
inline constexpr long FARBE_ANZAHL = 0xFFFFC0;
inline constexpr long FARBE_GESPEICHERT = 0xD5D5FF;

// Shown where a statistic has no data.
inline const QString KEINE_DATEN = QStringLiteral("---");

// The names of the lines (the window's control arrays). The computations look their lines
// up by these names, so a misspelt name does not build.
namespace Zeilenname {
// Per hole of one course.
inline constexpr char ParLoch[] = "ParLoch";
inline constexpr char VorgabeLoch[] = "VorgabeLoch";
inline constexpr char ScoreLoch[] = "ScoreLoch";
inline constexpr char BPLoch[] = "BPLoch";
inline constexpr char FWTLoch[] = "FWTLoch";
inline constexpr char AbschlagLoch[] = "AbschlagLoch";
inline constexpr char GIRLoch[] = "GIRLoch";
inline constexpr char PuttGIRLoch[] = "PuttGIRLoch";
inline constexpr char PuttChipLoch[] = "PuttChipLoch";
inline constexpr char PuttPitchLoch[] = "PuttPitchLoch";
inline constexpr char PuttSonstigeLoch[] = "PuttSonstigeLoch";
inline constexpr char PuttGesamtLoch[] = "PuttGesamtLoch";
inline constexpr char BunkerLoch[] = "BunkerLoch";
inline constexpr char HiOLoch[] = "HiOLoch";
inline constexpr char AlbatrossLoch[] = "AlbatrossLoch";
inline constexpr char EagleLoch[] = "EagleLoch";
inline constexpr char BirdieLoch[] = "BirdieLoch";
inline constexpr char Par2_Loch[] = "Par2_Loch";
inline constexpr char BogeyLoch[] = "BogeyLoch";
inline constexpr char DBogeyLoch[] = "DBogeyLoch";
inline constexpr char TrBogeyLoch[] = "TrBogeyLoch";
inline constexpr char MehrTrBogeyLoch[] = "MehrTrBogeyLoch";
inline constexpr char GesamtLoch[] = "GesamtLoch";
// Per par over all courses.
inline constexpr char ScorePar[] = "ScorePar";
inline constexpr char BruttopunktePar[] = "BruttopunktePar";
inline constexpr char FWTPar[] = "FWTPar";
inline constexpr char AbLaenrePar[] = "AbLänrePar";
inline constexpr char GIRPar[] = "GIRPar";
inline constexpr char PuttGIRPar[] = "PuttGIRPar";
inline constexpr char PuttChipPar[] = "PuttChipPar";
inline constexpr char PuttPitchPar[] = "PuttPitchPar";
inline constexpr char PuttSonstigePar[] = "PuttSonstigePar";
inline constexpr char PuttGsamtPar[] = "PuttGsamtPar";
inline constexpr char BunkerPar[] = "BunkerPar";
inline constexpr char HiOPar[] = "HiOPar";
inline constexpr char AlbatrossPar[] = "AlbatrossPar";
inline constexpr char EaglePar[] = "EaglePar";
inline constexpr char BirdiePar[] = "BirdiePar";
inline constexpr char ParPar[] = "ParPar";
inline constexpr char BogeyPar[] = "BogeyPar";
inline constexpr char DBogeyPar[] = "DBogeyPar";
inline constexpr char TBogeyPar[] = "TBogeyPar";
inline constexpr char MehrTBogeyPar[] = "MehrTBogeyPar";
inline constexpr char GesamtPar[] = "GesamtPar";
}  // namespace Zeilenname

// The nine result-class lines of each window, in class order (hole in one ... worse than
// triple bogey).
inline constexpr std::array<const char*, 9> KLASSENZEILEN_LOCH = {
    Zeilenname::HiOLoch,    Zeilenname::AlbatrossLoch, Zeilenname::EagleLoch,
    Zeilenname::BirdieLoch, Zeilenname::Par2_Loch,     Zeilenname::BogeyLoch,
    Zeilenname::DBogeyLoch, Zeilenname::TrBogeyLoch,   Zeilenname::MehrTrBogeyLoch};
inline constexpr std::array<const char*, 9> KLASSENZEILEN_PAR = {
    Zeilenname::HiOPar,   Zeilenname::AlbatrossPar, Zeilenname::EaglePar,  Zeilenname::BirdiePar,    Zeilenname::ParPar,
    Zeilenname::BogeyPar, Zeilenname::DBogeyPar,    Zeilenname::TBogeyPar, Zeilenname::MehrTBogeyPar};

struct Statistikzelle {
  QString Text;
  double Wert = 0.0;  // the rounded number the caption shows, when HatWert
  bool HatWert = false;
  bool Sichtbar = true;
  bool Rekord = false;  // beats (or equals) the stored personal record
};

// One line of the window. `Statistik` lines take part in the records; the others (par,
// stroke index, number of results) only show numbers.
struct Statistikzeile {
  QString Name;   // the control array
  QString Stamm;  // record name stem
  int Von = 1;    // first and last column that exist
  int Bis = 1;
  bool Statistik = true;
  bool Niedriger = false;          // lower is better
  bool NurPositiv = false;         // a record only when the value is above 0
  int Untergrenze = 0;             // smallest valid value (1 for scores)
  QVector<Statistikzelle> Zellen;  // index = column; 0 unused

  bool Hat(int spalte) const { return spalte >= Von && spalte <= Bis; }
  Statistikzelle& operator[](int spalte) { return Zellen[spalte]; }
  const Statistikzelle& operator[](int spalte) const { return Zellen[spalte]; }
};

struct Statistiktabelle {
  Statistikart Art = Statistikart::Golfplatz;
  int Runden = 0;  // rounds evaluated
  QVector<Statistikzeile> Zeilen;

  Statistikzeile* Zeile(const QString& name);
  const Statistikzeile* Zeile(const QString& name) const;
  // The twenty statistics in window order (records, views).
  QVector<Statistikzeile*> Statistiken();
  QVector<const Statistikzeile*> Statistiken() const;
};

// An empty table of the window's lines with every cell on "", visible, no record.
Statistiktabelle LeereStatistiktabelle(Statistikart art);

// The settings the computations read.
struct Statistikeinstellungen {
  bool FairwayPar3 = true;  // par-3 holes count for fairway hits
  bool DistanzPar3 = true;  // par-3 holes count for driving distance
  int MinMon = 4;           // minimum data for a monthly record
  int MinJahr = 25;         // for a yearly record
};
// From the texts of the settings rows: "0" leaves par-3 holes out; a minimum that is not
// a whole number gives its default (4 and 25).
Statistikeinstellungen LiesStatistikeinstellungen(const QString& fairwayPar3, const QString& distanzPar3,
                                                  const QString& minMon, const QString& minJahr);

// A number as the windows show it: rounded half to even, fixed decimals, decimal sign of
// the user's locale, no group separator.
QString StatistikText(double wert, int stellen);
// Sets a cell to a rounded value (or "---" when `hatDaten` is false).
void SetzeZelle(Statistikzelle& z, bool hatDaten, double wert, int stellen);
// A whole number as plain text.
void SetzeAnzahl(Statistikzelle& z, long long anzahl);
