// The Qt dialogs show Spanish buttons, the prompt's default text selected, and give "" on cancel; the
// text edit of several lines tells a cancel from an emptied text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "surface/dialogs.h"

using namespace surface;

namespace {

// Runs `act` on the modal dialog once it is up.
void WhenShown(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}

QStringList ButtonTexts(QWidget* dialog) {
    QStringList texts;
    for (const QPushButton* b : dialog->findChildren<QPushButton*>())
        texts << b->text();
    texts.sort();
    return texts;
}

QPushButton* Button(QWidget* dialog, const QString& text) {
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

}  // namespace

TEST(QtDialogs, PromptSelectsTheDefaultAndCancelGivesEmpty) {
    QtDialogs dialogs;
    QString selected, title;
    QStringList buttons;
    WhenShown([&](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        selected = dialog->findChild<QLineEdit*>()->selectedText();
        buttons = ButtonTexts(dialog);
        dialog->findChild<QLineEdit*>()->setText("1987");
        QTest::mouseClick(Button(dialog, "Aceptar"), Qt::LeftButton);
    });
    EXPECT_EQ(dialogs.Prompt("Año", "Fecha del sujeto", "2000"), "1987");
    EXPECT_EQ(title, "Fecha del sujeto");
    EXPECT_EQ(selected, "2000");
    EXPECT_EQ(buttons, QStringList({"Aceptar", "Cancelar"}));
    WhenShown([](QWidget* dialog) { QTest::mouseClick(Button(dialog, "Cancelar"), Qt::LeftButton); });
    EXPECT_EQ(dialogs.Prompt("Año", "Fecha del sujeto", "2000"), "");
}

TEST(QtDialogs, MessageBoxesAnswerWithTheButtonPressed) {
    QtDialogs dialogs;
    QStringList buttons;
    WhenShown([&](QWidget* dialog) {
        buttons = ButtonTexts(dialog);
        QTest::mouseClick(Button(dialog, "No"), Qt::LeftButton);
    });
    EXPECT_EQ(dialogs.Message("¿Borrar?", "Vectores", Buttons::YesNo), Answer::No);
    EXPECT_EQ(buttons, QStringList({"No", "Sí"}));
    WhenShown([](QWidget* dialog) { QTest::mouseClick(Button(dialog, "Sí"), Qt::LeftButton); });
    EXPECT_EQ(dialogs.Message("¿Borrar?", "Vectores", Buttons::YesNo), Answer::Yes);
    WhenShown([&](QWidget* dialog) {
        buttons = ButtonTexts(dialog);
        QTest::mouseClick(Button(dialog, "Aceptar"), Qt::LeftButton);
    });
    EXPECT_EQ(dialogs.Message("<b>texto</b>", "Vectores", Buttons::Ok), Answer::Ok);
    EXPECT_EQ(buttons, QStringList({"Aceptar"}));
}

TEST(QtDialogs, EditTextKeepsTheTextUnselectedAndTellsCancelFromEmptied) {
    QtDialogs dialogs;
    QString selected = "?";
    WhenShown([&](QWidget* dialog) {
        auto* edit = dialog->findChild<QPlainTextEdit*>();
        selected = edit->textCursor().selectedText();
        edit->clear();
        Button(dialog, "Aceptar")->click();
    });
    EXPECT_EQ(dialogs.EditText("Notas", "Modificar sujeto", "uno\ndos"), QString());
    EXPECT_EQ(selected, "") << "a first key must not wipe the notes out";
    WhenShown([](QWidget* dialog) { Button(dialog, "Cancelar")->click(); });
    EXPECT_EQ(dialogs.EditText("Notas", "Modificar sujeto", "uno"), std::nullopt);
}
