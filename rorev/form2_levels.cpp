#include "rorev/form2_levels.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "rorev/levels_drawing.h"
#include "rorev/widget_colours.h"
#include "surface/accessibility.h"
#include "surface/export_menu.h"
#include "surface/fonts.h"
#include "surface/picture_widget.h"

namespace rorev {

namespace {
constexpr int kClientWidth = 8880, kClientHeight = 6620;
constexpr TwipsRect kPicture1{120, 0, 6500, 6500};
constexpr TwipsRect kLabel1{2400, 2880, 1935, 855};
constexpr int kButtonLeft = 7440, kButtonWidth = 1215, kButtonHeight = 375;
constexpr int kFirstButtonTop = 360, kButtonSpacing = 600, kCloseButtonTop = 5040;
const QColor kLabelText(224, 224, 224);
constexpr surface::Rgb kPatternGrey = surface::RGB(192, 192, 192);
}  // namespace

Form2::Form2(const cp::ConceptTable& concepts, QWidget* mainWindow)
    : concepts_(concepts),
      mainWindow_(mainWindow),
      picture1_(new surface::PictureWidget(this)),
      label1_(new QLabel(this)) {
    setObjectName("Form2");
    setWindowTitle(" ");                    // the design has no title
    setAccessibleName("Vista de niveles");  // what screen readers call it instead
    SetColours(this, Qt::white, Qt::black);
    picture1_->setObjectName("Picture1");
    picture1_->Surface().SetBackColour(surface::kBlack);
    picture1_->Surface().SetForeColour(kPatternGrey);
    picture1_->Surface().SetFont(kLevelsFont);
    layout_.Add(picture1_, kPicture1, kLevelsScale, kLevelsScale);
    surface::DescribePicture(
        picture1_, "Conceptos por niveles",
        "Los conceptos de dos niveles vecinos, ampliados sobre el dibujo de los niveles");

    label1_->setObjectName("Label1");
    label1_->setTextFormat(Qt::PlainText);
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setFont(surface::DesignFont("MS Sans Serif", 9.75, true, false));
    SetTransparent(label1_, kLabelText);
    layout_.Add(label1_, kLabel1);
    // The pair shown, as the label in the middle says it, on one line.
    surface::AddExportCommands(
        this, [this] { return surface::ExportList{&picture1_->Surface()}; },
        [this] {
            const QString pair = label1_->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
            return surface::ExportNotes{pair.isEmpty() ? QStringList() : QStringList{pair}, {}};
        });

    const auto& pairs = LevelPairs();
    for (int i = 0; i <= static_cast<int>(pairs.size()); ++i) {
        const bool isClose = i == static_cast<int>(pairs.size());
        auto* button =
            new QPushButton(isClose ? QStringLiteral("Cerrar")
                                    : QStringLiteral("Niveles ") +
                                          QString::fromStdString(pairs[static_cast<std::size_t>(i)].pairText),
                            this);
        button->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        button->setFont(surface::DesignFont("MS Sans Serif", 8.25, false, false));
        SetButtonFace(button);
        const int top = isClose ? kCloseButtonTop : kFirstButtonTop + i * kButtonSpacing;
        layout_.Add(button, TwipsRect{kButtonLeft, top, kButtonWidth, kButtonHeight});
        if (isClose)
            connect(button, &QPushButton::clicked, this, [this] { Command8_Click(); });
        else
            connect(button, &QPushButton::clicked, this, [this, i] { CommandPair_Click(i); });
    }
    label1_->raise();  // it stands over the centre of the picture
    ScaleLayout(1.0);
}

void Form2::ScaleLayout(double ratio) {
    SizeClientTwips(this, kClientWidth, kClientHeight, ratio);
    layout_.Apply(ratio);
}

void Form2::CommandPair_Click(int pair) {
    const LevelPair& p = LevelPairs()[static_cast<std::size_t>(pair)];
    upperLimit_ = p.upperLimit;
    startAngle_ = p.startAngle;
    DrawLevels(picture1_->Surface(), concepts_, upperLimit_, startAngle_);
    label1_->setText(QStringLiteral("Niveles\ndel\n") + QString::fromStdString(p.pairText));
}

void Form2::Command8_Click() {
    mainWindow_->show();
    hide();
}

void Form2::Form_Activate() {
    DrawLevels(picture1_->Surface(), concepts_, upperLimit_, startAngle_);
}

bool Form2::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(event);
}

// The close box does what "Cerrar" does: closing the view must not leave the program without a window.
void Form2::closeEvent(QCloseEvent* event) {
    event->ignore();
    Command8_Click();
}

}  // namespace rorev
