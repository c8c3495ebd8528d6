#include "shell/text/path_text.h"

namespace {

// Calls `visit(position)` for the first byte of every character, in order.
template <typename Visit>
void ForEachCharacter(std::string_view path, LeadByteTest isLeadByte, Visit visit) {
  std::size_t i = 0;
  while (i < path.size()) {
    visit(i);
    const bool pair = isLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size();
    i += pair ? 2 : 1;
  }
}

}  // namespace

std::string FolderPartOf(std::string_view path, LeadByteTest isLeadByte) {
  std::size_t end = 0;  // just past the last separator
  bool backslash = false;
  ForEachCharacter(path, isLeadByte, [&](std::size_t i) {
    if (path[i] == ':' || path[i] == '\\') {
      end = i + 1;
      backslash = path[i] == '\\';
    }
  });
  return std::string(path.substr(0, backslash ? end - 1 : end));
}

std::string WithoutTrailingBackslash(std::string_view path, LeadByteTest isLeadByte) {
  std::size_t lastCharacter = std::string_view::npos;
  ForEachCharacter(path, isLeadByte, [&](std::size_t i) { lastCharacter = i; });
  const bool drop = lastCharacter != std::string_view::npos && path[lastCharacter] == '\\';
  return std::string(path.substr(0, drop ? lastCharacter : path.size()));
}
