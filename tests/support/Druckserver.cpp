#include "Druckserver.h"

#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <csignal>

#include <algorithm>

namespace {
QString programm(const QString& name) {
  QString p = QStandardPaths::findExecutable(name);
  if (p.isEmpty()) p = QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin", "/usr/bin"});
  return p;
}

QString umgebung(const char* name) { return QFile::decodeName(qgetenv(name)); }

bool schreibe(const QString& pfad, const QString& text, QFile::Permissions rechte = {}) {
  QFile f(pfad);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  f.write(text.toUtf8());
  f.close();
  return rechte == QFile::Permissions() || f.setPermissions(rechte);
}

// A printer that takes PDF as it comes, with two paper sizes and both sides.
const char* const PPD = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "PWPROBE.PPD"
*Manufacturer: "Puttwise"
*Product: "(Probedrucker)"
*ModelName: "Puttwise Probedrucker"
*ShortNickName: "Probedrucker"
*NickName: "Puttwise Probedrucker"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter: "application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageRegion Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "0 0 595 842"
*ImageableArea Letter/Letter: "0 0 612 792"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/Letter: "612 792"
*OpenUI *Duplex/2-Sided Printing: PickOne
*OrderDependency: 10 AnySetup *Duplex
*DefaultDuplex: None
*Duplex None/Off: "<</Duplex false>>setpagedevice"
*Duplex DuplexNoTumble/Long Edge: "<</Duplex true/Tumble false>>setpagedevice"
*Duplex DuplexTumble/Short Edge: "<</Duplex true/Tumble true>>setpagedevice"
*CloseUI: *Duplex
*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
)ppd";

// The backend of the queues: each job's document and the name it was sent under go into
// the folder the queue's address names, the document only once it is whole.
const char* const BACKEND = R"sh(#!/bin/sh
[ $# -eq 0 ] && exit 0
ziel="${DEVICE_URI#pwdatei:}"
if [ $# -ge 6 ]; then cat "$6"; else cat; fi > "$ziel/job-$1.teil" || exit 1
printf '%s' "$3" > "$ziel/job-$1.name"
mv "$ziel/job-$1.teil" "$ziel/job-$1.pdf"
)sh";
}  // namespace

void AbgeschirmterDruck() {
  // The socket's path must stay short.
  QString basis = QDir::tempPath();
  if (basis.size() > 60) basis = QStringLiteral("/tmp");
  static QTemporaryDir ordner(basis + QStringLiteral("/pw-druck-XXXXXX"));
  QDir().mkpath(ordner.filePath(QStringLiteral("root")));
  qputenv("CUPS_SERVER", QFile::encodeName(ordner.filePath(QStringLiteral("cups.sock"))));
  qputenv("CUPS_SERVERROOT", QFile::encodeName(ordner.filePath(QStringLiteral("root"))));
  qunsetenv("PRINTER");
  qunsetenv("LPDEST");
}

bool Druckserver::Verfuegbar() {
  return !programm(QStringLiteral("cupsd")).isEmpty() && !programm(QStringLiteral("lpadmin")).isEmpty() &&
         QFile::exists(QStringLiteral("/usr/lib/cups/daemon/cups-exec"));
}

Druckserver::~Druckserver() { Stoppe(); }

bool Druckserver::lpadmin(const QStringList& argumente) {
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(programm(QStringLiteral("lpadmin")), argumente);
  if (!p.waitForFinished(15000) || p.exitCode() != 0) {
    m_fehler = QStringLiteral("lpadmin %1: %2").arg(argumente.join(' '), QString::fromLocal8Bit(p.readAll()));
    return false;
  }
  return true;
}

