// Tournaments: Tab_Turnier to and from the tournament editor.
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfplaetze.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

namespace {

QVariant NullText() { return QVariant(QMetaType::fromType<QString>()); }
QVariant TextOderNull(const QString& t) { return IstLeer(t) ? NullText() : QVariant(t); }

// The stored date in the language's form; empty when it is no date.
QString DatumAnzeige(const QString& gespeichert) {
  const QString iso = IsoAlsDatum(gespeichert);
  if (!iso.isEmpty()) return iso;
  const DatumTeile t = PruefeDatum(gespeichert);
  return t.Tag == QLatin1String("0") ? QString() : DatumAlsText(t);
}

// What a list's text stands for when the tournament is written.
enum class Listenwert { Leer, Gefunden, NichtInListe };

// Looks the text of `liste` up among its items (case-blind) and gives the key of the
// row with that item's name. A text not in the list shows `meldung` and empties the list.
Listenwert LiesListe(DBGKlasse& db, QComboBox* liste, const QString& tabelle, const QString& namensfeld,
                     const QString& schluesselfeld, int meldung, QVariant& schluessel) {
  const QString text = liste->currentText();
  if (IstLeer(text)) {
    schluessel = NullText();
    return Listenwert::Leer;
  }
  const int i = SucheListeneintrag(liste, text);
  if (i < 0) {
    MsgAntwort = SPU().Zantro_Msg(meldung, STIL_INFO);
    liste->setCurrentIndex(-1);
    liste->setEditText(QString());
    return Listenwert::NichtInListe;
  }
  // The item's own text: the list may differ from what was typed in letter case.
  const QString id = db.gib_tab_eintrag(tabelle, namensfeld, liste->itemText(i), schluesselfeld);
  schluessel = TextOderNull(id);
  return Listenwert::Gefunden;
}

bool LeseIds(DBGKlasse& db, const QString& sql, QStringList& ids) {
  QSqlQuery q;
  if (!db.Ausfuehren(q, sql)) return false;
  while (q.next()) ids << (q.value(0).isNull() ? QString() : q.value(0).toString());
  return true;
}

}  // namespace

bool DBGKlasse::NeuTurnier(const QString& Name) {
  Turnier& f = TurnierForm();
  WriteTurnier(f.Turniernummer->text());
  LoescheTurnierFelder();
  const QString nummer = GibId(QStringLiteral("tab_turnier"), QStringLiteral("Turniernummer"));
  if (nummer.isEmpty()) return false;
  QSqlQuery q;
  if (!Ausfuehren(q,
                  QStringLiteral("INSERT INTO Tab_Turnier (Turniernummer, Datum, LochOption, Turniername) "
                                 "VALUES (?, ?, 1, ?)"),
                  {nummer, QDate::currentDate().toString(Qt::ISODate), TextOderNull(Name)}))
    return false;
  GotoTurnier(nummer);
  return true;
}

bool DBGKlasse::ReadTurnierdaten(const QString& Turniernummer) {
  Turnier& f = TurnierForm();
  LoescheTurnierFelder();
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT * FROM Tab_Turnier WHERE Turniernummer = ?"), {Turniernummer})) return false;
  if (!q.next()) {
    MsgAntwort = SPU().Zantro_Msg(50, STIL_KRITISCH);
    return false;
  }
  m_Anzahl = 1;
  const QSqlRecord r = q.record();
  auto wert = [&](const char* feld) { return q.value(r.indexOf(QString::fromLatin1(feld))); };
  auto text = [&](const char* feld) {
    const QVariant v = wert(feld);
    return v.isNull() ? QString() : v.toString();
  };
  f.Turniernummer->setText(text("Turniernummer"));
  f.Turniername->setText(text("Turniername"));
  if (!wert("Datum").isNull()) f.Datum->setText(DatumAnzeige(text("Datum")));
  const QVariant golfplatz = wert("GolfplatzNo");
  const QVariant spielart = wert("SpielartNo");
  f.TurnierHandicap->setText(text("TurnierHandicap"));
  f.TurnierBemerkung->setPlainText(text("TurnierBemerkung"));
  const QVariant sonstige = wert("SonstigeLochOption");
  if (!sonstige.isNull()) {
    f.OptionLoch18[5]->setChecked(true);
    f.LochzahlSonstige->setEnabled(true);
    f.LochzahlSonstige->setText(sonstige.toString());
  }
  // 5 ticks nothing here: "Sonstige" comes from the other number of holes above.
  const QVariant option = wert("LochOption");
  if (!option.isNull() && option.toInt() > 0 && option.toInt() < 5) f.OptionLoch18[option.toInt()]->setChecked(true);
  q.finish();

  FuelleListe(f.GolfplatzNo, QStringLiteral("tab_Golfplatz"), QStringLiteral("Golfplatzname"),
              QStringLiteral("Golfplatzidn"), golfplatz);
  FuelleListe(f.SpielartNo, QStringLiteral("SpielartGolf"), QStringLiteral("Spielartname"),
              QStringLiteral("Spielartenidn"), spielart);
  return true;
}

