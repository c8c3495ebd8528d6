// The saver's cursor hide is undone exactly, whatever the display count was before it.
#include <gtest/gtest.h>
#include <windows.h>

#include "shell/saver_host/saver_cursor.h"
#include "shell/startup/startup_state.h"

namespace {

int DisplayCount() {
  int count = ShowCursor(TRUE) - 1;
  ShowCursor(FALSE);
  return count;
}

TEST(SaverCursor, ComesBackToTheCountItHadBeforeTheSaver) {
  for (int before : {0, 1, 2, -1, -3}) {
    while (DisplayCount() < before) ShowCursor(TRUE);
    while (DisplayCount() > before) ShowCursor(FALSE);
    ASSERT_EQ(DisplayCount(), before);
    HideCursorForSaver();
    EXPECT_EQ(CursorCount, before - 1);
    EXPECT_EQ(DisplayCount(), before - 1);
    GiveCursorBack();
    EXPECT_EQ(DisplayCount(), before) << "count before the saver: " << before;
  }
  while (DisplayCount() < 0) ShowCursor(TRUE);
  while (DisplayCount() > 0) ShowCursor(FALSE);
}

}  // namespace
