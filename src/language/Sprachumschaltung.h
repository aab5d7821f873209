// The language service: German and English texts by number from Sprachumschaltung.mdb,
// and the message boxes by number. Windows carry a translation number on each control
// whose text changes (property "Tag"), menu items on their QAction (property
// "HelpContextID"); language/widgets/Fenstertexte.h puts the texts on them.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

class QAction;
class QObject;

inline const QString SPRACHDATEI = QStringLiteral("Sprachumschaltung.mdb");
// The language database is there but cannot be used (it is checked once at start).
inline constexpr int MELDUNG_SPRACHDATEI_UNBRAUCHBAR = 4662;

class Sprachumschaltung {
 public:
  // Locates the language database and opens it, once it has passed its check: a file
  // that cannot be used is named in one message, and the service goes on without it.
  Sprachumschaltung();
  ~Sprachumschaltung();

  // Message box by number and style (16, 36, 64); returns 1, 6 or 7, or 0 when no box was shown.
  int Zantro_Msg(int nummer, int stil);
  // Run-time text by number; empty when not found.
  QString GibTranslation(int nummer);
  // The same, true only when a text was read: not for a missing or Null text, nor for
  // an empty one or one that a damaged file gave.
  bool LiesTranslation(int nummer, QString& text);
  // Text `nummer` for a message box the caller puts together: the translation, or when
  // it cannot be read, the text the program carries, in the interface language, and which
  // number lacks its text; never an empty text.
  QString Meldungstext(int nummer);
  // Settles Sprachnummer from the setting "Sprache" (default 1, written back).
  void CheckLanguage();

  bool HatDatenbank() const;
  // True when GibTranslation can read texts (the language database in the program folder).
  bool KannUebersetzen() const;

  // Text of the language's column of `tabelle` for `nummer` (and tab group, -1 for none);
  // `gefunden` false when the row is missing; a Null text gives a null QString. The
  // captions and menu texts of the windows (language/widgets/Fenstertexte.h) come so.
  QString Text(const QString& tabelle, int nummer, int gruppe, bool& gefunden);

 private:
  // What a message shows whose text is missing.
  QString Ersatztext(int nummer);
  QString m_verbindung;
  QString m_pfad;
};

// The program-wide instance, created on first use.
Sprachumschaltung& SPU();
// Releases the instance (tests, and the end of the program).
void SPUFreigeben();
// Signs the service in as the source of the numbered texts and messages of the layers
// below it (platform/Global.h). Done when the program starts.
void MeldeSprachdienstAn();

// Attach a translation number to a control / a tab widget / a menu item.
void setzeTag(QObject* control, int nummer);
void setzeMenueNr(QAction* item, int nummer);
