#include "Rundengenerator.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>
#include <cmath>
#include <cstdint>
#include <vector>

#include "data/Stammdaten.h"
#include "scoring/Scoreberechnungen.h"

namespace {

// A small generator of its own, so that a seed gives the same rows with every compiler.
class Zufall {
 public:
  explicit Zufall(unsigned s) : m_x(0x9E3779B97F4A7C15ull ^ s) { Zahl(); }
  uint64_t Zahl() {
    m_x += 0x9E3779B97F4A7C15ull;
    uint64_t z = m_x;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Bis(int n) { return int(Zahl() % uint64_t(n)); }  // 0 .. n-1
  bool Prozent(int p) { return Bis(100) < p; }

 private:
  uint64_t m_x;
};

QString nn(int i) { return QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')); }

const char* const ORTE[] = {"Achental",     "Bergkramerhof",   "Chiemsee",       "Dachau",      "Eschenried",
                            "Feldafing",    "Gut Ludwigsberg", "Hohenpähl",      "Iffeldorf",   "Jakobsberg",
                            "Kitzbühel",    "Lindau",          "Margarethenhof", "Nymphenburg", "Olching",
                            "Pfaffing",     "Quellness",       "Reit im Winkl",  "Starnberg",   "Tegernsee",
                            "Unterföhring", "Valley",          "Wörthsee",       "Zillertal"};
const char* const ABSCHLAEGE[] = {"Gelb", "Rot", "Weiß", "Blau"};

struct Platz {
  QString Id, Name;
  int Par[19] = {};
  int Index[19] = {};
  int Summe = 0;
  std::vector<QString> Abschlag;
  std::vector<double> Slope, Rating;
};

}  // namespace

bool ErzeugeRunden(QSqlDatabase& db, const Generatorauftrag& a, QString* fehler) {
  Zufall z(a.Startwert);
  QSqlQuery q(db);
  QString letzter;
  auto fuehreAus = [&](const QString& sql, const QVariantList& werte) {
    if (sql != letzter) {
      if (!q.prepare(sql)) return false;
      letzter = sql;
    }
    for (int i = 0; i < werte.size(); ++i) q.bindValue(i, werte[i]);
    return q.exec();
  };
  auto einfuegen = [&](const QString& tabelle, const QStringList& spalten, const QVariantList& werte) {
    QStringList namen;
    for (const QString& s : spalten) namen << QLatin1Char('"') + s + QLatin1Char('"');
    return fuehreAus(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                         .arg(tabelle, namen.join(QLatin1Char(',')),
                              QStringList(spalten.size(), QStringLiteral("?")).join(QLatin1Char(','))),
                     werte);
  };
  auto scheitern = [&] {
    if (fehler) *fehler = q.lastError().text();
    db.rollback();
    return false;
  };
  if (!db.transaction()) {
    if (fehler) *fehler = db.lastError().text();
    return false;
  }

  // Courses: par 70 to 73, the stroke index a permutation of 1 to 18; three in four shown on
  // the scorecard; two to four tees.
  std::vector<Platz> plaetze(size_t(a.Plaetze));
  int slopeNr = 0;
  const int orte = int(sizeof ORTE / sizeof *ORTE);
  for (int p = 0; p < a.Plaetze; ++p) {
    Platz& pl = plaetze[size_t(p)];
    pl.Id = QString::number(p + 1);
    pl.Name = QStringLiteral("GC %1").arg(QString::fromUtf8(ORTE[p % orte]));
    if (p >= orte) pl.Name += QStringLiteral(" %1").arg(p / orte + 1);
    const int fuenfer = 2 + z.Bis(3), dreier = 2 + z.Bis(3);
    std::vector<int> par(18, 4);
    for (int i = 0; i < fuenfer; ++i) par[size_t(z.Bis(18))] = 5;
    for (int i = 0; i < dreier; ++i) par[size_t(z.Bis(18))] = 3;
    std::vector<int> index(18);
    for (int i = 0; i < 18; ++i) index[size_t(i)] = i + 1;
    for (int i = 17; i > 0; --i) std::swap(index[size_t(i)], index[size_t(z.Bis(i + 1))]);
    QStringList spalten{"Golfplatzidn",      "Golfplatzname",     "Golfplatzort",
                        "GolfplatzAnzeigen", "Golfplatzlochzahl", "SSSPar"};
    QVariantList werte{pl.Id, pl.Name, QString::fromUtf8(ORTE[p % orte]), p % 4 == 3 ? 0 : 1, 18, 0};
    for (int i = 1; i <= 18; ++i) {
      pl.Par[i] = par[size_t(i - 1)];
      pl.Index[i] = index[size_t(i - 1)];
      pl.Summe += pl.Par[i];
      spalten << QStringLiteral("Loch%1Par").arg(nn(i)) << QStringLiteral("Loch%1Vorgabe").arg(nn(i));
      werte << pl.Par[i] << pl.Index[i];
    }
    werte[5] = pl.Summe;
    if (!einfuegen(QStringLiteral("Tab_Golfplatz"), spalten, werte)) return scheitern();
    const int tees = 2 + z.Bis(3);
    for (int t = 0; t < tees; ++t) {
      pl.Abschlag.push_back(QString::number(++slopeNr));
      pl.Slope.push_back(112 + z.Bis(30));
      pl.Rating.push_back(pl.Summe - 4 + z.Bis(60) / 10.0);
      if (!einfuegen(QStringLiteral("tab_Slope"),
                     {"Slopeidn", "Golfplatzidn", "Abschlagbezeichnung", "Slopewert", "CourseRating"},
                     {pl.Abschlag.back(), pl.Id, QString::fromUtf8(ABSCHLAEGE[t]), pl.Slope.back(), pl.Rating.back()}))
        return scheitern();
    }
  }

  // Golfers with their handicaps, the first of them the active one.
  // Each golfer plays to his skill; his handicap follows the points it brings him.
  std::vector<double> vorgabe(size_t(a.Golfer)), koennen(size_t(a.Golfer));
  for (int g = 0; g < a.Golfer; ++g) {
    vorgabe[size_t(g)] = koennen[size_t(g)] = 6.0 + 9.0 * g + z.Bis(50) / 10.0;
    if (!einfuegen(QStringLiteral("tab_golfer"),
                   {"Golferidn", "Golfername", "Stammvorgabe", "Handicap", "Heimatclub", "Aktueller Golfer"},
                   {QString::number(g + 1), QStringLiteral("Golfer %1").arg(g + 1), vorgabe[size_t(g)],
                    int(GanzesHandicap(vorgabe[size_t(g)])),
                    plaetze.empty() ? QVariant() : QVariant(plaetze[size_t(g % a.Plaetze)].Id), g == 0 ? 1 : 0}))
      return scheitern();
  }

  // Rounds end on 31.12.2025, about two and a half a day over all golfers.
  const QDate ende(2025, 12, 31);
  const int tage = qMax(1, a.Runden * 2 / 5);
  const QDate beginn = ende.addDays(-tage);

  // Tournaments: one for every 25 rounds.
  const int turniere = qMax(10, a.Runden / 25);
  for (int t = 1; t <= turniere; ++t) {
    const Platz& pl = plaetze[size_t(z.Bis(a.Plaetze))];
    if (!einfuegen(QStringLiteral("Tab_Turnier"),
                   {"Turniernummer", "Turniername", "Datum", "GolfplatzNo", "SpielartNo", "LochOption"},
                   {QString::number(t), QStringLiteral("%1 Preis %2").arg(pl.Name).arg(t),
                    beginn.addDays(qint64(t) * tage / turniere).toString(Qt::ISODate), pl.Id,
                    QString::number(1 + z.Bis(5)), 1}))
      return scheitern();
  }

  QStringList spalten{"Scorekartenidn",  "Golfernummer",
                      "Golfplatznummer", "Spielart",
                      "Slopeidn",        "TurnierNameKarte",
                      "Datum",           "Vorgabewirksam",
                      "AktHdcp",         "AktSSSPar",
                      "ShowWhat",        "GesamtScore",
                      "ErgebnisÜberPar", "Slope",
                      "CourseRating",    "HdcpHistorieZustand",
                      "WasGespielt",     "GesamtDrivingDistance",
                      "GesamtFwt",       "GesamtPutt"};
  for (const char* f : {"ScoreLoch", "PuttsLoch", "FairwaytrefferLoch", "AbschlagLoch", "DistanceLoch",
                        "StrafschlagLoch", "BunkerLoch", "ChipLoch", "PitchLoch"})
    for (int i = 1; i <= 18; ++i) spalten << QString::fromLatin1(f) + nn(i);
  const QStringList historie{"Satznr",   "Golfernummer",   "Datum",        "Golfplatzbez", "Bemerkungen",
                             "Spielart", "GewNettoStable", "Stammvorgabe", "Handicap"};
  const QString spielartname[5] = {{},
                                   QStringLiteral("Zählspiel"),
                                   QStringLiteral("Stableford"),
                                   QStringLiteral("Lochspiel"),
                                   QStringLiteral("Privatrunde")};
  int satz = 0;
  for (int k = 1; k <= a.Runden; ++k) {
    const int r = z.Bis(100);
    const int g = a.Golfer == 1 ? 0 : (r < 70 ? 0 : (a.Golfer == 2 || r < 90 ? 1 : 2));
    const Platz& pl = plaetze[size_t(g == 0 && z.Prozent(25) ? 0 : z.Bis(a.Plaetze))];
    const int tee = z.Bis(int(pl.Abschlag.size()));
    const QDate datum = beginn.addDays(qint64(k) * tage / a.Runden);
    const int spielart = z.Prozent(70) ? 2 : 1 + z.Bis(4);
    const bool wirksam = z.Prozent(60);
    double& hdcp = vorgabe[size_t(g)];
    const double slope = pl.Slope[size_t(tee)], rating = pl.Rating[size_t(tee)];
    const int spielvorgabe = int(BerechneSpielvorgabe(hdcp, slope, rating, pl.Summe));
    const int spielstaerke = int(BerechneSpielvorgabe(koennen[size_t(g)], slope, rating, pl.Summe));

    int score[19], putts[19], fairway[19], abschlag[19], straf[19], bunker[19], chip[19], pitch[19];
    double weite[19];
    int summe = 0, puttsumme = 0, treffer = 0, stbl = 0, drives = 0;
    double weitensumme = 0;
    bool gestrichen = false;
    for (int i = 1; i <= 18; ++i) {
      // Strokes over par: the golfer's skill spread over the holes by their index; the
      // points count with the playing handicap.
      auto proLoch = [&](int v) { return v / 18 + (pl.Index[i] <= v % 18 ? 1 : 0); };
      const int vorgabeLoch = proLoch(spielvorgabe);
      int ueber = proLoch(spielstaerke) - 1 + z.Bis(3) + (z.Prozent(8) ? 1 + z.Bis(2) : 0) - (z.Prozent(10) ? 1 : 0);
      ueber = qMax(ueber, -2);
      score[i] = qMax(1, pl.Par[i] + ueber);
      if (z.Prozent(1)) {
        score[i] = 99;
        gestrichen = true;
      }
      // Tee shots, putts, chip, pitch, bunker and penalty strokes of a hole never add up to
      // more than its score.
      int rest = score[i] == 99 ? 12 : score[i];
      auto nimm = [&](int wunsch) {
        const int n = qMin(wunsch, rest);
        rest -= n;
        return n;
      };
      abschlag[i] = nimm(z.Prozent(6) ? 2 : 1);
      putts[i] = nimm(z.Prozent(15) ? 1 : (z.Prozent(12) ? 3 : 2));
      chip[i] = nimm(z.Prozent(20) ? 1 : 0);
      pitch[i] = chip[i] ? 0 : nimm(z.Prozent(15) ? 1 : 0);
      bunker[i] = nimm(z.Prozent(12) ? 1 : 0);
      straf[i] = nimm(z.Prozent(5) ? 1 : 0);
      fairway[i] = pl.Par[i] > 3 && z.Prozent(55) ? 1 : 0;
      weite[i] = pl.Par[i] > 3 ? 170 + z.Bis(900) / 10.0 : 0;
      if (score[i] != 99) {
        summe += score[i];
        stbl += StablefordPunkte(score[i], pl.Par[i] + vorgabeLoch);  // net points
      }
      puttsumme += putts[i];
      treffer += fairway[i];
      if (weite[i] > 0) {
        weitensumme += weite[i];
        ++drives;
      }
    }
    const QString id = QString::number(k), golfer = QString::number(g + 1);
    const QVariant turnier = z.Prozent(15) ? QVariant(QString::number(1 + z.Bis(turniere))) : QVariant();
    QVariantList werte{id,
                       golfer,
                       pl.Id,
                       QString::number(spielart),
                       pl.Abschlag[size_t(tee)],
                       turnier,
                       datum.toString(Qt::ISODate),
                       wirksam ? 1 : 0,
                       double(spielvorgabe),
                       pl.Summe,
                       QStringLiteral("11111111"),
                       gestrichen ? QVariant() : QVariant(summe),
                       gestrichen ? QVariant() : QVariant(summe - pl.Summe),
                       slope,
                       rating,
                       wirksam ? QStringLiteral("1") : QStringLiteral("0"),
                       gestrichen ? 2 : 1,
                       drives ? weitensumme / drives : 0.0,
                       treffer,
                       puttsumme};
    for (int i = 1; i <= 18; ++i) werte << score[i];
    for (int i = 1; i <= 18; ++i) werte << putts[i];
    for (int i = 1; i <= 18; ++i) werte << fairway[i];
    for (int i = 1; i <= 18; ++i) werte << abschlag[i];
    for (int i = 1; i <= 18; ++i) werte << (weite[i] > 0 ? QVariant(weite[i]) : QVariant());
    for (int i = 1; i <= 18; ++i) werte << straf[i];
    for (int i = 1; i <= 18; ++i) werte << bunker[i];
    for (int i = 1; i <= 18; ++i) werte << chip[i];
    for (int i = 1; i <= 18; ++i) werte << pitch[i];
    if (!einfuegen(QStringLiteral("Greenlogs"), spalten, werte)) return scheitern();

    if (wirksam) {
      // The handicap moves with the points: down for more than 36, up a little for fewer.
      if (stbl > 36)
        hdcp = qMax(-5.0, hdcp - (stbl - 36) * (hdcp > 26.4 ? 0.5 : 0.2));
      else if (stbl < 34)
        hdcp = qMin(54.0, hdcp + 0.1);
      hdcp = std::round(hdcp * 10.0) / 10.0;  // a handicap has one decimal
      if (!einfuegen(QStringLiteral("tab_HdcpHistorie"), historie,
                     {QString::number(++satz), golfer, datum.toString(Qt::ISODate), pl.Name,
                      turnier.isNull() ? QVariant() : QVariant(QStringLiteral("Turnier %1").arg(turnier.toString())),
                      spielartname[spielart], double(stbl), hdcp, int(GanzesHandicap(hdcp))}))
        return scheitern();
    }
  }
  // The golfers keep the handicap their rounds left them with.
  for (int g = 0; g < a.Golfer; ++g)
    if (!fuehreAus(QStringLiteral("UPDATE tab_golfer SET Stammvorgabe = ?, Handicap = ? WHERE Golferidn = ?"),
                   {vorgabe[size_t(g)], int(GanzesHandicap(vorgabe[size_t(g)])), QString::number(g + 1)}))
      return scheitern();
  q.finish();
  if (!db.commit()) {
    if (fehler) *fehler = db.lastError().text();
    return false;
  }
  return true;
}
