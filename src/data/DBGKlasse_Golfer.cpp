// Golfers and handicap history: tab_golfer and tab_HdcpHistorie to and from page 0 of
// the golfer window.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableWidget>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Historieneditor.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Formular.h"
#include "scoring/Scoreberechnungen.h"

namespace {

constexpr int MELDUNG_NEUER_GOLFER = 34;
constexpr int MELDUNG_GOLFER_LOESCHEN = 35;
constexpr int MELDUNG_NICHT_GESPEICHERT = 36;
constexpr int MELDUNG_GOLFER_FEHLT = 47;
constexpr int MELDUNG_NICHT_IN_LISTE = 153;

// The text a history cell showed when the grid was filled; the entry row and new rows
// have none. A stored row is written back only where a cell differs from it.
constexpr int ROLLE_GEFUELLT = Qt::UserRole + 1;

const QString LETZTER = QStringLiteral("LAST");

QVariant NullText() { return QVariant(QMetaType::fromType<QString>()); }
QVariant NullDouble() { return QVariant(QMetaType::fromType<double>()); }
QVariant TextOderNull(const QString& t) { return IstLeer(t) ? NullText() : QVariant(t); }

// A number typed into a box: empty gives Null; false when the text is not a number.
// A handicap box: empty gives Null, a plus handicap a negative number.
bool ZahlOderNull(const QString& text, QVariant& wert) {
  if (IstLeer(text)) {
    wert = NullDouble();
    return true;
  }
  double d = 0;
  if (!HandicapZuZahl(text, d)) return false;
  wert = d;
  return true;
}

QString Zelle(const QTableWidget* t, int r, int c) {
  const QTableWidgetItem* i = t->item(r, c);
  return i ? i->text() : QString();
}

QTableWidgetItem* Element(QTableWidget* t, int r, int c) {
  QTableWidgetItem* i = t->item(r, c);
  if (!i) {
    i = new QTableWidgetItem;
    t->setItem(r, c, i);
  }
  return i;
}

bool ZelleGeaendert(const QTableWidget* t, int r, int c) {
  const QTableWidgetItem* i = t->item(r, c);
  if (!i) return true;
  const QVariant gefuellt = i->data(ROLLE_GEFUELLT);
  return !gefuellt.isValid() || gefuellt.toString() != i->text();
}

bool ZeileGeaendert(const QTableWidget* t, int r) {
  for (int c = HistorienEditor::SPALTE_DATUM; c <= HistorienEditor::SPALTE_STAMMVORGABE; ++c)
    if (ZelleGeaendert(t, r, c)) return true;
  return false;
}

// A stored history value as its cell shows it; Null gives one blank.
QString Zelltext(const QVariant& v) { return v.isNull() ? QStringLiteral(" ") : v.toString(); }

QString Zahlzelle(const QVariant& v, int stellen = -1) {
  if (v.isNull()) return QStringLiteral(" ");
  bool ok = false;
  const double d = v.toDouble(&ok);
  if (!ok) return v.toString();
  return ZahlStandardText(stellen >= 0 ? RundeGerade(d, stellen) : d);
}

// The handicap after the round, one decimal, a plus handicap with its sign.
QString Handicapzelle(const QVariant& v) {
  if (v.isNull()) return QStringLiteral(" ");
  bool ok = false;
  const double d = v.toDouble(&ok);
  return ok ? HandicapAlsText(RundeGerade(d, 1)) : v.toString();
}

// Dates are stored as ISO text; an older text form is read as the date check reads it.
QString Datumszelle(const QVariant& v) {
  if (v.isNull()) return QStringLiteral(" ");
  const QString roh = v.toString();
  QString text = roh.size() >= 10 && roh.at(4) == QLatin1Char('-') ? IsoAlsDatum(roh)
                                                                    : HistorienEditor::GeprueftesDatum(roh);
  return text.isEmpty() ? QStringLiteral(" ") : text;
}

void LeereGolferboxen(Golfer& f) {
  f.Golfername->clear();
  f.Handicap->clear();
  f.Stammvorgabe->clear();
  f.Heimatclub->setCurrentIndex(-1);
  f.Heimatclub->setEditText(QString());
}

}  // namespace

// ---------------------------------------------------------------------------------------
// The active golfer

QString DBGKlasse::Gib_AktivenGolfer() {
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT Golferidn FROM tab_golfer WHERE \"Aktueller Golfer\" <> 0 "
                                    "ORDER BY rowid LIMIT 1")))
    return QString();
  if (!q.next() || q.value(0).isNull()) return QString();
  return q.value(0).toString();
}

