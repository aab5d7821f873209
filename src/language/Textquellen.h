// The language text sources (resources/lang/*.tsv), one text a line:
//   Table TAB Number TAB Group TAB German TAB English
// where Table is Sprache, SpracheTabGroups, Menuesprache or MsgSprache, Group is empty
// except for tab captions, "<NULL>" stands for a Null text, and \n and \t are escapes;
// lines starting with "#" and empty lines carry no text. The build makes the language
// database from them, and the program carries their message texts itself, for the words
// it has to say when the language database cannot give them.
#pragma once

#include <QString>

struct Textzeile {
  QString Tabelle;  // empty for a line that carries no text
  int Nummer = 0;
  int Gruppe = -1;  // the tab index of a tab caption
  QString Deutsch;  // a null QString for a Null text
  QString Englisch;
};

// Reads one line of a source; false, with what is wrong in `fehler`, for a line that is
// not of the form above.
bool ZerlegeTextzeile(const QString& zeile, Textzeile& z, QString& fehler);

// Message or run-time text `nummer` as the program carries it: German for `sprache` 1,
// English otherwise. Empty when the sources have none.
QString MitgelieferterText(int nummer, int sprache);
