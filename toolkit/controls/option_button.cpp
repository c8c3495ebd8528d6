#include "toolkit/controls/option_button.h"

#include <algorithm>

namespace toolkit::controls {

void OptionGroup::Add(OptionButton& option) { options_.push_back(&option); }

OptionButton& OptionGroup::Next(const OptionButton& from, int step) const {
  const auto found = std::find(options_.begin(), options_.end(), &from);
  if (found == options_.end()) return const_cast<OptionButton&>(from);
  const int count = static_cast<int>(options_.size());
  const int at = static_cast<int>(found - options_.begin());
  return *options_[static_cast<std::size_t>(((at + step) % count + count) % count)];
}

void OptionGroup::PlaceTabStop() const {
  const auto chosen = std::find_if(options_.begin(), options_.end(), [](const OptionButton* o) { return o->Chosen(); });
  const OptionButton* stop = chosen != options_.end() ? *chosen : (options_.empty() ? nullptr : options_.front());
  for (const OptionButton* option : options_) {
    const HWND window = option->hwnd();
    if (!window) continue;
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    SetWindowLongW(window, GWL_STYLE, option == stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
}

bool OptionGroup::HasFocus() const {
  const HWND focus = GetFocus();
  return focus && std::any_of(options_.begin(), options_.end(), [focus](const OptionButton* o) { return o->hwnd() == focus; });
}

bool OptionButton::Create(Window& parent, const OptionButtonDesign& design) {
  group_ = design.group;
  if (!CreateOver(parent, *design.caption, {design.mark}, false)) return false;
  if (group_) {
    group_->Add(*this);
    group_->PlaceTabStop();
  }
  return true;
}

void OptionButton::SetChosen(bool chosen) {
  if (chosen == chosen_) return;
  chosen_ = chosen;
  if (group_) group_->PlaceTabStop();
  // A press on another choice's mark moves the focus with it, as keys do; the focus stays
  // where it was when it stood elsewhere (a press moves it nowhere in this dialog).
  if (chosen && group_ && group_->HasFocus() && GetFocus() != hwnd()) SetFocus(hwnd());
  Announce(EVENT_OBJECT_STATECHANGE);
}

Accessibility OptionButton::Describe() const {
  return {.name = Caption().Caption(), .role = ROLE_SYSTEM_RADIOBUTTON,
          .states = STATE_SYSTEM_FOCUSABLE | (chosen_ ? STATE_SYSTEM_CHECKED : 0),
          .defaultAction = kCheckAction};
}

LRESULT OptionButton::DialogCode(const MSG*) { return DLGC_WANTARROWS; }

bool OptionButton::OnKeyDown(UINT key, bool repeated) {
  int step = 0;
  if (key == VK_DOWN || key == VK_RIGHT) step = 1;
  if (key == VK_UP || key == VK_LEFT) step = -1;
  if (step != 0 && group_) {
    OptionButton& next = group_->Next(*this, step);
    SetFocus(next.hwnd());
    next.Act();
    return true;
  }
  if (key == VK_SPACE) {
    if (!repeated) Act();
    return true;
  }
  return false;
}

}  // namespace toolkit::controls
