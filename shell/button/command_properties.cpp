#include <cstdint>

#include "shell/button/command.h"

namespace {

constexpr char kEnabledName[] = "Enabled";
constexpr char kCaptionName[] = "Caption";
constexpr char kFirstRunName[] = "FirstRun";
constexpr char kFontName[] = "Font";
constexpr char kFontColourName[] = "FontColour";
constexpr char kVisibleName[] = "Visible";

}  // namespace

void Command::OnWriteProperties(toolkit::controls::PropertyBag& bag) {
  bag.WriteProperty<bool>(kEnabledName, fields_.EnabledValue, true);
  bag.WriteProperty<std::wstring>(kCaptionName, LblMsg_.Caption(), kDefaultCaption);
  bag.WriteProperty<std::uint8_t>(kFirstRunName, fields_.FirstRun, 1);
  bag.WriteProperty<toolkit::Font>(kFontName, LblMsg_.GetFont(), AmbientFont());
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
