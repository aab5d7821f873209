// A main window for tests of single windows: it records the codes, the caption and the
// two-state buttons that the windows set through the interface.
#pragma once

#include <QString>
#include <QStringList>
#include <map>

#include "platform/Hauptfenster.h"

class Probehauptfenster : public Hauptfenster {
 public:
  std::map<int, int> knopf;
  QString leiste, menues, titel;        // the last ones set
  QStringList alleLeisten, alleMenues;  // every code set, in order
  bool befehleAn = true;
  void SetzeButtonBar(const QString& c) override {
    leiste = c;
    alleLeisten << c;
  }
  void SetzeMenues(const QString& c) override {
    menues = c;
    alleMenues << c;
  }
  int LeseButton(int i) const override { return knopf.count(i) ? knopf.at(i) : 0; }
  void SchalteButton(int i) override { knopf[i] = 1 - LeseButton(i); }
  void SetzeTitel(const QString& t) override { titel = t; }
  QString Titel() const override { return titel; }
  QWidget* Widget() override { return nullptr; }
  void SchalteBefehle(bool an) override { befehleAn = an; }
};
