// The register window's place among Orvanel's windows: opened from the main menu's "Sujetos
// guardados", back to it with "Volver".
#pragma once

namespace orvanel {

class Windows;

// Registers the window and its opener (ORVANEL_WINDOW_INSTALLERS).
void InstallSubjectsWindow(Windows& windows);

}  // namespace orvanel