void DBGKlasse::Set_AktivenGolfer(const QString& Golferidn) {
  QSqlQuery q;
  Ausfuehren(q,
             QStringLiteral("UPDATE tab_golfer SET \"Aktueller Golfer\" = CASE WHEN Golferidn = ? COLLATE BINARY "
                            "THEN 1 ELSE 0 END WHERE Golferidn IS NOT NULL"),
             {Golferidn});
}

// ---------------------------------------------------------------------------------------
// Golfers

bool DBGKlasse::NeuGolfer(bool OhneFrage) {
  MsgAntwort = OhneFrage ? ANTWORT_JA : SPU().Zantro_Msg(MELDUNG_NEUER_GOLFER, STIL_FRAGE);
  if (MsgAntwort != ANTWORT_JA) return true;
  const QString id = GibId(QStringLiteral("Tab_Golfer"), QStringLiteral("Golferidn"));
  if (id.isEmpty()) return false;
  if (!AktiverGolfer.Golferidn.isEmpty()) {
    // A refused save does not stop the new golfer.
    WriteGolferdaten(AktiverGolfer.Golferidn);
    LoescheGolferFelder();
  }
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("INSERT INTO tab_golfer (Golferidn) VALUES (?)"), {id})) return false;
  QString name;
  GotoGolfer(name, id);
  return true;
}

bool DBGKlasse::DeleteGolfer(const QString& Golferidn) {
  Golfer& f = GolferForm();
  MsgAntwort = SPU().Zantro_Msg(MELDUNG_GOLFER_LOESCHEN, STIL_FRAGE);
  if (MsgAntwort != ANTWORT_JA) return true;

  // The golfer's scorecards and history rows go with it, or nothing goes.
  const bool ok = InTransaktion([&] {
    QSqlQuery q;
    return Ausfuehren(q, QStringLiteral("DELETE FROM Greenlogs WHERE Golfernummer = ?"), {Golferidn}) &&
           Ausfuehren(q, QStringLiteral("DELETE FROM tab_HdcpHistorie WHERE Golfernummer = ?"), {Golferidn}) &&
           // Personal records carry the golfer's key at the end of their scope key.
           Ausfuehren(q, QStringLiteral("DELETE FROM tab_Records WHERE substr(MonatOderJahr, -(length(?) + 3)) = ' - ' || ?"),
                      {Golferidn, Golferidn}) &&
           Ausfuehren(q, QStringLiteral("DELETE FROM tab_golfer WHERE Golferidn = ?"), {Golferidn});
  });
  // Like every row deletion, the next operation works on a fresh connection.
  m_neuOeffnen = true;
  if (!ok) return false;

  // The card on the scorecard page was the golfer's: nothing may be written to it.
  if (f.Golfernummer->text() == Golferidn) f.ScorekartenIdn->clear();

  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT COUNT(*) FROM tab_golfer")) || !q.next()) return false;
  if (q.value(0).toLongLong() == 0) {
    // The last golfer is gone: nothing points at it any more, and a new golfer follows.
    AktiverGolfer = GolferDaten{};
    LoescheGolferFelder();
    FuelleHdcpListbox(QString());
    return NeuGolfer(true);
  }
  QString name = LETZTER;
  GotoGolfer(name, QString());
  return true;
}

