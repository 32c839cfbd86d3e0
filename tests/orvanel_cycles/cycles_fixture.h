// What the cycles-window tests share: one QApplication on the offscreen platform, a session on a data
// folder of its own with its windows, scripted dialogs, subjects entered through the computing API,
// and readers of the cycles window's controls and drawing.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <vector>

#include "orvanel/cycles/form9_cycles.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "surface/dialogs.h"
#include "surface/drawing_surface.h"

class QLabel;
class QPlainTextEdit;

namespace orvanel::testing {

class CyclesTest : public ::testing::Test {
  protected:
    CyclesTest();
    ~CyclesTest() override;

    Program& State() { return session_->program; }
    // A confirmed date entry of subject `slot`, through the computing functions.
    void EnterSubject(std::int16_t slot, std::int16_t year, std::int16_t month, std::int16_t day,
                      std::int16_t hour, std::int16_t minute);
    // Subject 1 on 5 December 2001 at 14:30, subject 2 on 3 July 1965 at 09:15.
    void EnterBothSubjects();

    // The cycles window opened from the main menu (subject 1 must be there).
    Form9Cycles& OpenFromMainMenu();
    Form9Cycles& Form9() { return windows_->Get<Form9Cycles>(WindowId::Cycles); }

    template <class T = QWidget>
    T* Find(QWidget& window, const char* name) {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void Choose(QWidget& window, const char* item);
    // The menu opened, as the user does before choosing an item.
    void OpenMenu(QWidget& window, const char* menu);
    QString LabelText(const char* name);
    QPlainTextEdit* Text1();
    const surface::DrawingSurface& Drawing();

    // The circles of the drawing with `radius`, in order.
    std::vector<surface::Primitive> Circles(double radius);
    std::vector<surface::Primitive> Lines();

    surface::ScriptedDialogs dialogs_;
    std::filesystem::path folder_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<Windows> windows_;
    int ended_ = 0;
};

}  // namespace orvanel::testing
