// The layer check itself, run on small source trees of its own.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
class Schichtpruefung : public ::testing::Test {
 protected:
  void Datei(const QString& pfad, const QString& inhalt) {
    const QString voll = m_dir.filePath("src/" + pfad);
    QDir().mkpath(QFileInfo(voll).absolutePath());
    QFile f(voll);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt.toUtf8());
  }
  // Runs the check on the tree; the exit status, the output in `ausgabe`.
  int Pruefe(const QStringList& weitere = {}) {
    QProcess p;
    p.start("bash", QStringList{QStringLiteral(PW_QUELLORDNER) + "/tools/pruefe_schichten.sh", m_dir.filePath("src")} +
                        weitere);
    EXPECT_TRUE(p.waitForFinished(30000));
    ausgabe = QString::fromUtf8(p.readAllStandardError() + p.readAllStandardOutput());
    return p.exitCode();
  }
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    // A tree in order: each folder includes from below, its own folder and Qt; widgets
    // only in the widget parts and above.
    Datei("platform/Dialoge.h", "#pragma once\n#include <QString>\nclass QWidget;\n");
    Datei("platform/widgets/Formular.h", "#pragma once\n#include <QWidget>\n#include \"platform/Dialoge.h\"\n");
    Datei("language/Sprache.cpp", "#include \"platform/Dialoge.h\"\n");
    Datei("language/widgets/Fenstertexte.cpp",
          "#include <QLabel>\n#include \"language/Sprache.h\"\n#include \"platform/widgets/Formular.h\"\n");
    Datei("data/Tabelle.cpp", "#include <QSqlQuery>\n#include \"data/Tabelle.h\"\n#include \"language/Sprache.h\"\n");
    Datei("scoring/Rechnung.cpp", "#include \"data/Tabelle.h\"\n#include <QString>\n");
    Datei("statistics/Summen.cpp", "#include \"scoring/Rechnung.h\"\n#include \"records/Bestwerte.h\"\n");
    Datei("forms/Fenster.cpp",
          "#include <QLineEdit>\n#include \"statistics/Summen.h\"\n#include \"platform/widgets/Formular.h\"\n"
          "#include \"language/widgets/Fenstertexte.h\"\n");
    Datei("shell/Start.cpp", "#include \"forms/Fenster.h\"\n#include \"reports/Blatt.h\"\n");
  }
  QTemporaryDir m_dir;
  QString ausgabe;
};
}  // namespace

TEST_F(Schichtpruefung, TreeInOrderPasses) { EXPECT_EQ(Pruefe(), 0) << ausgabe.toStdString(); }

TEST_F(Schichtpruefung, IncludeUpwardFailsAndNamesTheFile) {
  Datei("data/Loeschen.cpp", "#include \"data/Tabelle.h\"\n#include \"forms/Fenster.h\"\n");
  EXPECT_EQ(Pruefe(), 1);
  EXPECT_TRUE(ausgabe.contains("data/Loeschen.cpp: includes forms/Fenster.h")) << ausgabe.toStdString();
  // Language lies below data: the other way round is upward too.
  Datei("data/Loeschen.cpp", "#include \"data/Tabelle.h\"\n");
  Datei("language/Sprache.cpp", "#include \"data/Global.h\"\n");
  EXPECT_EQ(Pruefe(), 1);
  EXPECT_TRUE(ausgabe.contains("language/Sprache.cpp: includes data/Global.h")) << ausgabe.toStdString();
}

TEST_F(Schichtpruefung, WidgetHeaderOnlyAboveTheComputations) {
  Datei("scoring/Karte.cpp", "#  include <QLabel>\n");
  EXPECT_EQ(Pruefe(), 1);
  EXPECT_TRUE(ausgabe.contains("scoring/Karte.cpp: includes <QLabel>")) << ausgabe.toStdString();
  Datei("scoring/Karte.cpp", "#include <QString>\n");
  Datei("records/Liste.cpp", "#include <QtWidgets/QTreeView>\n");
  EXPECT_EQ(Pruefe(), 1);
  EXPECT_TRUE(ausgabe.contains("records/Liste.cpp")) << ausgabe.toStdString();
  // A header of the widget module that only the module's folder names.
  Datei("records/Liste.cpp", "#include <QSpinBox>\n");
  const QString widgets = m_dir.filePath("QtWidgets");
  QDir().mkpath(widgets);
  QFile(widgets + "/QSpinBox").open(QIODevice::WriteOnly);
  EXPECT_EQ(Pruefe(), 0) << ausgabe.toStdString();
  EXPECT_EQ(Pruefe({"--widgets", widgets}), 1);
}

