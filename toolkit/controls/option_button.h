#pragma once
// The keyboard's and a screen reader's side of one choice among several, whose mark and caption
// are windowless controls (their owner draws the mark and takes their presses). The choices of
// a group are one tab stop, the chosen one (the first while none is); the arrow keys move to
// the next or previous choice of the group in the order shown, round from the last to the
// first, and choose it; Space chooses the focused one. A screen reader sees a radio button.
#include <windows.h>

#include <functional>
#include <vector>

#include "toolkit/controls/image.h"
#include "toolkit/controls/label.h"
#include "toolkit/controls/label_overlay.h"
#include "toolkit/event.h"

namespace toolkit::controls {

class OptionButton;

// The choices that make one tab stop, in the order shown.
class OptionGroup {
 public:
  void Add(OptionButton& option);
  // `step` choices on from `from` (negative: back), round the ends.
  OptionButton& Next(const OptionButton& from, int step) const;
  // The chosen choice is the tab stop, or the first while none is.
  void PlaceTabStop() const;
  // One of the choices has the keyboard focus.
  bool HasFocus() const;

 private:
  std::vector<OptionButton*> options_;
};

struct OptionButtonDesign {
  const Image* mark = nullptr;     // on the parent, made before
  const Label* caption = nullptr;  // on the parent, made before; its text names the choice
  OptionGroup* group = nullptr;    // joined in the order the choices are made
};

class OptionButton : public LabelOverlay {
 public:
  bool Create(Window& parent, const OptionButtonDesign& design);

  bool Chosen() const { return chosen_; }
  // Shown chosen or not to the keyboard and screen readers; the owner shows the mark. The
  // focus, where it stands on another choice of the group, comes along.
  void SetChosen(bool chosen);

  // The keyboard or a screen reader chose it. The owner chooses it as a press on its mark does.
  std::function<void()> Choose;

  Accessibility Describe() const override;

 protected:
  void Act() override { RaiseEvent(Choose); }
  LRESULT DialogCode(const MSG* message) override;
  bool OnKeyDown(UINT key, bool repeated) override;

 private:
  OptionGroup* group_ = nullptr;
  bool chosen_ = false;
};

}  // namespace toolkit::controls
