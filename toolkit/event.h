#pragma once
// Events are std::function members (Click, MouseDown, Tick). One is raised from a copy of its
// handler: the handler may replace itself, or close the window that holds it, and must stay
// alive while it runs.
#include <utility>

namespace toolkit {

template <class Event, class... Args>
void RaiseEvent(const Event& event, Args&&... args) {
  if (!event) return;
  const Event handler = event;
  handler(std::forward<Args>(args)...);
}

}  // namespace toolkit