TEST_F(Schichtpruefung, WidgetPartsStandRightAboveTheirSubsystemAndOnlyWindowsUseThem) {
  // The layers without widgets include nothing of a widget part, whatever its rank.
  Datei("data/Loeschen.cpp", "#include \"platform/widgets/Formular.h\"\n");
  EXPECT_EQ(Pruefe(), 1);
  EXPECT_TRUE(ausgabe.contains("data/Loeschen.cpp: includes platform/widgets/Formular.h")) << ausgabe.toStdString();
  Datei("data/Loeschen.cpp", "\n");
  Datei("language/Sprache.cpp", "#include \"platform/widgets/Formular.h\"\n");
  EXPECT_EQ(Pruefe(), 1);
  EXPECT_TRUE(ausgabe.contains("language/Sprache.cpp: includes platform/widgets/Formular.h")) << ausgabe.toStdString();
  // Platform itself is one of them now.
  Datei("language/Sprache.cpp", "\n");
  Datei("platform/Drucker.cpp", "#include <QPrinter>\n");
  EXPECT_EQ(Pruefe(), 1);
  EXPECT_TRUE(ausgabe.contains("platform/Drucker.cpp: includes <QPrinter>")) << ausgabe.toStdString();
  // A widget part uses only its subsystem and those below: not the layers above it.
  Datei("platform/Drucker.cpp", "\n");
  Datei("platform/widgets/Formular.cpp", "#include \"language/Sprache.h\"\n");
  EXPECT_EQ(Pruefe(), 1);
  EXPECT_TRUE(ausgabe.contains("platform/widgets/Formular.cpp: includes language/Sprache.h")) << ausgabe.toStdString();
  Datei("platform/widgets/Formular.cpp", "\n");
  Datei("language/widgets/Fenstertexte.cpp", "#include \"data/Tabelle.h\"\n");
  EXPECT_EQ(Pruefe(), 1);
  EXPECT_TRUE(ausgabe.contains("language/widgets/Fenstertexte.cpp: includes data/Tabelle.h")) << ausgabe.toStdString();
  // The chart computation is one of them too; the chart drawn is its widget part.
  Datei("language/widgets/Fenstertexte.cpp", "\n");
  Datei("charts/widgets/Diagramm.cpp", "#include <QChartView>\n#include \"charts/Kurve.h\"\n");
  EXPECT_EQ(Pruefe(), 0) << ausgabe.toStdString();
  Datei("charts/Kurve.cpp", "#include <QChartView>\n");
  EXPECT_EQ(Pruefe(), 1);
  EXPECT_TRUE(ausgabe.contains("charts/Kurve.cpp: includes <QChartView>")) << ausgabe.toStdString();
  Datei("charts/Kurve.cpp", "#include \"charts/widgets/Diagramm.h\"\n");
  EXPECT_EQ(Pruefe(), 1);
  EXPECT_TRUE(ausgabe.contains("charts/Kurve.cpp: includes charts/widgets/Diagramm.h")) << ausgabe.toStdString();
  Datei("charts/Kurve.cpp", "\n");
  // A folder below a subsystem that is no widget part is the subsystem's own.
  Datei("data/sql/Anweisung.cpp", "#include \"data/Tabelle.h\"\n#include <QLabel>\n");
  EXPECT_EQ(Pruefe(), 1);
  EXPECT_TRUE(ausgabe.contains("data/sql/Anweisung.cpp: includes <QLabel>")) << ausgabe.toStdString();
}

TEST_F(Schichtpruefung, CircleOnOneLevelAndUnknownFolderFail) {
  Datei("records/Bestwerte.cpp", "#include \"charts/Kurve.h\"\n");
  EXPECT_EQ(Pruefe(), 0) << ausgabe.toStdString();
  Datei("charts/Kurve.cpp", "#include \"statistics/Summen.h\"\n");
  EXPECT_EQ(Pruefe(), 1);
  EXPECT_TRUE(ausgabe.contains("circle")) << ausgabe.toStdString();
  Datei("charts/Kurve.cpp", "\n");
  Datei("extras/Neu.cpp", "\n");
  EXPECT_EQ(Pruefe(), 1);
  EXPECT_TRUE(ausgabe.contains("extras/Neu.cpp")) << ausgabe.toStdString();
}

TEST_F(Schichtpruefung, KnownBreachesPassOnlyAsListed) {
  Datei("data/Loeschen.cpp", "#include \"forms/Fenster.h\"\n#include <QLabel>\n");
  const QString liste = m_dir.filePath("ausnahmen.txt");
  QFile f(liste);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("# for now\ndata/Loeschen.cpp forms/Fenster.h\ndata/Loeschen.cpp <QLabel>\ndata/Weg.cpp forms/Fenster.h\n");
  f.close();
  EXPECT_EQ(Pruefe({"--erlaubt", liste}), 0) << ausgabe.toStdString();
  EXPECT_TRUE(ausgabe.contains("no longer found: data/Weg.cpp forms/Fenster.h")) << ausgabe.toStdString();
  // A breach not on the list still fails.
  Datei("scoring/Rechnung.cpp", "#include \"shell/Start.h\"\n");
  EXPECT_EQ(Pruefe({"--erlaubt", liste}), 1);
  EXPECT_TRUE(ausgabe.contains("scoring/Rechnung.cpp: includes shell/Start.h")) << ausgabe.toStdString();
}
