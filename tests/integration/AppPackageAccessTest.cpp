// The right that lets app packages read Chimelo's copies. Wine keeps no file
// DACL beyond Unix mode bits, so the DACL Chimelo builds is checked itself,
// and the call that applies it only for its success.
#include <windows.h>

#include <sddl.h>

#include <gtest/gtest.h>

#include "platform/AppPackageAccess.h"
#include "tests/support/ScratchDirectory.h"

namespace {

TEST(AppPackageAccessTest, AppPackagesMayReadAndExecuteTheFolderAndAllBelowIt) {
  PACL dacl = WithAppPackagesReading(nullptr);
  ASSERT_NE(dacl, nullptr);
  SECURITY_DESCRIPTOR descriptor;
  InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  SetSecurityDescriptorDacl(&descriptor, TRUE, dacl, FALSE);
  wchar_t* sddl = nullptr;
  ASSERT_TRUE(ConvertSecurityDescriptorToStringSecurityDescriptorW(
      &descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &sddl, nullptr));
  EXPECT_STREQ(sddl, L"D:(A;OICI;0x1200a9;;;AC)");
  LocalFree(sddl);
  LocalFree(dacl);

  ScratchDirectory folder;
  EXPECT_TRUE(LetAppPackagesRead(folder.Path().c_str()));
}

}  // namespace
