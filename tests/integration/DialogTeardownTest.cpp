// The main dialog's tear-down writes the settings file only after its set-up
// has read it: a dialog whose window failed half-way through its creation
// must not write its empty table over the user's file.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "dialog/ChimeloDialog.h"
#include "platform/Application.h"
#include "platform/Exception.h"
#include "tests/support/ScratchDirectory.h"

namespace {

const int BrokenDialog = 2999;

TEST(DialogTeardown, ADialogThatWasNeverSetUpWritesNothing) {
  ScratchDirectory directory;
  const char settings[] = "[1]\r\n1=C:\\KEPT.WAV\r\n";
  WriteFileText("chimelo.ini", settings);
  Startup = {GetModuleHandleA(nullptr), "", SW_SHOWNORMAL};
  auto dialog = std::make_unique<TChimeloDialog>(nullptr, BrokenDialog, nullptr);
  EXPECT_THROW(dialog->Create(), xmsg);
  dialog.reset();
  EXPECT_EQ(FileText("chimelo.ini"), settings);
}

}  // namespace
