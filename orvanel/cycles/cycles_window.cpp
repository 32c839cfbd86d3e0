// The cycles window's registration and its two entries.
#include "orvanel/cycles/cycles_window.h"

#include <memory>

#include "orvanel/cycles/form9_cycles.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "surface/dialogs.h"

namespace orvanel {

void OpenCyclesWindow(Windows& windows, WindowId from) {
    Program& p = windows.State().program;
    if (from == WindowId::MainMenu) {
        p.CurrentSubject = 1;
        p.ReturnWindow = 2;
        if (SlotAt(p, 1).title.empty()) {
            surface::UseDialogs().Message(QString::fromUtf8("No hay escogido ningún sujeto"),
                                          QString::fromUtf8("Análisis individuales"), surface::Buttons::Ok);
            return;
        }
    } else {
        p.SynastryBase = p.CurrentSubject;
        p.CurrentSubject = 1;
        p.ReturnWindow = static_cast<std::int16_t>(from);
    }
    auto& form = windows.Get<Form9Cycles>(WindowId::Cycles);
    form.SetSubjectTitle();
    // On every path, so that the date shown is the one the plots are drawn around.
    form.ShowCentralDate();
    windows.Move(from, WindowId::Cycles);
    form.Form_Activate();
}

void InstallCyclesWindow(Windows& windows) {
    windows.Register(WindowId::Cycles, [](Windows& w) { return std::make_unique<Form9Cycles>(w); });
    windows.SetOpener(WindowId::Cycles, OpenCyclesWindow);
}

}  // namespace orvanel
