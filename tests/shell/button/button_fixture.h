#pragma once
// A Command button on the shared test form, driven with real messages, with the pointer
// placed where each step needs it and the painted skin read back from its image.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/button/command.h"
#include "tests/support/captured_pixels.h"
#include "toolkit/controls/control_site.h"

using toolkit::controls::PropertyBag;

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

  void Move(WPARAM keys = 0);
  void Send(UINT message, WPARAM keys);
  void Focus();
  void Blur();  // the focus goes to another control on the form
  void TickWithPointerAt(POINT screen);
  POINT OverButton() const;
  POINT OverCaption() const;
  POINT OutsideButton() const;
  void ParkPointer() const;

  // The skin whose four corners the button's image shows; nothing if none matches.
  std::optional<Skin> SkinShown() const;
  CapturedPixels Face() const;
  // Marks the middle of the face: any painting of the face clears the mark.
  void Poison();
  bool Poisoned() const;

  std::unique_ptr<Command> button_;
  HWND sink_ = nullptr;
  int clicks_ = 0;
  std::vector<std::string> changed_;
};
