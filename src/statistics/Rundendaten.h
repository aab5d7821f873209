// The per-hole entries of the selected rounds as the statistics and the charts count
// them, read once from the database, and the par and stroke index of one course.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVector>
#include <array>
#include <optional>
#include <span>

#include "data/Lochfelder.h"

// A stored field that is Null.
inline constexpr int FELD_NULL = -1;

// One hole of a stored round, its stored values turned into the codes the statistics and
// the charts count with (what a card stores is a ScorekartenLoch; these are read for
// counting, many rounds at a time).
struct Lochdaten {
  int Score = FELD_NULL;  // the score code (1..100, 100, 101, 102) as GibScore gives it
  int Putts = FELD_NULL;  // 0..100 putts, 100 for what is no number of putts, 101 an empty text
  double Distance = -1;   // the drive rounded to metres; -1 Null or not usable
  bool Fairwaytreffer = false;
  bool Chip = false;
  bool Pitch = false;
  int Bunker = 0;  // bunker shots; 0 also for Null
};

struct Rundendaten {
  std::array<Lochdaten, 18> Loch;
  // The par of each hole on the round's course as a score code (3 to 6 the pars the
  // statistics know); FELD_NULL when the course holds none.
  std::array<int, 18> Par{};
};
// Many rounds are read at a time: a list of them grows by moving its memory.
Q_DECLARE_TYPEINFO(Rundendaten, Q_RELOCATABLE_TYPE);

// The score code of a stored value as GibScore gives it for the value's text; FELD_NULL
// for Null.
int ScorecodeAusWert(const QVariant& wert);
// Stored putts as a whole number from 0: the number (0 to 100), SCORE_UNGUELTIG for
// what is none, as GibWertMin gives it for a text; FELD_NULL for Null.
int PuttcodeAusWert(const QVariant& wert);
// A stored drive as the statistics count it: rounded to a whole number, -1 when empty,
// negative, not a number or 10000 and above.
double DistanzAusWert(const QVariant& wert);

// The entries the statistics read; the charts read fewer.
inline constexpr std::array<Lochfeld, 7> STATISTIKFELDER = {
    Lochfeld::Score, Lochfeld::Putts, Lochfeld::Distance, Lochfeld::Fairwaytreffer,
    Lochfeld::Chip,  Lochfeld::Pitch, Lochfeld::Bunker};

// Reads the rounds that `sql` selects (a SELECT over qryAnalyse), in its order: the entries
// `felder` of each hole (the others keep their starting values) and the par of each hole.
// The columns are found by their names. On a database error `fehler` describes it, and
// the rounds read before it come back.
QVector<Rundendaten> LiesRunden(const QSqlDatabase& db, const QString& sql, QString* fehler = nullptr,
                                std::span<const Lochfeld> felder = STATISTIKFELDER);

// Par (0 when Null) and stroke index texts ("0" when Null) of one course.
struct Platzdaten {
  std::array<int, 18> Par{};
  std::array<QString, 18> ParText;
  std::array<QString, 18> Vorgabe;
};
std::optional<Platzdaten> LiesPlatzdaten(const QSqlDatabase& db, const QString& golfplatzidn);
