// The version resources of the four programs, as Explorer's properties
// read them: the project's version, the product and the file's own name.
#include "run_program.h"
#include "tamble_version.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

struct VersionInfo {
  std::vector<char> block;

  explicit VersionInfo(const std::string &path) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    if (size == 0) return;
    block.resize(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) block.clear();
  }

  std::string text(const char *name) const {
    if (block.empty()) return "";
    // The block of the first translation the resource names.
    struct Translation {
      WORD language, codePage;
    } *translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void **>(&translation), &length) ||
        length < sizeof *translation)
      return "";
    char query[64];
    wsprintfA(query, "\\StringFileInfo\\%04x%04x\\%s", translation->language, translation->codePage,
              name);
    char *value = nullptr;
    if (!VerQueryValueA(block.data(), query, reinterpret_cast<void **>(&value), &length) ||
        length == 0)
      return "";
    return std::string(value);
  }

  const VS_FIXEDFILEINFO *fixed() const {
    VS_FIXEDFILEINFO *info = nullptr;
    UINT length = 0;
    if (block.empty() ||
        !VerQueryValueA(block.data(), "\\", reinterpret_cast<void **>(&info), &length))
      return nullptr;
    return info;
  }
};

TEST(VersionResource, EveryProgramCarriesTheProjectVersion) {
  const DWORD high = MAKELONG(TAMBLE_VERSION_MINOR, TAMBLE_VERSION_MAJOR);
  const DWORD low = MAKELONG(0, TAMBLE_VERSION_PATCH);
  for (const char *name : {"Tamble.exe", "Tamblewiz.exe", "Tamblecore.dll", "tamblecli.exe"}) {
    SCOPED_TRACE(name);
    const VersionInfo info(tbtest::programFolder() + name);
    ASSERT_FALSE(info.block.empty()) << "no version resource";
    const VS_FIXEDFILEINFO *fixed = info.fixed();
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwFileType,
              std::string(name).ends_with(".dll") ? DWORD{VFT_DLL} : DWORD{VFT_APP});
    EXPECT_EQ(info.text("ProductName"), "Tamble");
    EXPECT_EQ(info.text("ProductVersion"), TAMBLE_VERSION_TEXT);
    EXPECT_EQ(info.text("FileVersion"), TAMBLE_VERSION_QUAD_TEXT);
    EXPECT_EQ(info.text("CompanyName"), "Tamble developers");
    EXPECT_EQ(info.text("OriginalFilename"), name);
    // The description is Japanese: it reads back in code page 932, led by
    // the product's name.
    EXPECT_EQ(info.text("FileDescription").rfind("Tamble ", 0), 0u) << info.text("FileDescription");
    EXPECT_NE(info.text("LegalCopyright").find("Tamble developers"), std::string::npos);
  }
}

} // namespace
