#include "toolkit/accessible_window.h"

#include <algorithm>
#include <string>
#include <vector>

#include "toolkit/window.h"

namespace toolkit {
namespace {

// One child of the window as a screen reader sees it: a windowless control or a child window,
// and where it is on the window's client area.
struct Part {
  WindowlessControl* control = nullptr;
  HWND window = nullptr;
  RECT rect{};
};

VARIANT Empty() {
  VARIANT v;
  VariantInit(&v);
  return v;
}

VARIANT ChildId(long id) {
  VARIANT v = Empty();
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

HRESULT Text(const std::wstring& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

IAccessible* ObjectOf(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object)))) {
    return nullptr;
  }
  return object;
}

// The window's parts in reading order: top to bottom, then left to right.
std::vector<Part> PartsOf(const Window& window) {
  std::vector<Part> parts;
  if (!window.ShowsParts()) return parts;
  for (WindowlessControl* control : window.Controls().All()) {
    if (control->Describe().role != 0) parts.push_back({control, nullptr, control->Bounds()});
  }
  for (HWND child = GetWindow(window.hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, window.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    parts.push_back({nullptr, child, rect});
  }
  std::stable_sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) {
    return a.rect.top != b.rect.top ? a.rect.top < b.rect.top : a.rect.left < b.rect.left;
  });
  return parts;
}

// The part a child number names: 1 for the first part.
const Part* PartNumbered(const std::vector<Part>& parts, const VARIANT& child) {
  if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > static_cast<long>(parts.size())) return nullptr;
  return &parts[static_cast<std::size_t>(child.lVal - 1)];
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

}  // namespace

UINT DefaultActionMessage() {
  static const UINT message = RegisterWindowMessageW(L"Korvane.Toolkit.DefaultAction");
  return message;
}

void AccessibleWindow::Disconnect() {
  window_ = nullptr;
  // Screen readers in other processes are told through their proxies.
  CoDisconnectObject(this, 0);
}

HRESULT AccessibleWindow::QueryInterface(REFIID id, void** object) {
  if (!object) return E_POINTER;
  if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG AccessibleWindow::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG AccessibleWindow::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT AccessibleWindow::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT AccessibleWindow::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!window_) return RPC_E_DISCONNECTED;
  // A client area's parent is its window, as the system describes windows.
  return AccessibleObjectFromWindow(window_->hwnd(), static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                    reinterpret_cast<void**>(parent));
}

HRESULT AccessibleWindow::get_accChildCount(long* count) {
  if (!count) return E_POINTER;
  *count = 0;
  if (!window_) return RPC_E_DISCONNECTED;
  *count = static_cast<long>(PartsOf(*window_).size());
  return S_OK;
}

HRESULT AccessibleWindow::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!window_) return RPC_E_DISCONNECTED;
  const std::vector<Part> parts = PartsOf(*window_);
  const Part* part = PartNumbered(parts, child);
  if (!part) return E_INVALIDARG;
  if (!part->window) return S_FALSE;  // a simple element: its parent answers for it
  *object = ObjectOf(part->window);
  return *object ? S_OK : E_FAIL;
}

template <class AboutSelf, class AboutControl, class AboutWindow>
HRESULT AccessibleWindow::Answer(const VARIANT& child, AboutSelf self, AboutControl control,
                                 AboutWindow window) const {
  if (!window_) return RPC_E_DISCONNECTED;
  if (IsSelf(child)) return self(window_->Describe());
  const std::vector<Part> parts = PartsOf(*window_);
  const Part* part = PartNumbered(parts, child);
  if (!part) return E_INVALIDARG;
  if (part->control) return control(*part, part->control->Describe());
  IAccessible* object = ObjectOf(part->window);
  if (!object) return E_FAIL;
  const HRESULT result = window(*object);
  object->Release();
  return result;
}

HRESULT AccessibleWindow::TextOf(const VARIANT& child, BSTR* out, std::wstring Accessibility::*field,
                                 HRESULT (STDMETHODCALLTYPE IAccessible::*ask)(VARIANT, BSTR*)) const {
  if (out) *out = nullptr;
  return Answer(
      child, [&](const Accessibility& about) { return Text(about.*field, out); },
      [&](const Part&, const Accessibility& about) { return Text(about.*field, out); },
      [&](IAccessible& object) { return (object.*ask)(ChildId(CHILDID_SELF), out); });
}

HRESULT AccessibleWindow::get_accName(VARIANT child, BSTR* name) {
  return TextOf(child, name, &Accessibility::name, &IAccessible::get_accName);
}

HRESULT AccessibleWindow::get_accValue(VARIANT child, BSTR* value) {
  return TextOf(child, value, &Accessibility::value, &IAccessible::get_accValue);
}

HRESULT AccessibleWindow::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  VariantInit(role);
  auto answer = [&](const Accessibility& about) {
    *role = ChildId(about.role);
    return S_OK;
  };
  return Answer(
      child, answer, [&](const Part&, const Accessibility& about) { return answer(about); },
      [&](IAccessible& object) { return object.get_accRole(ChildId(CHILDID_SELF), role); });
}

