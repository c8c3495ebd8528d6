#include "shell/settings_dialog/dialog_design.h"

#include <cstdint>
#include <string>

namespace design {
namespace {

// Japanese character set (SHIFTJIS_CHARSET).
constexpr BYTE kJapaneseCharset = 128;
constexpr double kLabelPoints = 9.75;
// "ＭＳ Ｐゴシック", in Unicode for the labels and in code page 932 for the buttons' store.
constexpr wchar_t kLabelFace[] = L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";
constexpr char kButtonFace[] = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";

toolkit::user_control::PropertyBag Stored(const char* caption) {
  toolkit::user_control::PropertyBag bag;
  bag.Set("caption", std::string(caption));
  bag.Set("font", ButtonFont());
  return bag;
}

}  // namespace

toolkit::controls::FontSpec LabelFont() {
  toolkit::controls::FontSpec font;
  font.face = kLabelFace;
  font.points = kLabelPoints;
  font.weight = FW_NORMAL;
  font.charset = kJapaneseCharset;
  return font;
}

toolkit::controls::FontSpec PanelFont() {
  toolkit::controls::FontSpec font;
  font.face = L"Tahoma";
  font.points = 8.25;
  return font;
}

toolkit::user_control::FontDescription ButtonFont() {
  toolkit::user_control::FontDescription font;
  font.face = kButtonFace;
  font.sizeTenThousandths = toolkit::user_control::PointsToTenThousandths(kLabelPoints);
  font.weight = FW_NORMAL;
  font.charset = kJapaneseCharset;
  return font;
}

toolkit::user_control::PropertyBag Cmd_SetStored() { return Stored("\x90\xDD\x92\xE8"); }  // 設定

toolkit::user_control::PropertyBag Cmd_CanStored() {
  return Stored("\xB7\xAC\xDD\xBE\xD9");  // ｷｬﾝｾﾙ
}

toolkit::user_control::PropertyBag Cmd_FileStored() { return Stored("..."); }

}  // namespace design
