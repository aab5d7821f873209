#include "records/Rekorde.h"

#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Speicherfehler.h"

QString Rekordschluessel(const QString& monatOderJahr, const QString& golfplatzidn, const QString& golferidn) {
  return monatOderJahr + QStringLiteral(" - ") + golfplatzidn + QStringLiteral(" - ") + golferidn;
}

QString Rekordname(const Statistikzeile& z, int spalte) { return FeldnameNr(z.Stamm, spalte); }

namespace {

bool melde(const QSqlError& e, QSqlError* fehler) {
  if (fehler) *fehler = e;
  return false;
}

}  // namespace

QVector<Rekordzeile> LiesRekorde(const QSqlDatabase& db, const QString& schluessel, QSqlError* fehler) {
  QVector<Rekordzeile> zeilen;
  QSqlQuery q(db);
  q.setForwardOnly(true);
  if (const QSqlError e = FuehreAnweisungAus(
          q, QStringLiteral("SELECT Bezeichnung, Ergebnis FROM tab_Records WHERE MonatOderJahr = ? ORDER BY rowid"),
          {schluessel});
      e.isValid()) {
    melde(e, fehler);
    return zeilen;
  }
  while (q.next()) {
    if (q.value(0).isNull()) continue;
    zeilen.append({q.value(0).toString(), q.value(1).toString()});
  }
  return zeilen;
}

QString GibBestScore(const QSqlDatabase& db, const QString& bezeichnung, const QString& schluessel, QSqlError* fehler) {
  QSqlQuery q(db);
  if (const QSqlError e = FuehreAnweisungAus(
          q,
          QStringLiteral(
              "SELECT Ergebnis FROM tab_Records WHERE MonatOderJahr = ? AND Bezeichnung = ? ORDER BY rowid LIMIT 1"),
          {schluessel, bezeichnung});
      e.isValid()) {
    melde(e, fehler);
    return QString();
  }
  return q.next() ? q.value(0).toString() : KEIN_WERT;
}

namespace {

// The two statements of a save on one connection, each prepared once for all its rows.
struct Rekordanweisungen {
  explicit Rekordanweisungen(const QSqlDatabase& db) : aendern(db), anfuegen(db) {}
  QSqlQuery aendern, anfuegen;
};

// Runs a statement as FuehreAnweisungAus does (offered to the fault probe first), prepared
// only when the query does not hold it yet.
bool fuehreAus(QSqlQuery& q, const QString& sql, const QVariantList& werte, QSqlError* fehler) {
  if (const QSqlError probe = PruefeFehlerprobe(sql); probe.isValid()) return melde(probe, fehler);
  if (q.lastQuery() != sql && !q.prepare(sql)) return melde(q.lastError(), fehler);
  for (int i = 0; i < werte.size(); ++i) q.bindValue(i, werte[i]);
  return q.exec() || melde(q.lastError(), fehler);
}

bool speichereEinen(Rekordanweisungen& a, const QString& bezeichnung, const QString& schluessel, const QString& wann,
                    const QString& ergebnis, QSqlError* fehler) {
  if (!fuehreAus(a.aendern,
                 QStringLiteral("UPDATE tab_Records SET Wann = ?, Ergebnis = ? WHERE rowid = (SELECT rowid FROM "
                                "tab_Records WHERE MonatOderJahr = ? AND Bezeichnung = ? ORDER BY rowid LIMIT 1)"),
                 {wann, ergebnis, schluessel, bezeichnung}, fehler))
    return false;
  if (a.aendern.numRowsAffected() > 0) return true;
  return fuehreAus(
      a.anfuegen,
      QStringLiteral(
          "INSERT INTO tab_Records (Bestidn, Wann, Bezeichnung, MonatOderJahr, Ergebnis) VALUES "
          "((SELECT CAST(COALESCE(MAX(CAST(Bestidn AS INTEGER)), 0) + 1 AS TEXT) FROM tab_Records), ?, ?, ?, ?)"),
      {wann, bezeichnung, schluessel, ergebnis}, fehler);
}

// Runs `schritte` in a transaction of the connection. Nothing is written into a file that
// is no longer the database the program opened (a link pointed at another file): checked
// before the first write and right before the commit, which is offered to the fault probe
// as every commit of the data access is; and a file replaced while the commit wrote is
// found after it: what went into the old file is not stored. Nor into a file or folder
// marked read-only meanwhile.
bool inTransaktion(QSqlDatabase db, const std::function<bool()>& schritte, QSqlError* fehler) {
  if (const QSqlError e = DateiErsetztFehler(); e.isValid()) return melde(e, fehler);
  if (const QSqlError e = SchreibschutzFehler(); e.isValid()) return melde(e, fehler);
  if (!db.transaction()) return melde(db.lastError(), fehler);
  QSqlError vorDemCommit;
  if (!schritte() || (vorDemCommit = PruefeFehlerprobe(QStringLiteral("COMMIT"))).isValid() ||
      (vorDemCommit = DateiErsetztFehler()).isValid()) {
    if (vorDemCommit.isValid()) melde(vorDemCommit, fehler);
    db.rollback();
    return false;
  }
  if (db.commit()) {
    const QSqlError danach = DateiErsetztFehler();
    return !danach.isValid() || melde(danach, fehler);
  }
  melde(db.lastError(), fehler);
  db.rollback();
  return false;
}

}  // namespace

