// Which window comes next: every label and menu item that moves between Orvanel's windows, and the
// messages that keep a window where it is when its subject is missing or names no chart.
#include <tuple>
#include <vector>

#include "window_fixture.h"

namespace orvanel::testing {
namespace {

using enum WindowId;
using Navigation = WindowTest;

// Each window with its labels or menu items and the window each shows in its place.
TEST_F(Navigation, EachEntryShowsTheNextWindowInPlaceOfItsOwn) {
    EnterBothComputed();
    const std::pair<WindowId, std::vector<std::pair<const char*, WindowId>>> windows[] = {
        {Splash, {{"Label3", MainMenu}}},
        {MainMenu, {{"Label1", Chart}, {"Label4", Synastry}, {"Label5", Cycles}}},
        {Chart, {{"mnuSinastrias", Synastry}, {"mnuVectores", Vectors}, {"mnuOpciones", MainMenu}}},
        {Synastry,
         {{"mnuCarta", Chart},
          {"mnuVectoresdos", VectorsTwo},
          {"mnuCiclos", Cycles},
          {"mnuOpciones", MainMenu}}},
        {Vectors, {{"mnuCarta", Chart}, {"mnuSinastrias", Synastry}, {"mnuOpciones", MainMenu}}},
        {VectorsTwo, {{"mnuCarta", Chart}, {"mnuSinastrias", Synastry}, {"mnuOpciones", MainMenu}}},
        {Cycles, {{"mnuVolver", MainMenu}}},
    };
    for (const auto& [from, entries] : windows) {
        for (const auto& [control, to] : entries) {
            Use(ShowOnly(from), control);
            EXPECT_TRUE(OnlyVisible(windows_->Window(to))) << control;
        }
    }
    EXPECT_TRUE(dialogs_.Asked().empty());
    EXPECT_EQ(ended_, 0);
}

// The subjects entered (1, 2, or both: 3), the window, the current subject, the label or menu item,
// what is told; the subject and the synastry's base stay as they were.
TEST_F(Navigation, AMissingSubjectIsToldAndTheWindowStays) {
    const QString none = QString::fromUtf8("Análisis individuales: No hay escogido ningún sujeto");
    const QString noSecond = QString::fromUtf8("Comparación de sujetos: No hay escogido sujeto a comparar");
    const QString noSlot = QString::fromUtf8(": Número de sujeto no válido");
    const std::tuple<int, WindowId, std::int16_t, const char*, QString> rows[] = {
        {0, MainMenu, 1, "Label1", none},
        {2, MainMenu, 1, "Label1", none},  // "Carta Astral" opens subject 1 whichever is current
        {2, MainMenu, 1, "Label5", none},
        {1, Chart, 1, "mnuSinastrias", noSecond},
        {1, Vectors, 1, "mnuSinastrias", noSecond},
        {3, Chart, 13, "mnuVectores", "Vectores" + noSlot},
        {3, Synastry, 7, "mnuVectoresdos", "Vectores de los dos" + noSlot}};
    for (const auto& [entered, id, current, control, told] : rows) {
        State() = Program();
        if (entered & 2) EnterComputed(2, 1965, 7, 3, 9, 15);
        if (entered & 1) EnterComputed(1, 2001, 12, 5, 14, 30);
        QWidget& from = ShowOnly(id);
        State().CurrentSubject = current;
        const std::int16_t base = State().SynastryBase;
        const std::size_t asked = dialogs_.Asked().size();
        Use(from, control);
        EXPECT_EQ(Transcript(asked), QStringList(told)) << control;
        EXPECT_TRUE(OnlyVisible(from)) << control;
        EXPECT_EQ(State().CurrentSubject, current) << control;
        EXPECT_EQ(State().SynastryBase, base) << control;
    }
}

}  // namespace
}  // namespace orvanel::testing