bool Druckserver::Starte(const QStringList& warteschlangen, bool standard) {
  const QString socket = umgebung("CUPS_SERVER");
  const QString wurzel = umgebung("CUPS_SERVERROOT");
  if (socket.isEmpty() || wurzel.isEmpty()) {
    m_fehler = QStringLiteral("the test process has no CUPS folders of its own");
    return false;
  }
  m_ordner = std::make_unique<QTemporaryDir>();
  const QDir o(m_ordner->path());
  for (const char* d : {"spool", "cache", "state", "log", "tmp", "aus", "bin/backend", "bin/daemon", "bin/filter"})
    o.mkpath(QLatin1String(d));
  m_ausgabe = o.filePath(QStringLiteral("aus"));
  QFile::link(QStringLiteral("/usr/lib/cups/daemon/cups-exec"), o.filePath(QStringLiteral("bin/daemon/cups-exec")));
  // Owner only: the server runs the backend as its owner, not as its unprivileged user.
  schreibe(o.filePath(QStringLiteral("bin/backend/pwdatei")), QString::fromLatin1(BACKEND),
           QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QString ppd = o.filePath(QStringLiteral("probe.ppd"));
  schreibe(ppd, QString::fromLatin1(PPD));

  // Run as root, the server wants an unprivileged user for its work; otherwise the user
  // it runs as.
  const passwd* benutzer = getuid() == 0 ? getpwnam("lp") : getpwuid(getuid());
  if (!benutzer && getuid() == 0) benutzer = getpwnam("nobody");
  const group* gruppe = benutzer ? getgrgid(benutzer->pw_gid) : nullptr;
  const QString name = benutzer ? QString::fromLocal8Bit(benutzer->pw_name) : QStringLiteral("nobody");
  const QString gruppenname = gruppe ? QString::fromLocal8Bit(gruppe->gr_name) : name;
  const group* eigene = getgrgid(getgid());
  const QString systemgruppe = eigene ? QString::fromLocal8Bit(eigene->gr_name) : gruppenname;

  schreibe(QDir(wurzel).filePath(QStringLiteral("cupsd.conf")),
           QStringLiteral("Listen %1\nLogLevel warn\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                          "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                          "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
                          "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
               .arg(socket));
  schreibe(QDir(wurzel).filePath(QStringLiteral("cups-files.conf")),
           QStringLiteral("ServerRoot %1\nRequestRoot %2\nCacheDir %3\nStateDir %4\nTempDir %5\n"
                          "AccessLog %6/access_log\nErrorLog %6/error_log\nPageLog %6/page_log\n"
                          "DataDir /usr/share/cups\nServerBin %7\nUser %8\nGroup %9\nSystemGroup %10\n")
               .arg(wurzel, o.filePath("spool"), o.filePath("cache"), o.filePath("state"), o.filePath("tmp"),
                    o.filePath("log"), o.filePath("bin"), name, gruppenname)
               .arg(systemgruppe));

  m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
  // The server ends with the test, also with a test that crashes.
  m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
  m_cupsd.start(programm(QStringLiteral("cupsd")),
                {"-f", "-c", QDir(wurzel).filePath("cupsd.conf"), "-s", QDir(wurzel).filePath("cups-files.conf")});
  if (!m_cupsd.waitForStarted(5000)) {
    m_fehler = QStringLiteral("cupsd does not start");
    return false;
  }
  // Up once it answers.
  const QDeadlineTimer frist(15000);
  for (;;) {
    QProcess p;
    p.start(programm(QStringLiteral("lpstat")), {"-r"});
    if (p.waitForFinished(5000) && p.exitCode() == 0 && p.readAll().contains("is running")) break;
    if (frist.hasExpired() || m_cupsd.state() != QProcess::Running) {
      QFile log(o.filePath(QStringLiteral("log/error_log")));
      log.open(QIODevice::ReadOnly);
      m_fehler = QStringLiteral("cupsd does not answer: ") + QString::fromLocal8Bit(m_cupsd.readAll() + log.readAll());
      return false;
    }
    QThread::msleep(50);
  }
  for (const QString& w : warteschlangen)
    if (!lpadmin({"-p", w, "-E", "-v", QStringLiteral("pwdatei:") + m_ausgabe, "-P", ppd})) return false;
  if (standard && !warteschlangen.isEmpty() && !lpadmin({"-d", warteschlangen.first()})) return false;
  return true;
}

void Druckserver::Stoppe() {
  if (m_cupsd.state() != QProcess::NotRunning) {
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(10000)) {
      m_cupsd.kill();
      m_cupsd.waitForFinished(5000);
    }
  }
  // What the server kept (its queues, their drivers) goes with it.
  const QString wurzel = umgebung("CUPS_SERVERROOT");
  if (m_ordner && !wurzel.isEmpty()) {
    QDir w(wurzel);
    for (const QString& e : w.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
      QFileInfo i(w.filePath(e));
      if (i.isDir())
        QDir(i.filePath()).removeRecursively();
      else
        QFile::remove(i.filePath());
    }
  }
  m_ordner.reset();
}

QList<Druckserver::Auftrag> Druckserver::Auftraege(int mindestens, int sekunden) const {
  QList<Auftrag> auftraege;
  const QDeadlineTimer frist(sekunden * 1000);
  for (;;) {
    auftraege.clear();
    QList<int> nummern;
    static const QRegularExpression muster(QStringLiteral("^job-(\\d+)\\.pdf$"));
    for (const QString& e : QDir(m_ausgabe).entryList(QDir::Files)) {
      const auto m = muster.match(e);
      if (m.hasMatch()) nummern << m.captured(1).toInt();
    }
    std::sort(nummern.begin(), nummern.end());
    for (int n : nummern) {
      QFile name(QDir(m_ausgabe).filePath(QStringLiteral("job-%1.name").arg(n)));
      name.open(QIODevice::ReadOnly);
      auftraege.push_back(
          {QDir(m_ausgabe).filePath(QStringLiteral("job-%1.pdf").arg(n)), QString::fromUtf8(name.readAll())});
    }
    if (auftraege.size() >= mindestens || frist.hasExpired()) return auftraege;
    QThread::msleep(50);
  }
}

int Druckserver::Auftragszahl() const {
  QProcess p;
  p.start(programm(QStringLiteral("lpstat")), {"-W", "all", "-o"});
  if (!p.waitForFinished(5000)) return -1;
  return int(QString::fromLocal8Bit(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
}
