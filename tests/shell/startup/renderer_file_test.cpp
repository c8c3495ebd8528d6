// Whether the renderer is beside the shell, decided from the folder's real (wide) name: a
// folder the ANSI code page cannot name, on a volume without short names, still holds it.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "harness/files.h"
#include "shell/startup/renderer_file.h"
#include "tests/support/no_short_names.h"

namespace {

TEST(RendererFile, IsFoundInAFolderOfAnyNameWithOrWithoutShortNames) {
  // "é" has no code page 932 form, Japanese none in 1252.
  const wchar_t* outside = GetACP() == 932 ? L"korvane Korvan\u00E9" : L"korvane \u30B3\u30EB\u30F4\u30A1\u30CD";
  for (const wchar_t* name : {outside, L"korvane plain"}) {
    TempFolder folder(name);
    const std::wstring renderer = RendererFileIn(folder.path());
    EXPECT_EQ(Utf8(renderer), Utf8(folder.File(L"Korvane.dll")));
    for (bool shortNames : {true, false}) {
      SCOPED_TRACE(Utf8(name) + (shortNames ? ", short names" : ", no short names"));
      std::optional<NoShortNames> volume;
      if (!shortNames) volume.emplace();
      ASSERT_TRUE(CreateDirectoryW(renderer.c_str(), nullptr));
      EXPECT_FALSE(RendererPresentIn(folder.path())) << "a folder named Korvane.dll";
      RemoveDirectoryW(renderer.c_str());
      EXPECT_FALSE(RendererPresentIn(folder.path()));
      ASSERT_TRUE(WriteBytes(renderer, "MZ"));
      EXPECT_TRUE(RendererPresentIn(folder.path()));
      DeleteFileW(renderer.c_str());
    }
  }
}

}  // namespace
