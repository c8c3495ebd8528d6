#include "property_text.h"

#include <cstdio>
#include <optional>

namespace toolkit::user_control {

namespace {

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (unsigned char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
          out += escaped;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
}

std::string DecimalPoints(std::int64_t tenThousandths) {
  std::string sign = tenThousandths < 0 ? "-" : "";
  std::uint64_t magnitude = tenThousandths < 0 ? 0 - static_cast<std::uint64_t>(tenThousandths)
                                               : static_cast<std::uint64_t>(tenThousandths);
  std::string text = sign + std::to_string(magnitude / 10000);
  std::uint64_t fraction = magnitude % 10000;
  if (fraction != 0) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04u", static_cast<unsigned>(fraction));
    std::string trimmed(digits);
    while (trimmed.back() == '0') trimmed.pop_back();
    text += "." + trimmed;
  }
  return text;
}

struct ValueFormatter {
  std::string& out;
  void operator()(bool v) const { out += v ? "bool True" : "bool False"; }
  void operator()(std::uint8_t v) const { out += "u8 " + std::to_string(v); }
  void operator()(std::int16_t v) const { out += "i16 " + std::to_string(v); }
  void operator()(std::int32_t v) const { out += "i32 " + std::to_string(v); }
  void operator()(const std::string& v) const {
    out += "str ";
    AppendQuoted(out, v);
  }
  void operator()(const FontDescription& f) const {
    out += "font ";
    AppendQuoted(out, f.face);
    out += " " + DecimalPoints(f.sizeTenThousandths) + " " + std::to_string(f.weight) + " " +
           (f.italic ? "1" : "0") + " " + (f.underline ? "1" : "0") + " " +
           (f.strikethrough ? "1" : "0") + " " + std::to_string(f.charset);
  }
};

// Reads one line's pieces from left to right; every reader fails rather than guess.
class LineReader {
 public:
  explicit LineReader(std::string_view line) : line_(line) {}

  void SkipBlanks() {
    while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t')) ++pos_;
  }
  bool AtEnd() {
    SkipBlanks();
    return pos_ >= line_.size();
  }
  std::string_view Word() {
    SkipBlanks();
    std::size_t start = pos_;
    while (pos_ < line_.size() && line_[pos_] != ' ' && line_[pos_] != '\t') ++pos_;
    return line_.substr(start, pos_ - start);
  }
  std::optional<std::int64_t> Integer() {
    std::string_view word = Word();
    if (word.empty() || word.size() > 18) return std::nullopt;
    bool negative = word[0] == '-';
    std::size_t i = negative ? 1 : 0;
    if (i == word.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; i < word.size(); ++i) {
      if (word[i] < '0' || word[i] > '9') return std::nullopt;
      value = value * 10 + (word[i] - '0');
    }
    return negative ? -value : value;
  }
  // A decimal number in ten-thousandths; digits past the fourth decimal are cut off.
  std::optional<std::int64_t> Decimal() {
    std::string_view word = Word();
    std::size_t dot = word.find('.');
    std::string_view whole = word.substr(0, dot);
    std::string_view fraction = dot == std::string_view::npos ? "" : word.substr(dot + 1);
    if (whole.empty() || whole.size() > 12) return std::nullopt;
    std::int64_t result = 0;
    for (char c : whole) {
      if (c < '0' || c > '9') return std::nullopt;
      result = result * 10 + (c - '0');
    }
    result *= 10000;
    std::int64_t place = 1000;
    for (char c : fraction) {
      if (c < '0' || c > '9') return std::nullopt;
      result += (c - '0') * place;
      place /= 10;
    }
    return result;
  }
  std::optional<std::string> Quoted() {
    SkipBlanks();
    if (pos_ >= line_.size() || line_[pos_] != '"') return std::nullopt;
    ++pos_;
    std::string text;
    while (pos_ < line_.size()) {
      char c = line_[pos_++];
      if (c == '"') return text;
      if (c != '\\') {
        text += c;
        continue;
      }
      if (pos_ >= line_.size()) return std::nullopt;
      char code = line_[pos_++];
      switch (code) {
        case '"': text += '"'; break;
        case '\\': text += '\\'; break;
        case 'n': text += '\n'; break;
        case 'r': text += '\r'; break;
        case 't': text += '\t'; break;
        case 'x': {
          if (pos_ + 2 > line_.size()) return std::nullopt;
          int value = 0;
          for (int i = 0; i < 2; ++i) {
            char h = line_[pos_++];
            int digit = (h >= '0' && h <= '9')   ? h - '0'
                        : (h >= 'A' && h <= 'F') ? h - 'A' + 10
                        : (h >= 'a' && h <= 'f') ? h - 'a' + 10
                                                 : -1;
            if (digit < 0) return std::nullopt;
            value = value * 16 + digit;
          }
          text += static_cast<char>(value);
          break;
        }
        default: return std::nullopt;
      }
    }
    return std::nullopt;  // no closing quote
  }

