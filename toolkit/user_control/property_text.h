#pragma once
// The text form of a property bag, one value a line, as a host keeps it with its form:
//
//   Caption = str "設定"
//   Enabled = bool False
//   FirstRun = u8 0
//   Visible = i16 0
//   _extentx = i32 2037
//   Font = font "ＭＳ Ｐゴシック" 9.75 400 0 0 0 128   (face, points, weight, italic,
//                                                      underline, strikethrough, charset)
//
// Text is kept byte for byte (ANSI code page); quotes, backslashes and control bytes are
// escaped. Lines that cannot be read are skipped; a later line replaces an earlier one of
// the same name.
#include <string>
#include <string_view>

#include "property_bag.h"

namespace toolkit::user_control {

std::string FormatPropertyText(const PropertyBag& bag);
PropertyBag ParsePropertyText(std::string_view text);

}  // namespace toolkit::user_control
