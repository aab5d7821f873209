#include "TestUmgebung.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QThread>
#include <QThreadPool>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "data/Sperre.h"
#include "language/Sprachumschaltung.h"
#include "platform/Registry.h"
#include "platform/widgets/Formular.h"

void GlobaleObjekteFreigeben() {
  for (Formular* f : GeladeneFormulare()) {
    f->setAttribute(Qt::WA_DeleteOnClose, false);
    delete f;
  }
  // Popups of combo boxes are top-level widgets owned by their combo box: delete only
  // the windows without a parent, through guarded pointers.
  QList<QPointer<QWidget>> fenster;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (!w->parentWidget()) fenster << w;
  for (const QPointer<QWidget>& w : fenster) delete w.data();
  DBGFreigeben();
  DBTFreigeben();
  SPUFreigeben();
  GibDatenbankFrei();
  SetzeFehlerprobe({});
}

void TestUmgebung::SetUp() {
  ASSERT_TRUE(m_dir.isValid());
  GlobaleObjekteFreigeben();
  GlobaleZuruecksetzen();
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QDir().mkpath(Programmordner());
  QDir().mkpath(m_dir.filePath("daten"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(PW_LEERE_DB), DbPfad()));
  ASSERT_TRUE(QFile::copy(QStringLiteral(PW_SPRACH_DB), Programmordner() + "/" + SPRACHDATEI));
  QFile::setPermissions(DbPfad(), QFile::ReadOwner | QFile::WriteOwner);
  SetzeEinstellungsdatei(m_dir.filePath("Puttwise.ini"));
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "DBGolfpfadVB", DbPfad());
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Programmverzeichniss", Programmordner());
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, "Sprache", "1");
  auto dlg = std::make_unique<SkriptDialoge>();
  m_dlg = dlg.get();
  m_dlg->unbeantwortet = [](const QString& was) { ADD_FAILURE() << was.toStdString(); };
  SetzeDialoge(std::move(dlg));
  DatenbankPfad = DbPfad();
  Sprachnummer = 1;
}

void TestUmgebung::TearDown() {
  GlobaleObjekteFreigeben();
  SetzeDialoge(nullptr);
  m_dlg = nullptr;
  for (const QString& n : QSqlDatabase::connectionNames()) {
    if (n.startsWith("test_")) QSqlDatabase::removeDatabase(n);
  }
}

QString TestUmgebung::Ordner() const { return m_dir.path(); }
QString TestUmgebung::DbPfad() const { return m_dir.filePath("daten/dbgolfvb.mdb"); }
QString TestUmgebung::Programmordner() const { return m_dir.filePath("programm"); }

void TestUmgebung::BoxenNehmenDieAktivierung(QWidget& box) {
  Dlg().waehrendMeldung = [&box] {
    box.show();
    box.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
    box.hide();
  };
}

void TestUmgebung::Antworte(std::initializer_list<int> antworten) {
  for (int a : antworten) m_dlg->antworten.push_back(a);
}

QStringList TestUmgebung::GezeigteTexte() const {
  QStringList l;
  for (const auto& b : m_dlg->gezeigt) l << b.text;
  return l;
}

namespace {
QSqlDatabase testDb(const QString& pfad) {
  const QString name = QStringLiteral("test_direkt");
  QSqlDatabase db =
      QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false) : QSqlDatabase::addDatabase("QSQLITE", name);
  if (db.databaseName() != pfad) {
    db.close();
    db.setDatabaseName(pfad);
  }
  if (!db.isOpen()) db.open();
  return db;
}
}  // namespace

void TestUmgebung::Sql(const QString& sql, const QVariantList& werte) {
  QSqlQuery q(testDb(DbPfad()));
  ASSERT_TRUE(q.prepare(sql)) << q.lastError().text().toStdString();
  for (const QVariant& w : werte) q.addBindValue(w);
  ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString() << " in " << sql.toStdString();
}

QVariant TestUmgebung::SqlWert(const QString& sql, const QVariantList& werte) {
  QSqlQuery q(testDb(DbPfad()));
  q.prepare(sql);
  for (const QVariant& w : werte) q.addBindValue(w);
  if (!q.exec() || !q.next()) return QVariant();
  return q.value(0);
}

long long TestUmgebung::GeaenderteZeilen() {
  QSqlQuery q(DBG().Db());
  return q.exec(QStringLiteral("SELECT total_changes()")) && q.next() ? q.value(0).toLongLong() : -1;
}

void TestUmgebung::Golfplatzzeile(const QString& id, const QVariant& name, const QString& land) {
  Sql("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname, Golfplatzland) VALUES (?, ?, ?)", {id, name, land});
}

int Kindprozess() {
  QThreadPool::globalInstance()->waitForDone();
  return ::fork();
}

int TestUmgebung::WarteAufKind(int kind) {
  int status = 0;
  QElapsedTimer uhr;
  uhr.start();
  while (::waitpid(kind, &status, WNOHANG) == 0) {
    if (uhr.elapsed() > 60000) {
      ::kill(kind, SIGKILL);
      ::waitpid(kind, &status, 0);
      ADD_FAILURE() << "the program did not end";
      break;
    }
    QThread::msleep(20);
  }
  return status;
}
