#include "orvanel/shell/form_controls.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPalette>
#include <QWidget>

#include "surface/choice_list.h"
#include "surface/twips.h"
#include "surface/whole_items.h"

namespace orvanel {

QString ToQt(const cp::Text& text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

cp::Text FromQt(const QString& text) {
    const QList<uint> code = text.toUcs4();
    return cp::Text(code.begin(), code.end());
}

void SetUpClientArea(QWidget* area, int widthTwips, int heightTwips) {
    SetBackColour(area, Qt::black);
    area->setFixedSize(surface::TwipsToPixels(widthTwips, area), surface::TwipsToPixels(heightTwips, area));
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, QRect twips, const QFont& font,
                 QColor fore, Align align) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment((align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setFont(font);
    label->setText(caption);
    SetForeColour(label, fore);
    surface::PlaceTwips(label, twips.left(), twips.top(), twips.width(), twips.height());
    return label;
}

void SetCaption(QLabel* label, const cp::Text& caption) {
    QString text = ToQt(caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    label->setText(text);
}

void SetForeColour(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void SetBackColour(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor ForeColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

surface::ChoiceList* AddList(QWidget* parent, const char* name, QRect twips, const QFont& font, QColor fore,
                             QColor back) {
    auto* list = new surface::ChoiceList(parent);
    list->setObjectName(QLatin1String(name));
    list->setFont(font);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Text, fore);
    list->setPalette(palette);
    list->setFrameShape(QFrame::Box);
    list->setUniformItemSizes(true);
    surface::PlaceTwips(list, twips.left(), twips.top(), twips.width(), twips.height());
    surface::KeepItemsWhole(list);
    return list;
}

void FillList(QListWidget* list, const std::vector<cp::Text>& items) {
    list->clear();
    for (const cp::Text& item : items)
        list->addItem(ToQt(item));
}

namespace {

// Watches the leader's own visibility (not a window's being hidden around it).
class VisibilityFollower : public QObject {
  public:
    VisibilityFollower(QWidget* follower, QWidget* leader) : QObject(leader), follower_(follower) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShowToParent) follower_->show();
        if (event->type() == QEvent::HideToParent) follower_->hide();
        return false;
    }

  private:
    QWidget* follower_;
};

}  // namespace

void ShowAndHideWith(QWidget* follower, QWidget* leader) {
    follower->setVisible(!leader->isHidden());
    leader->installEventFilter(new VisibilityFollower(follower, leader));
}

QAction* AddMenuItem(QMenuBar* bar, const char* name, const QString& caption) {
    QAction* action = bar->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

}  // namespace orvanel
