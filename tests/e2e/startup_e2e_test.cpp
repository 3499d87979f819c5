// The program starts from a fresh folder, shows its main window and ends cleanly on Exit.
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace {

constexpr int kExitButton = 113;

TEST(Startup, StartsAndClosesCleanly) {
  e2e::ProgramFolder folder;
  e2e::RunningProgram program;
  ASSERT_TRUE(program.Start(folder));
  HWND main = program.WaitForMainWindow();
  ASSERT_NE(main, nullptr) << "no main window";
  e2e::Sleep(500);
  e2e::SaveScreenshot(main, "main_window");
  e2e::ClickId(main, kExitButton);
  DWORD exitCode = 1;
  ASSERT_TRUE(program.WaitForExit(15000, &exitCode));
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace
