#include "statistics/Statistiktabelle.h"

#include <QLocale>

#include "data/Allgemein.h"

namespace {

struct Zeilendefinition {
  const char* name;
  const char* stamm;
  int von;
  int bis;
  bool niedriger;
  bool nurPositiv;
};

// Per hole of one course: every statistic has columns 1 to 21.
const Zeilendefinition GOLFPLATZ[] = {
    {"ScoreLoch", "ScoreLoch", 1, 21, true, false},
    {"BPLoch", "BPLoch", 1, 21, false, false},
    {"FWTLoch", "FWTLoch", 1, 21, false, false},
    {"AbschlagLoch", "AbschlagLoch", 1, 21, false, false},
    {"GIRLoch", "GiRLoch", 1, 21, false, false},
    {"PuttGIRLoch", "PuttGiRLoch", 1, 21, true, false},
    {"PuttChipLoch", "PuttChipLoch", 1, 21, true, false},
    {"PuttPitchLoch", "PuttPitchLoch", 1, 21, true, false},
    {"PuttSonstigeLoch", "PuttSonstigeLoch", 1, 21, true, false},
    {"PuttGesamtLoch", "PuttGesamtLoch", 1, 21, true, false},
    {"BunkerLoch", "BunkerLoch", 1, 21, false, true},
    {"HiOLoch", "HiOLoch", 1, 21, false, true},
    {"AlbatrossLoch", "AlbatrossLoch", 1, 21, false, true},
    {"EagleLoch", "EagleLoch", 1, 21, false, true},
    {"BirdieLoch", "BirdieLoch", 1, 21, false, true},
    {"Par2_Loch", "Par_2Loch", 1, 21, false, true},
    {"BogeyLoch", "BogeyLoch", 1, 21, false, true},
    {"DBogeyLoch", "DBogeyLoch", 1, 21, true, false},
    {"TrBogeyLoch", "TrBogeyLoch", 1, 21, true, false},
    {"MehrTrBogeyLoch", "MehrTrBogeyLoch", 1, 21, true, false},
};

// Per par over all courses: columns 1-4 par 3 to 6, 5 all holes, 6 per round.
const Zeilendefinition ALLGEMEIN[] = {
    {"ScorePar", "ScorePar", 1, 6, true, false},
    {"BruttopunktePar", "BruttopunktePar", 1, 6, false, false},
    {"FWTPar", "FWTPar", 1, 6, false, false},
    {"AbLänrePar", "AbLänrePar", 1, 5, false, false},
    {"GIRPar", "GiRPar", 1, 6, false, false},
    {"PuttGIRPar", "PuttGiRPar", 1, 5, true, false},
    {"PuttChipPar", "PuttChipPar", 1, 5, true, false},
    {"PuttPitchPar", "PuttPitchPar", 1, 5, true, false},
    {"PuttSonstigePar", "PuttSonstigePar", 1, 5, true, false},
    {"PuttGsamtPar", "PuttGsamtPar", 1, 6, true, false},
    {"BunkerPar", "BunkerPar", 1, 5, false, false},
    {"HiOPar", "HiOPar", 1, 6, false, true},
    {"AlbatrossPar", "AlbatrossPar", 3, 6, false, true},
    {"EaglePar", "EaglePar", 2, 6, false, true},
    {"BirdiePar", "BirdiePar", 1, 6, false, true},
    {"ParPar", "ParPar", 1, 6, false, true},
    {"BogeyPar", "BogeyPar", 1, 6, false, true},
    {"DBogeyPar", "DBogeyPar", 1, 6, true, false},
    {"TBogeyPar", "TBogeyPar", 1, 6, true, false},
    {"MehrTBogeyPar", "MehrTBogeyPar", 1, 6, true, false},
};

Statistikzeile neueZeile(const QString& name, const QString& stamm, int von, int bis, bool statistik) {
  Statistikzeile z;
  z.Name = name;
  z.Stamm = stamm;
  z.Von = von;
  z.Bis = bis;
  z.Statistik = statistik;
  z.Zellen.resize(bis + 1);
  return z;
}

}  // namespace

Statistikzeile* Statistiktabelle::Zeile(const QString& name) {
  for (Statistikzeile& z : Zeilen)
    if (z.Name == name) return &z;
  return nullptr;
}

const Statistikzeile* Statistiktabelle::Zeile(const QString& name) const {
  for (const Statistikzeile& z : Zeilen)
    if (z.Name == name) return &z;
  return nullptr;
}

QVector<Statistikzeile*> Statistiktabelle::Statistiken() {
  QVector<Statistikzeile*> s;
  for (Statistikzeile& z : Zeilen)
    if (z.Statistik) s.append(&z);
  return s;
}

QVector<const Statistikzeile*> Statistiktabelle::Statistiken() const {
  QVector<const Statistikzeile*> s;
  for (const Statistikzeile& z : Zeilen)
    if (z.Statistik) s.append(&z);
  return s;
}

Statistiktabelle LeereStatistiktabelle(Statistikart art) {
  Statistiktabelle t;
  t.Art = art;
  if (art == Statistikart::Golfplatz) {
    t.Zeilen.append(neueZeile(QStringLiteral("ParLoch"), QString(), 1, 21, false));
    t.Zeilen.append(neueZeile(QStringLiteral("VorgabeLoch"), QString(), 1, 18, false));
  }
  const Zeilendefinition* defs = art == Statistikart::Golfplatz ? GOLFPLATZ : ALLGEMEIN;
  for (int i = 0; i < 20; ++i) {
    const Zeilendefinition& d = defs[i];
    Statistikzeile z = neueZeile(QString::fromUtf8(d.name), QString::fromUtf8(d.stamm), d.von, d.bis, true);
    z.Niedriger = d.niedriger;
    z.NurPositiv = d.nurPositiv;
    z.Untergrenze = z.Name.startsWith(QLatin1String("Score")) ? 1 : 0;
    t.Zeilen.append(z);
  }
  if (art == Statistikart::Golfplatz)
    t.Zeilen.append(neueZeile(QStringLiteral("GesamtLoch"), QString(), 1, 21, false));
  else
    t.Zeilen.append(neueZeile(QStringLiteral("GesamtPar"), QString(), 1, 5, false));
  return t;
}

Statistikeinstellungen LiesStatistikeinstellungen(const QString& fairwayPar3, const QString& distanzPar3,
                                                  const QString& minMon, const QString& minJahr) {
  Statistikeinstellungen e;
  e.FairwayPar3 = fairwayPar3.trimmed() != QLatin1String("0");
  e.DistanzPar3 = distanzPar3.trimmed() != QLatin1String("0");
  int wert = 0;
  if (TextZuInt16(minMon, wert)) e.MinMon = wert;
  if (TextZuInt16(minJahr, wert)) e.MinJahr = wert;
  return e;
}

QString StatistikText(double wert, int stellen) {
  QLocale l;
  l.setNumberOptions(QLocale::OmitGroupSeparator);
  return l.toString(RundeGerade(wert, stellen), 'f', stellen);
}

void SetzeZelle(Statistikzelle& z, bool hatDaten, double wert, int stellen) {
  if (!hatDaten) {
    z.Text = KEINE_DATEN;
    z.HatWert = false;
    z.Wert = 0;
    return;
  }
  z.Wert = RundeGerade(wert, stellen);
  z.HatWert = true;
  z.Text = StatistikText(z.Wert, stellen);
}

void SetzeAnzahl(Statistikzelle& z, long long anzahl) {
  z.Text = QString::number(anzahl);
  z.Wert = double(anzahl);
  z.HatWert = true;
}
