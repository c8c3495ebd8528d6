// The settings dialog as a screen reader sees it, through Active Accessibility in this test's
// own process: the tree walked from AccessibleObjectFromWindow with every name, role, value
// and state, the events raised as the focus moves and a choice changes, and the default
// actions of a choice and of 設定 doing what a press does.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleacc.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "harness/files.h"
#include "harness/wait.h"
#include "shell/settings/music_settings.h"
#include "shell/settings/settings_file.h"
#include "shell/settings_dialog/korvane_p.h"

namespace {

struct Element {
  int depth;
  long role;
  std::wstring name, value;
  long states;  // of those below
};
constexpr long kStatesChecked =
    STATE_SYSTEM_CHECKED | STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_FOCUSABLE;

// A text property read through `get`, which fills a BSTR.
template <class Get>
std::wstring Text(Get get) {
  BSTR text = nullptr;
  const HRESULT result = get(&text);
  std::wstring out = SUCCEEDED(result) && text ? std::wstring(text, SysStringLen(text)) : L"";
  SysFreeString(text);
  return out;
}

// Every element under `object`, depth first in the order the object gives its children.
void Walk(IAccessible* object, VARIANT child, int depth, std::vector<Element>& out) {
  VARIANT role, state;
  object->get_accRole(child, &role);
  object->get_accState(child, &state);
  out.push_back({depth, role.lVal, Text([&](BSTR* t) { return object->get_accName(child, t); }),
                 Text([&](BSTR* t) { return object->get_accValue(child, t); }), state.lVal & kStatesChecked});
  if (child.lVal != CHILDID_SELF) return;
  long count = 0;
  object->get_accChildCount(&count);
  std::vector<VARIANT> children(static_cast<std::size_t>(count));
  long got = 0;
  AccessibleChildren(object, 0, count, children.data(), &got);
  for (long i = 0; i < got; ++i) {
    VARIANT& c = children[static_cast<std::size_t>(i)];
    if (c.vt == VT_DISPATCH) {
      IAccessible* inner = nullptr;
      c.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&inner));
      VARIANT self{};
      self.vt = VT_I4;
      self.lVal = CHILDID_SELF;
      if (inner) Walk(inner, self, depth + 1, out), inner->Release();
    } else {
      Walk(object, c, depth + 1, out);
    }
    VariantClear(&c);
  }
}

// Events raised in this process: "focus 音楽CD", "state MP3、WAV" (named by their element).
std::vector<std::string>* g_events = nullptr;
void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (!g_events || object != OBJID_CLIENT) return;
  IAccessible* accessible = nullptr;
  VARIANT id{};
  if (FAILED(AccessibleObjectFromEvent(window, object, child, &accessible, &id))) return;
  g_events->push_back((event == EVENT_OBJECT_FOCUS ? "focus " : "state ") +
                      Utf8(Text([&](BSTR* t) { return accessible->get_accName(id, t); })));
  accessible->Release();
}

