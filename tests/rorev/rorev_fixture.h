// What the rorev window tests share: a QApplication on the offscreen platform with the Spanish
// locale, the shipped concept table, and a main window sized so that one pixel of the template is
// exactly 20 picture units (mouse positions then land on whole plane points).
#pragma once

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPoint>
#include <memory>
#include <string>

#include "display_list_reading.h"
#include "rorev/form1_main.h"
#include "surface/dialogs.h"
#include "surface/drawing_surface.h"
#include "surface/picture_widget.h"

namespace rorev_test {

std::string ShippedConceptsPath();
cp::ConceptTable ShippedConcepts();

using display_list::CountOf;
using display_list::LinesIn;
using display_list::TextsIn;

class RorevWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // A main window on `concepts` at the test size, in place of the one SetUp opened.
    void OpenWindow(cp::ConceptTable concepts);

    template <class T>
    T* Find(const char* name) const {
        T* found = form1->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    surface::PictureWidget* Picture1() const { return Find<surface::PictureWidget>("Picture1"); }
    surface::PictureWidget* Picture2() const { return Find<surface::PictureWidget>("Picture2"); }
    QListWidget* List1() const { return Find<QListWidget>("List1"); }
    QString TextOf(const char* name) const;
    void Trigger(const char* actionName) const;

    // The mouse over the template at a plane point (zoom 1 assumed for the pixel), and clicks there.
    void MoveToPlane(double x, double y) const;
    void ClickPlane(double x, double y, Qt::MouseButton button) const;
    // Chooses the entry of a list whose text is `name` with its blanks, with the mouse; false when
    // the list has none.
    bool ChooseEntry(QListWidget* list, const QString& name) const;

    std::unique_ptr<surface::ScriptedDialogs> dialogs;
    std::unique_ptr<rorev::Form1> form1;
};

}  // namespace rorev_test
