#include "forms/Eingabefehler.h"

#include <QLineEdit>
#include <QPointer>

#include "data/Allgemein.h"
#include "data/Global.h"
#include "forms/Steuerelemente.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Global.h"
#include "scoring/Scoreberechnungen.h"

namespace {
constexpr int MELDUNG_KEINE_ZAHL = 4751;
constexpr int MELDUNG_AUSSERHALB_BEREICH = 4920;
constexpr int SCHLUSS_KEINE_ZAHL = 4782;
constexpr int SCHLUSS_AUSSERHALB_BEREICH = 4783;
}  // namespace

Zahlbefund PruefeZahl(const Zahlbereich& b, const QString& text, double* wert, bool getippt) {
  if (text.trimmed().isEmpty()) return Zahlbefund::Leer;
  double d = 0;
  if (!(b.Handicap ? HandicapZuZahl(text, d) : TextZuDouble(text, d))) return Zahlbefund::KeineZahl;
  if (b.NullOhneBewertung && d == 0) return Zahlbefund::OhneBewertung;
  if (b.Begrenzt && getippt && (d < b.Von || d > b.Bis)) return Zahlbefund::AusserhalbBereich;
  if (wert) *wert = d;
  return Zahlbefund::Gut;
}

void MeldeZahlfehler(const Zahlbereich& b, const QString& text) {
  const Zahlbefund befund = PruefeZahl(b, text);
  if (befund != Zahlbefund::AusserhalbBereich && befund != Zahlbefund::OhneBewertung) {
    MeldeKeineZahl(b.Feld, text);
    return;
  }
  const QString meldung = SPU()
                              .GibTranslation(MELDUNG_AUSSERHALB_BEREICH)
                              .arg(SPU().GibTranslation(b.Feld), ZitierterEintrag(text.trimmed()),
                                   Zahlanzeige(b, b.Von), Zahlanzeige(b, b.Bis));
  MsgAntwort = DLG().Meldung(meldung, STIL_INFO, PRODUKTTITEL);
}

bool Speicherbar(const Zahlbereich& b, const QString& text, bool getippt) {
  const Zahlbefund befund = PruefeZahl(b, text, nullptr, getippt);
  return befund == Zahlbefund::Leer || befund == Zahlbefund::Gut || befund == Zahlbefund::OhneBewertung;
}

bool LiesZahl(const Zahlbereich& b, const QString& text, std::optional<double>& wert, bool getippt) {
  wert.reset();
  double d = 0;
  switch (PruefeZahl(b, text, &d, getippt)) {
    case Zahlbefund::Leer:
    case Zahlbefund::OhneBewertung: return true;
    case Zahlbefund::Gut: wert = d; return true;
    default: MeldeZahlfehler(b, text); return false;
  }
}

QString Zahlanzeige(const Zahlbereich& b, double wert) {
  return b.Handicap ? HandicapAlsText(wert) : ZahlStandardText(wert);
}

bool UebernimmZahlfeld(QLineEdit* feld, const Zahlbereich& b) {
  if (!feld || !feld->isModified()) return true;
  double wert = 0;
  switch (PruefeZahl(b, feld->text(), &wert)) {
    case Zahlbefund::Leer: return true;
    case Zahlbefund::Gut: {
      const QString anzeige = Zahlanzeige(b, wert);
      if (anzeige != feld->text()) feld->setText(anzeige);
      feld->setModified(false);
      return true;
    }
    default: return false;
  }
}

bool PruefeZahlfeld(QLineEdit* feld, const Zahlbereich& b) {
  if (UebernimmZahlfeld(feld, b)) return true;
  QPointer<QLineEdit> f(feld);
  MeldeZahlfehler(b, feld->text());
  // The window may have gone while the message was up.
  if (!f) return false;
  // The field the user went on to was not left by the user.
  SetzeFokusOhnePruefung(f);
  f->selectAll();
  return false;
}

void MeldeKeineZahl(int feld, const QString& text) {
  const QString meldung =
      SPU().Meldungstext(MELDUNG_KEINE_ZAHL).arg(SPU().GibTranslation(feld), ZitierterEintrag(text));
  MsgAntwort = DLG().Meldung(meldung, STIL_INFO, PRODUKTTITEL);
}

void MerkeZahlfehler(const Zahlbereich& b, const QString& text, const QString& feldname) {
  const QString name = feldname.isEmpty() ? SPU().GibTranslation(b.Feld) : feldname;
  const Zahlbefund befund = PruefeZahl(b, text);
  if (befund != Zahlbefund::AusserhalbBereich && befund != Zahlbefund::OhneBewertung) {
    MerkeNichtGespeichert(SPU().GibTranslation(SCHLUSS_KEINE_ZAHL).arg(name, ZitierterEintrag(text)));
    return;
  }
  MerkeNichtGespeichert(SPU()
                            .GibTranslation(SCHLUSS_AUSSERHALB_BEREICH)
                            .arg(name, ZitierterEintrag(text.trimmed()), Zahlanzeige(b, b.Von), Zahlanzeige(b, b.Bis)));
}

void MerkeEintragsfehler(int fehler, int feld, const QString& text) {
  MerkeEintragsfehler(fehler, SPU().GibTranslation(feld), text);
}

void MerkeEintragsfehler(int fehler, const QString& feldname, const QString& text) {
  MerkeNichtGespeichert(SPU().GibTranslation(fehler).arg(feldname, ZitierterEintrag(text)));
}