TEST(SettingsDialogAccessibility, AScreenReaderReadsEveryControlAndItsDefaultActionsDoWhatAPressDoes) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  BGM_Kind = 1;
  BGM_Track = 3;
  BGM_File = "C:\\Music\\song.mp3";
  std::vector<std::string> events;
  g_events = &events;
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE, nullptr, Record,
                                       GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  auto dialog = std::make_unique<Korvane_P>();
  dialog->Show();
  IAccessible* root = nullptr;
  const LRESULT answer = SendMessageW(dialog->hwnd(), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
  const HRESULT got = AccessibleObjectFromWindow(dialog->hwnd(), static_cast<DWORD>(OBJID_CLIENT),
                                                   IID_IAccessible, reinterpret_cast<void**>(&root));
  ASSERT_TRUE(SUCCEEDED(got)) << std::hex << got << " answer " << answer;

  const std::wstring cd = L"\u97F3\u697DCD", none = L"\u306A\u3057", file = L"MP3\u3001WAV";
  const long focusable = STATE_SYSTEM_FOCUSABLE;
  const std::vector<Element> expected = {
      {0, ROLE_SYSTEM_DIALOG, L"<Korvane>", L"", 0},
      {1, ROLE_SYSTEM_GROUPING, L"BGM", L"", 0},
      {2, ROLE_SYSTEM_COMBOBOX, L"\u66F2\u76EE\u3092\uFF98\uFF8B\uFF9F\uFF70\uFF84", L"3", focusable},
      {2, ROLE_SYSTEM_RADIOBUTTON, cd, L"", STATE_SYSTEM_CHECKED | STATE_SYSTEM_FOCUSED | focusable},
      {2, ROLE_SYSTEM_RADIOBUTTON, none, L"", focusable},
      {2, ROLE_SYSTEM_RADIOBUTTON, file, L"", focusable},
      {2, ROLE_SYSTEM_PUSHBUTTON, L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F", L"", STATE_SYSTEM_UNAVAILABLE | focusable},
      {2, ROLE_SYSTEM_STATICTEXT, L"C:\\Music\\song.mp3", L"", 0},
      {1, ROLE_SYSTEM_STATICTEXT, L"Designed by Orlem Ver.1.0.0", L"", 0},
      {1, ROLE_SYSTEM_PUSHBUTTON, L"\u8A2D\u5B9A", L"", focusable},
      {1, ROLE_SYSTEM_PUSHBUTTON, L"\uFF77\uFF6C\uFF9D\uFF7E\uFF99", L"", focusable},
      {1, ROLE_SYSTEM_LINK, KORVANE_HOME_PAGE_W, KORVANE_HOME_PAGE_W, focusable},
  };
  std::vector<Element> tree;
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  Walk(root, self, 0, tree);
  std::string seen;
  for (const Element& e : tree) seen += std::string(e.depth, ' ') + std::to_string(e.role) + " " + Utf8(e.name) + "\n";
  ASSERT_EQ(tree.size(), expected.size()) << seen;
  for (std::size_t i = 0; i < tree.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "element " << i << ": " << Utf8(expected[i].name));
    EXPECT_EQ(tree[i].depth, expected[i].depth);
    EXPECT_EQ(tree[i].role, expected[i].role);
    EXPECT_EQ(Utf8(tree[i].name), Utf8(expected[i].name));
    EXPECT_EQ(Utf8(tree[i].value), Utf8(expected[i].value));
    EXPECT_EQ(tree[i].states, expected[i].states);
  }
  EXPECT_TRUE(WaitUntil([&] { return std::count(events.begin(), events.end(), "focus " + Utf8(cd)) == 1; }, 5000))
      << "the focus opens on the chosen choice; events: " << ::testing::PrintToString(events);

  // Each child's default action, as a screen reader calls it on the group and the dialog.
  auto child = [&](IAccessible* parent, long number) {
    VARIANT id{};
    id.vt = VT_I4;
    id.lVal = number;
    IDispatch* object = nullptr;
    IAccessible* accessible = nullptr;
    if (parent->get_accChild(id, &object) == S_OK && object) {
      object->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&accessible));
      object->Release();
    }
    return accessible;
  };
  IAccessible* group = child(root, 1);
  ASSERT_NE(group, nullptr);
  IAccessible* fileChoice = child(group, 4);
  ASSERT_NE(fileChoice, nullptr);
  events.clear();
  EXPECT_EQ(fileChoice->accDoDefaultAction(self), S_OK);
  EXPECT_TRUE(WaitUntil([&] { return BGM_Kind == kMusicFile; }, 5000)) << "the choice did not choose";
  EXPECT_TRUE(WaitUntil([&] { return events.size() >= 4; }, 5000));
  EXPECT_EQ(events, (std::vector<std::string>{"state " + Utf8(cd), "focus " + Utf8(file), "state " + Utf8(file),
                                              "state \uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F"}))
      << "the old choice, the focus coming along to the new one, the file button now available";
  fileChoice->Release();
  group->Release();

  const std::wstring ini = TestProgramFolder() + L"\\Korvane.ini";
  DeleteFileW(ini.c_str());
  IAccessible* settei = child(root, 3);
  ASSERT_NE(settei, nullptr);
  EXPECT_EQ(settei->accDoDefaultAction(self), S_OK);
  EXPECT_TRUE(WaitUntil([&] { return !dialog->hwnd(); }, 5000)) << "設定 did not close the dialog";
  EXPECT_NE(ReadBytes(ini).find("=2\r\n"), std::string::npos) << "設定 did not save the file kind";
  DeleteFileW(ini.c_str());
  BSTR name = nullptr;
  EXPECT_EQ(settei->get_accName(self, &name), RPC_E_DISCONNECTED) << "held past its window";
  EXPECT_EQ(root->get_accName(self, &name), RPC_E_DISCONNECTED);
  settei->Release();
  root->Release();
  UnhookWinEvent(hook);
  g_events = nullptr;
  CoUninitialize();
}

}  // namespace
