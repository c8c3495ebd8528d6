#include "shell/button/command.h"

#include "shell/button/button_state_machine.h"
#include "toolkit/dpi.h"

namespace {

constexpr wchar_t kButtonClass[] = L"Korvane.Command";

// "ＭＳ Ｐゴシック"
constexpr wchar_t kDesignFontFace[] = L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";

toolkit::controls::LabelDesign DesignOfLblMsg() {
  toolkit::controls::LabelDesign design;
  design.bounds =
      toolkit::TwipsToPixelRect(0, 90, 1635, kLblMsgHeightTwips, toolkit::ScreenTwipsPerPixel());
  design.caption = kDefaultCaption;
  design.foreColour = 0;
  design.font.face = kDesignFontFace;
  design.font.points = 9.75;
  design.font.weight = 400;
  design.font.charset = SHIFTJIS_CHARSET;
  design.alignment = toolkit::controls::Alignment::Centre;
  // No automatic sizing: wider text wraps, lines below the label's height are cut off.
  design.wordWrap = true;
  return design;
}

}  // namespace

Command::Command()
    : UserControl(kButtonClass),
      LblMsg_(DesignOfLblMsg()),
      TmrMouse_(kTmrMouseInterval, false, [this] { TmrMouse_Timer(); }) {
  canvas().Add(LblMsg_);
}

void Command::Initialize() {
  InitializeState(fields_);
  TmrMouse_.SetInterval(kTmrMouseInterval);
  TmrMouse_.SetEnabled(true);
}

std::wstring Command::Caption() const { return LblMsg_.Caption(); }

void Command::Caption(const std::wstring& text) {
  LblMsg_.SetCaption(text);
  PropertyChanged("Caption");
}

toolkit::Font Command::Font() const { return LblMsg_.GetFont(); }

void Command::Font(const toolkit::Font& font) {
  LblMsg_.SetFont(font);
  PropertyChanged("Font");
}

std::int32_t Command::FontColour() {
  const auto colour = static_cast<std::int32_t>(LblMsg_.ForeColour());
  RefreshButton();
  return colour;
}

void Command::FontColour(std::int32_t colour) {
  const bool accepted = LblMsg_.SetForeColour(static_cast<COLORREF>(colour));
  RefreshButton();
  if (accepted) PropertyChanged("FontColour");
}

bool Command::Enabled() {
  if (fields_.FirstRun == 0) {
    RefreshButton();
    fields_.FirstRun = 1;
    fields_.EnabledValue = true;
  }
  bool value = fields_.EnabledValue;
  ApplyEnabled();
  return value;
}

void Command::Enabled(bool value) {
  fields_.EnabledValue = value;
  PropertyChanged("Enabled");
  ApplyEnabled();
}

bool Command::Visible() {
  if (GetBackStyle() == toolkit::controls::BackStyle::Transparent) return false;
  RefreshButton();
  return true;
}

void Command::Visible(bool value) {
  if (value) {
    SetBackStyle(toolkit::controls::BackStyle::Opaque);
    RefreshButton();
  } else {
    SetBackStyle(toolkit::controls::BackStyle::Transparent);
  }
  PropertyChanged("Visible");
}

void Command::ApplyEnabled() {
  // The window itself stays enabled: it keeps taking the focus and the mouse.
  if (fields_.EnabledValue) {
    DrawButton(Skin::Normal);
    LblMsg_.SetEnabled(true);
  } else {
    DrawButton(Skin::Disable);
    LblMsg_.SetEnabled(false);
  }
}

void Command::RefreshButton() {
  if (!fields_.EnabledValue) return;
  LblMsg_.SetEnabled(true);
  if (fields_.FirstRun == 0) LblMsg_.SetForeColour(0);
  DrawButton(Skin::Normal);
}
