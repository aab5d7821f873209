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
#include "platform/widgets/Eintragsbinder.h"
#include "platform/widgets/Formular.h"
#include "platform/widgets/Tastatur.h"
#include "scoring/Scoreberechnungen.h"

namespace {

constexpr int MELDUNG_NEUER_GOLFER = 34;
constexpr int MELDUNG_GOLFER_LOESCHEN = 35;
constexpr int MELDUNG_GOLFER_NICHT_GESPEICHERT = 36;
constexpr int MELDUNG_GOLFER_FEHLT = 47;
// The golfer shown has no row in the database (a file taken over without it): what was
// typed for it was not stored; as the program ends, the note.
constexpr int MELDUNG_GOLFER_OHNE_ZEILE = 4831;
constexpr int SCHLUSS_GOLFER_OHNE_ZEILE = 4832;
constexpr int TEXT_OHNE_NAMEN = 4762;
// "History of <date>, <field>": a cell of the history named in a note.
constexpr int TEXT_HISTORIENZEILE = 4790;
// A date typed into a stored row that is no date, named with its row: not stored.
constexpr int MELDUNG_HISTORIENDATUM = 4764;

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

// A history value as its cell shows it; none gives one blank.
QString Zelltext(const QString& t) { return t.isEmpty() ? HistorienEditor::OHNE_WERT : t; }
QString Zahlzelle(const std::optional<double>& z) { return z ? ZahlStandardText(*z) : HistorienEditor::OHNE_WERT; }
// The handicap after the round, one decimal, a plus handicap with its sign.
QString Handicapzelle(const std::optional<double>& z) {
  return z ? HandicapAlsText(RundeGerade(*z, 1)) : HistorienEditor::OHNE_WERT;
}
QString Datumszelle(const QDate& d) { return Zelltext(DatumAlsAnzeige(d)); }

using Historieneintraege = Golfer::Historieneintraege;
constexpr int SPALTEN = 6;  // the columns of a row's entries: date to exact handicap

// What a cell holds as stored, for its entry.
QVariant Zellwert(const Handicapeintrag& e, int spalte) {
  auto zahl = [](const std::optional<double>& z) { return z ? QVariant(*z) : QVariant(); };
  switch (spalte) {
    case HistorienEditor::SPALTE_DATUM: return e.Datum.isValid() ? QVariant(e.Datum) : QVariant();
    case HistorienEditor::SPALTE_GOLFCLUB: return e.Golfplatzbez;
    case HistorienEditor::SPALTE_BEMERKUNG: return e.Bemerkungen;
    case HistorienEditor::SPALTE_SPIELART: return e.Spielart;
    case HistorienEditor::SPALTE_NETTOPUNKTE: return zahl(e.GewNettoStable);
    default: return zahl(e.Stammvorgabe);
  }
}

// The entries of the grid's row `r` (the entry row, or a stored row), or none.
Historieneintraege* Zeileneintraege(Golfer& f, int r) {
  if (r == HistorienEditor::ZEILE_NEU) return &f.GolferSeite.Neu;
  const size_t i = size_t(r - HistorienEditor::ZEILE_NEU - 1);
  return r > HistorienEditor::ZEILE_NEU && i < f.GolferSeite.Zeilen.size() ? &f.GolferSeite.Zeilen[i] : nullptr;
}

// The cells of the row as the user left them are its entries'.
void NimmZeile(Golfer& f, int r) {
  for (int c = 0; c < SPALTEN; ++c) f.Binder->NimmZelle(f.HdcpHistorie, r, c);
}

// A cell typed into: a cell without a value that was edited and left empty still has none.
bool Getippt(const Eintrag& e) {
  return e.ZuSchreiben() && !(e.TextWieGeladen() == HistorienEditor::OHNE_WERT && e.Text().isEmpty());
}

// The fields of a stored row typed into; every field for the entry row.
unsigned GetippteFelder(const Historieneintraege& h, bool neu) {
  if (neu) return HF_ALLE;
  static constexpr unsigned FELD[SPALTEN] = {HF_DATUM,    HF_GOLFPLATZ,   HF_BEMERKUNG,
                                             HF_SPIELART, HF_NETTOPUNKTE, HF_STAMMVORGABE};
  unsigned felder = 0;
  for (int c = 0; c < SPALTEN; ++c)
    if (Getippt(h.Zellen[c])) felder |= FELD[c];
  // A stored row's date emptied is no date to store: the stored one stays, and the rest
  // typed into the row is stored (nothing of a row is deleted by an empty date).
  if (h.Zellen[HistorienEditor::SPALTE_DATUM].Text().trimmed().isEmpty()) felder &= ~HF_DATUM;
  return felder;
}

// The row as storing takes it: the fields typed as their cells show them (a date or
// number a cell cannot give is none), the others as loaded.
Handicapeintrag Historienwert(const Historieneintraege& h, unsigned felder) {
  Handicapeintrag e = h.Geladen;
  e.Golfernummer = AktiverGolfer.Golferidn;
  const auto text = [&](int c) { return h.Zellen[c].Text(); };
  if (felder & HF_DATUM) e.Datum = GibDatumswert(text(HistorienEditor::SPALTE_DATUM));
  if (felder & HF_GOLFPLATZ) e.Golfplatzbez = text(HistorienEditor::SPALTE_GOLFCLUB);
  if (felder & HF_BEMERKUNG) e.Bemerkungen = text(HistorienEditor::SPALTE_BEMERKUNG);
  if (felder & HF_SPIELART) e.Spielart = text(HistorienEditor::SPALTE_SPIELART);
  if (felder & HF_NETTOPUNKTE) {
    const Feldwert punkte = LeseFeldwert(4, text(HistorienEditor::SPALTE_NETTOPUNKTE));
    e.GewNettoStable = punkte.Gueltig ? std::optional<double>(punkte.DoubleWert) : std::nullopt;
  }
  if (felder & HF_STAMMVORGABE) {
    double h = 0;
    const bool gut =
        PruefeZahl(BEREICH_STAMMVORGABE, text(HistorienEditor::SPALTE_STAMMVORGABE), &h) == Zahlbefund::Gut;
    e.Stammvorgabe = gut ? std::optional<double>(h) : std::nullopt;
    e.Handicap = gut ? std::optional<double>(GanzesHandicap(h)) : std::nullopt;
  }
  return e;
}

void LeereGolferboxen(Golfer& f) {
  for (QWidget* feld : {static_cast<QWidget*>(f.Golfername), static_cast<QWidget*>(f.Handicap),
                        static_cast<QWidget*>(f.Stammvorgabe), static_cast<QWidget*>(f.Heimatclub)})
    f.Binder->Lade(feld, QVariant(), QString());
}

QVariant Wert(const std::optional<double>& z) { return z ? QVariant(*z) : QVariant(); }

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
  Golfer& f = GolferForm();
  QTableWidget* t = f.HdcpHistorie;
  const int n = t->rowCount();
  for (int r = HistorienEditor::ZEILE_NEU; r < n; ++r) {
    Historieneintraege* h = Zeileneintraege(f, r);
    if (!h) continue;
    NimmZeile(f, r);
    const bool neu = r == HistorienEditor::ZEILE_NEU;
    const QString datum = h->Zellen[HistorienEditor::SPALTE_DATUM].Text();
    // An entry without a date, or whose date is no date, is no entry (the window closed
    // before its check).
    if (neu && (datum.isEmpty() || HistorienEditor::GeprueftesDatum(datum).isEmpty())) continue;
    unsigned felder = GetippteFelder(*h, neu);
    // A stored row as it was loaded keeps its values exactly.
    if (felder == 0) continue;
    // As the program ends, a cell it cannot take keeps its stored value and is noted; the
    // rest of the row is stored. A cell is named by its row's date as loaded.
    const bool endet = Schlussart() != Programmschluss::Keiner;
    const auto zeilenfeld = [&](int feld) {
      return SPU()
          .GibTranslation(TEXT_HISTORIENZEILE)
          .arg(h->Zellen[HistorienEditor::SPALTE_DATUM].TextWieGeladen().trimmed(), SPU().GibTranslation(feld));
    };
    // A date typed into a stored row that is no date never replaces the stored one: the
    // store is refused naming the cell, which gets the cursor.
    if (!neu && (felder & HF_DATUM) && HistorienEditor::GeprueftesDatum(datum).isEmpty()) {
      if (endet) {
        MerkeNichtGespeichert(SPU()
                                  .GibTranslation(SCHLUSS_KEIN_DATUM)
                                  .arg(zeilenfeld(FELD_HISTORIENDATUM), ZitierterEintrag(datum.trimmed())));
        felder &= ~HF_DATUM;
      } else {
        const QPointer<Golfer> fenster(&f);
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
    const QString punkteText = h->Zellen[HistorienEditor::SPALTE_NETTOPUNKTE].Text();
    if ((felder & HF_NETTOPUNKTE) && !punkteText.trimmed().isEmpty() && !LeseFeldwert(4, punkteText).Gueltig) {
      if (!endet) {
        MeldeKeineZahl(FELD_NETTOPUNKTE, punkteText);
        return false;
      }
      MerkeZahlfehler(BEREICH_NETTOPUNKTE, punkteText, zeilenfeld(FELD_NETTOPUNKTE));
      felder &= ~HF_NETTOPUNKTE;
    }
    const QString stammText = h->Zellen[HistorienEditor::SPALTE_STAMMVORGABE].Text();
    const Zahlbefund befund = PruefeZahl(BEREICH_STAMMVORGABE, stammText);
    if ((felder & HF_STAMMVORGABE) && befund != Zahlbefund::Gut && befund != Zahlbefund::Leer) {
      if (!endet) {
        MeldeZahlfehler(BEREICH_STAMMVORGABE, stammText);
        return false;
      }
      MerkeZahlfehler(BEREICH_STAMMVORGABE, stammText, zeilenfeld(FELD_STAMMVORGABE));
      felder &= ~HF_STAMMVORGABE;
    }
    if (felder == 0) continue;
    Historienzeile z;
    z.Zeile = r;
    z.Eintrag = Historienwert(*h, felder);
    if (neu) z.Eintrag.Satznr.clear();
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

// The golfer shown has no row to store into: what was typed on the page is named once as
// not stored (noted as the program ends), and the page shows a golfer that has one;
// nothing is made up. Nothing to say when nothing was typed.
void KeineZeileZumSpeichern(Golfer& f, const QString& Golferidn) {
  if (Golferidn.isEmpty() || Golferidn != f.GezeigterGolfer() || !f.GolferseiteGetippt()) return;
  const QString name = f.GezeigterGolfername().trimmed();
  const QString genannt = name.isEmpty() ? SPU().GibTranslation(TEXT_OHNE_NAMEN) : ZitierterEintrag(name);
  // Nothing typed for it may go elsewhere, nor be named again.
  LoescheGolferFelder();
  FuelleHdcpListbox(QString());
  if (Schlussart() != Programmschluss::Keiner) {
    MerkeNichtGespeichert(SPU().GibTranslation(SCHLUSS_GOLFER_OHNE_ZEILE).arg(genannt));
    return;
  }
  const QPointer<Golfer> fenster(&f);
  MsgAntwort = DLG().Meldung(SPU().Meldungstext(MELDUNG_GOLFER_OHNE_ZEILE).arg(genannt), STIL_INFO, PRODUKTTITEL);
  if (!fenster) return;
  QString letzter = LETZTER;
  GotoGolfer(letzter, QString());
}

}  // namespace

// ---------------------------------------------------------------------------------------
// The golfer fields

void Golfer::ZeigeGolfer(const Golferdatensatz& g) {
  GolferSeite.Geladen = g;
  Binder->Lade(Golfername, g.Golfername, g.Golfername);
  Binder->Lade(Stammvorgabe, Wert(g.Stammvorgabe), HandicapAlsText(g.Stammvorgabe.value_or(0.0)));
  Binder->Lade(Handicap, Wert(g.Handicap), HandicapAlsText(g.Handicap.value_or(0.0)));
  GolferIdn->setText(g.Golferidn);
  FuelleListe(Heimatclub, QStringLiteral("tab_golfplatz"), QStringLiteral("Golfplatzname"),
              QStringLiteral("Golfplatzidn"), g.Heimatclub.isEmpty() ? QVariant() : QVariant(g.Heimatclub));
  Binder->Lade(Heimatclub, g.Heimatclub, Heimatclub->currentText());
  // The golfer window in front has an empty AktiveForm.
  if (AktiveForm.isEmpty()) SetzeHaupttitel();
}

bool Golfer::LiesGolfer(Golferdatensatz& g) {
  // Each handicap typed empty or one the arithmetic can use; the box of another is told
  // and gets the focus with its text selected. One not typed stays as the row holds it.
  // As the program ends, one it cannot take is noted and the stored value stays.
  std::optional<double> stamm = g.Stammvorgabe, hcp = g.Handicap;
  for (auto [feld, bereich, wert] :
       {std::tuple{Stammvorgabe, BEREICH_STAMMVORGABE, &stamm}, std::tuple{Handicap, BEREICH_HANDICAP, &hcp}}) {
    const Eintrag* e = Binder->Nimm(feld);
    if (!e->ZuSchreiben()) continue;
    if (Schlussart() != Programmschluss::Keiner && !Speicherbar(bereich, e->Text())) {
      MerkeZahlfehler(bereich, e->Text());
      continue;
    }
    if (LiesZahl(bereich, e->Text(), *wert)) continue;
    feld->setFocus(Qt::OtherFocusReason);
    feld->selectAll();
    return false;
  }
  if (Binder->Nimm(Golfername)->ZuSchreiben()) g.Golfername = GolferSeite.Name.Text();
  g.Stammvorgabe = stamm;
  g.Handicap = hcp;
  if (!HeimatclubGetippt()) return true;
  const QString platz = DBG().gib_tab_eintrag(QStringLiteral("tab_golfplatz"), QStringLiteral("Golfplatzname"),
                                              GolferSeite.Heimatclub.Text(), QStringLiteral("Golfplatzidn"));
  if (!platz.isEmpty()) g.Heimatclub = platz;
  return true;
}

void Golfer::GolferGespeichert(const Golferdatensatz& g) {
  GolferSeite.Geladen = g;
  GolferSeite.Name.Gespeichert(g.Golfername, GolferSeite.Name.Text());
  GolferSeite.Stammvorgabe.Gespeichert(Wert(g.Stammvorgabe), GolferSeite.Stammvorgabe.Text());
  GolferSeite.Handicap.Gespeichert(Wert(g.Handicap), GolferSeite.Handicap.Text());
  GolferSeite.Heimatclub.Gespeichert(g.Heimatclub, GolferSeite.Heimatclub.Text());
}

bool Golfer::GolferseiteGetippt() {
  for (QWidget* feld : {static_cast<QWidget*>(Golfername), static_cast<QWidget*>(Stammvorgabe),
                        static_cast<QWidget*>(Handicap), static_cast<QWidget*>(Heimatclub)})
    if (Binder->Nimm(feld)->ZuSchreiben()) return true;
  for (int r = HistorienEditor::ZEILE_NEU; r < HdcpHistorie->rowCount(); ++r) {
    const Historieneintraege* h = Zeileneintraege(*this, r);
    if (!h) continue;
    NimmZeile(*this, r);
    for (const Eintrag& e : h->Zellen)
      if (Getippt(e) && !(r == HistorienEditor::ZEILE_NEU && e.Text().trimmed().isEmpty())) return true;
  }
  return false;
}

bool Golfer::HeimatclubGetippt() { return Binder->Nimm(Heimatclub)->ZuSchreiben(); }

QString Golfer::GezeigterGolfername() { return Binder->Nimm(Golfername)->Text(); }

QString Golfer::GezeigteStammvorgabe() { return Binder->Nimm(Stammvorgabe)->Text(); }

Golfer::Handicapstand Golfer::Handicaps() const { return {GolferSeite.Stammvorgabe, GolferSeite.Handicap}; }

void Golfer::SetzeHandicaps(const Handicapstand& stand) {
  GolferSeite.Stammvorgabe = stand.Stammvorgabe;
  GolferSeite.Handicap = stand.Handicap;
  Stammvorgabe->setText(stand.Stammvorgabe.Text());
  Handicap->setText(stand.Handicap.Text());
}

void Golfer::HandicapsGespeichert(double stammvorgabe, double handicap) {
  GolferSeite.Geladen.Stammvorgabe = stammvorgabe;
  GolferSeite.Geladen.Handicap = handicap;
  Binder->Lade(Stammvorgabe, stammvorgabe, HandicapAlsText(stammvorgabe));
  Binder->Lade(Handicap, handicap, HandicapAlsText(handicap));
}

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
  if (!g) {
    KeineZeileZumSpeichern(f, Golferidn);
    return false;
  }
  // The home club as loaded is not judged: it stays as stored.
  const bool clubGetippt = f.HeimatclubGetippt();
  const QString club = f.GolferSeite.Heimatclub.Text();
  const bool clubUnbekannt = clubGetippt && (IstLeer(club) || SucheListeneintrag(f.Heimatclub, club) < 0);
  // As the program ends the stored home club stays (a name not found keeps it below).
  // A golfer without a home club who still has none loses nothing: no note.
  if (clubUnbekannt && Schlussart() != Programmschluss::Keiner) {
    if (!IstLeer(club) || !IstLeer(g->Heimatclub)) MerkeEintragsfehler(SCHLUSS_NICHT_IN_LISTE, FELD_HEIMATCLUB, club);
  } else if (clubUnbekannt) {
    f.TabstripGolfer->setCurrentIndex(0);
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_NICHT_IN_LISTE, STIL_INFO);
    f.Binder->Ablehnen(f.Heimatclub);
    f.Heimatclub->setFocus(Qt::OtherFocusReason);
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_GOLFER_NICHT_GESPEICHERT, STIL_KRITISCH);
    return false;
  }

