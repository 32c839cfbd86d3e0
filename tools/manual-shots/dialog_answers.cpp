#include "dialog_answers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace manual_shots {

DialogAnswers::DialogAnswers(ShotFolder& folder, std::vector<Step> steps)
    : folder_(folder), steps_(std::move(steps)) {
    // A modal dialog runs its own event loop, in which this timer keeps firing.
    connect(&timer_, &QTimer::timeout, this, [this] { AnswerOpenDialog(); });
    timer_.start(0);
}

void DialogAnswers::AnswerOpenDialog() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || Done()) return;
    const Step& step = steps_[next_++];
    if (step.shot != nullptr) folder_.Save(*dialog, step.shot);
    if (auto* prompt = qobject_cast<QInputDialog*>(dialog)) {
        prompt->setTextValue(step.typed);
        prompt->accept();
    } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        for (QAbstractButton* button : box->buttons())
            if (button->text() == QStringLiteral("Sí")) button->click();
    }
}

}  // namespace manual_shots
