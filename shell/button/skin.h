#pragma once
// The six skins of the Command button; each names its bitmap resource.
#include <cstdint>

enum class Skin : std::uint8_t { Normal, HighLight, Selected, HighLightSelect, Pressed, Disable };

inline constexpr int kSkinCount = 6;

inline const char* SkinResourceName(Skin skin) {
  constexpr const char* kNames[kSkinCount] = {"NORMAL",          "HIGHLIGHT", "SELECTED",
                                              "HIGHLIGHTSELECT", "PRESSED",   "DISABLE"};
  return kNames[static_cast<int>(skin)];
}
