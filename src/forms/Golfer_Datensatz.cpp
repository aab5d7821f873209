// The golfer page and its records: the golfer fields and the handicap-history grid
// loaded from and copied back into values, and the golfer commands over them.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTableWidget>
#include <tuple>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "forms/Eingabefehler.h"
#include "forms/Golfer.h"
#include "forms/Historieneditor.h"
#include "forms/Listen.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Global.h"
#include "platform/widgets/Formular.h"
#include "platform/widgets/Tastatur.h"
#include "scoring/Scoreberechnungen.h"

namespace {

constexpr int MELDUNG_NEUER_GOLFER = 34;
constexpr int MELDUNG_GOLFER_LOESCHEN = 35;
constexpr int MELDUNG_GOLFER_NICHT_GESPEICHERT = 36;
constexpr int MELDUNG_GOLFER_FEHLT = 47;
// "History of <date>, <field>": a cell of the history named in a note.
constexpr int TEXT_HISTORIENZEILE = 4790;
// A date typed into a stored row that is no date, named with its row: not stored.
constexpr int MELDUNG_HISTORIENDATUM = 4764;

// The text a history cell showed when the grid was filled; the entry row and new rows
// have none. A stored row is written back only where a cell differs from it.
constexpr int ROLLE_GEFUELLT = Qt::UserRole + 1;

const QString LETZTER = QStringLiteral("LAST");

// The last store of the golfer failed or was refused for a number: the window stays.
bool golferNichtGespeichert = false;

// One row of the history grid to be stored, with the fields that changed.
struct Historienzeile {
  int Zeile = 0;
  Handicapeintrag Eintrag;
  unsigned Felder = HF_ALLE;
};

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

// The text the cell showed when the grid was filled, else the text it has.
QString Gefuellt(const QTableWidget* t, int r, int c) {
  const QTableWidgetItem* i = t->item(r, c);
  if (!i) return QString();
  const QVariant gefuellt = i->data(ROLLE_GEFUELLT);
  return gefuellt.isValid() ? gefuellt.toString() : i->text();
}

bool ZelleGeaendert(const QTableWidget* t, int r, int c) {
  const QTableWidgetItem* i = t->item(r, c);
  if (!i) return true;
  const QVariant gefuellt = i->data(ROLLE_GEFUELLT);
  if (!gefuellt.isValid()) return true;
  // A cell without a value that was edited and left empty still has none.
  if (gefuellt.toString() == HistorienEditor::OHNE_WERT && i->text().isEmpty()) return false;
  return gefuellt.toString() != i->text();
}

// A history value as its cell shows it; none gives one blank.
QString Zelltext(const QString& t) { return t.isEmpty() ? HistorienEditor::OHNE_WERT : t; }
QString Zahlzelle(const std::optional<double>& z) { return z ? ZahlStandardText(*z) : HistorienEditor::OHNE_WERT; }
// The handicap after the round, one decimal, a plus handicap with its sign.
QString Handicapzelle(const std::optional<double>& z) {
  return z ? HandicapAlsText(RundeGerade(*z, 1)) : HistorienEditor::OHNE_WERT;
}
QString Datumszelle(const QDate& d) { return Zelltext(DatumAlsAnzeige(d)); }

void LeereGolferboxen(Golfer& f) {
  f.Golfername->clear();
  f.Handicap->clear();
  f.Stammvorgabe->clear();
  f.Heimatclub->setCurrentIndex(-1);
  f.Heimatclub->setEditText(QString());
}

// Makes the golfer the one read last and shows it with its history.
void Zeige(const Golferdatensatz& g) {
  AktiverGolfer.AktuellerGolfer = g.AktuellerGolfer ? QStringLiteral("1") : QStringLiteral("0");
  AktiverGolfer.Handicap = HandicapAlsText(g.Handicap.value_or(0.0));
  AktiverGolfer.Heimatclub = g.Heimatclub;
  AktiverGolfer.Golferidn = g.Golferidn;
  if (!g.NaechsterFreitag.isEmpty()) AktiverGolfer.NaechsterFreitag = g.NaechsterFreitag;
  AktiverGolfer.Golfername = g.Golfername;
  AktiverGolfer.Stammvorgabe = HandicapAlsText(g.Stammvorgabe.value_or(0.0));
  GolferForm().ZeigeGolfer(g);
  FuelleHdcpListbox(g.Golferidn);
}

// The rows of the history grid that are new or changed, as entries to store. False when
// a number cell holds no number: the user is told and nothing is stored.
bool SammleHistorie(QList<Historienzeile>& zeilen) {
  zeilen.clear();
  QTableWidget* t = GolferForm().HdcpHistorie;
  const int n = t->rowCount();
  const struct {
    int spalte;
    unsigned feld;
  } SPALTEN[] = {{HistorienEditor::SPALTE_DATUM, HF_DATUM},
                 {HistorienEditor::SPALTE_GOLFCLUB, HF_GOLFPLATZ},
                 {HistorienEditor::SPALTE_BEMERKUNG, HF_BEMERKUNG},
                 {HistorienEditor::SPALTE_SPIELART, HF_SPIELART},
                 {HistorienEditor::SPALTE_NETTOPUNKTE, HF_NETTOPUNKTE},
                 {HistorienEditor::SPALTE_STAMMVORGABE, HF_STAMMVORGABE}};
  for (int r = HistorienEditor::ZEILE_NEU; r < n; ++r) {
    const QString datum = Zelle(t, r, HistorienEditor::SPALTE_DATUM);
    if (datum.isEmpty()) continue;
    Historienzeile z;
    z.Zeile = r;
    Handicapeintrag& e = z.Eintrag;
    e.Satznr = Zelle(t, r, HistorienEditor::SPALTE_ID);
    unsigned felder = 0;
    for (const auto& s : SPALTEN)
      if (ZelleGeaendert(t, r, s.spalte)) felder |= s.feld;
    // A stored row as it was filled keeps its values exactly.
    if (!e.Satznr.isEmpty() && felder == 0) continue;
    if (e.Satznr.isEmpty()) {
      // An entry whose date is no date is no entry (the window closed before its check).
      if (HistorienEditor::GeprueftesDatum(datum).isEmpty()) continue;
      felder = HF_ALLE;
    }
    // As the program ends, a cell it cannot take keeps its stored value and is noted; the
    // rest of the row is stored. A cell is named by its row's date as stored.
    const bool endet = Schlussart() != Programmschluss::Keiner;
    const auto zeilenfeld = [&](int feld) {
      return SPU()
          .GibTranslation(TEXT_HISTORIENZEILE)
          .arg(Gefuellt(t, r, HistorienEditor::SPALTE_DATUM).trimmed(), SPU().GibTranslation(feld));
    };
    // A date typed into a stored row that is no date never replaces the stored one: the
    // store is refused naming the cell, which gets the cursor.
    if ((felder & HF_DATUM) && HistorienEditor::GeprueftesDatum(datum).isEmpty()) {
      if (endet) {
        MerkeNichtGespeichert(SPU()
                                  .GibTranslation(SCHLUSS_KEIN_DATUM)
                                  .arg(zeilenfeld(FELD_HISTORIENDATUM), ZitierterEintrag(datum.trimmed())));
        felder &= ~HF_DATUM;
      } else {
        const QPointer<Golfer> fenster(&GolferForm());
        MsgAntwort = DLG().Meldung(SPU()
                                       .Meldungstext(MELDUNG_HISTORIENDATUM)
                                       .arg(zeilenfeld(FELD_HISTORIENDATUM), ZitierterEintrag(datum.trimmed())),
                                   STIL_INFO, PRODUKTTITEL);
        // The window may have closed under the box, as the program ended.
        if (!fenster) return false;
        HistorienEditor& editor = *fenster->Historie;
        if (!editor.Bearbeitet() || editor.Row() != r || editor.Col() != HistorienEditor::SPALTE_DATUM) {
          editor.SetzeZelle(r, HistorienEditor::SPALTE_DATUM);
          t->setFocus(Qt::OtherFocusReason);
        }
        return false;
      }
    }
    e.Golfernummer = AktiverGolfer.Golferidn;
    e.Datum = GibDatumswert(datum);
    e.Golfplatzbez = Zelle(t, r, HistorienEditor::SPALTE_GOLFCLUB);
    e.Bemerkungen = Zelle(t, r, HistorienEditor::SPALTE_BEMERKUNG);
    e.Spielart = Zelle(t, r, HistorienEditor::SPALTE_SPIELART);
    const QString punkteText = Zelle(t, r, HistorienEditor::SPALTE_NETTOPUNKTE);
    const Feldwert punkte = LeseFeldwert(4, punkteText);
    if (punkte.Gueltig) {
      e.GewNettoStable = punkte.DoubleWert;
    } else if ((felder & HF_NETTOPUNKTE) && !punkteText.trimmed().isEmpty()) {
      if (!endet) {
        MeldeKeineZahl(FELD_NETTOPUNKTE, punkteText);
        return false;
      }
      MerkeZahlfehler(BEREICH_NETTOPUNKTE, punkteText, zeilenfeld(FELD_NETTOPUNKTE));
      felder &= ~HF_NETTOPUNKTE;
    }
    const QString stammText = Zelle(t, r, HistorienEditor::SPALTE_STAMMVORGABE);
    double h = 0;
    const Zahlbefund befund = PruefeZahl(BEREICH_STAMMVORGABE, stammText, &h);
    if (befund == Zahlbefund::Gut) {
      e.Stammvorgabe = h;
      e.Handicap = GanzesHandicap(h);
    } else if ((felder & HF_STAMMVORGABE) && befund != Zahlbefund::Leer) {
      if (!endet) {
        MeldeZahlfehler(BEREICH_STAMMVORGABE, stammText);
        return false;
      }
      MerkeZahlfehler(BEREICH_STAMMVORGABE, stammText, zeilenfeld(FELD_STAMMVORGABE));
      felder &= ~HF_STAMMVORGABE;
    }
    if (felder == 0) continue;
    z.Felder = felder;
    zeilen << z;
  }
  return true;
}

// Stores the rows gathered; rows new to the table get their keys. False after an error.
bool SchreibeHistorie(QList<Historienzeile>& zeilen) {
  for (Historienzeile& z : zeilen)
    if (!DBG().WriteHdcphistorie(z.Eintrag, z.Felder)) return false;
  return true;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// The golfer fields

void Golfer::ZeigeGolfer(const Golferdatensatz& g) {
  Golfername->setText(g.Golfername);
  Stammvorgabe->setText(HandicapAlsText(g.Stammvorgabe.value_or(0.0)));
  Handicap->setText(HandicapAlsText(g.Handicap.value_or(0.0)));
  GolferIdn->setText(g.Golferidn);
  FuelleListe(Heimatclub, QStringLiteral("tab_golfplatz"), QStringLiteral("Golfplatzname"),
              QStringLiteral("Golfplatzidn"), g.Heimatclub.isEmpty() ? QVariant() : QVariant(g.Heimatclub));
  MerkeGolferWieGeladen();
  // The golfer window in front has an empty AktiveForm.
  if (AktiveForm.isEmpty()) SetzeHaupttitel();
}

bool Golfer::LiesGolfer(Golferdatensatz& g) {
  // Each handicap empty or one the arithmetic can use; the box of another is told and
  // gets the focus with its text selected.
  // As the program ends, one it cannot take is noted and the stored value stays.
  std::optional<double> stamm = g.Stammvorgabe, hcp = g.Handicap;
  for (auto [feld, bereich, wert] :
       {std::tuple{Stammvorgabe, BEREICH_STAMMVORGABE, &stamm}, std::tuple{Handicap, BEREICH_HANDICAP, &hcp}}) {
    // A handicap as it was loaded is stored back as it is; as the program ends, one typed
    // that it cannot take is noted and the stored value stays.
    if (Schlussart() != Programmschluss::Keiner && !Speicherbar(bereich, feld->text(), feld->isModified())) {
      MerkeZahlfehler(bereich, feld->text());
      continue;
    }
    if (LiesZahl(bereich, feld->text(), *wert, feld->isModified())) continue;
    feld->setFocus(Qt::OtherFocusReason);
    feld->selectAll();
    return false;
  }
  if (Golfername->text() != NameWieGeladen) g.Golfername = Golfername->text();
  g.Stammvorgabe = stamm;
  g.Handicap = hcp;
  if (HeimatclubWieGeladen()) return true;
  const QString platz = DBG().gib_tab_eintrag(QStringLiteral("tab_golfplatz"), QStringLiteral("Golfplatzname"),
                                              Heimatclub->currentText(), QStringLiteral("Golfplatzidn"));
  if (!platz.isEmpty()) g.Heimatclub = platz;
  return true;
}

void Golfer::MerkeGolferWieGeladen() {
  NameWieGeladen = Golfername->text();
  HeimatclubText = Heimatclub->currentText();
}

bool Golfer::HeimatclubWieGeladen() const { return Heimatclub->currentText() == HeimatclubText; }

// ---------------------------------------------------------------------------------------
// Golfers

bool NeuGolfer(bool OhneFrage) {
  MsgAntwort = OhneFrage ? ANTWORT_JA : SPU().Zantro_Msg(MELDUNG_NEUER_GOLFER, STIL_FRAGE);
  if (MsgAntwort != ANTWORT_JA) return true;
  if (!AktiverGolfer.Golferidn.isEmpty()) {
    // A golfer whose store refused an entry stays on screen to be corrected, as told.
    if (!WriteGolferdaten(AktiverGolfer.Golferidn) && GolferNichtGespeichert()) return true;
    LoescheGolferFelder();
  }
  const QString id = DBG().LegeGolferAn();
  if (id.isEmpty()) return false;
  QString name;
  GotoGolfer(name, id);
  return true;
}

bool DeleteGolfer(const QString& Golferidn) {
  Golfer& f = GolferForm();
  MsgAntwort = SPU().Zantro_Msg(MELDUNG_GOLFER_LOESCHEN, STIL_FRAGE);
  if (MsgAntwort != ANTWORT_JA) return true;
  if (!AlsEineAktion([&] { return DBG().LoescheGolferMitKarten(Golferidn); })) return false;

  // The card on the scorecard page was the golfer's: nothing may be written to it.
  if (f.Karte().Golfernummer == Golferidn) f.SetzeKartenschluessel(QString());

  const long anzahl = DBG().AnzahlGolfer();
  if (anzahl < 0) return false;
  if (anzahl == 0) {
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

bool WriteGolferdaten(const QString& Golferidn) {
  golferNichtGespeichert = false;
  Golfer& f = GolferForm();
  // Without a stored golfer there is nothing to save and nothing to complain about.
  std::optional<Golferdatensatz> g = DBG().ReadGolferdaten(Golferidn);
  if (!g) return false;
  const QString club = f.Heimatclub->currentText();
  // The home club as loaded is not judged: it stays as stored.
  const bool clubUnbekannt = !f.HeimatclubWieGeladen() && (IstLeer(club) || SucheListeneintrag(f.Heimatclub, club) < 0);
  // As the program ends the stored home club stays (a name not found keeps it below).
  // A golfer without a home club who still has none loses nothing: no note.
  if (clubUnbekannt && Schlussart() != Programmschluss::Keiner) {
    if (!IstLeer(club) || !IstLeer(g->Heimatclub)) MerkeEintragsfehler(SCHLUSS_NICHT_IN_LISTE, FELD_HEIMATCLUB, club);
  } else if (clubUnbekannt) {
    f.TabstripGolfer->setCurrentIndex(0);
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_NICHT_IN_LISTE, STIL_INFO);
    GibTextVorDemTippenZurueck(f.Heimatclub);
    f.Heimatclub->setFocus(Qt::OtherFocusReason);
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_GOLFER_NICHT_GESPEICHERT, STIL_KRITISCH);
    return false;
  }

  // A name without a course of exactly that name keeps the stored home club.
  g->Heimatclub.clear();
  QList<Historienzeile> zeilen;
  const bool mitHistorie = !AktiverGolfer.Golferidn.isEmpty();
  if (!f.LiesGolfer(*g) || (mitHistorie && !SammleHistorie(zeilen))) {
    golferNichtGespeichert = true;
    return false;
  }
  const bool clubGefunden = !g->Heimatclub.isEmpty();
  // The golfer with the active flag and the history rows: one action.
  const bool ok = AlsEineAktion([&] {
    DBG().Set_AktivenGolfer(f.GolferIdn->text());
    // A refused first statement ends the action: no wait for the ones after it.
    if (const Speicheraktion* a = Speicheraktion::Offene(); a && a->Fehlgeschlagen()) return false;
    return DBG().WriteGolferdaten(*g) && SchreibeHistorie(zeilen);
  });
  if (!ok) {
    // Nothing was stored; everything typed stays on screen.
    golferNichtGespeichert = true;
    return false;
  }
  if (clubGefunden) AktiverGolfer.Heimatclub = g->Heimatclub;
  f.MerkeGolferWieGeladen();
  // A card created from here on starts from the handicap just stored.
  AktiverGolfer.Golfername = g->Golfername;
  AktiverGolfer.Stammvorgabe = HandicapAlsText(g->Stammvorgabe.value_or(0.0));
  AktiverGolfer.Handicap = HandicapAlsText(g->Handicap.value_or(0.0));
  if (mitHistorie) FuelleHdcpListbox(AktiverGolfer.Golferidn);
  return true;
}

bool GolferNichtGespeichert() { return golferNichtGespeichert; }

bool ReadGolferdaten(const QString& Golferidn) {
  // The window first: loading it shows a golfer of its own.
  GolferForm();
  const std::optional<Golferdatensatz> g = DBG().ReadGolferdaten(Golferidn);
  if (!g) return false;
  Zeige(*g);
  return true;
}

void GotoGolfer(QString& Golfername, const QString& Golferidn) {
  Golfer& f = GolferForm();
  // A golfer that is not there: message 47 while there are golfers, else empty boxes.
  auto nichtGefunden = [&] {
    const long anzahl = DBG().AnzahlGolfer();
    if (anzahl > 0)
      MsgAntwort = SPU().Zantro_Msg(MELDUNG_GOLFER_FEHLT, STIL_KRITISCH);
    else if (anzahl == 0)
      LeereGolferboxen(f);
  };

  if (!Golferidn.isEmpty()) {
    if (!ReadGolferdaten(Golferidn)) nichtGefunden();
    return;
  }
  if (Golfername == LETZTER) {
    const QString id = DBG().LetzterGolfer();
    const std::optional<Golferdatensatz> g = id.isEmpty() ? std::nullopt : DBG().ReadGolferdaten(id);
    if (!g) {
      LeereGolferboxen(f);
      return;
    }
    if (!g->Golfername.isEmpty()) Golfername = g->Golfername;
    Zeige(*g);
    return;
  }
  const QString id = DBG().SucheGolfer(Golfername);
  if (id.isEmpty() || !ReadGolferdaten(id)) nichtGefunden();
}

// ---------------------------------------------------------------------------------------
// Handicap history

void FuelleHdcpListbox(const QString& Golferidn) {
  QTableWidget* t = GolferForm().HdcpHistorie;
  if (t->rowCount() < 2) t->setRowCount(2);
  for (int c = 0; c < t->columnCount(); ++c) {
    QTableWidgetItem* i = Element(t, HistorienEditor::ZEILE_NEU, c);
    i->setText(QString());
    i->setData(ROLLE_GEFUELLT, QVariant());
  }
  t->setRowCount(2);

  for (const Handicapeintrag& e : DBG().LiesHdcpHistorie(Golferidn)) {
    const QStringList zellen = Historienzellen(e) << Zelltext(e.Satznr);
    const int r = t->rowCount();
    t->insertRow(r);
    for (int c = 0; c < 7 && c < t->columnCount(); ++c) {
      auto* i = new QTableWidgetItem(zellen[c]);
      i->setData(ROLLE_GEFUELLT, zellen[c]);
      t->setItem(r, c, i);
    }
  }
}

QStringList Historienzellen(const Handicapeintrag& e) {
  return {Datumszelle(e.Datum), Zelltext(e.Golfplatzbez),    Zelltext(e.Bemerkungen),
          Zelltext(e.Spielart), Zahlzelle(e.GewNettoStable), Handicapzelle(e.Stammvorgabe)};
}

QList<Handicapeintrag> LiesHistorienzeilen() {
  const QTableWidget* t = GolferForm().HdcpHistorie;
  QList<Handicapeintrag> zeilen;
  for (int r = HistorienEditor::ZEILE_NEU; r < t->rowCount(); ++r) {
    Handicapeintrag e;
    e.Satznr = Zelle(t, r, HistorienEditor::SPALTE_ID);
    e.Golfernummer = AktiverGolfer.Golferidn;
    e.Datum = GibDatumswert(Zelle(t, r, HistorienEditor::SPALTE_DATUM));
    e.Golfplatzbez = Zelle(t, r, HistorienEditor::SPALTE_GOLFCLUB);
    e.Bemerkungen = Zelle(t, r, HistorienEditor::SPALTE_BEMERKUNG);
    e.Spielart = Zelle(t, r, HistorienEditor::SPALTE_SPIELART);
    const Feldwert punkte = LeseFeldwert(4, Zelle(t, r, HistorienEditor::SPALTE_NETTOPUNKTE));
    if (punkte.Gueltig) e.GewNettoStable = punkte.DoubleWert;
    double h = 0;
    if (PruefeZahl(BEREICH_STAMMVORGABE, Zelle(t, r, HistorienEditor::SPALTE_STAMMVORGABE), &h) == Zahlbefund::Gut) {
      e.Stammvorgabe = h;
      e.Handicap = GanzesHandicap(h);
    }
    zeilen << e;
  }
  return zeilen;
}

bool WriteHdcphistorie(QString* NeueZeileIdn) {
  if (NeueZeileIdn) NeueZeileIdn->clear();
  // Rows without a golfer would belong to nobody.
  if (AktiverGolfer.Golferidn.isEmpty()) return false;
  QList<Historienzeile> zeilen;
  if (!SammleHistorie(zeilen)) return false;
  // All rows or none; after a failure the grid keeps what was typed.
  if (!zeilen.isEmpty() && !AlsEineAktion([&] { return SchreibeHistorie(zeilen); })) return false;
  for (const Historienzeile& z : zeilen)
    if (z.Zeile == HistorienEditor::ZEILE_NEU && NeueZeileIdn) *NeueZeileIdn = z.Eintrag.Satznr;
  FuelleHdcpListbox(AktiverGolfer.Golferidn);
  return true;
}