bool DBGKlasse::WriteGolferdaten(const QString& Golferidn) {
  Golfer& f = GolferForm();
  // Without a stored golfer there is nothing to save and nothing to complain about.
  {
    QSqlQuery q;
    if (!Ausfuehren(q, QStringLiteral("SELECT Golferidn FROM tab_golfer WHERE Golferidn = ?"), {Golferidn}))
      return false;
    if (!q.next()) return false;
  }
  const QString club = f.Heimatclub->currentText();
  if (IstLeer(club) || SucheListeneintrag(f.Heimatclub, club) < 0) {
    f.TabstripGolfer->setCurrentIndex(0);
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_NICHT_IN_LISTE, STIL_INFO);
    f.Heimatclub->setCurrentIndex(-1);
    f.Heimatclub->setEditText(QString());
    f.Heimatclub->setFocus(Qt::OtherFocusReason);
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_NICHT_GESPEICHERT, STIL_KRITISCH);
    return false;
  }

  Set_AktivenGolfer(f.GolferIdn->text());

  QVariant stamm, hcp;
  if (!ZahlOderNull(f.Stammvorgabe->text(), stamm)) {
    Fehlerbox(QStringLiteral("Type mismatch: Stammvorgabe = ") + f.Stammvorgabe->text());
    return false;
  }
  if (!ZahlOderNull(f.Handicap->text(), hcp)) {
    Fehlerbox(QStringLiteral("Type mismatch: Handicap = ") + f.Handicap->text());
    return false;
  }
  const QString platz = gib_tab_eintrag(QStringLiteral("tab_golfplatz"), QStringLiteral("Golfplatzname"), club,
                                        QStringLiteral("Golfplatzidn"));
  QString sql = QStringLiteral("UPDATE tab_golfer SET Golfername = ?, Stammvorgabe = ?, Handicap = ?");
  QVariantList werte{TextOderNull(f.Golfername->text()), stamm, hcp};
  // A name without a course of exactly that name keeps the stored home club.
  if (!platz.isEmpty()) {
    sql += QStringLiteral(", Heimatclub = ?");
    werte << platz;
  }
  sql += QStringLiteral(" WHERE Golferidn = ?");
  werte << Golferidn;
  QSqlQuery u;
  if (!Ausfuehren(u, sql, werte)) return false;
  if (!platz.isEmpty()) AktiverGolfer.Heimatclub = platz;

  WriteHdcphistorie();
  return true;
}

bool DBGKlasse::ReadGolferdaten(const QString& Golferidn) {
  // The window first: loading it shows a golfer of its own.
  Golfer& f = GolferForm();
  QSqlQuery q;
  if (!Ausfuehren(q,
                  QStringLiteral("SELECT Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, "
                                 "\"Aktueller Golfer\", \"NächsterFreitag\" FROM tab_golfer WHERE Golferidn = ?"),
                  {Golferidn}))
    return false;
  if (!q.next()) return false;

  const double stamm = q.value(2).isNull() ? 0.0 : q.value(2).toDouble();
  const double hcp = q.value(3).isNull() ? 0.0 : q.value(3).toDouble();
  AktiverGolfer.AktuellerGolfer = !q.value(5).isNull() && q.value(5).toLongLong() != 0 ? QStringLiteral("1")
                                                                                       : QStringLiteral("0");
  AktiverGolfer.Handicap = HandicapAlsText(hcp);
  AktiverGolfer.Heimatclub = q.value(4).isNull() ? QString() : q.value(4).toString();
  AktiverGolfer.Golferidn = q.value(0).toString();
  if (!q.value(6).isNull()) AktiverGolfer.NaechsterFreitag = q.value(6).toString();
  AktiverGolfer.Golfername = q.value(1).isNull() ? QString() : q.value(1).toString();
  AktiverGolfer.Stammvorgabe = HandicapAlsText(stamm);

  f.Golfername->setText(AktiverGolfer.Golfername);
  f.Stammvorgabe->setText(AktiverGolfer.Stammvorgabe);
  f.Handicap->setText(AktiverGolfer.Handicap);
  f.GolferIdn->setText(AktiverGolfer.Golferidn);

  FuelleListe(f.Heimatclub, QStringLiteral("tab_golfplatz"), QStringLiteral("Golfplatzname"),
              QStringLiteral("Golfplatzidn"), AktiverGolfer.Heimatclub);

  FuelleHdcpListbox(Golferidn);
  return true;
}

void DBGKlasse::GotoGolfer(QString& Golfername, const QString& Golferidn) {
  Golfer& f = GolferForm();
  // A golfer that is not there: message 47 while there are golfers, else empty boxes.
  auto nichtGefunden = [&] {
    QSqlQuery q;
    if (!Ausfuehren(q, QStringLiteral("SELECT COUNT(*) FROM tab_golfer")) || !q.next()) return;
    if (q.value(0).toLongLong() > 0)
      MsgAntwort = SPU().Zantro_Msg(MELDUNG_GOLFER_FEHLT, STIL_KRITISCH);
    else
      LeereGolferboxen(f);
  };

  if (!Golferidn.isEmpty()) {
    QSqlQuery q;
    if (!Ausfuehren(q, QStringLiteral("SELECT Golferidn FROM tab_golfer WHERE Golferidn = ?"), {Golferidn})) return;
    if (q.next())
      ReadGolferdaten(Golferidn);
    else
      nichtGefunden();
    return;
  }

  if (Golfername == LETZTER) {
    // The last row itself, whatever its name.
    QSqlQuery q;
    if (!Ausfuehren(q, QStringLiteral("SELECT Golferidn, Golfername FROM tab_golfer ORDER BY rowid DESC LIMIT 1")))
      return;
    if (!q.next()) {
      LeereGolferboxen(f);
      return;
    }
    if (!q.value(1).isNull()) Golfername = q.value(1).toString();
    ReadGolferdaten(q.value(0).toString());
    return;
  }

  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT Golferidn FROM tab_golfer WHERE Golfername = ? ORDER BY rowid LIMIT 1"),
                  {Golfername}))
    return;
  if (q.next())
    ReadGolferdaten(q.value(0).toString());
  else
    nichtGefunden();
}

