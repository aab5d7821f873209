// The per-hole entries of the selected rounds as plain numbers, read once from the
// database, and the par and stroke index of one course.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVector>
#include <array>
#include <optional>

// One hole of one round, already turned into the codes the statistics count with.
struct Lochdaten {
  int Score = -1;        // -1 field empty (Null); else the score code (1..100, 100, 101, 102)
  int Putts = -1;        // -1 Null; else the code of the putts
  double Distanz = -1;   // the drive rounded to metres; -1 Null or not usable
  int Fairway = 0;       // non-zero: fairway hit
  int Chip = 0;
  int Pitch = 0;
  int Bunker = 0;
};

struct Rundendaten {
  std::array<Lochdaten, 18> Loch;
  std::array<int, 18> Par{};  // the par of each hole on the round's course; 0: none known
  QString Golfplatz;
};

// The score code of a stored value as GibScore gives it for the value's text; -1 for Null.
int ScorecodeAusWert(const QVariant& wert);
// A stored drive as the statistics count it: rounded to a whole number, -1 when empty,
// negative, not a number or 10000 and above.
double DistanzAusWert(const QVariant& wert);

// Reads the rounds that `sql` selects (a SELECT over qryAnalyse). Empty on a database
// error, which `fehler` then describes.
QVector<Rundendaten> LiesRunden(const QSqlDatabase& db, const QString& sql, QString* fehler = nullptr);

// Par (0 when Null) and stroke index texts ("0" when Null) of one course.
struct Platzdaten {
  std::array<int, 18> Par{};
  std::array<QString, 18> ParText;
  std::array<QString, 18> Vorgabe;
};
std::optional<Platzdaten> LiesPlatzdaten(const QSqlDatabase& db, const QString& golfplatzidn);
