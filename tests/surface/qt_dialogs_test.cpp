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

// Typing replaces the default text, which comes selected.
TEST(QtDialogs, PromptSelectsTheDefaultAndCancelGivesEmpty) {
    QtDialogs dialogs;
    for (const QString press : {"Aceptar", "Cancelar"}) {
        QString title;
        QStringList buttons;
        WhenShown([&](QWidget* dialog) {
            title = dialog->windowTitle();
            buttons = ButtonTexts(dialog);
            QTest::keyClicks(dialog->findChild<QLineEdit*>(), "1987");
            QTest::mouseClick(Button(dialog, press), Qt::LeftButton);
        });
        EXPECT_EQ(dialogs.Prompt("Año", "Fecha del sujeto", "2000"), press == "Aceptar" ? "1987" : "");
        EXPECT_EQ(title, "Fecha del sujeto");
        EXPECT_EQ(buttons, QStringList({"Aceptar", "Cancelar"}));
    }
}

TEST(QtDialogs, MessageBoxesAnswerWithTheButtonPressed) {
    const struct {
        Buttons buttons;
        QString press;
        Answer answer;
        QStringList shown;
    } cases[] = {{Buttons::YesNo, "No", Answer::No, {"No", "Sí"}},
                 {Buttons::YesNo, "Sí", Answer::Yes, {"No", "Sí"}},
                 {Buttons::Ok, "Aceptar", Answer::Ok, {"Aceptar"}}};
    QtDialogs dialogs;
    for (const auto& c : cases) {
        QStringList shown;
        WhenShown([&](QWidget* dialog) {
            shown = ButtonTexts(dialog);
            QTest::mouseClick(Button(dialog, c.press), Qt::LeftButton);
        });
        EXPECT_EQ(dialogs.Message("¿Borrar?", "Vectores", c.buttons), c.answer) << c.press.toStdString();
        EXPECT_EQ(shown, c.shown);
    }
}

TEST(QtDialogs, EditTextKeepsTheTextUnselectedAndTellsCancelFromEmptied) {
    QtDialogs dialogs;
    QString selected = "?";
    WhenShown([&](QWidget* dialog) {
        auto* edit = dialog->findChild<QPlainTextEdit*>();
        selected = edit->textCursor().selectedText();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::mouseClick(Button(dialog, "Aceptar"), Qt::LeftButton);
    });
    EXPECT_EQ(dialogs.EditText("Notas", "Modificar sujeto", "uno\ndos"), QString());
    EXPECT_EQ(selected, "") << "a first key must not wipe the notes out";
    WhenShown([](QWidget* dialog) { QTest::mouseClick(Button(dialog, "Cancelar"), Qt::LeftButton); });
    EXPECT_EQ(dialogs.EditText("Notas", "Modificar sujeto", "uno"), std::nullopt);
}