QString DBGKlasse::GotoTurnier(const QString& Turniernummer) {
  QString nummer = Turniernummer;
  QStringList ids;
  // The latest date last; the key keeps tournaments of one day in a fixed order.
  if (!LeseIds(*this, QStringLiteral("SELECT Turniernummer FROM Tab_Turnier ORDER BY Datum ASC, rowid ASC"), ids))
    return nummer;
  m_Anzahl = ids.size();
  if (ids.isEmpty()) {
    TurnierForm().Zeige();
    NeuTurnier(QString());
    nummer = TurnierForm().Turniernummer->text();
  } else {
    if (nummer == QLatin1String("LAST")) nummer = ids.last();
    ReadTurnierdaten(nummer);
    TurnierForm().Zeige();
  }
  // The course editor saves its course on closing; it refuses while its name is empty.
  if (FormExistiert<Golfplaetze>()) GolfplaetzeForm().Schliessen();
  return nummer;
}

bool DBGKlasse::WriteTurnier(const QString& Turniernummer) {
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT Turniernummer FROM Tab_Turnier WHERE Turniernummer = ?"), {Turniernummer}))
    return false;
  if (!q.next()) return false;
  q.finish();

  Turnier& f = TurnierForm();
  QStringList spalten;
  QVariantList werte;
  auto setze = [&](const QString& feld, const QVariant& v) {
    spalten << feld + QStringLiteral(" = ?");
    werte << v;
  };
  // A text that is not in its list leaves the stored course or game type as it is.
  QVariant golfplatz, spielart;
  if (LiesListe(*this, f.GolfplatzNo, QStringLiteral("Tab_Golfplatz"), QStringLiteral("Golfplatzname"),
                QStringLiteral("Golfplatzidn"), 153, golfplatz) != Listenwert::NichtInListe)
    setze(QStringLiteral("GolfplatzNo"), golfplatz);
  if (LiesListe(*this, f.SpielartNo, QStringLiteral("SpielartGolf"), QStringLiteral("Spielartname"),
                QStringLiteral("Spielartenidn"), 215, spielart) != Listenwert::NichtInListe)
    setze(QStringLiteral("SpielartNo"), spielart);
  for (int i = 1; i <= 5; ++i)
    if (f.OptionLoch18[i]->isChecked()) setze(QStringLiteral("LochOption"), i);
  setze(QStringLiteral("Turniername"), TextOderNull(f.Turniername->text()));
  setze(QStringLiteral("TurnierHandicap"), TextOderNull(f.TurnierHandicap->text()));
  setze(QStringLiteral("TurnierBemerkung"), TextOderNull(f.TurnierBemerkung->toPlainText()));
  setze(QStringLiteral("SonstigeLochOption"), TextOderNull(f.LochzahlSonstige->text()));
  setze(QStringLiteral("Datum"), TextOderNull(DatumAlsIso(f.Datum->text())));
  werte << Turniernummer;
  QSqlQuery u;
  return Ausfuehren(u,
                    QStringLiteral("UPDATE Tab_Turnier SET ") + spalten.join(QStringLiteral(", ")) +
                        QStringLiteral(" WHERE Turniernummer = ?"),
                    werte);
}

void DBGKlasse::ScrollTurnier(int Richtung) {
  const QString aktuell = TurnierForm().Turniernummer->text();
  WriteTurnier(aktuell);
  QStringList ids;
  // The numbers are texts and scroll in text order (10 before 2).
  if (!LeseIds(*this, QStringLiteral("SELECT Turniernummer FROM Tab_Turnier ORDER BY Turniernummer"), ids)) return;
  m_Anzahl = ids.size();
  if (ids.isEmpty()) {
    SPU().Zantro_Msg(30, STIL_INFO);
    return;
  }
  const int p = aktuell.isEmpty() ? -1 : ids.indexOf(aktuell);
  if (p < 0) return;
  QString ziel;
  if (Richtung != 1) {
    if (p < ids.size() - 1)
      ziel = ids[p + 1];
    else
      SPU().Zantro_Msg(32, STIL_INFO);
  } else {
    if (p > 0)
      ziel = ids[p - 1];
    else
      SPU().Zantro_Msg(31, STIL_INFO);
  }
  if (!ziel.isEmpty()) GotoTurnier(ziel);
}

bool DBGKlasse::LoescheTurnierMitVerweisen(const QString& Turniernummer) {
  bool geloescht = false;
  const bool ok = InTransaktion([&] {
    QSqlQuery q;
    if (!Ausfuehren(q, QStringLiteral("DELETE FROM Tab_Turnier WHERE Turniernummer = ?"), {Turniernummer})) return false;
    geloescht = q.numRowsAffected() > 0;
    // The scorecards stay; they no longer name the tournament.
    return Ausfuehren(q, QStringLiteral("UPDATE Greenlogs SET TurnierNameKarte = NULL WHERE TurnierNameKarte = ?"),
                      {Turniernummer});
  });
  m_neuOeffnen = true;
  if (ok && !geloescht) MsgAntwort = SPU().Zantro_Msg(48, STIL_KRITISCH);
  return ok && geloescht;
}
