// Every message, translation, caption and menu number the code uses must have a German
// and an English text in the language sources.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {
struct Verwendung {
  QString tabelle;
  int nummer;
  QString wo;
};

QList<Verwendung> verwendungen() {
  const QList<QPair<QRegularExpression, QString>> muster = {
      {QRegularExpression(R"(Zantro_Msg\(\s*(\d+))"), "MsgSprache"},
      {QRegularExpression(R"(GibTranslation\(\s*(\d+))"), "MsgSprache"},
      {QRegularExpression(R"(setzeTag\([^;]*?,\s*(\d+)\s*\))"), "Sprache"},
      {QRegularExpression(R"(setzeMenueNr\([^;]*?,\s*(\d+)\s*\))"), "Menuesprache"},
      {QRegularExpression(R"(NeuesLabel\([^;]*?,\s*(\d+)\s*\))"), "Sprache"},
      // Numbers kept in named constants: messages and run-time texts, and captions.
      {QRegularExpression(R"(\b(?:MELDUNG|TEXT)_[A-Z0-9_]+\s*=\s*(\d+))"), "MsgSprache"},
      {QRegularExpression(R"(\bT_[A-Z0-9_]+\s*=\s*(\d+))"), "Sprache"},
  };
  QList<Verwendung> l;
  QDirIterator it(QStringLiteral(PW_QUELLORDNER "/src"), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString datei = it.next();
    QFile f(datei);
    f.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(f.readAll());
    for (const auto& [re, tabelle] : muster) {
      auto treffer = re.globalMatch(text);
      while (treffer.hasNext()) {
        const auto m = treffer.next();
        const int zeile = text.left(m.capturedStart()).count('\n') + 1;
        l.append({tabelle, m.captured(1).toInt(),
                  QStringLiteral("%1:%2").arg(datei.mid(datei.indexOf("/src/") + 1)).arg(zeile)});
      }
    }
  }
  return l;
}

bool vorhanden(QSqlDatabase& db, const QString& tabelle, int nummer) {
  QSqlQuery q(db);
  q.prepare(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE TagNummer = ? AND Deutsch IS NOT NULL AND Deutsch <> '' "
                           "AND Englisch IS NOT NULL AND Englisch <> ''")
                .arg(tabelle));
  q.addBindValue(nummer);
  return q.exec() && q.next() && q.value(0).toInt() > 0;
}
}  // namespace

TEST(Textquellen, EveryNumberUsedHasBothLanguages) {
  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "quellen");
  db.setDatabaseName(QStringLiteral(PW_SPRACH_DB));
  ASSERT_TRUE(db.open());
  const QList<Verwendung> l = verwendungen();
  EXPECT_GT(l.size(), 20);
  for (const Verwendung& v : l) {
    bool ok = vorhanden(db, v.tabelle, v.nummer);
    // A caption number may belong to a tab control.
    if (!ok && v.tabelle == "Sprache") ok = vorhanden(db, "SpracheTabGroups", v.nummer);
    EXPECT_TRUE(ok) << v.tabelle.toStdString() << " " << v.nummer << " used at " << v.wo.toStdString();
  }
  EXPECT_TRUE(vorhanden(db, "MsgSprache", 26));
  db.close();
}

TEST(Textquellen, GameTypesHaveTranslations) {
  QSqlDatabase sprache = QSqlDatabase::addDatabase("QSQLITE", "quellen2");
  sprache.setDatabaseName(QStringLiteral(PW_SPRACH_DB));
  ASSERT_TRUE(sprache.open());
  QSqlDatabase haupt = QSqlDatabase::addDatabase("QSQLITE", "haupt2");
  haupt.setDatabaseName(QStringLiteral(PW_LEERE_DB));
  ASSERT_TRUE(haupt.open());
  for (const char* t : {"Tab_Spielart", "SpielartGolf"}) {
    QSqlQuery q(haupt);
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT TranslationNo FROM %1").arg(t)));
    int n = 0;
    while (q.next()) {
      ++n;
      EXPECT_TRUE(vorhanden(sprache, "MsgSprache", q.value(0).toInt())) << t << " " << q.value(0).toInt();
    }
    EXPECT_GT(n, 1) << t;
  }
  // Game type 2 is the one a new scorecard takes.
  QSqlQuery q(haupt);
  q.exec("SELECT COUNT(*) FROM Tab_Spielart WHERE Spielartidn = '2'");
  q.next();
  EXPECT_EQ(q.value(0).toInt(), 1);
}

// The descriptions the program writes itself for the common error box come from the
// language sources too: no literal text goes into the box or into a thrown error.
TEST(Textquellen, ErrorDescriptionsAreNumberedTexts) {
  const QRegularExpression literal(R"((?:Fehlerbox\(\s*(?:QStringLiteral|QString|tr)?\(?\s*"|\bthrow\s+[\w:]+\(\s*"))");
  QDirIterator it(QStringLiteral(PW_QUELLORDNER "/src"), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
  int dateien = 0;
  while (it.hasNext()) {
    QFile f(it.next());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    ++dateien;
    const QString text = QString::fromUtf8(f.readAll());
    const auto m = literal.match(text);
    EXPECT_FALSE(m.hasMatch()) << f.fileName().toStdString() << ":" << text.left(m.capturedStart()).count('\n') + 1;
  }
  EXPECT_GT(dateien, 20);
}
