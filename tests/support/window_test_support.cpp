// Shared set-up of the Orvanel window tests.
#include "window_test_support.h"

#include <QAction>
#include <QListWidget>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "surface/fonts.h"
#include "surface/shared_access_keys.h"

namespace orvanel::testing {

QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "orvanel_window_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* a = new QApplication(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));  // as on the users' desktops
        surface::LoadFonts();
        surface::ShareAccessKeysClassically();
        return a;
    }();
    return *app;
}

std::filesystem::path CopyShippedData() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvanel-test-XXXXXX").string();
    const std::filesystem::path folder = ::mkdtemp(pattern.data());
    const std::filesystem::path shipped = std::filesystem::path(ORVANEL_SOURCE_DIR) / "data";
    for (const char* name : {"concptos.txt", "efemerides.txt", "orbitas.txt"})
        std::filesystem::copy_file(shipped / name, folder / name);
    return folder;
}

QList<QAction*> MenuBarItems(QMainWindow& window) {
    QMenuBar* first = window.menuBar();
    QList<QAction*> items = first->actions();
    for (const QMenuBar* row : window.findChildren<QMenuBar*>())
        if (row != first) items += row->actions();
    return items;
}

QStringList Items(const QListWidget* list, bool trimmed) {
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items << (trimmed ? list->item(row)->text().trimmed() : list->item(row)->text());
    return items;
}

int ItemOverflow(QListWidget& list) {
    list.doItemsLayout();  // the scroll bars shown or hidden for the list as it is now
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    int widest = 0;
    for (int row = 0; row < list.count(); ++row)
        widest = std::max(widest, list.fontMetrics().horizontalAdvance(list.item(row)->text().trimmed()));
    return std::max(0, widest - (list.viewport()->width() - 2 * margin));
}

}  // namespace orvanel::testing
