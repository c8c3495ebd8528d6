#pragma once
// The Active Accessibility object of one of the toolkit's windows, given out for its client
// area (WM_GETOBJECT). Its children are, in reading order, the window's windowless controls
// that a screen reader should see (simple elements, numbered from 1) and its child windows
// (objects of their own). A screen reader may hold it longer than the window lives: once the
// window has gone, every call answers RPC_E_DISCONNECTED.
#include <windows.h>
#include <oleacc.h>

#include <string>

#include "toolkit/accessibility.h"

namespace toolkit {

class Window;

class AccessibleWindow final : public IAccessible {
 public:
  explicit AccessibleWindow(Window& window) : window_(&window) {}
  AccessibleWindow(const AccessibleWindow&) = delete;
  AccessibleWindow& operator=(const AccessibleWindow&) = delete;

  // The window is going.
  void Disconnect();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: not offered; screen readers call IAccessible directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~AccessibleWindow() = default;
  // A question about `child`: the window itself, one of its windowless controls, or a child
  // window, which its own object answers.
  template <class AboutSelf, class AboutControl, class AboutWindow>
  HRESULT Answer(const VARIANT& child, AboutSelf self, AboutControl control, AboutWindow window) const;
  // A text property: `field` of what the window or its control says, or what the child
  // window's object answers to `ask`.
  HRESULT TextOf(const VARIANT& child, BSTR* out, std::wstring Accessibility::*field,
                 HRESULT (STDMETHODCALLTYPE IAccessible::*ask)(VARIANT, BSTR*)) const;

  LONG references_ = 1;
  Window* window_;
};

// The window message that runs a default action later, from the window's message loop: a
// screen reader's call must not wait while the action runs (it may show a modal dialog).
// wParam: the child's number, 0 for the window itself.
UINT DefaultActionMessage();
// False for every message while the system gave that message no number.
inline bool IsDefaultActionMessage(UINT message) { return message != 0 && message == DefaultActionMessage(); }
// The window's side of that message: runs the default action of the window (child 0) or of
// the windowless control numbered `child`; false when there was none.
bool RunDefaultAction(Window& window, WPARAM child);

}  // namespace toolkit
