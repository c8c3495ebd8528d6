#pragma once
// Folders and files that a test makes, fills, reads back byte for byte and removes.
#include <string>
#include <vector>

// A fresh folder under the Wine user's temp folder, removed with everything in it at the end.
// `name` (may hold blanks and any characters) becomes part of the folder's name.
class TempFolder {
 public:
  explicit TempFolder(const std::wstring& name = L"korvane-test");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }
  // A copy of one of this folder's files as `folder`\`name`, the folder made for it; the
  // copy's path (its name tells a failed copy in the test's message).
  std::wstring CopyInFolder(const std::wstring& file, const std::wstring& folder,
                            const std::wstring& name) const;

 private:
  std::wstring path_;
};

bool WriteBytes(const std::wstring& file, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::wstring& file);
bool CopyInto(const std::wstring& source, const std::wstring& target);
// Names of the files and folders in `folder`, sorted, without "." and "..".
std::vector<std::wstring> FolderEntries(const std::wstring& folder);
// Removes a folder and everything in it.
void RemoveTree(const std::wstring& folder);
// The bytes as "42 47 4D ..." for failure messages.
std::string Hex(const std::string& bytes);
// UTF-8, to compare and print wide text in failure messages.
std::string Utf8(const std::wstring& text);
// The folder that holds the running test program (and the helper programs built with it).
std::wstring TestProgramFolder();
