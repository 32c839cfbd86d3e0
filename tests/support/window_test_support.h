// What the window tests need: one offscreen application with the fonts loaded, the Spanish locale
// and the access keys shared as the programs share them; for Orvanel's, a private copy of the
// shipped data files so that no test touches data/.
#pragma once

#include <QApplication>
#include <QStringList>
#include <filesystem>

class QListWidget;

namespace orvanel::testing {

QApplication& TestApplication();

// A fresh temporary folder holding the shipped data files.
std::filesystem::path CopyShippedData();

// The texts of a list's rows, their blanks aside when `trimmed`.
QStringList Items(const QListWidget* list, bool trimmed = false);

}  // namespace orvanel::testing
