// The report commands of the working windows, reached from the keyboard through the "Exportar"
// menu: the names typed and the file chosen in the dialogs, the report written or printed with what
// the program holds; a subject or a folder that is missing and a name prompt cancelled.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "orvanel/display/form3_chart.h"
#include "orvanel/display/form4_synastry.h"
#include "pdf_reading.h"
#include "window_fixture.h"

namespace orvanel::testing {
namespace {

class ReportWindow : public WindowTest {
  protected:
    ReportWindow() { EnterBothSubjects(); }
    // Alt+X opens the window's "Exportar" menu, then `key` chooses the command by its access key.
    static void Command(QWidget& window, Qt::Key key) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, key);
    }
    std::filesystem::path Path(const char* name) const {
        return dir_.filePath(QLatin1String(name)).toStdString();
    }
    QString PathText(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    QTemporaryDir dir_;
};

TEST_F(ReportWindow, TheChartWindowWritesItsSubjectUnderTheTypedName) {
    State().CurrentSubject = 1;
    windows_->ShowChartWindow();
    dialogs_.PushText(QStringLiteral("Ana María"));
    dialogs_.PushText(PathText("carta"));  // no extension: the report is a PDF
    Command(windows_->Chart(), Qt::Key_N);
    EXPECT_EQ(dialogs_.Asked().back().title, QStringLiteral("Guardar informe"));
    const std::string text = pdf_reading::Text(Path("carta.pdf"));
    EXPECT_NE(text.find("Ana María"), std::string::npos);
    // The time typed at the date entry reaches the report.
    EXPECT_NE(text.find("Nacimiento: 05 / 12 / 2001 a las 14h.30m."), std::string::npos);
    EXPECT_EQ(pdf_reading::Pages(Path("carta.pdf")), 4);
}

TEST_F(ReportWindow, TheSynastryWindowPrintsTheCoupleAndLeavesTheChartWindowAsItWas) {
    State().CurrentSubject = 1;
    windows_->ShowChartWindow();
    const QString chartTitle = windows_->Chart().windowTitle();
    windows_->StartSynastry(WindowId::Chart);
    dialogs_.PushText(QStringLiteral("Ana"));
    dialogs_.PushText(QStringLiteral("Luis"));
    dialogs_.PushText(PathText("impreso.pdf"));  // the printer's PDF file
    Command(windows_->Synastry(), Qt::Key_F);
    EXPECT_NE(pdf_reading::Text(Path("impreso.pdf")).find("Ana y Luis"), std::string::npos);
    EXPECT_EQ(pdf_reading::Pages(Path("impreso.pdf")), 6);
    EXPECT_EQ(windows_->Chart().windowTitle(), chartTitle);
}

TEST_F(ReportWindow, AMissingSubjectOrFolderIsToldAndACancelledNameAsksNoMore) {
    State().CurrentSubject = 1;
    windows_->ShowChartWindow();
    State().CurrentSubject = 5;  // a slot no entry has filled
    Command(windows_->Chart(), Qt::Key_N);
    EXPECT_EQ(dialogs_.Asked().back().text, QStringLiteral("No hay escogido ningún sujeto"));
    State().CurrentSubject = 1;
    dialogs_.PushText(QStringLiteral("Ana"));
    dialogs_.PushText(PathText("falta/informe.pdf"));
    Command(windows_->Chart(), Qt::Key_N);
    EXPECT_EQ(dialogs_.Asked().back().text,
              QStringLiteral("No se pudo guardar el informe en ") + PathText("falta/informe.pdf"));
    EXPECT_EQ(dialogs_.Asked().back().title, QStringLiteral("Informe"));
    const std::size_t asked = dialogs_.Asked().size();
    dialogs_.PushText(QString());
    Command(windows_->Chart(), Qt::Key_N);
    EXPECT_EQ(dialogs_.Asked().size(), asked + 1);
    EXPECT_TRUE(QDir(dir_.path()).isEmpty());
}

}  // namespace
}  // namespace orvanel::testing
