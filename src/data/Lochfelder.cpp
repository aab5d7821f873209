#include "data/Lochfelder.h"

#include "data/Allgemein.h"

namespace {

constexpr Lochfeldbeschreibung Zahlfeld(Lochfeld f, const char* familie, Lochart art, int beschriftung,
                                        std::optional<int> ScorekartenLoch::*wert, QString KartenLoch::*text) {
  return {f, familie, art, beschriftung, wert, nullptr, nullptr, text, nullptr};
}
constexpr Lochfeldbeschreibung Dezimalfeld(Lochfeld f, const char* familie, int beschriftung,
                                           std::optional<double> ScorekartenLoch::*wert, QString KartenLoch::*text) {
  return {f, familie, Lochart::Dezimal, beschriftung, nullptr, wert, nullptr, text, nullptr};
}
constexpr Lochfeldbeschreibung Kaestchenfeld(Lochfeld f, const char* familie, int beschriftung,
                                             bool ScorekartenLoch::*wert, int KartenLoch::*kaestchen) {
  return {f, familie, Lochart::Kaestchen, beschriftung, nullptr, nullptr, wert, nullptr, kaestchen};
}

}  // namespace

constexpr std::array<Lochfeldbeschreibung, LOCHFELDER> LOCHTABELLE = {{
    Zahlfeld(Lochfeld::Score, "ScoreLoch", Lochart::Score, 1114, &ScorekartenLoch::Score, &KartenLoch::Score),
    Zahlfeld(Lochfeld::Abschlag, "AbschlagLoch", Lochart::Ganzzahl, 1115, &ScorekartenLoch::Abschlag,
             &KartenLoch::Abschlag),
    Kaestchenfeld(Lochfeld::Fairwaytreffer, "FairwaytrefferLoch", 1116, &ScorekartenLoch::Fairwaytreffer,
                  &KartenLoch::Fairwaytreffer),
    Dezimalfeld(Lochfeld::Distance, "DistanceLoch", 1117, &ScorekartenLoch::Distance, &KartenLoch::Distance),
    Kaestchenfeld(Lochfeld::Chip, "ChipLoch", 1118, &ScorekartenLoch::Chip, &KartenLoch::Chip),
    Kaestchenfeld(Lochfeld::Pitch, "PitchLoch", 1119, &ScorekartenLoch::Pitch, &KartenLoch::Pitch),
    Zahlfeld(Lochfeld::Putts, "PuttsLoch", Lochart::Ganzzahl, 1120, &ScorekartenLoch::Putts, &KartenLoch::Putts),
    Zahlfeld(Lochfeld::Bunker, "BunkerLoch", Lochart::Ganzzahl, 1121, &ScorekartenLoch::Bunker, &KartenLoch::Bunker),
    Zahlfeld(Lochfeld::Strafschlag, "StrafschlagLoch", Lochart::Ganzzahl, 1122, &ScorekartenLoch::Strafschlag,
             &KartenLoch::Strafschlag),
}};

// In the order of the entries: Beschreibung(f) is row f.
static_assert([] {
  for (size_t i = 0; i < LOCHTABELLE.size(); ++i)
    if (size_t(LOCHTABELLE[i].Feld) != i) return false;
  return true;
}());

QString Familienname(const Lochfeldbeschreibung& f) { return QString::fromLatin1(f.Familie); }

QString Spaltenname(const Lochfeldbeschreibung& f, int loch) { return FeldnameNr(Familienname(f), loch); }

QString Parspalte(int loch) { return FeldnameNr(QStringLiteral("Loch"), loch) + QStringLiteral("Par"); }

QString Vorgabespalte(int loch) { return FeldnameNr(QStringLiteral("Loch"), loch) + QStringLiteral("Vorgabe"); }

QVariant Speicherwert(const Lochfeldbeschreibung& f, const ScorekartenLoch& l) {
  switch (f.Art) {
    case Lochart::Score:
    case Lochart::Ganzzahl: {
      const std::optional<int>& w = l.*f.Zahl;
      return w ? QVariant(*w) : QVariant();
    }
    case Lochart::Dezimal: {
      const std::optional<double>& w = l.*f.Dezimalwert;
      return w ? QVariant(RundeGerade(*w, 1)) : QVariant();
    }
    case Lochart::Kaestchen: return l.*f.Haken ? 1 : 0;
  }
  return {};
}

void SetzeAusSpeicher(const Lochfeldbeschreibung& f, ScorekartenLoch& l, const QVariant& wert) {
  switch (f.Art) {
    case Lochart::Score:
    case Lochart::Ganzzahl: l.*f.Zahl = GespeicherteGanzzahl(wert); break;
    case Lochart::Dezimal: l.*f.Dezimalwert = GespeicherteZahl(wert); break;
    case Lochart::Kaestchen: l.*f.Haken = GespeicherterHaken(wert); break;
  }
}

void SetzeAusEingabe(const Lochfeldbeschreibung& f, ScorekartenLoch& l, const KartenLoch& eingabe) {
  auto zahl = [&](int art) -> std::optional<int> {
    const Feldwert w = LeseFeldwert(art, eingabe.*f.Text);
    if (w.Gueltig) return w.ZahlWert;
    return std::nullopt;
  };
  switch (f.Art) {
    case Lochart::Score: l.*f.Zahl = zahl(1); break;  // "-" is 99
    case Lochart::Ganzzahl: l.*f.Zahl = zahl(3); break;
    case Lochart::Dezimal: {
      const Feldwert w = LeseFeldwert(4, eingabe.*f.Text);
      l.*f.Dezimalwert = w.Gueltig ? std::optional<double>(w.DoubleWert) : std::nullopt;
      break;
    }
    case Lochart::Kaestchen: l.*f.Haken = eingabe.*f.Kaestchen == 1; break;
  }
  l.Bleibt[size_t(f.Feld)] = eingabe.WieGespeichert[size_t(f.Feld)];
}
