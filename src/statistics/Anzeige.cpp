#include "statistics/Anzeige.h"

#include "data/Allgemein.h"

QStringList Klassenzeilen(Statistikart art) {
  QStringList namen;
  for (const char* name : art == Statistikart::Golfplatz ? KLASSENZEILEN_LOCH : KLASSENZEILEN_PAR) namen.append(name);
  return namen;
}

QString Basiszeile(Statistikart art) {
  return art == Statistikart::Golfplatz ? Zeilenname::GesamtLoch : Zeilenname::GesamtPar;
}

Anzeige WerteAnzeige(const Statistiktabelle& t) {
  Anzeige a;
  for (const Statistikzeile& z : t.Zeilen) {
    QVector<Anzeigezelle> zellen(z.Zellen.size());
    for (int c = z.Von; c <= z.Bis; ++c) {
      zellen[c].Text = z[c].Text;
      zellen[c].Sichtbar = z[c].Sichtbar;
      zellen[c].Farbe = z[c].Rekord ? FARBE_NEUER_REKORD : FARBE_ZELLE;
    }
    a.Zeilen.insert(z.Name, zellen);
  }
  return a;
}

Anzeige ZaehlAnzeige(const Statistiktabelle& t) {
  Anzeige a = WerteAnzeige(t);
  const Statistikzeile* basis = t.Zeile(Basiszeile(t.Art));
  if (!basis) return a;
  const int spalten = t.Art == Statistikart::Golfplatz ? 21 : 5;
  for (int c = 1; c <= spalten; ++c) {
    const double n = (*basis)[c].HatWert ? (*basis)[c].Wert : 0.0;
    if (n <= 0) continue;
    for (const QString& name : Klassenzeilen(t.Art)) {
      const Statistikzeile* z = t.Zeile(name);
      if (!z || !z->Hat(c) || !(*z)[c].HatWert) continue;
      Anzeigezelle& ziel = a.Zeilen[name][c];
      ziel.Text = QString::number(qlonglong(RundeGerade((*z)[c].Wert * n / 100.0, 0)));
      ziel.Farbe = FARBE_ANZAHL;
    }
    a.Zeilen[basis->Name][c].Farbe = FARBE_ANZAHL;
  }
  a.EinheitenSichtbar = false;
  if (t.Art == Statistikart::Allgemein) {
    a.RundeSichtbar = false;
    for (const QString& name : Klassenzeilen(t.Art)) a.Zeilen[name][6].Sichtbar = false;
  }
  return a;
}
