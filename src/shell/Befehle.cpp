#include "shell/Befehle.h"

#include <QAction>
#include <QToolBar>

#include "data/Datenbank.h"
#include "data/Global.h"
#include "forms/frmGrafik.h"
#include "forms/frmScorekarteDetails.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/widgets/Formular.h"
#include "platform/widgets/Fortschritt.h"
#include "shell/Dialogfenster.h"
#include "shell/Farbeinstellung.h"
#include "shell/Modal.h"
#include "shell/Start.h"

bool Ausdrucken = false;

namespace {
// Toolbar code characters "A".."I" stand for buttons 10 to 18.
constexpr int ERSTER_BUCHSTABENKNOPF = 10;

// Menu code characters, in the order of Start::Befehlsmenues().
const QString MENUEZEICHEN = QStringLiteral("JKLMNOPQRSTUVWXYZa");
}  // namespace

QToolBar* Hauptleiste() {
  Start* s = StartFensterFallsDa();
  return s ? s->GolferBar1 : nullptr;
}

// ---------------------------------------------------------------------------------------
// Enabling codes and two-state buttons

void SetzeButtonBar(QToolBar* Leiste, const QString& Code) {
  if (!Leiste) return;
  const QList<QAction*> knoepfe = Leiste->actions();
  for (QAction* k : knoepfe) {
    k->setVisible(true);
    k->setEnabled(true);
  }
  for (const QChar c : Code) {
    int nummer = 0;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('I'))
      nummer = c.unicode() - 'A' + ERSTER_BUCHSTABENKNOPF;
    else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
      nummer = c.unicode() - '0';
    else {
      // Not a digit: the rest of the code is not applied.
      Fehlerbox(Fehlerbeschreibung(TEXT_TYPFEHLER));
      return;
    }
    if (nummer < 1 || nummer > knoepfe.size()) {
      Fehlerbox(Fehlerbeschreibung(TEXT_INDEX_AUSSERHALB));
      return;
    }
    knoepfe[nummer - 1]->setEnabled(false);
  }
}

void SetzeMenues(const QString& Code) {
  if (Start* s = StartFensterFallsDa()) SetzeMenues(s->Befehlsmenues(), Code);
}

void SetzeMenues(const QList<QAction*>& punkte, const QString& Code) {
  for (QAction* p : punkte) p->setEnabled(true);
  for (const QChar c : Code) {
    const int i = MENUEZEICHEN.indexOf(c, 0, Qt::CaseSensitive);
    if (i >= 0 && i < punkte.size()) punkte[i]->setEnabled(false);
  }
}

namespace {
QAction* knopf(QToolBar* leiste, int index) {
  if (!leiste) return nullptr;
  const QList<QAction*> knoepfe = leiste->actions();
  if (index < 1 || index > knoepfe.size()) {
    Fehlerbox(Fehlerbeschreibung(TEXT_INDEX_AUSSERHALB));
    return nullptr;
  }
  return knoepfe[index - 1];
}
}  // namespace

int LeseButton(QToolBar* Leiste, int Index) {
  QAction* k = knopf(Leiste, Index);
  return k && k->isChecked() ? 1 : 0;
}

void SchalteButton(QToolBar* Leiste, int Index) {
  if (QAction* k = knopf(Leiste, Index)) k->setChecked(LeseButton(Leiste, Index) != 1);
}

void ToolbarButtonClick(int Index) {
  if (BefehleGesperrt()) return;
  MitFehlerfalle([Index] {
    switch (Index) {
      case 1: BefehlBeenden(); break;
      case 2: BefehlNeu(); break;
      case 3: BefehlLoeschen(); break;
      case 4: BefehlSuchen(); break;
      case 6: BefehlSeitenansicht(); break;
      case 7: BefehlDrucken(); break;
      case 9: ZeigeDetails(); break;
      case 10: BefehlZurueck(); break;
      case 11: BefehlWeiter(); break;
      case 13: BefehlRekordergebnisse(); break;
      case 14: BefehlAufZahlen(); break;
      case 15: ZeigeGrafik(); break;
      case 17: ZeigeGolfplatz(); break;
      case 18: ZeigeTurnier(); break;
      default: break;  // separators 5, 8, 12, 16 and unknown indices
    }
  });
}

// ---------------------------------------------------------------------------------------
// Commands. Those whose windows and record operations are not part of the program yet
// only note that they ran.

void ZeigeDetails() {
  ProtokolliereBefehl(QStringLiteral("ZeigeDetails"));
  // A window left open evaluates the card now on screen when that is another card.
  const bool offen = FormExistiert<frmScorekarteDetails>();
  frmScorekarteDetails& f = FormInstanz<frmScorekarteDetails>();
  if (offen) f.PruefeKarte();
  f.Zeige();
}

void ZeigeGrafik() {
  ProtokolliereBefehl(QStringLiteral("ZeigeGrafik"));
  FormInstanz<frmGrafik>().Zeige();
}

void ZeigeInfo() {
  ProtokolliereBefehl(QStringLiteral("ZeigeInfo"));
  ZeigeModal(FormInstanz<Zantro_Info>());
}

void ZeigeFarbeinstellung() {
  ProtokolliereBefehl(QStringLiteral("ZeigeFarbeinstellung"));
  ZeigeModal(FormInstanz<frmBackground>());
}

void BefehlDatenbankKomprimieren() {
  ProtokolliereBefehl(QStringLiteral("BefehlDatenbankKomprimieren"));
  switch (KomprimiereDatenbank()) {
    case Komprimierung::Fertig: MsgAntwort = SPU().Zantro_Msg(MELDUNG_KOMPRIMIERT, STIL_INFO); break;
    case Komprimierung::DateiFehlt:
      MsgAntwort = SPU().Zantro_Msg(MELDUNG_KOMPRIMIEREN_OHNE_DATEI, STIL_KRITISCH);
      break;
    case Komprimierung::Fehlgeschlagen: break;
  }
}
