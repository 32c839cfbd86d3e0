// The window "Sujetos guardados" through real mouse and keyboard input, on a register file in a
// temporary home folder (QStandardPaths test mode): loading repeats the typed entry exactly, saving
// asks before replacing, reports go under the register's names, every action is reachable from the
// keyboard, and a register that cannot be used or written is told while the rest of the program goes
// on.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>

#include "orvanel/register/form_subjects.h"
#include "orvanel/register/register_fault.h"
#include "orvanel/register/subject_files.h"
#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/form2_main_menu.h"
#include "pdf_reading.h"
#include "temp_folder.h"
#include "window_fixture.h"

namespace orvanel::testing {
namespace {

using surface::Answer;

class SubjectsWindow : public WindowTest {
  protected:
    SubjectsWindow() {
        qputenv("HOME", QByteArray::fromStdString(home_.Path()));
        QStandardPaths::setTestModeEnabled(true);
    }

    void Seed(const char* name) {
        subjects::SubjectRegister(path_).Add({name, "1965", "07", "03", "09.15", "", "", ""});
    }

    // "Sujetos guardados" clicked on the main menu.
    FormSubjects& Open() {
        windows_->ShowMainMenu(WindowId::Splash);
        QTest::mouseClick(Find<QLabel>(windows_->MainMenu(), "Label13"), Qt::LeftButton);
        auto& form = windows_->Get<FormSubjects>(WindowId::Subjects);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        return form;
    }

    void Click(FormSubjects& form, const char* button) {
        QTest::mouseClick(Find<QPushButton>(form, button), Qt::LeftButton);
    }

    QStringList Names(FormSubjects& form) {
        const QAbstractItemModel* model = Find<QTreeView>(form, "List1")->model();
        QStringList names;
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, 0).data().toString();
        return names;
    }

    test_support::TempFolder home_;
    const std::string path_ = home_ / ".qttest/share/orvanel_window_tests/sujetos.sqlite";
};

// Saving asks the name, and asks before replacing; Enter on an item found by the search loads it as
// subject 1 exactly as the typed entry would.
TEST_F(SubjectsWindow, SavingAsksTheNameAndAsksBeforeReplacing) {
    EnterSubject(kFirstSubject);
    FormSubjects& form = Open();
    dialogs_.PushText("  Álvaro  ");
    Click(form, "cmdGuardar1");
    EnterSubject({"2", "1965", "7", "03", "9", "30"});  // a one-digit month and hour, as typed
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        dialogs_.PushText("ÁLVARO");
        dialogs_.PushAnswer(answer);
        Click(form, "cmdGuardar2");
    }
    EXPECT_EQ(Told().text, QStringLiteral("Ya existe un sujeto llamado «Álvaro». ¿Reemplazar su fecha y hora "
                                          "con las del sujeto 2?"));
    Seed("Alicia");

    // From the same state, the entry typed again and the subject loaded must leave the same state
    // (stale aspect records included) and the same chart.
    const Program before = State();
    EnterSubject({"1", "1965", "7", "03", "9", "30"});
    Program expected = State();
    SlotAt(expected, 1).registerName = U"ÁLVARO";  // remembered for the report's name prompt
    State() = before;
    Open();
    auto* search = Find<QLineEdit>(form, "Text1");
    QTest::keyClicks(search, "ALV");
    EXPECT_EQ(Names(form), QStringList{"ÁLVARO"});
    QTest::keyClick(search, Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(State() == expected);
    EXPECT_FALSE(dialogs_.Failed());
}

TEST_F(SubjectsWindow, ReportsGoUnderTheRegistersNameAndLeaveTheSlotsAsTheyWere) {
    EnterBothSubjects();
    FormSubjects& form = Open();
    dialogs_.PushText("Luis Núñez");
    Click(form, "cmdGuardar2");  // the saved subject is the one chosen in the list
    const Program before = State();
    for (const char* button : {"cmdInforme", "cmdImprimirInforme"}) {
        const std::string pdf = home_ / (std::string(button) + ".pdf");
        dialogs_.PushText(QString::fromStdString(pdf));  // the file, or the printer's file
        Click(form, button);
        EXPECT_NE(pdf_reading::Text(pdf).find("Luis Núñez · 03 / 07 / 1965 a las 09h.15m."),
                  std::string::npos);
    }
    EXPECT_TRUE(State() == before);
    EXPECT_EQ(Find<QLabel>(form, "Label4")->text(), QStringLiteral("Informe de «Luis Núñez» impreso"));

    // The synastry's name prompts offer the saved name, as renamed, until subject 2 is entered anew.
    dialogs_.PushText("Luis N. Núñez");
    dialogs_.PushText("");  // the notes
    Click(form, "cmdModificar");
    Click(form, "cmdVolver");
    for (const QString& second : {QStringLiteral("Luis N. Núñez"), QStringLiteral("Sujeto 2")}) {
        QTest::mouseClick(Find<QLabel>(windows_->MainMenu(), "Label4"), Qt::LeftButton);
        dialogs_.PushText("Ana");
        dialogs_.PushText(QString());  // the second name cancelled: nothing is written
        Choose(windows_->Window(WindowId::Synastry), "mnuInforme");
        EXPECT_EQ(dialogs_.Asked().back().defaultText, second);
        windows_->ShowMainMenu(WindowId::Synastry);
        EnterSubject(kSecondSubject);
    }
    EXPECT_FALSE(dialogs_.Failed());
}

// The keyboard reaches every action; a row clicked with the mouse is the one modified.
TEST_F(SubjectsWindow, ModifyAndDeleteTheSubjectClickedInTheList) {
    Seed("Ana");
    Seed("Luis");
    FormSubjects& form = Open();
    QStringList order;
    for (int i = 0; i < 13; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList{"Text1", "List1", "cmdCargar1", "cmdCargar2", "cmdInforme",
                                  "cmdImprimirInforme", "cmdGuardar1", "cmdGuardar2", "cmdModificar",
                                  "cmdBorrar", "cmdImportar", "cmdExportar", "cmdVolver"}));

