// Top-level menu items on two rows, as the classic menu bar wraps them when a window is too narrow
// for all its items: Qt's bar would hide the last ones behind an extension button instead.
#pragma once

class QMenuBar;

namespace orvanel {

// Puts the items of `first` and `second`, in their order, on `first` while they fit in `width` pixels
// and the rest on `second`, which is shown only when it holds an item.
void WrapMenuItems(QMenuBar* first, QMenuBar* second, int width);

}  // namespace orvanel