bool SaveBestScore(const QSqlDatabase& db, const QString& bezeichnung, const QString& schluessel, const QString& wann,
                   const QString& ergebnis, QSqlError* fehler) {
  Rekordanweisungen a(db);
  return inTransaktion(
      db, [&] { return speichereEinen(a, bezeichnung, schluessel, wann, ergebnis, fehler); }, fehler);
}

bool HatNeueRekorde(const Statistiktabelle& t) {
  for (const Statistikzeile* z : t.Statistiken())
    for (int c = z->Von; c <= z->Bis; ++c)
      if ((*z)[c].Rekord) return true;
  return false;
}

bool SaveAllRecords(const QSqlDatabase& db, const Statistiktabelle& t, const QString& golfplatzidn,
                    const QString& monatOderJahr, const QString& wann, const QString& golferidn,
                    const std::function<void(int, int)>& schritt, QSqlError* fehler) {
  if (monatOderJahr != QLatin1String("Monat") && monatOderJahr != QLatin1String("Jahr")) return true;
  const QString schluessel = Rekordschluessel(monatOderJahr, golfplatzidn, golferidn);
  const int spalten = t.Art == Statistikart::Golfplatz ? 21 : 6;
  Rekordanweisungen a(db);
  return inTransaktion(
      db,
      [&] {
        for (int c = 1; c <= spalten; ++c) {
          if (schritt) schritt(c, spalten);
          for (const Statistikzeile* z : t.Statistiken()) {
            if (!z->Hat(c) || !(*z)[c].Rekord) continue;
            if (!speichereEinen(a, Rekordname(*z, c), schluessel, wann, (*z)[c].Text, fehler)) return false;
          }
        }
        return true;
      },
      fehler);
}

double Rekordzahl(const QString& text, int untergrenze) {
  QString t = text.trimmed();
  if (t.isEmpty() || t == KEINE_DATEN) return DOUBLE_LEER;
  // The decimal sign of either interface language; shown values carry no group sign.
  t.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const double d = QLocale::c().toDouble(t, &ok);
  if (!ok || d < untergrenze || d > 10000.0) return DOUBLE_UNGUELTIG;
  return d;
}

