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
    {Zeilenname::ScoreLoch, "ScoreLoch", 1, 21, true, false},
    {Zeilenname::BPLoch, "BPLoch", 1, 21, false, false},
    {Zeilenname::FWTLoch, "FWTLoch", 1, 21, false, false},
    {Zeilenname::AbschlagLoch, "AbschlagLoch", 1, 21, false, false},
    {Zeilenname::GIRLoch, "GiRLoch", 1, 21, false, false},
    {Zeilenname::PuttGIRLoch, "PuttGiRLoch", 1, 21, true, false},
    {Zeilenname::PuttChipLoch, "PuttChipLoch", 1, 21, true, false},
    {Zeilenname::PuttPitchLoch, "PuttPitchLoch", 1, 21, true, false},
    {Zeilenname::PuttSonstigeLoch, "PuttSonstigeLoch", 1, 21, true, false},
    {Zeilenname::PuttGesamtLoch, "PuttGesamtLoch", 1, 21, true, false},
    {Zeilenname::BunkerLoch, "BunkerLoch", 1, 21, false, true},
    {Zeilenname::HiOLoch, "HiOLoch", 1, 21, false, true},
    {Zeilenname::AlbatrossLoch, "AlbatrossLoch", 1, 21, false, true},
    {Zeilenname::EagleLoch, "EagleLoch", 1, 21, false, true},
    {Zeilenname::BirdieLoch, "BirdieLoch", 1, 21, false, true},
    {Zeilenname::Par2_Loch, "Par_2Loch", 1, 21, false, true},
    {Zeilenname::BogeyLoch, "BogeyLoch", 1, 21, false, true},
    {Zeilenname::DBogeyLoch, "DBogeyLoch", 1, 21, true, false},
    {Zeilenname::TrBogeyLoch, "TrBogeyLoch", 1, 21, true, false},
    {Zeilenname::MehrTrBogeyLoch, "MehrTrBogeyLoch", 1, 21, true, false},
};

// Per par over all courses: columns 1-4 par 3 to 6, 5 all holes, 6 per round.
const Zeilendefinition ALLGEMEIN[] = {
    {Zeilenname::ScorePar, "ScorePar", 1, 6, true, false},
    {Zeilenname::BruttopunktePar, "BruttopunktePar", 1, 6, false, false},
    {Zeilenname::FWTPar, "FWTPar", 1, 6, false, false},
    {Zeilenname::AbLaenrePar, "AbLänrePar", 1, 5, false, false},
    {Zeilenname::GIRPar, "GiRPar", 1, 6, false, false},
    {Zeilenname::PuttGIRPar, "PuttGiRPar", 1, 5, true, false},
    {Zeilenname::PuttChipPar, "PuttChipPar", 1, 5, true, false},
    {Zeilenname::PuttPitchPar, "PuttPitchPar", 1, 5, true, false},
    {Zeilenname::PuttSonstigePar, "PuttSonstigePar", 1, 5, true, false},
    {Zeilenname::PuttGsamtPar, "PuttGsamtPar", 1, 6, true, false},
    {Zeilenname::BunkerPar, "BunkerPar", 1, 5, false, false},
    {Zeilenname::HiOPar, "HiOPar", 1, 6, false, true},
    {Zeilenname::AlbatrossPar, "AlbatrossPar", 3, 6, false, true},
    {Zeilenname::EaglePar, "EaglePar", 2, 6, false, true},
    {Zeilenname::BirdiePar, "BirdiePar", 1, 6, false, true},
    {Zeilenname::ParPar, "ParPar", 1, 6, false, true},
    {Zeilenname::BogeyPar, "BogeyPar", 1, 6, false, true},
    {Zeilenname::DBogeyPar, "DBogeyPar", 1, 6, true, false},
    {Zeilenname::TBogeyPar, "TBogeyPar", 1, 6, true, false},
    {Zeilenname::MehrTBogeyPar, "MehrTBogeyPar", 1, 6, true, false},
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
    t.Zeilen.append(neueZeile(Zeilenname::ParLoch, QString(), 1, 21, false));
    t.Zeilen.append(neueZeile(Zeilenname::VorgabeLoch, QString(), 1, 18, false));
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
    t.Zeilen.append(neueZeile(Zeilenname::GesamtLoch, QString(), 1, 21, false));
  else
    t.Zeilen.append(neueZeile(Zeilenname::GesamtPar, QString(), 1, 5, false));
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
