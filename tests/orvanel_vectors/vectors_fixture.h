// What the vectors-window tests share: one QApplication on the offscreen platform, a session on a
// data folder of its own with its windows, scripted dialogs, subjects entered through the computing
// API, and readers of a picture's display list.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <vector>

#include "orvanel/display/form3_chart.h"
#include "orvanel/display/form4_synastry.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "orvanel/vectors/form7_vectors.h"
#include "orvanel/vectors/form8_vectors_two.h"
#include "surface/dialogs.h"
#include "surface/drawing_surface.h"
#include "surface/fonts.h"
#include "surface/picture_widget.h"

namespace orvanel::testing {

inline constexpr surface::Rgb kGreen = surface::RGB(0, 200, 0);
inline constexpr surface::Rgb kRed = surface::RGB(200, 0, 0);
inline constexpr surface::Rgb kPale = surface::RGB(255, 255, 192);

// A vector drawn from the plane's centre: its step in picture units and its colour.
struct DrawnVector {
    double dx, dy;
    surface::Rgb colour;
};

class VectorsTest : public ::testing::Test {
  protected:
    VectorsTest();
    ~VectorsTest() override;

    Program& State() { return session_->program; }
    const ChartSlot& Slot(int s) { return SlotAt(session_->program, s); }
    // A confirmed date entry of subject `slot`, through the computing functions.
    void EnterSubject(std::int16_t slot, std::int16_t year, std::int16_t month, std::int16_t day,
                      std::int16_t hour, std::int16_t minute);
    void EnterBothSubjects();

    // Subject 1's chart window, then its "Vectores".
    Form7Vectors& OpenForm7();
    // The synastry of both subjects, then its "Vectores de dos".
    Form8VectorsTwo& OpenForm8();

    template <class T = QWidget>
    T* Find(QWidget& window, const char* name) {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    surface::PictureWidget* Picture(QWidget& window, const char* name) {
        return Find<surface::PictureWidget>(window, name);
    }
    void Choose(QWidget& window, const char* menu);
    // The menu bar's items in order: object names and captions.
    static std::vector<std::pair<QString, QString>> MenuItems(QWidget& window);

    static std::vector<DrawnVector> VectorsFromCentre(const surface::DrawingSurface& s);
    static std::vector<std::u32string> Texts(const surface::DrawingSurface& s);
    // The vectors of `colour`; and whether one has the step (dx, dy) within `tolerance`.
    static std::vector<DrawnVector> OfColour(const surface::DrawingSurface& s, surface::Rgb colour);
    static bool HasStep(const std::vector<DrawnVector>& vectors, double dx, double dy,
                        double tolerance = 1e-3);

    surface::ScriptedDialogs dialogs_;
    std::filesystem::path folder_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<Windows> windows_;
};

}  // namespace orvanel::testing
