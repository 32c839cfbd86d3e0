#include "orvanel/shell/working_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>

#include "orvanel/shell/form_controls.h"
#include "orvanel/shell/windows.h"

namespace orvanel {

WorkingWindow::WorkingWindow(Windows& windows, const char* name, int widthTwips, int heightTwips)
    : windows_(windows), client_(new QWidget(this)) {
    setObjectName(QLatin1String(name));
    client_->setObjectName(QStringLiteral("client"));
    SetUpClientArea(client_, widthTwips, heightTwips);
    setCentralWidget(client_);
    menuBar()->setNativeMenuBar(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QAction* WorkingWindow::AddMenuItem(const char* name, const QString& caption, std::function<void()> action) {
    QAction* item = orvanel::AddMenuItem(menuBar(), name, caption);
    connect(item, &QAction::triggered, this, [action = std::move(action)] { action(); });
    return item;
}

void WorkingWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    windows_.EndProgram();
}

}  // namespace orvanel
