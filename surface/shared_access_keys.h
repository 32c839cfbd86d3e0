// Access keys that several top-level items of one window's menu bars share ("Aspectos &cruzados" and
// "&Carta Astral"). Qt's menu bar runs one of them at each press; here, as on the classic menu bar, a
// press only moves the highlight to the next item that shares the key, Enter or Space runs the
// highlighted item and Escape leaves it, the focus going back where it was. An access key that one
// item holds alone, and every key inside an open menu, work as Qt has them.
#pragma once

namespace surface {

// Installs the rule once for every menu bar of the application (call after the QApplication exists).
void ShareAccessKeysClassically();

}  // namespace surface
