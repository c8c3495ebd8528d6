#pragma once
// The settings dialog's design: every control's place in twips on its container, its
// caption, font and colours, and the values stored with the dialog for its three buttons.
#include <windows.h>

#include <string>

#include "toolkit/controls/property_bag.h"
#include "toolkit/font.h"
#include "toolkit/twips_box.h"

namespace design {

using toolkit::TwipsBox;

inline constexpr wchar_t kCaption[] = L"<Korvane>";
inline constexpr double kClientWidth = 7440;
inline constexpr double kClientHeight = 3645;
inline constexpr COLORREF kFormBackground = RGB(128, 128, 128);
inline constexpr COLORREF kPanelBackground = RGB(224, 224, 224);
inline constexpr COLORREF kFormText = RGB(255, 255, 255);
inline constexpr COLORREF kPanelText = RGB(0, 0, 0);

// On the form.
inline constexpr TwipsBox kPic_C{180, 240, 7035, 2475};
inline constexpr TwipsBox kCmd_Set{4860, 3000, 1155, 375};
inline constexpr TwipsBox kCmd_Can{6060, 3000, 1155, 375};
inline constexpr TwipsBox kLbl7{180, 2880, 2475, 195};
inline constexpr TwipsBox kLbl_URL{180, 3120, 3105, 195};

// Inside Pic_C.
inline constexpr TwipsBox kShape3{300, 300, 1695, 315};
inline constexpr TwipsBox kLbl15{300, 360, 1665, 195};
inline constexpr TwipsBox kImg_BGM[3] = {{420, 1140, 195, 195}, {420, 840, 195, 195},
                                         {420, 1440, 195, 195}};
inline constexpr TwipsBox kLbl_BGM[3] = {{660, 1140, 330, 195}, {660, 840, 645, 195},
                                         {660, 1440, 900, 195}};
// The music kinds in the order their marks are shown, top to bottom: 音楽CD, なし, MP3、WAV.
inline constexpr int kKindsShown[3] = {1, 0, 2};
inline constexpr TwipsBox kBGM_Repeat{1680, 780, 615, 300};
inline constexpr TwipsBox kLbl14{2340, 840, 990, 195};
inline constexpr TwipsBox kCmd_File{420, 1740, 615, 315};
inline constexpr TwipsBox kLbl_Fname{1080, 1740, 5595, 495};

inline constexpr wchar_t kLbl7Caption[] = L"Designed by Orlem Ver.1.0.0";
inline constexpr wchar_t kLbl15Caption[] = L"BGM";
// "なし", "音楽CD", "MP3、WAV", by music kind.
inline constexpr const wchar_t* kLbl_BGMCaption[3] = {L"\u306A\u3057", L"\u97F3\u697DCD",
                                                      L"MP3\u3001WAV"};
inline constexpr wchar_t kLbl14Caption[] = L"\u66F2\u76EE\u3092\uFF98\uFF8B\uFF9F\uFF70\uFF84";  // 曲目をﾘﾋﾟｰﾄ

// The highest entry of the track box's list, after the empty one for the whole disc.
inline constexpr int kLastListedTrack = 30;

// "ＭＳ Ｐゴシック" 9.75 pt, Japanese character set: the font of the labels and the buttons.
toolkit::Font DialogFont();
// Tahoma 8.25 pt: the panel's font, which the track box takes.
toolkit::Font PanelFont();

// The values stored with the dialog for its buttons.
toolkit::controls::PropertyBag Cmd_SetStored();
toolkit::controls::PropertyBag Cmd_CanStored();
toolkit::controls::PropertyBag Cmd_FileStored();

}  // namespace design
