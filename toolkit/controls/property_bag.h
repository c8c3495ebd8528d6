#pragma once
// The named values a hosted control stores with its container's form. Names are matched
// without regard to ASCII letter case; entries keep the order in which they were written.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "toolkit/font.h"

namespace toolkit::controls {

using PropertyValue =
    std::variant<bool, std::uint8_t, std::int16_t, std::int32_t, std::wstring, Font>;

// A stored value read as another type: numbers convert when the value fits the type (a
// Boolean reads as -1 or 0 and any non-zero number reads as True); anything else does not.
template <class T>
bool ConvertPropertyValue(const PropertyValue& stored, T& out);

class PropertyBag {
 public:
  using Entry = std::pair<std::string, PropertyValue>;

  // A value equal to the default is left out, so that reading it gives the default back.
  template <class T>
  void WriteProperty(std::string_view name, const T& value, const T& defaultValue) {
    if (value == defaultValue) {
      Remove(name);
    } else {
      Set(name, PropertyValue(value));
    }
  }

  // The default when the name is absent or its value does not convert to T.
  template <class T>
  T ReadProperty(std::string_view name, const T& defaultValue) const {
    const PropertyValue* stored = Find(name);
    T value{};
    if (stored && ConvertPropertyValue(*stored, value)) return value;
    return defaultValue;
  }

  // Replaces a value stored under the name in any letter case, keeping its place.
  void Set(std::string_view name, PropertyValue value);
  const PropertyValue* Find(std::string_view name) const;
  bool Remove(std::string_view name);

 private:
  std::vector<Entry> entries_;
};

}  // namespace toolkit::controls
