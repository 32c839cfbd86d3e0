// What the window tests need: one offscreen application with the fonts loaded, the Spanish locale
// and the access keys shared as the programs share them; for Orvanel's, a private copy of the
// shipped data files so that no test touches data/.
#pragma once

#include <QApplication>
#include <QList>
#include <QStringList>
#include <filesystem>

class QAction;
class QListWidget;
class QMainWindow;

namespace orvanel::testing {

QApplication& TestApplication();

// A fresh temporary folder holding the shipped data files.
std::filesystem::path CopyShippedData();

// The top-level menu items of a working window in their order, over both rows of its menu bar.
QList<QAction*> MenuBarItems(QMainWindow& window);

// The texts of a list's rows, their blanks aside when `trimmed`.
QStringList Items(const QListWidget* list, bool trimmed = false);

// Pixels by which the widest item of `list` (its blanks aside) overflows the room its rows give a
// text: 0 when every item reads whole.
int ItemOverflow(QListWidget& list);

}  // namespace orvanel::testing