// ---------------------------------------------------------------------------------------
// Handicap history

void DBGKlasse::NeuHistorie() {
  Golfer& f = GolferForm();
  double handicap = 0;
  if (!HandicapZuZahl(f.Stammvorgabe->text(), handicap)) {
    Fehlerbox(QStringLiteral("Type mismatch: Stammvorgabe = ") + f.Stammvorgabe->text());
    return;
  }
  const QString id = GibId(QStringLiteral("Tab_HdcpHistorie"), QStringLiteral("Satznr"));
  if (id.isEmpty()) return;
  const QString punkteText = f.StblNettoLoch[21] ? f.StblNettoLoch[21]->text() : QString();
  int punkte = 0;
  if (!IstLeer(punkteText) && !TextZuInt16(punkteText, punkte)) {
    Fehlerbox(QStringLiteral("Type mismatch: ") + punkteText);
    return;
  }
  const double neu = BerechneHandicap(handicap, punkte);
  const double gerundet = RundeGerade(neu, 0);
  f.Stammvorgabe->setText(HandicapAlsText(neu));
  f.Handicap->setText(HandicapAlsText(gerundet));

  const QString datum = f.Datum[1] ? DatumAlsIso(f.Datum[1]->text()) : QString();
  QSqlQuery q;
  if (!Ausfuehren(q,
                  QStringLiteral("INSERT INTO tab_HdcpHistorie (Satznr, Golfernummer, Datum, Golfplatzbez, Spielart, "
                                 "Bemerkungen, GewNettoStable, Stammvorgabe, Handicap) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {id, TextOderNull(AktiverGolfer.Golferidn), TextOderNull(datum),
                   TextOderNull(f.Golfplatznummer->currentText()), TextOderNull(f.Spielart->currentText()),
                   TextOderNull(f.TurnierNameKarte->currentText()),
                   IstLeer(punkteText) ? NullDouble() : QVariant(double(punkte)), neu, gerundet}))
    return;
  FuelleHdcpListbox(AktiverGolfer.Golferidn);
}

void DBGKlasse::FuelleHdcpListbox(const QString& Golferidn) {
  QTableWidget* t = GolferForm().HdcpHistorie;
  if (t->rowCount() < 2) t->setRowCount(2);
  for (int c = 0; c < t->columnCount(); ++c) {
    QTableWidgetItem* i = Element(t, HistorienEditor::ZEILE_NEU, c);
    i->setText(QString());
    i->setData(ROLLE_GEFUELLT, QVariant());
  }
  t->setRowCount(2);

  QSqlQuery q;
  if (!Ausfuehren(q,
                  QStringLiteral("SELECT Datum, Golfplatzbez, Bemerkungen, Spielart, GewNettoStable, Stammvorgabe, "
                                 "Satznr FROM tab_HdcpHistorie WHERE Golfernummer = ? "
                                 "ORDER BY Datum DESC, CAST(Satznr AS INTEGER) DESC, Satznr DESC"),
                  {Golferidn}))
    return;
  while (q.next()) {
    const QString zellen[7] = {Datumszelle(q.value(0)), Zelltext(q.value(1)),    Zelltext(q.value(2)),
                               Zelltext(q.value(3)),    Zahlzelle(q.value(4)),   Handicapzelle(q.value(5)),
                               Zelltext(q.value(6))};
    const int r = t->rowCount();
    t->insertRow(r);
    for (int c = 0; c < 7 && c < t->columnCount(); ++c) {
      auto* i = new QTableWidgetItem(zellen[c]);
      i->setData(ROLLE_GEFUELLT, zellen[c]);
      t->setItem(r, c, i);
    }
  }
}

