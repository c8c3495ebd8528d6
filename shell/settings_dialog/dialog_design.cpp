#include "shell/settings_dialog/dialog_design.h"

#include <string>

namespace design {
namespace {

toolkit::controls::PropertyBag Stored(const wchar_t* caption) {
  toolkit::controls::PropertyBag bag;
  bag.Set("caption", std::wstring(caption));
  bag.Set("font", DialogFont());
  return bag;
}

}  // namespace

toolkit::Font DialogFont() {
  toolkit::Font font;
  font.face = L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";  // ＭＳ Ｐゴシック
  font.points = 9.75;
  font.weight = FW_NORMAL;
  font.charset = SHIFTJIS_CHARSET;
  return font;
}

toolkit::Font PanelFont() {
  toolkit::Font font;
  font.face = L"Tahoma";
  font.points = 8.25;
  return font;
}

toolkit::controls::PropertyBag Cmd_SetStored() { return Stored(L"\u8A2D\u5B9A"); }  // 設定

toolkit::controls::PropertyBag Cmd_CanStored() {
  return Stored(L"\uFF77\uFF6C\uFF9D\uFF7E\uFF99");  // ｷｬﾝｾﾙ
}

toolkit::controls::PropertyBag Cmd_FileStored() { return Stored(L"..."); }

}  // namespace design
