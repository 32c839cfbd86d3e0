// Lists whose every item reads whole: no item is cut short with "…". When the face that stands in for
// a design font makes an item wider than the list, the list grows to the right just enough, keeping
// its left edge; it goes back to the width its window gives it when the wide items are gone.
#pragma once

class QListWidget;

namespace surface {

// Watches `list` from now on: its items as they are added and removed, and the width it is given.
void KeepItemsWhole(QListWidget* list);

}  // namespace surface
