// What Windows reads from chimelo.exe before it runs a line of it: the
// manifest, which sets how the program is run, and the version resource,
// which Explorer and the installer show; and the pictures it draws.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Version.h"
#include "resources/DisplayScales.h"
#include "tests/support/BesideThisProgram.h"
#include "tests/support/VersionResource.h"

namespace {

std::string ProgramPath() { return BesideThisProgram("chimelo.exe"); }

// The program's manifest as the system's activation context sees it.
class Manifest {
 public:
  Manifest() {
    const std::string path = ProgramPath();
    ACTCTXA request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path.c_str();
    request.lpResourceName = MAKEINTRESOURCEA(1);
    context_ = CreateActCtxA(&request);
  }
  ~Manifest() {
    if (Found()) ReleaseActCtx(context_);
  }

  bool Found() const { return context_ != INVALID_HANDLE_VALUE; }

  template <typename Information>
  bool Query(ULONG informationClass, Information* information, SIZE_T size) const {
    return QueryActCtxW(0, context_, nullptr, informationClass, information, size, nullptr);
  }

  // The setting's value; empty when there is none.
  std::wstring Setting(const wchar_t* nameSpace, const wchar_t* name) const {
    wchar_t value[64] = L"";
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, context_, nameSpace, name, value, 64, &written)) return L"";
    return value;
  }

 private:
  HANDLE context_ = INVALID_HANDLE_VALUE;
};

TEST(ProgramResourcesTest, TheManifestRunsChimeloAsInvokedOnEveryWindowsFromVistaOn) {
  Manifest manifest;
  ASSERT_TRUE(manifest.Found()) << "no manifest, or one the system refuses";

  ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION runLevel = {};
  ASSERT_TRUE(manifest.Query(RunlevelInformationInActivationContext, &runLevel, sizeof runLevel));
  EXPECT_EQ(runLevel.RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
  EXPECT_EQ(runLevel.UiAccess, 0u);

  // A count, then that many elements. Windows 10's and Wine's elements end
  // in MaxVersionTested, which mingw-w64's headers do not have yet.
  struct Element {
    GUID id;
    ACTCTX_COMPATIBILITY_ELEMENT_TYPE type;
    ULONGLONG maxVersionTested;
  };
  struct {
    DWORD count;
    Element elements[8];
  } compatibility = {};
  ASSERT_TRUE(manifest.Query(CompatibilityInformationInActivationContext, &compatibility,
                             sizeof compatibility));
  const GUID vista = {0xe2011457, 0x1546, 0x43c5, {0xa5, 0xfe, 0x00, 0x8d, 0xee, 0xe3, 0xd3, 0xf0}};
  const GUID seven = {0x35138b9a, 0x5d96, 0x4fbd, {0x8e, 0x2d, 0xa2, 0x44, 0x02, 0x25, 0xf9, 0x3a}};
  const GUID eight = {0x4a2f28e3, 0x53b9, 0x4441, {0xba, 0x9c, 0xd6, 0x9d, 0x4a, 0x4a, 0x6e, 0x38}};
  const GUID eightOne = {
      0x1f676c76, 0x80e1, 0x4239, {0x95, 0xbb, 0x83, 0xd0, 0xf6, 0xd0, 0xda, 0x78}};
  const GUID ten = {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}};
  const std::vector<GUID> expected = {vista, seven, eight, eightOne, ten};
  ASSERT_EQ(compatibility.count, expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(compatibility.elements[i].type, ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) << i;
    EXPECT_TRUE(IsEqualGUID(compatibility.elements[i].id, expected[i])) << i;
  }

  // Aware of the system DPI, not of each monitor's; the classic controls stay.
  EXPECT_EQ(manifest.Setting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"),
            L"true");
  EXPECT_EQ(
      manifest.Setting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
      L"");
  struct {
    ACTIVATION_CONTEXT_DETAILED_INFORMATION header;
    wchar_t paths[2 * MAX_PATH];  // where the manifest came from
  } detail = {};
  ASSERT_TRUE(manifest.Query(ActivationContextDetailedInformation, &detail, sizeof detail));
  EXPECT_EQ(detail.header.ulAssemblyCount, 1u) << "the manifest depends on another assembly";
}

TEST(ProgramResourcesTest, TheVersionResourceNamesChimeloAndTheBuildsVersion) {
  const VersionResource version(ProgramPath());
  const VS_FIXEDFILEINFO* fixed = version.Fixed();
  ASSERT_NE(fixed, nullptr);
  const WORD numbers[] = {CHIMELO_VERSION_NUMBERS};
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(numbers[1], numbers[0]));
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(numbers[3], numbers[2]));
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

  EXPECT_EQ(version.Text("FileDescription"), "Chimelo");
  EXPECT_EQ(version.Text("ProductName"), "Chimelo");
  EXPECT_EQ(version.Text("FileVersion"), CHIMELO_VERSION);
  EXPECT_EQ(version.Text("ProductVersion"), CHIMELO_VERSION);
  EXPECT_EQ(version.Text("OriginalFilename"), "chimelo.exe");
  EXPECT_EQ(version.Text("CompanyName"), "<none>");
}

// Each button's bitmaps, normal and pressed, at 100 % and at every larger
// display scale, each the size of a 62 x 38 button at that scale.
TEST(ProgramResourcesTest, EveryButtonHasItsBitmapsAtEveryDisplayScale) {
  const HMODULE program = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  std::vector<DisplayScale> scales = {{100, 0}};
  scales.insert(scales.end(), std::begin(DisplayScales), std::end(DisplayScales));
  for (int id : {1002, 3002, 1103, 3103, 1109, 3109})
    for (const DisplayScale& scale : scales) {
      const int resource = id + scale.idOffset;
      const HBITMAP bitmap = LoadBitmapA(program, MAKEINTRESOURCEA(resource));
      BITMAP size = {};
      EXPECT_TRUE(bitmap && GetObjectA(bitmap, sizeof size, &size)) << resource;
      EXPECT_EQ(size.bmWidth, MulDiv(62, scale.percent, 100)) << resource;
      EXPECT_EQ(size.bmHeight, MulDiv(38, scale.percent, 100)) << resource;
      DeleteObject(bitmap);
    }
  FreeLibrary(program);
}

}  // namespace