namespace {

// Case-blind lookup of a stored value, as the database compares names.
QString gespeicherterWert(const QVector<Rekordzeile>& gespeichert, const QString& name) {
  for (const Rekordzeile& r : gespeichert)
    if (r.Bezeichnung.compare(name, Qt::CaseInsensitive) == 0) return r.Ergebnis;
  return KEIN_WERT;
}

bool istNeuerRekord(const Statistikzeile& z, const Statistikzelle& zelle, const QString& gespeichert) {
  const double best = Rekordzahl(gespeichert, z.Untergrenze);
  const double jetzt = zelle.HatWert ? Rekordzahl(zelle.Text, z.Untergrenze) : DOUBLE_LEER;
  if (jetzt >= DOUBLE_UNGUELTIG) return false;
  if (z.NurPositiv && !(jetzt > 0)) return false;
  if (best == DOUBLE_UNGUELTIG) return true;
  return z.Niedriger ? jetzt <= best : jetzt >= best;
}

}  // namespace

void MarkiereRekorde(Statistiktabelle& t, const QVector<Rekordzeile>& gespeichert, const QString& monatOderJahr,
                     const Statistikeinstellungen& e) {
  if (monatOderJahr == QLatin1String("DontSave")) return;
  const int minimum = monatOderJahr == QLatin1String("Monat")  ? e.MinMon
                      : monatOderJahr == QLatin1String("Jahr") ? e.MinJahr
                                                               : 0;
  if (t.Art == Statistikart::Allgemein && t.Runden < minimum) return;
  const Statistikzeile* basis = t.Zeile(Zeilenname::GesamtLoch);
  for (Statistikzeile* z : t.Statistiken()) {
    for (int c = z->Von; c <= z->Bis; ++c) {
      if (t.Art == Statistikart::Golfplatz) {
        const long long noetig = c <= 18 ? minimum : (c == 21 ? 18LL * minimum : 9LL * minimum);
        const long long daten = basis && (*basis)[c].HatWert ? (long long)(*basis)[c].Wert : 0;
        if (daten < noetig) continue;
      }
      Statistikzelle& zelle = (*z)[c];
      // A cell that is not shown keeps its mark.
      if (!zelle.Sichtbar) continue;
      zelle.Rekord = istNeuerRekord(*z, zelle, gespeicherterWert(gespeichert, Rekordname(*z, c)));
    }
  }
}

Anzeige RekordAnzeige(const Statistiktabelle& t, const QVector<Rekordzeile>& gespeichert) {
  Anzeige a = WerteAnzeige(t);
  if (gespeichert.isEmpty()) return a;
  for (const Statistikzeile* z : t.Statistiken()) {
    for (int c = z->Von; c <= z->Bis; ++c) {
      const Statistikzelle& zelle = (*z)[c];
      if (!zelle.Sichtbar || zelle.Rekord) continue;
      // The view finds a row only under the exact record name.
      const QString name = Rekordname(*z, c);
      QString wert;
      bool gefunden = false;
      for (const Rekordzeile& r : gespeichert)
        if (r.Bezeichnung == name) {
          wert = r.Ergebnis;
          gefunden = true;
          break;
        }
      Anzeigezelle& ziel = a.Zeilen[z->Name][c];
      if (!gefunden || wert == QLatin1String("EMPTY")) {
        ziel.Text = KEINE_DATEN;
        ziel.Farbe = FARBE_ZELLE;
        continue;
      }
      // A value stored in the other language is shown with this language's decimal sign.
      const double d = Rekordzahl(wert, -1000000);
      if (d < DOUBLE_UNGUELTIG) {
        const int stellen =
            wert.contains(QLatin1Char('.')) || wert.contains(QLatin1Char(','))
                ? int(wert.size() - 1 - qMax(wert.lastIndexOf(QLatin1Char('.')), wert.lastIndexOf(QLatin1Char(','))))
                : 0;
        wert = StatistikText(d, stellen);
      }
      ziel.Text = wert;
      ziel.Farbe = FARBE_GESPEICHERT;
    }
  }
  return a;
}
