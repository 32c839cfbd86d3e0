// Shared set-up of the Orvanel window tests.
#include "window_test_support.h"

#include <QListWidget>
#include <QLocale>
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

QStringList Items(const QListWidget* list, bool trimmed) {
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items << (trimmed ? list->item(row)->text().trimmed() : list->item(row)->text());
    return items;
}

}  // namespace orvanel::testing
