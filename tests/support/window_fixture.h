// What the window tests share: one QApplication on the offscreen platform, a data folder of their
// own (copies of the shipped tables), a session with its windows, scripted dialogs, and the entry of
// a subject as the prompts take it.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QString>
#include <filesystem>
#include <memory>

#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "surface/dialogs.h"

namespace orvanel::testing {

// A moment as the user types it.
struct Typed {
    QString subject, year, month, day, hour, minute;
};

class WindowTest : public ::testing::Test {
  protected:
    WindowTest();
    ~WindowTest() override;

    // Copies of the shipped data files in a fresh folder, minus `missing`.

    Program& State() { return session_->program; }
    const ChartSlot& Slot(int s) { return SlotAt(session_->program, s); }
    // The prompts answered with `typed`, then "Sí".
    void EnterSubject(const Typed& typed);
    // Subject 1 on 5 December 2001 at 14:30, subject 2 on 3 July 1965 at 09:15.
    void EnterBothSubjects();

    template <class T = QWidget>
    T* Find(QWidget& window, const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    // The pointer moved over `widget` with no button held.
    static void MoveOver(QWidget* widget);
    static void ClickOn(QWidget* widget);

    surface::ScriptedDialogs dialogs_;
    std::filesystem::path folder_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<Windows> windows_;
    int ended_ = 0;  // how often the program was ended
};

inline const Typed kFirstSubject{"1", "2001", "12", "05", "14", "30"};
inline const Typed kSecondSubject{"2", "1965", "07", "03", "09", "15"};

}  // namespace orvanel::testing
