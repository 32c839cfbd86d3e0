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
#include <ostream>
#include <vector>

#include "display_list_reading.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "surface/dialogs.h"
#include "surface/drawing_surface.h"
#include "surface/picture_widget.h"
#include "window_test_support.h"

class QListWidget;

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

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
    // The answers to the prompts of a date entry: `typed`, then `confirm` ("Sí").
    void PushSubject(const Typed& typed, surface::Answer confirm = surface::Answer::Yes);
    // A date entry answered so.
    void EnterSubject(const Typed& typed);
    // Subject 1 on 5 December 2001 at 14:30, subject 2 on 3 July 1965 at 09:15.
    void EnterBothSubjects();
    // The subjects `entered` (1, 2 or 3 for both) of EnterBothSubjects, through the computing functions,
    // asking nothing: subject 2 first, so that subject 1 is current.
    void EnterBothComputed(int entered = 3);

    // Every window hidden, then `id` shown the way the program shows it, on subject 1 (the chart's,
    // the synastry's and the cycles' checks need their subjects entered).
    QWidget& ShowOnly(WindowId id);
    // A click on the label `control` of `window`, or on its menu item of that name.
    void Use(QWidget& window, const char* control);
    // Whether `window` is shown and every other working window is hidden.
    ::testing::AssertionResult OnlyVisible(const QWidget& window);
    // The last question asked, or an empty one when none was.
    surface::ScriptedDialogs::Question Told() const;
    // The questions asked from the `from`th on, each as "caption: text", a prompt's default text
    // after it in brackets.
    QStringList Transcript(std::size_t from = 0) const;

    template <class T = QWidget>
    T* Find(QWidget& window, const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    surface::PictureWidget* Picture(QWidget& window, const char* name = "Picture1") {
        return Find<surface::PictureWidget>(window, name);
    }
    void Choose(QWidget& window, const char* action);
    // The text of the SVG file "Guardar imagen…" writes for `window`'s picture.
    QString ExportedSvg(QWidget& window);
    // The pointer moved over `widget` with no button held.
    static void MoveOver(QWidget* widget);

    surface::ScriptedDialogs dialogs_;
    std::filesystem::path folder_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<Windows> windows_;
    int ended_ = 0;  // how often the program was ended
};

inline const Typed kFirstSubject{"1", "2001", "12", "05", "14", "30"};
inline const Typed kSecondSubject{"2", "1965", "07", "03", "09", "15"};

QStringList ToQtList(const std::vector<cp::Text>& texts);
// A caption with its CR LF line ends as a label shows it.
QString Caption(const cp::Text& text);
using display_list::OfKind;
using display_list::TextsIn;

}  // namespace orvanel::testing
