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

// The dialog's button texts in order, after a click on the one that reads `press`.
QStringList Press(QWidget* dialog, const QString& press) {
    QStringList texts;
    QPushButton* pressed = nullptr;
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
        texts << b->text();
        if (b->text() == press) pressed = b;
    }
    QTest::mouseClick(pressed, Qt::LeftButton);
    texts.sort();
    return texts;
}

}  // namespace

// Typing replaces the prompt's default text, which comes selected.
TEST(QtDialogs, AnswerWithWhatIsTypedOrPressedAndTellACancel) {
    QtDialogs dialogs;
    for (const QString press : {"Aceptar", "Cancelar"}) {
        QString title;
        QStringList buttons;
        WhenShown([&](QWidget* dialog) {
            title = dialog->windowTitle();
            QTest::keyClicks(dialog->findChild<QLineEdit*>(), "1987");
            buttons = Press(dialog, press);
        });
        EXPECT_EQ(dialogs.Prompt("Año", "Fecha del sujeto", "2000"), press == "Aceptar" ? "1987" : "");
        EXPECT_EQ(title, "Fecha del sujeto");
        EXPECT_EQ(buttons, QStringList({"Aceptar", "Cancelar"}));
    }

    // Message boxes answer with the button pressed.
    const struct {
        Buttons buttons;
        QString press;
        Answer answer;
        QStringList shown;
    } cases[] = {{Buttons::YesNo, "No", Answer::No, {"No", "Sí"}},
                 {Buttons::YesNo, "Sí", Answer::Yes, {"No", "Sí"}},
                 {Buttons::Ok, "Aceptar", Answer::Ok, {"Aceptar"}}};
    for (const auto& c : cases) {
        QStringList shown;
        WhenShown([&](QWidget* dialog) { shown = Press(dialog, c.press); });
        EXPECT_EQ(dialogs.Message("¿Borrar?", "Vectores", c.buttons), c.answer) << c.press.toStdString();
        EXPECT_EQ(shown, c.shown);
    }

    // The text edit keeps the text unselected and tells a cancel from an emptied text.
    QString selected = "?";
    WhenShown([&](QWidget* dialog) {
        auto* edit = dialog->findChild<QPlainTextEdit*>();
        selected = edit->textCursor().selectedText();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        Press(dialog, "Aceptar");
    });
    EXPECT_EQ(dialogs.EditText("Notas", "Modificar sujeto", "uno\ndos"), QString());
    EXPECT_EQ(selected, "") << "a first key must not wipe the notes out";
    WhenShown([](QWidget* dialog) { Press(dialog, "Cancelar"); });
    EXPECT_EQ(dialogs.EditText("Notas", "Modificar sujeto", "uno"), std::nullopt);
}
