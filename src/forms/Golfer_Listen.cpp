// The golfer window follows the notifier: its lists (the home club, the card's course,
// tee, game type and tournament, the analysis course) and the names of the card shown.
// No other window calls it to pass a change on.
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>

#include "data/Aenderungen.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "forms/Analyseseite.h"
#include "forms/Golfer.h"
#include "forms/Listen.h"
#include "forms/Scorekartenablauf.h"

void Golfer::FolgeAenderungen() {
  Aenderungsmelder& m = Aenderungen();
  connect(&m, &Aenderungsmelder::Angelegt, this, [this](Datensatzart art, const QString&, const QString& name) {
    // A course without a name yet is offered once it is stored with one.
    if (!IstLeer(name)) FolgeListen(art);
  });
  connect(&m, &Aenderungsmelder::Umbenannt, this,
          [this](Datensatzart art, const QString& idn, const QString& alterName, const QString& neuerName) {
            KarteFolgtUmbenennung({art, idn, alterName, neuerName});
            // Tees of other courses may have the same names.
            if (art == Datensatzart::Abschlag && idn != m_karte.SlopeIdn)
              FolgeListen(art);
            else
              FolgeListen(art, alterName, neuerName);
          });
  connect(&m, &Aenderungsmelder::Geaendert, this, [this](Datensatzart art, const QString& idn) {
    if (art != Datensatzart::Golfplatz) return;
    // Whether it is marked to be shown may have changed.
    FolgeListen(art);
    FolgeGolfplatzDerKarte(idn);
  });
  connect(&m, &Aenderungsmelder::Geloescht, this,
          [this](Datensatzart art, const QString& idn) { FolgeLoeschung(art, idn); });
  connect(&m, &Aenderungsmelder::DateiGewechselt, this, [this] { FolgeDateiwechsel(); });
}

void Golfer::FuelleKartenliste(QComboBox* box, const QString& schluessel) {
  // All game types, all tournaments; the list stays filled from one card to the next.
  const bool spielart = box == Spielart;
  const QString tabelle = spielart ? QStringLiteral("Tab_Spielart") : QStringLiteral("tab_Turnier");
  const QString anzeige = spielart ? QStringLiteral("Spielartname") : QStringLiteral("TurnierName");
  const QString feld = spielart ? QStringLiteral("Spielartidn") : QStringLiteral("TurnierNummer");
  ComboQuelle q;
  q.Tabelle = tabelle;
  q.Anzeigefeld = anzeige;
  q.Auswahlfeld = feld;
  q.Auswahlwert = schluessel.isEmpty() ? QVariant() : QVariant(schluessel);
  q.Sortierung = 1;
  q.SQL = QStringLiteral("SELECT %2, %3 FROM %1 ORDER BY %2 ASC").arg(tabelle, anzeige, feld);
  FuelleComboBoxBeiBedarf(box, q);
}

void Golfer::FolgeListen(Datensatzart art, const QString& alterName, const QString& neuerName) {
  const bool karte = !IstLeer(m_karte.ScorekartenIdn);
  // The name a box had when it got the focus follows too: leaving it is no change.
  auto beiFokus = [&](QString& name) {
    if (!alterName.isEmpty() && name == alterName) name = neuerName;
  };
  switch (art) {
    case Datensatzart::Golfplatz:
      beiFokus(GolfplatzBeiFokus);
      FolgeGolfplaetzen(alterName, neuerName);
      break;
    case Datensatzart::Abschlag:
      // The tee list selects the card's tee by its key: a tee of another course of that
      // name is not the card's.
      if (!karte) break;
      beiFokus(AbschlagBeiFokus);
      FuelleUndZeigeWeiter(
          Abschlagbezeichnung, [&] { FuelleAbschlagListe(m_karte.Golfplatzidn, m_karte.SlopeIdn); }, alterName,
          neuerName);
      break;
    case Datensatzart::Spielart:
      if (karte)
        FuelleUndZeigeWeiter(
            Spielart, [&] { FuelleKartenliste(Spielart, QString()); }, alterName, neuerName);
      break;
    case Datensatzart::Turnier:
      if (karte)
        FuelleUndZeigeWeiter(
            TurnierNameKarte, [&] { FuelleKartenliste(TurnierNameKarte, QString()); }, alterName, neuerName);
      break;
    case Datensatzart::Golfer: break;
  }
}

void Golfer::FolgeLoeschung(Datensatzart art, const QString& idn) {
  // A box that shows what the card named and is gone now shows nothing: the row names it
  // no more.
  const QString name = KarteFolgtLoeschung(art, idn);
  FolgeListen(art);
  QComboBox* box = art == Datensatzart::Turnier    ? TurnierNameKarte
                   : art == Datensatzart::Spielart ? Spielart
                   : art == Datensatzart::Abschlag ? Abschlagbezeichnung
                                                   : nullptr;
  if (!box || IstLeer(name) || box->currentText() != name || box->findText(name, Qt::MatchExactly) >= 0) return;
  const QSignalBlocker sperre(box);
  box->setCurrentIndex(-1);
  box->setEditText(QString());
}

void Golfer::FolgeGolfplatzDerKarte(const QString& idn) {
  // The card shown takes up the par, stroke index and tees of its course stored, while its
  // box names that course (another one typed is taken up as the box is left).
  if (TabstripGolfer->currentIndex() != 1 || IstLeer(m_karte.ScorekartenIdn) || m_karte.Golfplatzidn != idn) return;
  const QString name = DBG().gib_tab_eintrag(QStringLiteral("tab_Golfplatz"), QStringLiteral("Golfplatzidn"), idn,
                                             QStringLiteral("Golfplatzname"));
  if (IstLeer(name) || Golfplatznummer->currentText() != name) return;
  WechsleGolfplatz();
}

void Golfer::FolgeDateiwechsel() {
  // Every list is read from the file now; the card follows the names it gives the card's
  // keys, and each box keeps what the user typed.
  const QList<Umbenennung> namen = KarteFolgtDerDatei();
  for (const Datensatzart art :
       {Datensatzart::Golfplatz, Datensatzart::Abschlag, Datensatzart::Spielart, Datensatzart::Turnier}) {
    QString alterName, neuerName;
    for (const Umbenennung& u : namen)
      if (u.Art == art) {
        alterName = u.AlterName;
        neuerName = u.NeuerName;
      }
    FolgeListen(art, alterName, neuerName);
  }
}
