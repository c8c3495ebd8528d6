#include "shell/button/command.h"

#include "shell/button/button_state_machine.h"
#include "shell/button/face_layout.h"
#include "toolkit/event.h"

namespace {

constexpr wchar_t kButtonClass[] = L"Korvane.Command";

// "ＭＳ Ｐゴシック"
constexpr wchar_t kDesignFontFace[] = L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";

constexpr char kEnabledName[] = "Enabled";
constexpr char kCaptionName[] = "Caption";
constexpr char kFirstRunName[] = "FirstRun";
constexpr char kFontName[] = "Font";
constexpr char kFontColourName[] = "FontColour";
constexpr char kVisibleName[] = "Visible";

toolkit::controls::LabelDesign DesignOfLblMsg() {
  toolkit::controls::LabelDesign design;
  design.bounds = toolkit::TwipsBox{0, 90, 1635, kLblMsgHeightTwips};
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

void SetVertexColour(TRIVERTEX& vertex, toolkit::Rgb colour) {
  vertex.Red = static_cast<COLOR16>(colour.red << 8);
  vertex.Green = static_cast<COLOR16>(colour.green << 8);
  vertex.Blue = static_cast<COLOR16>(colour.blue << 8);
  vertex.Alpha = 0;
}

}  // namespace

Command::Command() : UserControl(kButtonClass), TmrMouse_(kTmrMouseInterval) {
  LblMsg_.Create(*this, DesignOfLblMsg());
  TmrMouse_.Tick = [this] { TmrMouse_Timer(); };
}

void Command::Initialize() {
  InitializeState(fields_);
  TmrMouse_.SetInterval(kTmrMouseInterval);
  TmrMouse_.SetEnabled(true);
}

// Properties.

std::wstring Command::Caption() const { return LblMsg_.Caption(); }

void Command::Caption(const std::wstring& text) { LblMsg_.SetCaption(text); }

toolkit::Font Command::Font() const { return LblMsg_.Font(); }

void Command::Font(const toolkit::Font& font) { LblMsg_.SetFont(font); }

std::int32_t Command::FontColour() {
  const auto colour = static_cast<std::int32_t>(LblMsg_.ForeColour());
  RefreshButton();
  return colour;
}

void Command::FontColour(std::int32_t colour) {
  LblMsg_.SetForeColour(static_cast<COLORREF>(colour));
  RefreshButton();
}

bool Command::Enabled() {
  if (fields_.FirstRun == 0) {
    RefreshButton();
    fields_.FirstRun = 1;
    fields_.EnabledValue = true;
  }
  const bool value = fields_.EnabledValue;
  ApplyEnabled();
  return value;
}

void Command::Enabled(bool value) {
  const bool changed = value != fields_.EnabledValue;
  fields_.EnabledValue = value;
  ApplyEnabled();
  if (changed) Announce(EVENT_OBJECT_STATECHANGE);
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
}

void Command::OnWriteProperties(toolkit::controls::PropertyBag& bag) {
  bag.WriteProperty<bool>(kEnabledName, fields_.EnabledValue, true);
  bag.WriteProperty<std::wstring>(kCaptionName, LblMsg_.Caption(), kDefaultCaption);
  bag.WriteProperty<std::uint8_t>(kFirstRunName, fields_.FirstRun, 1);
  bag.WriteProperty<toolkit::Font>(kFontName, LblMsg_.Font(), AmbientFont());
  bag.WriteProperty<std::int32_t>(kFontColourName, static_cast<std::int32_t>(LblMsg_.ForeColour()), 0);
  bag.WriteProperty<std::int16_t>(kVisibleName, static_cast<std::int16_t>(GetBackStyle()), 1);
  RefreshButton();
}

void Command::OnReadProperties(const toolkit::controls::PropertyBag& bag) {
  fields_.EnabledValue = bag.ReadProperty<bool>(kEnabledName, true);
  LblMsg_.SetCaption(bag.ReadProperty<std::wstring>(kCaptionName, kDefaultCaption));
  LblMsg_.SetFont(bag.ReadProperty<toolkit::Font>(kFontName, AmbientFont()));
  fields_.FirstRun = bag.ReadProperty<std::uint8_t>(kFirstRunName, 1);
  // A colour the platform refuses leaves the caption as designed.
  LblMsg_.SetForeColour(static_cast<COLORREF>(bag.ReadProperty<std::int32_t>(kFontColourName, 0)));
  // Only the two background styles exist; any other stored number changes nothing.
  const std::int16_t style = bag.ReadProperty<std::int16_t>(kVisibleName, 1);
  if (style == 0) SetBackStyle(toolkit::controls::BackStyle::Transparent);
  if (style == 1) SetBackStyle(toolkit::controls::BackStyle::Opaque);
  RefreshButton();
}

toolkit::Accessibility Command::Describe() const {
  toolkit::Accessibility about{.name = AccessibleName().empty() ? LblMsg_.Caption() : AccessibleName(),
                               .role = ROLE_SYSTEM_PUSHBUTTON,
                               .defaultAction = toolkit::kPressAction};
  if (!fields_.EnabledValue) about.states |= STATE_SYSTEM_UNAVAILABLE;
  return about;
}

bool Command::DoDefaultAction() {
  if (!fields_.EnabledValue || !Click) return false;
  toolkit::RaiseEvent(Click);
  return true;
}

// Events.

void Command::OnMouseDown(const toolkit::MouseEvent& event) {
  Paint(ButtonPressed(fields_, event.button));
}

void Command::OnMouseMove(const toolkit::MouseEvent&) { Paint(MouseMoved(fields_)); }

void Command::OnMouseUp(const toolkit::MouseEvent& event) {
  const Reaction reaction = ButtonReleased(fields_, event.button);
  Paint(reaction);
  if (reaction.click) toolkit::RaiseEvent(Click);  // it may close the form and this button
}

void Command::OnGotFocus() { Paint(FocusGained(fields_)); }

void Command::OnLostFocus() { Paint(FocusLost(fields_)); }

void Command::OnResize(int, int) { ApplyEnabled(); }

void Command::TmrMouse_Timer() {
  // The caption has no window of its own, so over the caption is over this window too.
  POINT pointer{};
  if (!GetCursorPos(&pointer)) {
    MouseLeave();  // a pointer we cannot find is not over the button
    return;
  }
  if (WindowFromPoint(pointer) != hwnd()) MouseLeave();
}

void Command::MouseLeave() { Paint(PointerLeft(fields_)); }

void Command::Paint(const Reaction& reaction) {
  if (reaction.paint) DrawButton(*reaction.paint);
}

void Command::ApplyEnabled() {
  // The window itself stays enabled: it keeps taking the focus and the mouse.
  DrawButton(fields_.EnabledValue ? Skin::Normal : Skin::Disable);
  LblMsg_.SetEnabled(fields_.EnabledValue);
}

void Command::RefreshButton() {
  if (!fields_.EnabledValue) return;
  LblMsg_.SetEnabled(true);
  if (fields_.FirstRun == 0) LblMsg_.SetForeColour(0);
  DrawButton(Skin::Normal);
}

// The face.

void Command::DrawButton(Skin skin) {
  fields_.GradientReversed = GradientReversedAfter(fields_.ButtonState, fields_.GradientReversed);
  const double faceWidth = ScaleWidth();
  const double faceHeight = ScaleHeight();
  Cls();
  DrawGradient();
  for (const BorderPiece& piece : BorderPieces(faceWidth, faceHeight)) {
    PaintPicture(skins_[skin], piece.destination, piece.source);
  }
  Refresh();
  LblMsg_.Move(toolkit::TwipsBox{0, CaptionTop(faceHeight, kLblMsgHeightTwips), faceWidth,
                                 kLblMsgHeightTwips});
}

void Command::DrawGradient() {
  RECT pixels{};  // the face in pixels
  GetClientRect(hwnd(), &pixels);
  vertices_[0].x = 0;
  vertices_[0].y = 0;
  vertices_[1].x = pixels.right - 1;
  vertices_[1].y = pixels.bottom - 1;
  SetVertexColour(vertices_[0], fields_.GradientReversed ? kFaceShade : kFaceLight);
  SetVertexColour(vertices_[1], fields_.GradientReversed ? kFaceLight : kFaceShade);
  // The indexes are the design's: the colours follow the vertices' positions, so vertex 0
  // still gives the top row whichever index names it.
  gradientRect_.UpperLeft = 1;
  gradientRect_.LowerRight = 0;
  if (HDC dc = hDC()) {
    GradientFill(dc, vertices_.data(), static_cast<ULONG>(vertices_.size()), &gradientRect_, 1,
                 GRADIENT_FILL_RECT_V);
  }
  Refresh();
}
