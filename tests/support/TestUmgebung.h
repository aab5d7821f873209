// Every test runs on its own temporary main database, language database and settings
// file, with scripted dialog answers.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

class QWidget;

#include "platform/widgets/Dialoge.h"

// A child of this process, which runs on from here. Qt's pool of worker threads (the
// painting of earlier tests uses it) is emptied first: its threads are not copied into
// the child, which would wait for them for ever.
int Kindprozess();

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
