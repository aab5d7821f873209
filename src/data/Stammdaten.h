// The stored records of golfers, their handicap history, courses with their tees, and
// tournaments as plain values. The data-access object reads and writes them; the entry
// windows load their controls from them and copy the controls back into them.
#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <optional>

// A row of tab_golfer. Handicaps are numbers (a plus handicap negative); no value is
// stored as Null. Heimatclub is the key of the home course.
struct Golferdatensatz {
  QString Golferidn;
  QString Golfername;
  std::optional<double> Stammvorgabe;
  std::optional<double> Handicap;
  QString Heimatclub;
  bool AktuellerGolfer = false;
  QString NaechsterFreitag;

  bool operator==(const Golferdatensatz&) const = default;
};

// A row of tab_HdcpHistorie: one round's effect on a golfer's handicap. Datum is invalid
// when no date is stored (or the stored text is no date).
struct Handicapeintrag {
  QString Satznr;
  QString Golfernummer;
  QDate Datum;
  QString Golfplatzbez;
  QString Bemerkungen;
  QString Spielart;
  std::optional<double> GewNettoStable;
  std::optional<double> Stammvorgabe;
  std::optional<double> Handicap;

  bool operator==(const Handicapeintrag&) const = default;
};

// The whole handicap that goes with an exact handicap: rounded half to even, a plus
// handicap (negative) as well.
double GanzesHandicap(double stammvorgabe);

// The fields of a history row that a write stores; a row stored before keeps the others.
enum Historienfeld : unsigned {
  HF_DATUM = 1,
  HF_GOLFPLATZ = 2,
  HF_BEMERKUNG = 4,
  HF_SPIELART = 8,
  HF_NETTOPUNKTE = 16,
  HF_STAMMVORGABE = 32,  // with the handicap rounded from it
  HF_ALLE = 63,
};

// A row of Tab_Golfplatz. Lochzahl 1-3 stands for 9, 18 and 27 holes, Bewertung 1-5 (a
// number outside is kept as stored and shows no choice). Par and Vorgabe (the stroke index) of holes 1-18 at index
// 0-17.
struct Golfplatzdaten {
  QString Golfplatzidn;
  QString Golfplatzname;
  QString Golfplatzstrasse;
  QString Golfplatzplz;
  QString Golfplatzort;
  QString Golfplatztelefon;
  QString Golfplatzfax;
  QString Golfplatzland;
  QString GolfplatzInternet;
  QString Greenfee;
  QString Handicap;
  QString Golfplatzinfo;
  bool Teetimes = false;
  bool GolfplatzAnzeigen = false;
  std::optional<int> Lochzahl;
  std::optional<int> Bewertung;
  std::array<std::optional<int>, 18> Par{};
  std::array<std::optional<int>, 18> Vorgabe{};

  bool operator==(const Golfplatzdaten&) const = default;
};

// A row of tab_Slope: one tee of a course.
struct Abschlag {
  QString Slopeidn;
  QString Golfplatzidn;
  QString Abschlagbezeichnung;
  std::optional<double> Slopewert;
  std::optional<double> CourseRating;

  bool operator==(const Abschlag&) const = default;
};

// A row of Tab_Turnier. GolfplatzNo and SpielartNo are keys (empty: none). LochOption
// 1-4 stands for 18, 36, 54 and 72 holes, 5 for another number (SonstigeLochOption); none
// leaves the stored value as it is. TurnierHandicap is a note as typed.
struct Turnierdaten {
  QString Turniernummer;
  QString Turniername;
  QDate Datum;
  // The stored text of a date the program cannot read (written by another program), shown
  // as it is; empty for a date it reads or none.
  QString UnlesbaresDatum;
  QString GolfplatzNo;
  QString SpielartNo;
  QString TurnierHandicap;
  QString TurnierBemerkung;
  std::optional<int> LochOption;
  QString SonstigeLochOption;

  bool operator==(const Turnierdaten&) const = default;
};

// A stored date: ISO text, or an older text form read as the date check reads it.
QDate GespeichertesDatum(const QString& text);
// A date in the interface language's form; "" for an invalid date.
QString DatumAlsAnzeige(const QDate& datum);
// The tournament's date as the editor shows it and its sheet prints it: a stored text that
// is no date as it stands.
QString Turnierdatum(const Turnierdaten& t);