HRESULT AccessibleWindow::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  VariantInit(state);
  return Answer(
      child,
      [&](const Accessibility& about) {
        const HWND hwnd = window_->hwnd();
        long states = about.states;
        if (!IsWindowVisible(hwnd)) states |= STATE_SYSTEM_INVISIBLE;
        if (!IsWindowEnabled(hwnd)) states |= STATE_SYSTEM_UNAVAILABLE;
        if (GetWindowLongW(hwnd, GWL_STYLE) & WS_TABSTOP) states |= STATE_SYSTEM_FOCUSABLE;
        if (GetFocus() == hwnd) states |= STATE_SYSTEM_FOCUSED;
        *state = ChildId(states);
        return S_OK;
      },
      [&](const Part& part, const Accessibility& about) {
        *state = ChildId(about.states | (part.control->Enabled() ? 0 : STATE_SYSTEM_UNAVAILABLE));
        return S_OK;
      },
      [&](IAccessible& object) { return object.get_accState(ChildId(CHILDID_SELF), state); });
}

HRESULT AccessibleWindow::get_accDefaultAction(VARIANT child, BSTR* action) {
  return TextOf(child, action, &Accessibility::defaultAction, &IAccessible::get_accDefaultAction);
}

HRESULT AccessibleWindow::accDoDefaultAction(VARIANT child) {
  auto post = [&](const Accessibility& about, WPARAM number) -> HRESULT {
    if (about.defaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
    PostMessageW(window_->hwnd(), DefaultActionMessage(), number, 0);
    return S_OK;
  };
  return Answer(
      child, [&](const Accessibility& about) { return post(about, 0); },
      [&](const Part&, const Accessibility& about) { return post(about, static_cast<WPARAM>(child.lVal)); },
      [&](IAccessible& object) { return object.accDoDefaultAction(ChildId(CHILDID_SELF)); });
}

HRESULT AccessibleWindow::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  auto place = [&](RECT rect) {
    MapWindowPoints(window_->hwnd(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
    *left = rect.left;
    *top = rect.top;
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    return S_OK;
  };
  return Answer(
      child,
      [&](const Accessibility&) {
        RECT client{};
        GetClientRect(window_->hwnd(), &client);
        return place(client);
      },
      [&](const Part& part, const Accessibility&) { return place(part.rect); },
      [&](IAccessible& object) { return object.accLocation(left, top, width, height, ChildId(CHILDID_SELF)); });
}

HRESULT AccessibleWindow::get_accDescription(VARIANT, BSTR* description) {
  return window_ ? Text(L"", description) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleWindow::get_accHelp(VARIANT, BSTR* help) {
  return window_ ? Text(L"", help) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleWindow::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = 0;
  return window_ ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT AccessibleWindow::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
  return window_ ? Text(L"", shortcut) : RPC_E_DISCONNECTED;
}

HRESULT AccessibleWindow::get_accFocus(VARIANT* focused) {
  if (!focused) return E_POINTER;
  VariantInit(focused);
  if (!window_) return RPC_E_DISCONNECTED;
  const HWND hwnd = window_->hwnd();
  HWND focus = GetFocus();
  if (focus == hwnd) {
    *focused = ChildId(CHILDID_SELF);
    return S_OK;
  }
  if (!focus || !IsChild(hwnd, focus)) return S_FALSE;
  while (GetParent(focus) != hwnd) focus = GetParent(focus);
  IAccessible* object = ObjectOf(focus);
  if (!object) return S_FALSE;
  focused->vt = VT_DISPATCH;
  focused->pdispVal = object;
  return S_OK;
}

HRESULT AccessibleWindow::get_accSelection(VARIANT* selected) {
  if (selected) VariantInit(selected);
  return window_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
}

HRESULT AccessibleWindow::accSelect(long flags, VARIANT child) {
  if (!window_) return RPC_E_DISCONNECTED;
  if (IsSelf(child) && flags == SELFLAG_TAKEFOCUS && (GetWindowLongW(window_->hwnd(), GWL_STYLE) & WS_TABSTOP)) {
    SetFocus(window_->hwnd());
    return S_OK;
  }
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleWindow::accNavigate(long, VARIANT, VARIANT* end) {
  if (end) VariantInit(end);
  return window_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
}

HRESULT AccessibleWindow::accHitTest(long x, long y, VARIANT* child) {
  if (!child) return E_POINTER;
  VariantInit(child);
  if (!window_) return RPC_E_DISCONNECTED;
  POINT point{x, y};
  const HWND hwnd = window_->hwnd();
  ScreenToClient(hwnd, &point);
  RECT client{};
  GetClientRect(hwnd, &client);
  if (!PtInRect(&client, point)) return S_FALSE;
  const std::vector<Part> parts = PartsOf(*window_);
  // Child windows lie above the windowless controls, which are hit from the last one made.
  for (const Part& part : parts) {
    if (!part.window || !PtInRect(&part.rect, point)) continue;
    if (IAccessible* object = ObjectOf(part.window)) {
      child->vt = VT_DISPATCH;
      child->pdispVal = object;
      return S_OK;
    }
  }
  for (std::size_t i = parts.size(); i-- > 0;) {
    if (parts[i].control && PtInRect(&parts[i].rect, point)) {
      *child = ChildId(static_cast<long>(i + 1));
      return S_OK;
    }
  }
  *child = ChildId(CHILDID_SELF);
  return S_OK;
}

bool RunDefaultAction(Window& window, WPARAM child) {
  if (child == 0) return window.DoDefaultAction();
  const std::vector<Part> parts = PartsOf(window);
  if (child > parts.size() || !parts[child - 1].control) return false;
  return parts[child - 1].control->DoDefaultAction();
}

}  // namespace toolkit
