#include "language/Textquellen.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QPair>
#include <QSet>
#include <QStringList>

namespace {
QString text(QString t) {
  if (t == QLatin1String("<NULL>")) return QString();
  t.replace(QLatin1String("\\n"), QLatin1String("\n"));
  t.replace(QLatin1String("\\t"), QLatin1String("\t"));
  return t;
}

// The message texts of the sources built into the program, by number: German, English.
const QHash<int, QPair<QString, QString>>& mitgeliefert() {
  static const QHash<int, QPair<QString, QString>> texte = [] {
    QHash<int, QPair<QString, QString>> h;
    const QDir ordner(QStringLiteral(":/sprachquellen"));
    for (const QString& name : ordner.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name)) {
      QFile f(ordner.filePath(name));
      if (!f.open(QIODevice::ReadOnly)) continue;
      for (const QByteArray& zeile : f.readAll().split('\n')) {
        Textzeile z;
        QString fehler;
        if (ZerlegeTextzeile(QString::fromUtf8(zeile), z, fehler) && z.Tabelle == QLatin1String("MsgSprache"))
          h.insert(z.Nummer, {z.Deutsch, z.Englisch});
      }
    }
    return h;
  }();
  return texte;
}
}  // namespace

bool ZerlegeTextzeile(const QString& zeile, Textzeile& z, QString& fehler) {
  z = Textzeile();
  QString t = zeile;
  if (t.endsWith(QLatin1Char('\r'))) t.chop(1);
  if (t.trimmed().isEmpty() || t.startsWith(QLatin1Char('#'))) return true;
  static const QSet<QString> tabellen{QStringLiteral("Sprache"), QStringLiteral("SpracheTabGroups"),
                                      QStringLiteral("Menuesprache"), QStringLiteral("MsgSprache")};
  const QStringList s = t.split(QLatin1Char('\t'));
  if (s.size() != 5) {
    fehler = QStringLiteral("expected 5 tab-separated columns");
    return false;
  }
  if (!tabellen.contains(s[0])) {
    fehler = QStringLiteral("unknown table ") + s[0];
    return false;
  }
  bool ok = false;
  z.Nummer = s[1].toInt(&ok);
  if (!ok) {
    fehler = QStringLiteral("bad number ") + s[1];
    return false;
  }
  if (s[0] == QLatin1String("SpracheTabGroups")) {
    z.Gruppe = s[2].toInt(&ok);
    if (!ok) {
      fehler = QStringLiteral("tab captions need a group");
      return false;
    }
  }
  z.Tabelle = s[0];
  z.Deutsch = text(s[3]);
  z.Englisch = text(s[4]);
  return true;
}

QString MitgelieferterText(int nummer, int sprache) {
  const auto it = mitgeliefert().constFind(nummer);
  if (it == mitgeliefert().constEnd()) return QString();
  return sprache == 1 ? it->first : it->second;
}
