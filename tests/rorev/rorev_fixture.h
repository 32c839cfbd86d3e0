// What the rorev window tests share: the main window over a copy of the shipped concept file, which
// every test ends by checking unchanged; the window sized so that one pixel of the template is exactly
// 20 picture units (mouse positions then land on whole plane points); scripted dialogs; the mouse on
// the template and the concept list.
#pragma once

#include <gtest/gtest.h>

#include <QListWidget>
#include <memory>
#include <string>

#include "display_list_reading.h"
#include "real_input.h"
#include "rorev/form1_main.h"
#include "surface/dialogs.h"
#include "surface/picture_widget.h"
#include "temp_folder.h"
#include "window_test_support.h"

namespace rorev_test {

using display_list::LinesIn;
using display_list::OfKind;
using display_list::TextsIn;
using surface::PrimitiveKind;
using test_support::ReadBytes;

using orvanel::testing::Items;

class RorevWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // A new main window over the concept file at `path`, in place of the last one.
    void Open(const std::string& path);

    template <class T = QWidget>
    T* Find(const char* name, QWidget* window = nullptr) const {
        T* found = (window != nullptr ? window : form1.get())->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    surface::PictureWidget* Picture1() const { return Find<surface::PictureWidget>("Picture1"); }
    const surface::DrawingSurface& Plane() const { return Picture1()->Surface(); }
    const surface::DrawingSurface& ZoomBox() const {
        return Find<surface::PictureWidget>("Picture2")->Surface();
    }
    QListWidget* List1() const { return Find<QListWidget>("List1"); }
    // The menu item or button `name` of `window` (the main window by default) chosen with the mouse.
    void Trigger(const char* name, QWidget* window = nullptr) const;
    // A click on the row of the concept list that reads `name`.
    void ChooseConcept(const QString& name) const;
    // The file that Ctrl+S in `window` saves, as SVG.
    std::string Exported(QWidget* window);

    // The mouse moved over the template to a plane point (zoom 1 assumed for the pixel), then clicked
    // there with `button` unless it is NoButton.
    void MouseAt(double x, double y, Qt::MouseButton button = Qt::NoButton) const;

    test_support::TempFolder folder;
    const std::string conceptFile = folder / "concptos.txt";  // a copy of the shipped file
    surface::ScriptedDialogs dialogs;
    std::unique_ptr<rorev::Form1> form1;
};

}  // namespace rorev_test
