// What the Orvanel window tests share: one QApplication on the offscreen platform, a data folder of
// their own (copies of the shipped tables), a session with its windows, scripted dialogs, subjects
// entered as the prompts take them or straight through the computing functions, and readers of
// lists and display lists.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <vector>

#include "display_list_reading.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "surface/dialogs.h"
#include "surface/drawing_surface.h"

class QListWidget;

namespace orvanel::testing {

// A moment as the user types it.
struct Typed {
    QString subject, year, month, day, hour, minute;
};

class WindowTest : public ::testing::Test {
  protected:
    WindowTest();
    ~WindowTest() override;

    Program& State() { return session_->program; }
    const ChartSlot& Slot(int s) { return SlotAt(session_->program, s); }
    // The prompts answered with `typed`, then "Sí".
    void EnterSubject(const Typed& typed);
    // Subject 1 on 5 December 2001 at 14:30, subject 2 on 3 July 1965 at 09:15.
    void EnterBothSubjects();
    // A confirmed date entry of subject `slot` through the computing functions, asking nothing.
    void EnterComputed(std::int16_t slot, std::int16_t year, std::int16_t month, std::int16_t day,
                       std::int16_t hour, std::int16_t minute);

    template <class T = QWidget>
    T* Find(QWidget& window, const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    void Choose(QWidget& window, const char* action);
    // The text of the SVG file "Guardar imagen…" writes for `window`'s picture.
    QString ExportedSvg(QWidget& window);
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

QStringList Items(const QListWidget* list);
QStringList ToQtList(const std::vector<cp::Text>& texts);
// A caption with its CR LF line ends as a label shows it.
QString Caption(const cp::Text& text);
using display_list::OfKind;
using display_list::TextsIn;

}  // namespace orvanel::testing
