#include "shot_folder.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <cstdio>

namespace manual_shots {

bool ShotFolder::Save(QWidget& window, const char* name) {
    window.show();
    QApplication::processEvents();
    return Save(window.grab().toImage(), name);
}

bool ShotFolder::Save(const QImage& image, const char* name) {
    const QString path = QDir(folder_).filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    const bool saved = image.save(path, "PNG");
    if (!saved) std::fprintf(stderr, "manual-shots: could not write %s\n", qPrintable(path));
    allSaved_ = allSaved_ && saved;
    return saved;
}

}  // namespace manual_shots