bool DBGKlasse::WriteHdcphistorie(QString* NeueZeileIdn) {
  if (NeueZeileIdn) NeueZeileIdn->clear();
  // Rows without a golfer would belong to nobody.
  if (AktiverGolfer.Golferidn.isEmpty()) return false;
  QTableWidget* t = GolferForm().HdcpHistorie;
  const int n = t->rowCount();
  for (int r = HistorienEditor::ZEILE_NEU; r < n; ++r) {
    const QString datum = Zelle(t, r, HistorienEditor::SPALTE_DATUM);
    if (datum.isEmpty()) continue;
    QString satznr = Zelle(t, r, HistorienEditor::SPALTE_ID);
    const bool neu = satznr.isEmpty();
    // A stored row as it was filled keeps its values exactly.
    if (!neu && !ZeileGeaendert(t, r)) continue;
    if (neu) {
      satznr = GibId(QStringLiteral("tab_HdcpHistorie"), QStringLiteral("Satznr"));
      if (satznr.isEmpty()) return false;
      Element(t, r, HistorienEditor::SPALTE_ID)->setText(satznr);
    }
    QSqlQuery q;
    if (!Ausfuehren(q, QStringLiteral("SELECT COUNT(*) FROM tab_HdcpHistorie WHERE Satznr = ?"), {satznr}) || !q.next())
      return false;
    const bool vorhanden = q.value(0).toLongLong() > 0;
    const bool alle = neu || !vorhanden;
    auto geaendert = [&](int c) { return alle || ZelleGeaendert(t, r, c); };

    QStringList felder;
    QVariantList werte;
    if (geaendert(HistorienEditor::SPALTE_DATUM)) {
      const QDate d = GibDatumswert(datum);
      felder << QStringLiteral("Datum");
      werte << (d.isValid() ? QVariant(d.toString(Qt::ISODate)) : NullText());
    }
    const struct {
      int spalte;
      const char* feld;
    } texte[] = {{HistorienEditor::SPALTE_GOLFCLUB, "Golfplatzbez"},
                 {HistorienEditor::SPALTE_BEMERKUNG, "Bemerkungen"},
                 {HistorienEditor::SPALTE_SPIELART, "Spielart"}};
    for (const auto& s : texte)
      if (geaendert(s.spalte)) {
        felder << QString::fromLatin1(s.feld);
        werte << TextOderNull(Zelle(t, r, s.spalte));
      }
    if (geaendert(HistorienEditor::SPALTE_NETTOPUNKTE)) {
      const Feldwert w = LeseFeldwert(4, Zelle(t, r, HistorienEditor::SPALTE_NETTOPUNKTE));
      felder << QStringLiteral("GewNettoStable");
      werte << (w.Gueltig ? QVariant(w.DoubleWert) : NullDouble());
    }
    if (geaendert(HistorienEditor::SPALTE_STAMMVORGABE)) {
      double h = 0;
      const bool gueltig = HandicapZuZahl(Zelle(t, r, HistorienEditor::SPALTE_STAMMVORGABE), h);
      felder << QStringLiteral("Stammvorgabe") << QStringLiteral("Handicap");
      werte << (gueltig ? QVariant(h) : NullDouble()) << (gueltig ? QVariant(RundeGerade(h, 0)) : NullDouble());
    }
    felder << QStringLiteral("Golfernummer");
    werte << AktiverGolfer.Golferidn;

    QSqlQuery u;
    if (vorhanden) {
      QStringList zuweisungen;
      for (const QString& f : felder) zuweisungen << f + QStringLiteral(" = ?");
      werte << satznr;
      if (!Ausfuehren(u,
                      QStringLiteral("UPDATE tab_HdcpHistorie SET %1 WHERE Satznr = ?").arg(zuweisungen.join(QStringLiteral(", "))),
                      werte))
        return false;
    } else {
      QStringList platz(felder.size() + 1, QStringLiteral("?"));
      werte.prepend(satznr);
      if (!Ausfuehren(u,
                      QStringLiteral("INSERT INTO tab_HdcpHistorie (Satznr, %1) VALUES (%2)")
                          .arg(felder.join(QStringLiteral(", ")), platz.join(QStringLiteral(", "))),
                      werte))
        return false;
    }
    if (r == HistorienEditor::ZEILE_NEU && NeueZeileIdn) *NeueZeileIdn = satznr;
  }
  FuelleHdcpListbox(AktiverGolfer.Golferidn);
  return true;
}
