#include "toolkit/controls/property_bag.h"

#include <algorithm>
#include <limits>
#include <type_traits>

namespace toolkit::controls {

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// A Boolean stored as a number reads back as the platform's truth values, -1 and 0.
std::int64_t AsNumber(bool value) { return value ? -1 : 0; }

template <class T>
bool NumberInto(std::int64_t number, T& out) {
  if constexpr (std::is_same_v<T, bool>) {
    out = number != 0;
    return true;
  } else {
    if (number < std::numeric_limits<T>::min() || number > std::numeric_limits<T>::max()) {
      return false;
    }
    out = static_cast<T>(number);
    return true;
  }
}

bool SamePropertyName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return FoldAscii(x) == FoldAscii(y);
         });
}

}  // namespace

template <class T>
bool ConvertPropertyValue(const PropertyValue& stored, T& out) {
  if (const T* exact = std::get_if<T>(&stored)) {
    out = *exact;
    return true;
  }
  if constexpr (std::is_integral_v<T>) {
    return std::visit(
        [&out](const auto& value) -> bool {
          using V = std::decay_t<decltype(value)>;
          if constexpr (std::is_same_v<V, bool>) {
            return NumberInto(AsNumber(value), out);
          } else if constexpr (std::is_integral_v<V>) {
            return NumberInto(static_cast<std::int64_t>(value), out);
          } else {
            return false;
          }
        },
        stored);
  }
  return false;
}

template bool ConvertPropertyValue(const PropertyValue&, bool&);
template bool ConvertPropertyValue(const PropertyValue&, std::uint8_t&);
template bool ConvertPropertyValue(const PropertyValue&, std::int16_t&);
template bool ConvertPropertyValue(const PropertyValue&, std::int32_t&);
template bool ConvertPropertyValue(const PropertyValue&, std::wstring&);
template bool ConvertPropertyValue(const PropertyValue&, Font&);

void PropertyBag::Set(std::string_view name, PropertyValue value) {
  for (Entry& entry : entries_) {
    if (SamePropertyName(entry.first, name)) {
      entry.second = std::move(value);
      return;
    }
  }
  entries_.emplace_back(std::string(name), std::move(value));
}

const PropertyValue* PropertyBag::Find(std::string_view name) const {
  for (const Entry& entry : entries_) {
    if (SamePropertyName(entry.first, name)) return &entry.second;
  }
  return nullptr;
}

bool PropertyBag::Remove(std::string_view name) {
  auto found = std::find_if(entries_.begin(), entries_.end(), [name](const Entry& entry) {
    return SamePropertyName(entry.first, name);
  });
  if (found == entries_.end()) return false;
  entries_.erase(found);
  return true;
}

}  // namespace toolkit::controls
