#include "reports/Turnierblatt.h"

#include <QCheckBox>
#include <QLabel>

#include "language/Sprachumschaltung.h"
#include "reports/Berichtsquellen.h"

namespace {
constexpr int T_UEBERSCHRIFT = 1700;
constexpr int T_ERSTE_ZEILE = 1701;  // row captions 1701-1707
constexpr int T_SONSTIGE = 1708;
constexpr int T_FUSSZEILE = 2800;
constexpr long GRUEN = 0x008000;

constexpr int ERSTE_ZEILE_Y = 3000;
constexpr int ZEILENABSTAND = 500;
constexpr int BESCHRIFTUNG_X = 1500;
constexpr int WERT_X = 4100;
constexpr int ZEILE_HOEHE = 300;
}  // namespace

rptTurnier::rptTurnier() : Druckbericht(QStringLiteral("rptTurnier"), 11100, 15945) {
  QLabel* kopf = Text(2500, 1600, 4400, 600, QStringLiteral("Turnier-Info"), Schrift(20.25, false));
  kopf->setObjectName(QStringLiteral("Label2"));
  SetzeFarbenVB(kopf, GRUEN);
  setzeTag(kopf, T_UEBERSCHRIFT);

  const QFont fett = Schrift(9.75);
  const char* const zeilen[] = {
      "Turniername:", "Datum:", "Golfplatzname:", "Spielartname:", "Turnier Handicap:", "Lochzahl:", "Bemerkung:"};
  auto y = [](int zeile) { return ERSTE_ZEILE_Y + ZEILENABSTAND * (zeile - 1); };
  for (int i = 1; i <= 7; ++i) {
    QLabel* l = Text(BESCHRIFTUNG_X, y(i), 2300, ZEILE_HOEHE, QString::fromUtf8(zeilen[i - 1]), fett);
    l->setObjectName(QStringLiteral("Label1_%1").arg(i));
    setzeTag(l, T_ERSTE_ZEILE + i - 1);
  }
  Turniername = Text(WERT_X, y(1), 6000, ZEILE_HOEHE, QString(), fett);
  Datum = Text(WERT_X, y(2), 2000, ZEILE_HOEHE, QString(), fett);
  Golfplatzname = Text(WERT_X, y(3), 6000, ZEILE_HOEHE, QString(), fett);
  Spielartname = Text(WERT_X, y(4), 6000, ZEILE_HOEHE, QString(), fett);
  Handicap = Text(WERT_X, y(5), 600, ZEILE_HOEHE, QString(), fett);
  const int lochX[] = {4100, 5065, 6030, 6995};
  const char* const lochTexte[] = {"18", "36", "54", "72"};
  for (int i = 1; i <= 4; ++i)
    Loch.Setze(i, Haken(lochX[i - 1], y(6), 615, ZEILE_HOEHE, QString::fromUtf8(lochTexte[i - 1]), fett));
  QCheckBox* sonstige = Haken(7960, y(6), 1500, ZEILE_HOEHE, QStringLiteral("Sonstige"), fett);
  setzeTag(sonstige, T_SONSTIGE);
  Loch.Setze(5, sonstige);
  Sonstige = Text(9500, y(6), 600, ZEILE_HOEHE, QString(), fett);
  Bemerkung = Text(WERT_X, y(7), 6000, 2400, QString(), fett, Qt::AlignLeft | Qt::AlignTop);
  Bemerkung->setWordWrap(true);

  const QFont klein = Schrift(9);
  Text(7000, 11200, 3000, 250, QStringLiteral("Zantro Puttwise!"), klein, Qt::AlignCenter);
  setzeTag(Text(6500, 11500, 4000, 250, QStringLiteral("Die Scorekartenverwaltung für Golfer"), klein, Qt::AlignCenter),
           T_FUSSZEILE);
}

QString rptTurnier::Inhalt() const { return Turniername->text(); }

void rptTurnier::Fuelle() {
  const TurnierBlatt t = LiesTurnierBlatt();
  Turniername->setText(t.name);
  Datum->setText(t.datum);
  Golfplatzname->setText(t.golfplatz);
  Spielartname->setText(t.spielart);
  Handicap->setText(t.handicap);
  for (int i = 1; i <= 5; ++i) Loch(i)->setCheckState(t.loecher[i - 1]);
  Sonstige->setText(t.sonstige);
  Bemerkung->setText(t.bemerkung);
}
