#pragma once
// The keyboard's and a screen reader's side of a link whose caption is a windowless label (the
// label takes the presses and shows the pointer). A tab stop; Enter or Space opens it once
// per press, however long the key is held. A screen reader sees a link whose value is the
// address.
#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/controls/label.h"
#include "toolkit/controls/label_overlay.h"
#include "toolkit/event.h"

namespace toolkit::controls {

struct LinkDesign {
  const Label* caption = nullptr;  // on the parent, made before
  std::wstring address{};
};

class Link : public LabelOverlay {
 public:
  bool Create(Window& parent, const LinkDesign& design);

  // Enter, Space or a screen reader opened the link.
  std::function<void()> Open;

  Accessibility Describe() const override;

 protected:
  void Act() override { RaiseEvent(Open); }
  LRESULT DialogCode(const MSG* message) override;
  bool OnKeyDown(UINT key, bool repeated) override;

 private:
  std::wstring address_;
};

}  // namespace toolkit::controls
