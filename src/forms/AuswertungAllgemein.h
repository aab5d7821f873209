// Per-par statistics over the selected rounds of all courses: columns par 3, par 4, par 5,
// par 6, all holes and per round.
#pragma once

#include "forms/Auswertungsfenster.h"

class AuswertungAllgemein : public Auswertungsfenster {
  Q_OBJECT
 public:
  AuswertungAllgemein();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  bool Form_Unload() override;
};

AuswertungAllgemein& AuswertungAllgemeinForm();