    auto* list = Find<QTreeView>(form, "List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());
    dialogs_.PushText("Luis Núñez");
    dialogs_.PushText("nota nueva\nsegunda línea");
    Click(form, "cmdModificar");
    EXPECT_EQ(Find<QLabel>(form, "Label3")->text(), QStringLiteral("Notas: nota nueva\nsegunda línea"));
    dialogs_.PushText("Otro nombre");
    dialogs_.PushAnswer(Answer::No);  // the notes cancelled: nothing changes
    Click(form, "cmdModificar");
    EXPECT_EQ(Names(form), (QStringList{"Ana", "Luis Núñez"}));

    QTest::keyClick(&form, Qt::Key_B, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    dialogs_.PushAnswer(Answer::No);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    EXPECT_EQ(Told().text, QStringLiteral("¿Borrar el sujeto «Luis Núñez»?"));
    dialogs_.PushAnswer(Answer::Yes);
    Click(form, "cmdBorrar");
    EXPECT_EQ(Names(form), QStringList{"Ana"});

    Click(form, "cmdCargar1");
    EXPECT_EQ(Slot(1).title, U"03 / 07 / 1965");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(OnlyVisible(windows_->MainMenu()));
    EXPECT_FALSE(dialogs_.Failed());
}

TEST_F(SubjectsWindow, ImportAndExportThroughTheFileDialogs) {
    Seed("Ana");
    FormSubjects& form = Open();
    dialogs_.PushText(QString::fromStdString(home_ / "todos.json"));
    Click(form, "cmdExportar");
    EXPECT_EQ(subjects::ReadSubjectsFile(home_ / "todos.json").subjects,
              subjects::SubjectRegister(path_).All());

    home_.Write("malo.csv", "nombre,año,día,hora\r\n");
    dialogs_.PushText(QString::fromStdString(home_ / "malo.csv"));
    Click(form, "cmdImportar");
    EXPECT_TRUE(Told().text.startsWith(QStringLiteral("No se ha importado ningún sujeto: línea 1:")));

    home_.Write("nuevos.csv", "nombre,año,mes,día,hora\r\nana,2001,12,05,14.30\r\nLuis,1965,07,03,09.15\r\n");
    dialogs_.PushText(QString::fromStdString(home_ / "nuevos.csv"));
    dialogs_.PushAnswer(Answer::No);  // keep the subjects already held
    Click(form, "cmdImportar");
    EXPECT_TRUE(Told().text.startsWith(
        QStringLiteral("1 de los sujetos del archivo ya están en el registro (Ana).")));
    EXPECT_EQ(Names(form), (QStringList{"Ana", "Luis"}));
    EXPECT_EQ(Find<QLabel>(form, "Label4")->text(),
              QStringLiteral("Importados: 1 nuevos, 0 reemplazados, 1 omitidos"));
}

TEST_F(SubjectsWindow, AFileThatIsNoRegisterLeavesTheWindowEmptyAndReadOnly) {
    Seed("Ana");
    home_.Write(".qttest/share/orvanel_window_tests/sujetos.sqlite", "no es una base de datos");
    FormSubjects& form = Open();
    EXPECT_EQ(Told().text, QString::fromStdString(subjects::NotARegisterMessage(path_)));
    for (const char* button :
         {"cmdCargar1", "cmdInforme", "cmdGuardar1", "cmdModificar", "cmdBorrar", "cmdImportar"})
        EXPECT_FALSE(Find<QPushButton>(form, button)->isEnabled()) << button;
}

}  // namespace
}  // namespace orvanel::testing
