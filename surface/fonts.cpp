#include "surface/fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QStringList>

namespace surface {

namespace {

struct Substitute {
    const char* design;
    QStringList faces;  // first installed one wins
    bool fixedPitch;
};

// Faces from fonts-texgyre, fonts-urw-base35, fonts-liberation2 and fonts-dejavu-core.
const std::vector<Substitute>& Substitutes() {
    static const std::vector<Substitute> table = {
        {"Monotype Corsiva", {"TeX Gyre Chorus", "Z003"}, false},
        {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}, false},
        {"Small Fonts", {"Liberation Sans", "DejaVu Sans"}, false},
        {"Arial", {"Liberation Sans", "Nimbus Sans", "DejaVu Sans"}, false},
        {"Courier", {"Liberation Mono", "Nimbus Mono PS", "DejaVu Sans Mono"}, true},
        {"Courier New", {"Liberation Mono", "Nimbus Mono PS", "DejaVu Sans Mono"}, true},
    };
    return table;
}

QStringList FontFolders() {
    const QString app = QCoreApplication::applicationDirPath();
    return {app + QStringLiteral("/fonts"), app + QStringLiteral("/../share/orvanel/fonts"),
            QStringLiteral(ORVANEL_INSTALL_FONT_DIR), QStringLiteral(ORVANEL_BUILD_FONT_DIR)};
}

}  // namespace

bool LoadFonts() {
    static const bool loaded = [] {
        for (const QString& folder : FontFolders()) {
            const QString path = QDir(folder).filePath(QStringLiteral("Astrol.ttf"));
            if (!QFile::exists(path)) continue;
            const int id = QFontDatabase::addApplicationFont(path);
            if (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(QStringLiteral("Astrol")))
                return true;
        }
        return false;
    }();
    return loaded;
}

QFont DesignFont(const QString& family, double points, bool bold, bool italic) {
    QFont font;
    font.setFamilies({family});
    for (const Substitute& s : Substitutes()) {
        if (family.compare(QLatin1String(s.design), Qt::CaseInsensitive) != 0) continue;
        font.setFamilies(s.faces);
        if (s.fixedPitch) {
            font.setStyleHint(QFont::Monospace);
            font.setFixedPitch(true);
        }
    }
    font.setPointSizeF(points > 0 ? points : 8.25);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont DesignFont(const Font& font) {
    return DesignFont(QString::fromStdString(font.family), font.points, font.bold, font.italic);
}

}  // namespace surface
