#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "surface/dialogs.h"

namespace surface {

QString QtDialogs::Prompt(const QString& prompt, const QString& title, const QString& defaultText) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);  // Qt shows it selected, so that typing replaces it
    dialog.setOkButtonText(QStringLiteral("Aceptar"));
    dialog.setCancelButtonText(QStringLiteral("Cancelar"));
    if (dialog.exec() != QDialog::Accepted) return QString();
    return dialog.textValue();
}

Answer QtDialogs::Message(const QString& text, const QString& caption, Buttons buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);  // messages carry typed and file text
    box.setText(text);
    if (buttons == Buttons::Ok) {
        box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
        box.exec();
        return Answer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("Sí"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

// A text of several lines is edited, not replaced: the lines wrap and the cursor starts at the end,
// with nothing selected that a first key would wipe out.
std::optional<QString> QtDialogs::EditText(const QString& prompt, const QString& title, const QString& text) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    auto* edit = new QPlainTextEdit(text, &dialog);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setTabChangesFocus(true);  // Tab goes on to the buttons; Enter starts a new line
    edit->moveCursor(QTextCursor::End);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* rows = new QVBoxLayout(&dialog);
    auto* label = new QLabel(prompt, &dialog);
    label->setTextFormat(Qt::PlainText);
    rows->addWidget(label);
    rows->addWidget(edit);
    rows->addWidget(buttons);
    dialog.resize(480, 260);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return edit->toPlainText();
}

QString QtDialogs::SaveFileName(const QString& title, const QString& filter) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, QString(), filter);
}

QString QtDialogs::OpenFileName(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QString(), filter);
}

bool QtDialogs::ChoosePrinter(QPrinter& printer, const QString& title) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace surface
