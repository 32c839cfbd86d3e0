#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

#include "surface/dialogs.h"

namespace surface {

namespace {

// The text typed into a one-line or several-line input dialog; nothing when cancelled.
std::optional<QString> AskText(const QString& prompt, const QString& title, const QString& text, bool lines) {
    QInputDialog dialog(QApplication::activeWindow());
    if (lines) dialog.setOption(QInputDialog::UsePlainTextEditForTextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(text);  // a one-line field shows it selected, so that typing replaces it
    dialog.setOkButtonText(QStringLiteral("Aceptar"));
    dialog.setCancelButtonText(QStringLiteral("Cancelar"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

}  // namespace

QString QtDialogs::Prompt(const QString& prompt, const QString& title, const QString& defaultText) {
    return AskText(prompt, title, defaultText, false).value_or(QString());
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

std::optional<QString> QtDialogs::EditText(const QString& prompt, const QString& title, const QString& text) {
    return AskText(prompt, title, text, true);
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
