#pragma once
// The container's side of a hosted control: placing it on a form from its design, and
// keeping its named values with the form. The container keeps the control's extent under
// its own names "_extentx" and "_extenty" (HIMETRIC); the control never sees them.
#include <windows.h>

#include "toolkit/controls/property_bag.h"
#include "toolkit/controls/user_control.h"
#include "toolkit/twips_box.h"

namespace toolkit::controls {

inline constexpr char kExtentXName[] = "_extentx";
inline constexpr char kExtentYName[] = "_extenty";

// Makes the control's window, then reads its stored values (or lets a new control set
// itself up when there are none), then gives it its size, the stored extent winning over
// the placement's: the control sees its values before its first size change.
bool SiteControl(UserControl& control, HWND parent, const TwipsBox& placement,
                 const PropertyBag* stored);

// The control's values as the container stores them, its extent first.
PropertyBag SaveControl(UserControl& control);

}  // namespace toolkit::controls