 private:
  std::string_view line_;
  std::size_t pos_ = 0;
};

template <class T>
std::optional<PropertyValue> Ranged(std::optional<std::int64_t> number, std::int64_t low,
                                    std::int64_t high) {
  if (!number || *number < low || *number > high) return std::nullopt;
  return PropertyValue(static_cast<T>(*number));
}

std::optional<PropertyValue> ReadValue(LineReader& reader) {
  std::string_view type = reader.Word();
  if (type == "bool") {
    std::string_view word = reader.Word();
    if (word == "True") return PropertyValue(true);
    if (word == "False") return PropertyValue(false);
    return std::nullopt;
  }
  if (type == "u8") return Ranged<std::uint8_t>(reader.Integer(), 0, 255);
  if (type == "i16") return Ranged<std::int16_t>(reader.Integer(), -32768, 32767);
  if (type == "i32") return Ranged<std::int32_t>(reader.Integer(), INT32_MIN, INT32_MAX);
  if (type == "str") {
    auto text = reader.Quoted();
    if (!text) return std::nullopt;
    return PropertyValue(std::move(*text));
  }
  if (type == "font") {
    FontDescription font;
    auto face = reader.Quoted();
    auto size = reader.Decimal();
    auto weight = reader.Integer();
    auto italic = reader.Integer();
    auto underline = reader.Integer();
    auto strikethrough = reader.Integer();
    auto charset = reader.Integer();
    if (!face || !size || !weight || !italic || !underline || !strikethrough || !charset) {
      return std::nullopt;
    }
    if (*size <= 0 || *weight < 0 || *weight > 1000 || *charset < 0 || *charset > 255) {
      return std::nullopt;
    }
    font.face = std::move(*face);
    font.sizeTenThousandths = *size;
    font.weight = static_cast<int>(*weight);
    font.italic = *italic != 0;
    font.underline = *underline != 0;
    font.strikethrough = *strikethrough != 0;
    font.charset = static_cast<int>(*charset);
    return PropertyValue(std::move(font));
  }
  return std::nullopt;
}

}  // namespace

std::string FormatPropertyText(const PropertyBag& bag) {
  std::string out;
  for (const auto& [name, value] : bag.Entries()) {
    out += name;
    out += " = ";
    std::visit(ValueFormatter{out}, value);
    out += "\r\n";
  }
  return out;
}

PropertyBag ParsePropertyText(std::string_view text) {
  PropertyBag bag;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    std::string_view name = line.substr(0, equals);
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
    if (name.empty()) continue;

    LineReader reader(line.substr(equals + 1));
    std::optional<PropertyValue> value = ReadValue(reader);
    if (!value || !reader.AtEnd()) continue;
    bag.Set(name, std::move(*value));
  }
  return bag;
}

}  // namespace toolkit::user_control
