#include "shot_folder.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

namespace manual_shots {

bool ShotFolder::Save(QWidget& window, const char* name) {
    window.show();
    QApplication::processEvents();
    const QString path = QDir(folder_).filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    const bool saved = window.grab().save(path, "PNG");
    if (!saved) std::fprintf(stderr, "manual-shots: could not write %s\n", qPrintable(path));
    allSaved_ = allSaved_ && saved;
    return saved;
}

}  // namespace manual_shots
