// A round in which every entry of every hole holds a value of its own: each entry differs
// from every other entry on some hole and changes from hole to hole, so that a value that
// a path copies into the wrong column, box or field, or from the wrong hole, shows. Every
// hole is entered (0 where nothing happened), no count exceeds the score, no hole has
// both a chip and a pitch. The columns are named here as the schema names them, not
// taken from the program's own table.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QVariant>

#include "data/Allgemein.h"
#include "data/Scorekarte.h"

namespace Muster {

// The course: pars 3, 4 and 5, stroke index by hole.
inline constexpr int PAR[19] = {0, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 4, 3, 5, 4};
inline constexpr int VORGABE[19] = {0, 7, 3, 15, 1, 11, 5, 17, 9, 13, 8, 16, 2, 12, 4, 10, 18, 6, 14};

inline constexpr int ABSCHLAG[19] = {0, 1, 2, 1, 1, 2, 1, 1, 1, 2, 1, 1, 1, 2, 1, 1, 1, 2, 1};
inline constexpr bool FAIRWAY[19] = {0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0, 1, 1, 0, 1, 0, 0, 1};
inline constexpr bool CHIP[19] = {0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 1, 0};
inline constexpr bool PITCH[19] = {0, 1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0};
inline constexpr int PUTTS[19] = {0, 2, 1, 3, 2, 0, 1, 2, 2, 1, 3, 2, 1, 2, 0, 2, 1, 2, 3};
inline constexpr int BUNKER[19] = {0, 0, 1, 2, 0, 1, 0, 1, 0, 2, 0, 1, 0, 0, 1, 2, 0, 1, 0};
inline constexpr int STRAF[19] = {0, 0, 0, 1, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 2};
// The other strokes of each hole, which make up its score.
inline constexpr int SONSTIGE[19] = {0, 1, 0, 0, 2, 1, 0, 0, 1, 0, 0, 1, 2, 0, 0, 1, 0, 0, 1};

inline int Score(int i) { return ABSCHLAG[i] + CHIP[i] + PITCH[i] + PUTTS[i] + BUNKER[i] + STRAF[i] + SONSTIGE[i]; }
inline int Distanz(int i) { return 200 + 3 * i; }  // three digits: what a drive box takes

// The families of the holes, as the schema names their columns.
inline const QStringList FAMILIEN = {"ScoreLoch", "AbschlagLoch", "FairwaytrefferLoch", "DistanceLoch",   "ChipLoch",
                                     "PitchLoch", "PuttsLoch",    "BunkerLoch",         "StrafschlagLoch"};

// The value hole `i` holds in the column of family `familie`.
inline int Wert(const QString& familie, int i) {
  if (familie == "ScoreLoch") return Score(i);
  if (familie == "AbschlagLoch") return ABSCHLAG[i];
  if (familie == "FairwaytrefferLoch") return FAIRWAY[i];
  if (familie == "DistanceLoch") return Distanz(i);
  if (familie == "ChipLoch") return CHIP[i];
  if (familie == "PitchLoch") return PITCH[i];
  if (familie == "PuttsLoch") return PUTTS[i];
  if (familie == "BunkerLoch") return BUNKER[i];
  if (familie == "StrafschlagLoch") return STRAF[i];
  ADD_FAILURE() << "no values for " << familie.toStdString();
  return -1;
}
inline bool IstKaestchen(const QString& familie) {
  return familie == "FairwaytrefferLoch" || familie == "ChipLoch" || familie == "PitchLoch";
}

// Every column of the stored round holds its value; `feld` reads a column of the row.
template <class Lies>
void PruefeZeile(Lies&& feld) {
  for (const QString& familie : FAMILIEN)
    for (int i = 1; i <= 18; ++i) {
      const QVariant v = feld(FeldnameNr(familie, i));
      EXPECT_FALSE(v.isNull()) << familie.toStdString() << " " << i;
      EXPECT_EQ(v.toDouble(), Wert(familie, i)) << familie.toStdString() << " " << i;
    }
}

// The holes as a card value.
inline void Fuelle(Scorekarte& k) {
  for (int i = 1; i <= 18; ++i) {
    ScorekartenLoch& l = k.Loch[i];
    l.Score = Score(i);
    l.Abschlag = ABSCHLAG[i];
    l.Fairwaytreffer = FAIRWAY[i];
    l.Distance = Distanz(i);
    l.Chip = CHIP[i];
    l.Pitch = PITCH[i];
    l.Putts = PUTTS[i];
    l.Bunker = BUNKER[i];
    l.Strafschlag = STRAF[i];
  }
}

// An INSERT of the columns with the values.
struct Zeile {
  QString Sql;
  QVariantList Werte;
};
inline Zeile Einfuegen(const QString& tabelle, const QStringList& spalten, const QVariantList& werte) {
  return {QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
              .arg(tabelle, spalten.join(','), QStringList(spalten.size(), "?").join(',')),
          werte};
}
// The course: its key, name, shown, SSS par 72, par and stroke index.
inline Zeile Platz(const QString& id, const QString& name) {
  QStringList spalten{"Golfplatzidn", "Golfplatzname", "GolfplatzAnzeigen", "SSSPar"};
  QVariantList werte{id, name, 1, 72};
  for (int i = 1; i <= 18; ++i) {
    spalten << FeldnameNr("Loch", i) + "Par" << FeldnameNr("Loch", i) + "Vorgabe";
    werte << PAR[i] << VORGABE[i];
  }
  return Einfuegen("Tab_Golfplatz", spalten, werte);
}
// The stored round: the header columns given and every entry of every hole.
inline Zeile Runde(QStringList spalten, QVariantList werte) {
  for (const QString& familie : FAMILIEN)
    for (int i = 1; i <= 18; ++i) {
      spalten << FeldnameNr(familie, i);
      werte << Wert(familie, i);
    }
  return Einfuegen("Greenlogs", spalten, werte);
}

}  // namespace Muster
