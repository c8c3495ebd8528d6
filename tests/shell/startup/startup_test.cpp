// Every row of the modes table and every start-up edge case, as the sequence of steps that
// start-up takes, with the world replaced by a recorder.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "shell/startup/startup.h"

namespace {

struct Ended {};

class RecordingSteps : public StartupSteps {
 public:
  std::set<std::string> windows;
  bool renderer = true;
  std::string calls;

  bool WindowTitled(const char* title) override {
    Record(std::string("find ") + title);
    return windows.count(title) > 0;
  }
  void ShowPreview(std::int32_t parentWindow) override { Record("preview " + std::to_string(parentWindow)); }
  void LoadSettings() override { Record("settings"); }
  bool RendererPresent() override {
    Record("renderer?");
    return renderer;
  }
  void ShowMissingRendererMessage() override { Record("message"); }
  void ShowSettingsDialog() override { Record("dialog"); }
  void HideCursor() override { Record("hide cursor"); }
  void LoadSaverHost() override { Record("host"); }
  [[noreturn]] void EndProcess() override {
    Record("end");
    throw Ended{};
  }

 private:
  void Record(const std::string& call) { calls += (calls.empty() ? "" : ", ") + call; }
};

std::string StartWith(const std::wstring& argumentText, bool renderer,
                std::set<std::string> windows = {}) {
  RecordingSteps steps;
  steps.renderer = renderer;
  steps.windows = std::move(windows);
  try {
    RunStartup(argumentText, steps);
    steps.calls += ", return";
  } catch (const Ended&) {
  }
  return steps.calls;
}

const std::string kLookups = "find Korvane_Main, find <Korvane>, ";
const std::string kSaver = kLookups + "settings, renderer?, hide cursor, host, return";
const std::string kSaverCursorKept = kLookups + "settings, renderer?, host, return";
const std::string kDialog = kLookups + "settings, renderer?, dialog, end";
const std::string kOther = kLookups + "settings, renderer?, end";
const std::string kMissingRenderer = kLookups + "settings, renderer?, message, end";
const std::string kBlocked = "find Korvane_Main, find <Korvane>, end";

struct Row {
  int row;
  const wchar_t* argumentText;
  bool renderer;
  std::string expected;
};

TEST(Startup, RunsEachRowOfTheModesTableInOrder) {
  const Row rows[] = {
      {0, L"/s", true, kSaver},
      {1, L"/S", true, kSaver},
      {2, L"-s", true, kSaver},
      {3, L"xs", true, kSaver},
      {4, L"", true, kSaverCursorKept},  // no argument: the saver, cursor left visible
      {5, L"/p 1234", true, kLookups + "preview 1234, return"},
      {6, L"/p1234", true, kLookups + "preview 234, return"},
      {7, L"/p abc", true, kLookups + "preview 0, return"},
      {8, L"/p 99999999999", true, kLookups + "preview 0, return"},
      {9, L"/p", true, kLookups + "preview 0, return"},
      {10, L"/c", true, kDialog},
      {11, L"/c:123", true, kDialog},
      {12, L"/C", true, kDialog},
      {13, L"/a 99", true, kOther},
      {14, L"s", true, kOther},  // one character: no letter, but not empty either
      {15, L"/x", true, kOther},
      {16, L"/\uFF53", true, kOther},
      {17, L"/s extra words", true, kSaver},
  };
  for (const Row& r : rows) EXPECT_EQ(StartWith(r.argumentText, r.renderer), r.expected) << "row " << r.row;
}

TEST(Startup, AMissingRendererStopsEverythingButThePreview) {
  const Row rows[] = {
      {0, L"/s", false, kMissingRenderer},   {1, L"", false, kMissingRenderer},
      {2, L"/c", false, kMissingRenderer},   {3, L"/c:99", false, kMissingRenderer},
      {4, L"/a 99", false, kMissingRenderer}, {5, L"s", false, kMissingRenderer},
      {6, L"/p 5", false, kLookups + "preview 5, return"},
  };
  for (const Row& r : rows) EXPECT_EQ(StartWith(r.argumentText, r.renderer), r.expected) << "row " << r.row;
}

TEST(Startup, ARunningSaverOrOpenDialogEndsEveryStartAtOnceAfterBothLookUps) {
  for (const char* title : {"Korvane_Main", "<Korvane>"}) {
    for (const wchar_t* text : {L"/s", L"", L"/p 1234", L"/c", L"/a 1"}) {
      EXPECT_EQ(StartWith(text, false, {title}), kBlocked) << title;
    }
  }
  EXPECT_EQ(StartWith(L"/s", true, {"Korvane_Main", "<Korvane>"}), kBlocked);
}

TEST(Startup, APreviewOrARendererStillRunningDoesNotBlockANewStart) {
  EXPECT_EQ(StartWith(L"/s", true, {"Preview Window"}), kSaver);
  EXPECT_EQ(StartWith(L"/s", true, {"Korvane_VC"}), kSaver);
  EXPECT_EQ(StartWith(L"/s", false, {"Preview Window", "Korvane_VC"}), kMissingRenderer);
}

}  // namespace
