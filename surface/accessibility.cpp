#include "surface/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMainWindow>
#include <QVariant>
#include <QWidget>

namespace surface {

namespace {

constexpr char kRoleProperty[] = "exposedRole";

// A widget with the role it was given; a label's name is its text, as Qt's own label interface has it.
class RoleInterface : public QAccessibleWidget {
  public:
    RoleInterface(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override {
        QString own = QAccessibleWidget::text(t);
        const auto* label = qobject_cast<const QLabel*>(widget());
        if (t == QAccessible::Name && own.isEmpty() && label != nullptr) return label->text();
        return own;
    }
};

// Qt gives a top-level plain widget the role of a client area ("filler"); main windows and dialogs
// it names well itself.
bool IsPlainWindow(const QWidget* widget) {
    return widget->isWindow() && widget->windowType() == Qt::Window &&
           qobject_cast<const QMainWindow*>(widget) == nullptr;
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (role.isValid()) return new RoleInterface(widget, static_cast<QAccessible::Role>(role.toInt()));
    if (IsPlainWindow(widget)) return new RoleInterface(widget, QAccessible::Window);
    return nullptr;
}

// Qt asks the factory installed last first; installed once the application has put in its own, this
// one comes before Qt's for the names Qt knows too (a label, a plain widget).
void InstallFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

}  // namespace

void ExposeAs(QWidget* widget, QAccessible::Role role) {
    InstallFactory();
    widget->setProperty(kRoleProperty, static_cast<int>(role));
    // Qt may have made the widget's interface already (a label's, as it got its text): it is made
    // again, with the role.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made != nullptr && made->role() != role)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void DescribePicture(QWidget* picture, const QString& name, const QString& description) {
    picture->setAccessibleName(name);
    picture->setAccessibleDescription(description);
}

}  // namespace surface
