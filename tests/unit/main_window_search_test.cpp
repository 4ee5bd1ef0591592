// The main window of a started program, as the launch worker finds it.
#include "sim_test.h"

#include "main_window_search.h"

namespace {

using MainWindowSearch = SimTest;

TEST_F(MainWindowSearch, TheFirstWindowOfTheThreadTakenToItsRootOwner) {
  desktop.addWindow("Other", "o", 100, 101);
  const tb::WindowId main = desktop.addWindow("Main", "m", 200, 201);
  const tb::WindowId tool = desktop.addWindow("Tool", "t", 200, 201);
  desktop.window(tool)->owner = main;
  // The owned window comes first in z-order: its owner is the answer.
  std::swap(*desktop.window(main), *desktop.window(tool));
  EXPECT_EQ(tb::findMainWindow(200, 201), main);
  EXPECT_EQ(tb::findMainWindow(100, 101), desktop.findWindow("Other", nullptr));
}

TEST_F(MainWindowSearch, NoWindowOfThatThreadOrAForeignOwnerGivesNone) {
  const tb::WindowId foreign = desktop.addWindow("Foreign", "f", 300, 301);
  const tb::WindowId dialog = desktop.addWindow("Dialog", "d", 200, 201);
  desktop.window(dialog)->owner = foreign;
  desktop.addWindow("SecondThread", "s", 200, 205);
  EXPECT_EQ(tb::findMainWindow(200, 201), 0u);
  EXPECT_EQ(tb::findMainWindow(400, 401), 0u);
  EXPECT_EQ(tb::findMainWindow(200, 205), desktop.findWindow("SecondThread", nullptr));
}

} // namespace
