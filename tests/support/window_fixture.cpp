#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>

#include "core_builders.h"
#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/form_controls.h"
#include "real_input.h"
#include "temp_folder.h"
#include "window_test_support.h"

namespace orvanel::testing {

WindowTest::WindowTest() {
    TestApplication();
    folder_ = CopyShippedData();
    session_ = std::make_unique<Session>(folder_.string());
    windows_ = std::make_unique<Windows>(*session_);
    windows_->SetProgramEnd([this] { ++ended_; });
}

WindowTest::~WindowTest() {
    windows_.reset();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

void WindowTest::PushSubject(const Typed& t, surface::Answer confirm) {
    for (const QString& text : {t.subject, t.year, t.month, t.day, t.hour, t.minute})
        dialogs_.PushText(text);
    dialogs_.PushAnswer(confirm);
}

void WindowTest::EnterSubject(const Typed& typed) {
    PushSubject(typed);
    EnterDate(*session_);
}

void WindowTest::EnterBothSubjects() {
    EnterSubject(kFirstSubject);
    EnterSubject(kSecondSubject);
}

void WindowTest::EnterBothComputed(int entered) {
    if (entered & 2) core_builders::EnterComputed(State(), session_->ephemeris, 2, {1965, 7, 3, 9, 15});
    if (entered & 1) core_builders::EnterComputed(State(), session_->ephemeris, 1, {2001, 12, 5, 14, 30});
}

QWidget& WindowTest::ShowOnly(WindowId id) {
    for (QWidget* other : QApplication::topLevelWidgets())
        other->hide();
    State().CurrentSubject = 1;
    const WindowId from = id == WindowId::Vectors      ? WindowId::Chart
                          : id == WindowId::VectorsTwo ? WindowId::Synastry
                                                       : WindowId::MainMenu;
    if (from != WindowId::MainMenu) ShowOnly(from);
    if (id == WindowId::Chart)
        windows_->ShowChartWindow();
    else if (id == WindowId::Synastry)
        windows_->StartSynastry(from);
    else if (id == WindowId::Cycles || from != WindowId::MainMenu)
        windows_->Open(id, from);
    else
        windows_->Window(id).show();
    return windows_->Window(id);
}

void WindowTest::Use(QWidget& window, const char* control) {
    if (window.findChild<QAction*>(QString::fromLatin1(control)) != nullptr) return Choose(window, control);
    QLabel* label = Find<QLabel>(window, control);
    ASSERT_NE(label, nullptr) << control;
    real_input::Click(label);
}

::testing::AssertionResult WindowTest::OnlyVisible(const QWidget& window) {
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other->windowType() == Qt::Window && other->isVisible() != (other == &window))
            return ::testing::AssertionFailure()
                   << other->objectName().toStdString() << (other->isVisible() ? " is shown" : " is hidden");
    return ::testing::AssertionSuccess();
}

surface::ScriptedDialogs::Question WindowTest::Told() const {
    return dialogs_.Asked().empty() ? surface::ScriptedDialogs::Question{} : dialogs_.Asked().back();
}

QStringList WindowTest::Transcript(std::size_t from) const {
    QStringList lines;
    for (std::size_t i = from; i < dialogs_.Asked().size(); ++i) {
        const auto& q = dialogs_.Asked()[i];
        lines << q.title + ": " + q.text + (q.defaultText.isEmpty() ? "" : " [" + q.defaultText + "]");
    }
    return lines;
}

void WindowTest::Choose(QWidget& window, const char* action) {
    real_input::ClickMenuItem(window.findChild<QAction*>(QString::fromLatin1(action)));
}

QString WindowTest::ExportedSvg(QWidget& window) {
    const test_support::TempFolder folder;
    dialogs_.PushText(QString::fromStdString(folder / "picture.svg"));
    Choose(window, "mnuGuardarImagen");
    return QString::fromStdString(test_support::ReadBytes(folder / "picture.svg"));
}

// Sent to the widget itself: the pointer may already be at the centre of another, where Qt sends none.
void WindowTest::MoveOver(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    QMouseEvent move(QEvent::MouseMove, centre, widget->mapToGlobal(centre), Qt::NoButton, {}, {});
    QApplication::sendEvent(widget, &move);
}

QStringList ToQtList(const std::vector<cp::Text>& texts) {
    QStringList list;
    for (const cp::Text& t : texts)
        list << ToQt(t);
    return list;
}

QString Caption(const cp::Text& text) {
    return ToQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace orvanel::testing
