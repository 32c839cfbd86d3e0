#include "window_fixture.h"

#include <unistd.h>
#include <QApplication>
#include <QMouseEvent>
#include <atomic>

#include "orvanel/shell/date_entry.h"
#include "window_test_support.h"

namespace orvanel::testing {

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button) {
    const QPointF centre = QRectF(widget->rect()).center();
    QMouseEvent event(type, centre, widget->mapToGlobal(centre), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

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
