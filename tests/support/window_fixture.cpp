#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "conceptplane/numeric.h"
#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/entry_confirmation.h"
#include "orvanel/shell/form_controls.h"
#include "real_input.h"
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

void WindowTest::EnterComputed(std::int16_t slot, std::int16_t year, std::int16_t month, std::int16_t day,
                               std::int16_t hour, std::int16_t minute) {
    EnterTyped(State(), session_->ephemeris, slot,
               {cp::FormatZeros(year, 4), cp::FormatZeros(month, 2), cp::FormatZeros(day, 2),
                cp::FormatZeros(hour, 2) + U"." + cp::FormatZeros(minute, 2)});
}

void WindowTest::Choose(QWidget& window, const char* action) {
    QAction* found = window.findChild<QAction*>(QString::fromLatin1(action));
    ASSERT_NE(found, nullptr) << action;
    real_input::ClickMenuItem(found);
}

QString WindowTest::ExportedSvg(QWidget& window) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.svg"));
    dialogs_.PushText(path);
    Choose(window, "mnuGuardarImagen");
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WindowTest::MoveOver(QWidget* widget) {
    SendMouse(widget, QEvent::MouseMove, Qt::NoButton);
}

void WindowTest::ClickOn(QWidget* widget) {
    SendMouse(widget, QEvent::MouseButtonPress, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton);
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
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
