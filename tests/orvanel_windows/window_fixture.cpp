#include "window_fixture.h"

#include <unistd.h>
#include <QApplication>
#include <QMouseEvent>
#include <atomic>

#include "orvanel/shell/date_entry.h"
#include "surface/fonts.h"

namespace orvanel::testing {

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "orvanel_window_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* a = new QApplication(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        surface::LoadFonts();
        return a;
    }();
    return *app;
}

void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button) {
    const QPointF centre = QRectF(widget->rect()).center();
    QMouseEvent event(type, centre, widget->mapToGlobal(centre), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

WindowTest::WindowTest() {
    App();
    folder_ = MakeDataFolder();
    session_ = std::make_unique<Session>(folder_.string());
    windows_ = std::make_unique<Windows>(*session_);
    windows_->SetProgramEnd([this] { ++ended_; });
}

WindowTest::~WindowTest() {
    windows_.reset();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

std::filesystem::path WindowTest::MakeDataFolder(const char* missing) {
    static std::atomic<int> serial = 0;
    const auto folder = std::filesystem::temp_directory_path() /
                        ("orvanel-windows-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(folder);
    const std::filesystem::path shipped = std::filesystem::path(ORVANEL_SOURCE_DIR) / "data";
    for (const char* name : {"concptos.txt", "efemerides.txt", "orbitas.txt"}) {
        if (missing && std::string(missing) == name) continue;
        std::filesystem::copy_file(shipped / name, folder / name);
    }
    return folder;
}

void WindowTest::EnterSubject(const Typed& t) {
    for (const QString& text : {t.subject, t.year, t.month, t.day, t.hour, t.minute})
        dialogs_.PushText(text);
    dialogs_.PushAnswer(surface::Answer::Yes);
    EnterDate(*session_);
}

void WindowTest::EnterBothSubjects() {
    EnterSubject(kFirstSubject);
    EnterSubject(kSecondSubject);
}

void WindowTest::MoveOver(QWidget* widget) {
    SendMouse(widget, QEvent::MouseMove, Qt::NoButton);
}

void WindowTest::ClickOn(QWidget* widget) {
    SendMouse(widget, QEvent::MouseButtonPress, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton);
}

}  // namespace orvanel::testing
