#include "shell/button/command.h"

#include "shell/button/button_state_machine.h"

namespace {

constexpr char kButtonClass[] = "Korvane.Command";

// "ＭＳ Ｐゴシック" in code page 932.
constexpr char kDesignFontFace[] = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";

toolkit::user_control::LabelDesign DesignOfLblMsg() {
  toolkit::user_control::LabelDesign design;
  design.caption = kDefaultCaption;
  design.foreColour = 0;
  design.font.face = kDesignFontFace;
  design.font.sizeTenThousandths = 97500;  // 9.75 pt
  design.font.weight = 400;
  design.font.charset = 128;  // SHIFTJIS_CHARSET
  design.left = 0;
  design.top = 90;
  design.width = 1635;
  design.height = 195;
  design.alignment = toolkit::user_control::TextAlignment::Centre;
  return design;
}

}  // namespace

Command::Command()
    : UserControl(kButtonClass), LblMsg_(*this, DesignOfLblMsg()), TmrMouse_(kTmrMouseId) {
  TmrMouse_.SetInterval(kTmrMouseInterval);
}

void Command::Initialize() {
  InitializeState(fields_);
  TmrMouse_.SetInterval(kTmrMouseInterval);
  TmrMouse_.SetEnabled(true);
}

std::string Command::Caption() const { return LblMsg_.Caption(); }

void Command::Caption(const std::string& text) {
  LblMsg_.SetCaption(text);
  PropertyChanged("Caption");
}

toolkit::user_control::FontDescription Command::Font() const { return LblMsg_.Font(); }

void Command::Font(const toolkit::user_control::FontDescription& font) {
  LblMsg_.SetFont(font);
  PropertyChanged("Font");
}

std::int32_t Command::FontColour() {
  std::int32_t colour = LblMsg_.ForeColour();
  RefreshButton();
  return colour;
}

void Command::FontColour(std::int32_t colour) {
  bool accepted = LblMsg_.SetForeColour(colour);
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
  if (GetBackStyle() == toolkit::user_control::BackStyle::Transparent) return false;
  RefreshButton();
  return true;
}

void Command::Visible(bool value) {
  if (value) {
    SetBackStyle(toolkit::user_control::BackStyle::Opaque);
    RefreshButton();
  } else {
    SetBackStyle(toolkit::user_control::BackStyle::Transparent);
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