  // A name without a course of exactly that name keeps the stored home club.
  const Golferdatensatz gelesen = *g;
  g->Heimatclub.clear();
  QList<Historienzeile> zeilen;
  const bool mitHistorie = !AktiverGolfer.Golferidn.isEmpty();
  if (!f.LiesGolfer(*g) || (mitHistorie && !SammleHistorie(zeilen))) {
    golferNichtGespeichert = true;
    return false;
  }
  const bool clubGefunden = !g->Heimatclub.isEmpty();
  if (!clubGefunden) g->Heimatclub = gelesen.Heimatclub;
  // What nobody typed is not written: a value the program cannot read stays as stored.
  const unsigned felder = (g->Golfername != gelesen.Golfername ? GF_NAME : 0u) |
                          (g->Stammvorgabe != gelesen.Stammvorgabe ? GF_STAMMVORGABE : 0u) |
                          (g->Handicap != gelesen.Handicap ? GF_HANDICAP : 0u) |
                          (g->Heimatclub != gelesen.Heimatclub ? GF_HEIMATCLUB : 0u);
  // The golfer with the active flag and the history rows: one action.
  const bool ok = AlsEineAktion([&] {
    DBG().Set_AktivenGolfer(f.GezeigterGolfer());
    // A refused first statement ends the action: no wait for the ones after it.
    if (const Speicheraktion* a = Speicheraktion::Offene(); a && a->Fehlgeschlagen()) return false;
    return DBG().WriteGolferdaten(*g, felder) && SchreibeHistorie(zeilen);
  });
  if (!ok) {
    // Nothing was stored; everything typed stays on screen.
    golferNichtGespeichert = true;
    return false;
  }
  if (clubGefunden) AktiverGolfer.Heimatclub = g->Heimatclub;
  f.GolferGespeichert(*g);
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
  Golfer& f = GolferForm();
  QTableWidget* t = f.HdcpHistorie;
  Golfer::Golferseite& seite = f.GolferSeite;
  f.Binder->LoeseZellen(t);
  if (t->rowCount() < 2) t->setRowCount(2);
  for (int c = 0; c < t->columnCount(); ++c) Element(t, HistorienEditor::ZEILE_NEU, c)->setText(QString());
  t->setRowCount(2);
  seite.Neu.Geladen = Handicapeintrag{};
  for (int c = 0; c < SPALTEN; ++c) {
    seite.Neu.Zellen[c].Lade(QVariant(), QString());
    f.Binder->BindeZelle(t, HistorienEditor::ZEILE_NEU, c, &seite.Neu.Zellen[c]);
  }

