#include "rorev/help_windows.h"

#include <QPlainTextEdit>

#include "rorev/design_layout.h"
#include "rorev/help_texts.h"
#include "surface/fonts.h"
#include "surface/twips.h"

namespace rorev {

namespace {
constexpr TwipsRect kText1{0, 0, 9000, 6720};
}

HelpWindow::HelpWindow(const QString& title, const QString& text) : text1_(new QPlainTextEdit(this)) {
    setWindowTitle(title);
    text1_->setObjectName("Text1");
    text1_->setReadOnly(true);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setFont(surface::DesignFont("MS Sans Serif", 9.75, false, false));
    text1_->setPlainText(text);
    surface::PlaceTwips(text1_, kText1.left, kText1.top, kText1.width, kText1.height);
    SizeClientTwips(this, kText1.width, kText1.height, 1.0);
}

void HelpWindow::ShowInFront() {
    show();
    raise();
    activateWindow();
}

Form4::Form4() : HelpWindow("Instrucciones de uso", QString::fromUtf8(kInstructionsText)) {
    setObjectName("Form4");
}

Form5::Form5() : HelpWindow("Descripción de la Rorev", QString::fromUtf8(kDescriptionText)) {
    setObjectName("Form5");
}

}  // namespace rorev
