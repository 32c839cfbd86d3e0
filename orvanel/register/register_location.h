// Where Orvanel keeps the register of subjects: sujetos.sqlite in the user's data folder of the
// application (~/.local/share/orvanel/ for "orvanel"), never beside the data files, which may be
// read-only. Orvanel and orvanel-calc both name their application "orvanel", so they agree.
#pragma once

#include <QStandardPaths>
#include <QString>
#include <string>

namespace orvanel::subjects {

// Empty when the system names no data folder for the user.
inline std::string DefaultRegisterPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? std::string() : (folder + QStringLiteral("/sujetos.sqlite")).toStdString();
}

}  // namespace orvanel::subjects
