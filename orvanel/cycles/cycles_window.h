// How the cycles window is reached: its registration with the program's windows and
// OpenCyclesWindow, the entry of the main menu and of the synastry window.
#pragma once

namespace orvanel {

class Windows;
enum class WindowId;

// From the main menu: subject 1 is required, the window returns to the main menu. From the synastry
// window (or any other): SynastryBase keeps the current subject and the window returns to the
// caller; no subject check. CurrentSubject becomes 1 and Label2 shows the central date either way.
void OpenCyclesWindow(Windows& windows, WindowId from);

// Registers Form9 and OpenCyclesWindow as the opener of the cycles entries.
void InstallCyclesWindow(Windows& windows);

}  // namespace orvanel
