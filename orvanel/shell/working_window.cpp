#include "orvanel/shell/working_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "orvanel/shell/form_controls.h"
#include "orvanel/shell/menu_rows.h"
#include "orvanel/shell/windows.h"

namespace orvanel {

WorkingWindow::WorkingWindow(Windows& windows, const char* name, int widthTwips, int heightTwips)
    : windows_(windows) {
    setObjectName(QLatin1String(name));
    auto* central = new QWidget(this);
    auto* rows = new QVBoxLayout(central);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    secondRow_ = new QMenuBar(central);
    secondRow_->setNativeMenuBar(false);
    secondRow_->hide();
    client_ = new QWidget(central);
    client_->setObjectName(QStringLiteral("client"));
    SetUpClientArea(client_, widthTwips, heightTwips);
    rows->addWidget(secondRow_);
    rows->addWidget(client_);
    setCentralWidget(central);
    menuBar()->setNativeMenuBar(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QAction* WorkingWindow::AddMenuItem(const char* name, const QString& caption, std::function<void()> action) {
    QAction* item = orvanel::AddMenuItem(menuBar(), name, caption);
    connect(item, &QAction::triggered, this, [action = std::move(action)] { action(); });
    return item;
}

void WorkingWindow::showEvent(QShowEvent* event) {
    WrapMenuItems(menuBar(), secondRow_, client_->width());
    QMainWindow::showEvent(event);
}

void WorkingWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    windows_.EndProgram();
}

}  // namespace orvanel
