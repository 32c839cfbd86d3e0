// What every Orvanel window test needs: one offscreen application with the fonts loaded, and a
// private copy of the shipped data files so that no test touches data/.
#pragma once

#include <QApplication>
#include <QList>
#include <filesystem>

class QAction;
class QMainWindow;

namespace orvanel::testing {

QApplication& TestApplication();

// A fresh temporary folder holding the shipped data files, less `missing` when given.
std::filesystem::path CopyShippedData(const char* missing = nullptr);

// The top-level menu items of a working window in their order, over both rows of its menu bar.
QList<QAction*> MenuBarItems(QMainWindow& window);

}  // namespace orvanel::testing
