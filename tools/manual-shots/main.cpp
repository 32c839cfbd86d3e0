// manual-shots OUTPUT_FOLDER: writes the pictures of the user manual, drawn on the offscreen
// platform with the project's fonts and a private copy of the shipped data files.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "shots.h"
#include "window_test_support.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: manual-shots OUTPUT_FOLDER\n");
        return 2;
    }
    // The same pixels on every machine: no real screen, whatever the desktop says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    orvanel::testing::TestApplication();
    QApplication::setCursorFlashTime(0);  // a text cursor that never blinks is always drawn the same
    const QString output = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(output)) {
        std::fprintf(stderr, "manual-shots: cannot create %s\n", argv[1]);
        return 2;
    }
    const std::filesystem::path data = orvanel::testing::CopyShippedData();
    manual_shots::ShotFolder folder(output);
    manual_shots::TakeOrvanelShots(folder, data);
    manual_shots::TakeRorevShots(folder, data);
    std::error_code ec;
    std::filesystem::remove_all(data, ec);
    return folder.AllSaved() ? 0 : 1;
}
