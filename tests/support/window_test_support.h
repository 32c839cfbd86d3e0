// What every Orvanel window test needs: one offscreen application with the fonts loaded, and a
// private copy of the shipped data files so that no test touches data/.
#pragma once

#include <QApplication>
#include <QList>
#include <filesystem>

class QAction;
class QListWidget;
class QMainWindow;

namespace orvanel::testing {

QApplication& TestApplication();

// A fresh temporary folder holding the shipped data files, less `missing` when given.
std::filesystem::path CopyShippedData(const char* missing = nullptr);

// The top-level menu items of a working window in their order, over both rows of its menu bar.
QList<QAction*> MenuBarItems(QMainWindow& window);

// Pixels by which the widest item of `list` (its blanks aside) overflows the room its rows give a
// text: 0 when every item reads whole.
int ItemOverflow(QListWidget& list);

}  // namespace orvanel::testing