  const QList<Handicapeintrag> eintraege = DBG().LiesHdcpHistorie(Golferidn);
  // The entries are bound where they stand: the rows are laid out once, then bound.
  seite.Zeilen.clear();
  seite.Zeilen.resize(size_t(eintraege.size()));
  for (qsizetype n = 0; n < eintraege.size(); ++n) {
    const Handicapeintrag& e = eintraege[n];
    Historieneintraege& h = seite.Zeilen[size_t(n)];
    h.Geladen = e;
    const QStringList zellen = Historienzellen(e) << Zelltext(e.Satznr);
    const int r = t->rowCount();
    t->insertRow(r);
    for (int c = 0; c < 7 && c < t->columnCount(); ++c) t->setItem(r, c, new QTableWidgetItem(zellen[c]));
    for (int c = 0; c < SPALTEN; ++c) {
      h.Zellen[c].Lade(Zellwert(e, c), zellen[c]);
      f.Binder->BindeZelle(t, r, c, &h.Zellen[c]);
    }
  }
}

bool Golfer::HistorienzeileAmCursor(QString& Satznr) const {
  const int zeile = HdcpHistorie->currentRow();
  if (zeile < HistorienEditor::ZEILE_NEU + 1) return false;
  Satznr = ::Zelle(HdcpHistorie, zeile, HistorienEditor::SPALTE_ID);
  return true;
}

