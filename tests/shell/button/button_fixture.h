#pragma once
// A Command button on the shared test form, seen as the form sees it: driven with real
// messages and real timer ticks, with the pointer placed where each step needs it, and its
// face read back from what its window paints.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/button/command.h"
#include "tests/support/captured_pixels.h"
#include "toolkit/controls/user_control.h"

using toolkit::controls::PropertyBag;

// What a test does to the button, as the user or the form would.
enum class Step {
  Initialize,
  Move,      // the pointer moves over the button, no button held
  MoveHeld,  // ... with the left button held
  LeftDown,
  LeftUp,
  RightDown,
  RightUp,
  MiddleUp,
  Focus,
  Blur,
  TickOutside,  // a timer tick with the pointer over the form, away from the button
  TickOver,     // ... with the pointer over the button's face
  TickOverCaption,
  TickOverOther,  // ... with the pointer over another control of the form
  KeySpace,
  KeyEnter,
  Disable,
  Enable,
};

// "ＭＳ Ｐゴシック", 9.75 pt, character set 128: the settings dialog's font.
toolkit::Font DialogFont();
// The skin image as the program's resources hold it.
const CapturedPixels& SkinPixels(Skin skin);
// HighLightSelect holds the same picture as HighLight.
Skin Picture(Skin skin);
const char* SkinName(Skin skin);

class ButtonTest : public ::testing::Test {
 public:
  void SetUp() override;
  void TearDown() override;

  // A button read from stored form data (an empty bag gives every read default).
  Command& Load(const PropertyBag& stored, double width = 1155, double height = 375) {
    return Site(&stored, width, height);
  }
  // A new button, not loaded from stored data.
  Command& New(double width = 1155, double height = 375) { return Site(nullptr, width, height); }
  Command& Site(const PropertyBag* stored, double width, double height);

  void Apply(Step step);
  void Move(WPARAM keys = 0);
  void Send(UINT message, WPARAM keys);
  void Key(WPARAM key, char character, LPARAM scanCode);  // pressed, typed and released
  void Focus();
  void Blur();  // the focus goes to another control on the form
  // Puts the pointer there and waits until the button's 100 ms timer has ticked since.
  void TickWithPointerAt(POINT screen);
  POINT OverButton() const;
  POINT OverCaption() const;
  POINT OutsideButton() const;
  void ParkPointer() const;

  // The skin whose four corners the button's face shows; nothing if none matches.
  std::optional<Skin> SkinShown() const;
  // What the button's window paints: its face with the caption over it.
  CapturedPixels Face() const;
  // The caption drawn greyed (disabled): no black ink, some in the system's grey.
  bool CaptionGreyed() const;
  // Marks a spot of the face on the screen, below the caption: a repaint of the face clears
  // the mark, a repaint of the caption alone does not.
  void Poison();
  bool Poisoned() const;
  // What the container would store for the button now.
  PropertyBag Saved();

  std::unique_ptr<Command> button_;
  HWND sink_ = nullptr;
  int clicks_ = 0;
};
