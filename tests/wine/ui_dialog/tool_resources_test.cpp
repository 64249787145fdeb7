// The tool's other resources: strings, icon, version, manifest and the test-cut programs.
#include <gtest/gtest.h>
#include <windows.h>
#include <winver.h>

#include <string>
#include <vector>

#include "hvx_version.h"
#include "resources/resource.h"

namespace {

std::string LoadText(int id) {
  char buffer[256] = "";
  LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
  return buffer;
}

std::string ResourceBytes(const char* type, int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  if (found == nullptr) return std::string();
  const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
  return std::string(data, SizeofResource(module, found));
}

TEST(ToolResources, StringsCarryTheFolderNameAndTheRefusals) {
  EXPECT_EQ("HVX-40", LoadText(IDS_MODEL_NAME));
  EXPECT_EQ("Mek for %s", LoadText(IDS_DATA_FOLDER_FORMAT));
  EXPECT_EQ("Failed to get system report", LoadText(IDS_REPORT_FAILED));
  EXPECT_EQ("Serial Number should be 7 letters", LoadText(IDS_SERIAL_LENGTH));
}

TEST(ToolResources, TheFileVersionGivesTheTitleSuffix) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  char title[32];
  wsprintfA(title, " Ver. %d.%d%d", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
            HIWORD(fixed->dwFileVersionLS));
  EXPECT_STREQ(HVX_TITLE_VERSION, title);
  EXPECT_EQ(0u, LOWORD(fixed->dwFileVersionLS));
  char* text = nullptr;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040904B0\\FileVersion",
                             reinterpret_cast<void**>(&text), &length));
  EXPECT_STREQ(HVX_VERSION_TEXT, text) << "the text and the numbers come from one version";
}

TEST(ToolResources, IconAndCommonControlsManifestArePresent) {
  EXPECT_NE(nullptr, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
  const std::string manifest = ResourceBytes(MAKEINTRESOURCEA(24), 1);
  EXPECT_NE(std::string::npos, manifest.find("Microsoft.Windows.Common-Controls"));
  EXPECT_NE(std::string::npos, manifest.find("version=\"6.0.0.0\""));
  EXPECT_NE(std::string::npos,
            manifest.find("name=\"Varnel.HVX40MEK\" version=\"" HVX_VERSION_TEXT "\""));
  // A fixed architecture would keep the other width's build from loading the common controls.
  EXPECT_EQ(std::string::npos, manifest.find("processorArchitecture=\"x86\""));
  EXPECT_EQ(std::string::npos, manifest.find("processorArchitecture=\"amd64\""));
}

TEST(ToolResources, TestCutProgramsAreEmbeddedUnchanged) {
  const std::string x = ResourceBytes("CutData", IDR_CUTDATA_X);
  const std::string y = ResourceBytes("CutData", IDR_CUTDATA_Y);
  ASSERT_EQ(294u, x.size());
  ASSERT_EQ(299u, y.size());
  EXPECT_EQ(0u, x.find("!mc0;\r\n!vz1;\r\npu0,1000;\r\n!rc7000;\r\n!mc1;\r\n"));
  EXPECT_NE(std::string::npos, x.find("!vz1;!zz10000,0,-500 ;\r\n"));
  EXPECT_NE(std::string::npos, y.find("!vz1;!zz0,-10000,-500 ;\r\n"));
  const std::string ending = "!mc0;\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
  EXPECT_EQ(x.size() - ending.size(), x.rfind(ending));
  EXPECT_EQ(y.size() - ending.size(), y.rfind(ending));
}

}  // namespace