Golfer::Historienansicht Golfer::HistorieWieGezeigt() const {
  Historienansicht a;
  // The last column holds the row key and is not printed.
  for (int c = 0; c < HdcpHistorie->columnCount() - 1; ++c) {
    a.Koepfe << ::Zelle(HdcpHistorie, 0, c);
    a.Breiten << HdcpHistorie->columnWidth(c);
  }
  a.Zeile = a.ZeileSel = std::max(1, HdcpHistorie->currentRow());
  // The selection's far end: the end of the selected range that holds the current row.
  for (const QTableWidgetSelectionRange& b : HdcpHistorie->selectedRanges()) {
    if (b.topRow() <= a.Zeile && a.Zeile <= b.bottomRow()) {
      a.ZeileSel = b.topRow() == a.Zeile ? b.bottomRow() : b.topRow();
      break;
    }
  }
  return a;
}

QStringList Historienzellen(const Handicapeintrag& e) {
  return {Datumszelle(e.Datum), Zelltext(e.Golfplatzbez),    Zelltext(e.Bemerkungen),
          Zelltext(e.Spielart), Zahlzelle(e.GewNettoStable), Handicapzelle(e.Stammvorgabe)};
}

QList<Handicapeintrag> LiesHistorienzeilen() {
  Golfer& f = GolferForm();
  QList<Handicapeintrag> zeilen;
  for (int r = HistorienEditor::ZEILE_NEU; r < f.HdcpHistorie->rowCount(); ++r) {
    const Historieneintraege* h = Zeileneintraege(f, r);
    if (!h) continue;
    NimmZeile(f, r);
    const bool neu = r == HistorienEditor::ZEILE_NEU;
    zeilen << Historienwert(*h, GetippteFelder(*h, neu));
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
