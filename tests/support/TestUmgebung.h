// Every test runs on its own temporary main database, language database and settings
// file, with scripted dialog answers.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QTemporaryDir>

class QWidget;

#include "platform/widgets/Dialoge.h"

// A child of this process, which runs on from here. Qt's pool of worker threads (the
// painting of earlier tests uses it) is emptied first: its threads are not copied into
// the child, which would wait for them for ever.
int Kindprozess();

// A dark desktop colour scheme (light text on dark faces) while the object lives; the
// palette before it comes back after.
class DunklesFarbschema {
 public:
  DunklesFarbschema() : m_vorher(QApplication::palette()) {
    QPalette dunkel;
    for (const auto rolle : {QPalette::Window, QPalette::Base, QPalette::Button})
      dunkel.setColor(rolle, QColor(0x2a, 0x2e, 0x32));
    for (const auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      dunkel.setColor(rolle, QColor(0xfc, 0xfc, 0xfc));
    QApplication::setPalette(dunkel);
  }
  ~DunklesFarbschema() { QApplication::setPalette(m_vorher); }
  DunklesFarbschema(const DunklesFarbschema&) = delete;
  DunklesFarbschema& operator=(const DunklesFarbschema&) = delete;

 private:
  QPalette m_vorher;
};

class TestUmgebung : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A fresh database from the schema, the language database built from the text
  // sources, and a settings file naming both (language German).
  QString DbPfad() const;
  QString Programmordner() const;
  QString Ordner() const;
  SkriptDialoge& Dlg() { return *m_dlg; }
  // Queue answers to the next message boxes.
  void Antworte(std::initializer_list<int> antworten);
  // From now on every message box takes the activation while it is up, as a real one does:
  // `box` is shown, activated and hidden again.
  void BoxenNehmenDieAktivierung(QWidget& box);
  // Texts of the message boxes shown so far.
  QStringList GezeigteTexte() const;
  // Runs SQL on the test database through a connection of its own.
  void Sql(const QString& sql, const QVariantList& werte = {});
  QVariant SqlWert(const QString& sql, const QVariantList& werte = {});
  // Rows inserted, changed or deleted so far through the program's own connection.
  static long long GeaenderteZeilen();
  // A course row with only its key, name and country.
  void Golfplatzzeile(const QString& id, const QVariant& name, const QString& land = "DE");
  // The wait status of a child process once it has ended; one still running after a
  // minute is killed, which fails the test.
  static int WarteAufKind(int kind);

  QTemporaryDir m_dir;
  SkriptDialoge* m_dlg = nullptr;
};

// Releases the global service objects and closes every window (between tests).
void GlobaleObjekteFreigeben();
