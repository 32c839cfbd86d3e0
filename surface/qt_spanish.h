// Qt's own texts in Spanish (the file and print dialogs, the context menus of text fields), whatever
// the system's language: Qt's Spanish translations, which Debian installs with qt6-translations-l10n.
// Only the texts change; numbers keep the user's locale.
#pragma once

namespace surface {

// Installs Qt's Spanish translations into the running application; false when they are not installed
// (Qt's texts then stay in English).
bool LoadQtSpanish();

}  // namespace surface
