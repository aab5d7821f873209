// The setup program of a first start, a program without windows.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// A settings file that cannot be written is told on the error output, and the setup still
// lays out the fresh database, instead of ending in a box it cannot show.
TEST(Einrichtung, SettingsFileThatCannotBeWrittenIsToldWithoutAWindow) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QProcess p;
  QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
  umgebung.insert("XDG_CONFIG_HOME", "/proc/puttwise/unmoeglich");
  umgebung.insert("XDG_DATA_HOME", dir.path());
  p.setProcessEnvironment(umgebung);
  p.start(PW_EINRICHTUNG, {dir.filePath("programm"), PW_LEERE_DB});
  ASSERT_TRUE(p.waitForFinished(30000));
  const QString fehler = QString::fromUtf8(p.readAllStandardError());
  EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << fehler.toStdString();
  EXPECT_EQ(p.exitCode(), 0) << fehler.toStdString();
  EXPECT_TRUE(fehler.contains("The settings file /proc/puttwise/unmoeglich/Puttwise.ini cannot be written."))
      << fehler.toStdString();
  EXPECT_TRUE(QFile::exists(dir.filePath("Puttwise/dbgolfvb.mdb")));
}
