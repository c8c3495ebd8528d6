#pragma once
// The messages the shell shows, in Unicode so that the Japanese reads correctly whatever the
// system's code page.

inline constexpr wchar_t kApplicationTitle[] = L"Korvane (ScreenSaver)";

// "Korvane.dll が同じﾌｫﾙﾀﾞに見つかりません！"
inline constexpr wchar_t kMissingRendererText[] =
    L"Korvane.dll \u304C\u540C\u3058\uFF8C\uFF6B\uFF99\uFF80\uFF9E\u306B\u898B\u3064\u304B\u308A"
    L"\u307E\u305B\u3093\uFF01";

// Each followed by a line break and the settings file's path.
// "設定を保存できませんでした。次のﾌｧｲﾙに書き込めません："
inline constexpr wchar_t kSettingsNotSavedText[] =
    L"\u8A2D\u5B9A\u3092\u4FDD\u5B58\u3067\u304D\u307E\u305B\u3093\u3067\u3057\u305F\u3002"
    L"\u6B21\u306E\uFF8C\uFF67\uFF72\uFF99\u306B\u66F8\u304D\u8FBC\u3081\u307E\u305B\u3093\uFF1A";
// "設定の一部しか保存できませんでした。次のﾌｧｲﾙに書き込めません："
inline constexpr wchar_t kSettingsPartlySavedText[] =
    L"\u8A2D\u5B9A\u306E\u4E00\u90E8\u3057\u304B\u4FDD\u5B58\u3067\u304D\u307E\u305B\u3093\u3067"
    L"\u3057\u305F\u3002\u6B21\u306E\uFF8C\uFF67\uFF72\uFF99\u306B\u66F8\u304D\u8FBC\u3081\u307E"
    L"\u305B\u3093\uFF1A";

// Followed by a line break and the chosen file's path: a name the settings file could not
// hold, so the choice made before stays.
// "次のﾌｧｲﾙは、名前にこのｼｽﾃﾑで保存できない文字があるため選べません。前に選んだﾌｧｲﾙのままです："
inline constexpr wchar_t kMusicFileNotKeptText[] =
    L"\u6B21\u306E\uFF8C\uFF67\uFF72\uFF99\u306F\u3001\u540D\u524D\u306B\u3053\u306E\uFF7C\uFF7D"
    L"\uFF83\uFF91\u3067\u4FDD\u5B58\u3067\u304D\u306A\u3044\u6587\u5B57\u304C\u3042\u308B\u305F"
    L"\u3081\u9078\u3079\u307E\u305B\u3093\u3002\u524D\u306B\u9078\u3093\u3060\uFF8C\uFF67\uFF72"
    L"\uFF99\u306E\u307E\u307E\u3067\u3059\uFF1A";
// The same for a name longer than the settings file reads back.
// "次のﾌｧｲﾙは、ﾌｫﾙﾀﾞを含めた名前が長すぎて保存できないため選べません。前に選んだﾌｧｲﾙのままです："
inline constexpr wchar_t kMusicFileNameTooLongText[] =
    L"\u6B21\u306E\uFF8C\uFF67\uFF72\uFF99\u306F\u3001\uFF8C\uFF6B\uFF99\uFF80\uFF9E\u3092"
    L"\u542B\u3081\u305F\u540D\u524D\u304C\u9577\u3059\u304E\u3066\u4FDD\u5B58\u3067\u304D"
    L"\u306A\u3044\u305F\u3081\u9078\u3079\u307E\u305B\u3093\u3002\u524D\u306B\u9078\u3093"
    L"\u3060\uFF8C\uFF67\uFF72\uFF99\u306E\u307E\u307E\u3067\u3059\uFF1A";
