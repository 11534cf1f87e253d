// Keyboard focus in the model's tab order: the controls Tab visits, in order, through the
// containers (a page control's active page only), skipping what is hidden or disabled.
#pragma once

#include <vector>

#include "platform/control.h"

namespace kelvaro {

std::vector<Control*> FocusOrder(const Control& container);
// The control Tab (or Shift+Tab) moves to from `from` (nullptr: from none), or nullptr.
Control* NextFocus(const Control& form, const Control* from, bool backwards);
// Where a label's access key sends the focus: the first control after it among its siblings
// that can take the focus, or the first one inside such a sibling.
Control* LabelTarget(const Control& form, const Control& label);

}  // namespace kelvaro
