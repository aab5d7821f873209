#include <gtest/gtest.h>

#include <QApplication>

#include "Druckserver.h"
#include "TestUmgebung.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // No printer of the machine is seen or used; a test that prints sets up its own.
  AbgeschirmterDruck();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int r = RUN_ALL_TESTS();
  GlobaleObjekteFreigeben();
  return r;
}
