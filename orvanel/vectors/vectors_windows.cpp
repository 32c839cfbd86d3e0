// The installer of the vectors windows: one plane shared by Form7 and Form8, the two windows, and
// the entries that open them from the chart and synastry windows.
#include <memory>

#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "orvanel/vectors/form7_vectors.h"
#include "orvanel/vectors/form8_vectors_two.h"
#include "orvanel/vectors/plane_session.h"

namespace orvanel {

void InstallVectorsWindows(Windows& windows) {
    auto plane = std::make_shared<PlaneSession>(windows.State().program, windows.State().concepts);
    windows.Register(WindowId::Vectors,
                     [plane](Windows& w) { return std::make_unique<Form7Vectors>(w, *plane); });
    windows.Register(WindowId::VectorsTwo,
                     [plane](Windows& w) { return std::make_unique<Form8VectorsTwo>(w, *plane); });
    windows.SetOpener(WindowId::Vectors, [](Windows& w, WindowId from) {
        w.Get<Form7Vectors>(WindowId::Vectors).OpenFromChart(from);
    });
    windows.SetOpener(WindowId::VectorsTwo, [](Windows& w, WindowId from) {
        w.Get<Form8VectorsTwo>(WindowId::VectorsTwo).OpenFromSynastry(from);
    });
}

}  // namespace orvanel
