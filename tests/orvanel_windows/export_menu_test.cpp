// The "E&xportar" menu of the working windows: the chart's wheel under the window's title written to
// PNG, JPEG, SVG and PDF files and printed; the reports, reached from the keyboard, written or printed
// with the names typed; the file names coming from scripted dialogs; cancelled, failed and refused
// saves, and a missing subject.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "orvanel/display/form3_chart.h"
#include "orvanel/display/form4_synastry.h"
#include "orvanel/report/text_measure.h"
#include "pdf_reading.h"
#include "temp_folder.h"
#include "window_fixture.h"
#include "window_test_support.h"

namespace orvanel::testing {
namespace {

class ChartExport : public WindowTest {
  protected:
    ChartExport() {
        EnterBothSubjects();
        ShowOnly(WindowId::Chart);
    }
    Form3Chart& Form() { return windows_->Chart(); }
    void Run(const char* command, const QString& answer) {
        dialogs_.PushText(answer);
        Choose(Form(), command);
    }
    // Alt+X opens the window's "Exportar" menu, then `key` chooses the command by its access key.
    static void Command(QWidget& window, Qt::Key key) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
        QTest::keyClick(QApplication::activePopupWidget(), key);
    }
    QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    std::string Bytes(const char* name) const { return test_support::ReadBytes(Path(name).toStdString()); }

    QTemporaryDir dir_;
};
using ReportWindow = ChartExport;

TEST_F(ChartExport, IsTheLastMenuWithTheIndentOfTheOthers) {
    // The last item of the second row of the menu bar, or of the first when the second is empty.
    const QMenuBar* second = Form().centralWidget()->findChild<QMenuBar*>();
    const QAction* last = (second->actions().isEmpty() ? Form().menuBar() : second)->actions().back();
    EXPECT_EQ(last->text(), QStringLiteral("           E&xportar"));
    QStringList items;  // the consultation report's commands follow the picture's
    for (const QAction* item : last->menu()->actions())
        items << item->text() + (item->isSeparator() ? "-" : "") + item->shortcut().toString();
    EXPECT_EQ(items,
              QStringList({QString::fromUtf8("&Guardar imagen…Ctrl+S"), QString::fromUtf8("&Imprimir…Ctrl+P"),
                           "-", QString::fromUtf8("I&nforme…"), QString::fromUtf8("Imprimir in&forme…")}));
}

// Nothing is written or told after a cancelled dialog; a file that cannot be written or a format no
// writer here takes is told by name, and nothing is written. The file's first bytes say its format;
// the SVG holds the wheel's lines as paths and its glyphs as outlines, under the window's title.
TEST_F(ChartExport, WritesTheFormatTheFileNameEndsWithAndTellsAFailedOrRefusedSave) {
    const struct {
        const char *file, *command, *written, *start;
    } rows[] = {
        {"wheel.png", "mnuGuardarImagen", "wheel.png", "\x89PNG"},
        {"wheel", "mnuGuardarImagen", "wheel.png", "\x89PNG"},           // without a suffix the file is a PNG
        {"wheel.jpg", "mnuGuardarImagen", "wheel.jpg", "\xFF\xD8\xFF"},  // never a PNG under its name
        {"wheel.SVG", "mnuGuardarImagen", "wheel.SVG", "<?xml"},
        {"wheel.pdf", "mnuGuardarImagen", "wheel.pdf", "%PDF"},
        {"printed.pdf", "mnuImprimir", "printed.pdf", "%PDF"},
    };
    const std::size_t before = dialogs_.Asked().size();
    Run("mnuGuardarImagen", QString());
    Run("mnuImprimir", QString());
    ASSERT_EQ(dialogs_.Asked().size(), before + 2);  // the two dialogs, no message
    const QString unwritable = Path("missing/wheel.png");
    Run("mnuGuardarImagen", unwritable);
    EXPECT_EQ(Told().title + ": " + Told().text,
              QStringLiteral("Guardar imagen: No se pudo guardar la imagen en ") + unwritable);
    EXPECT_TRUE(Form().isVisible());
    Run("mnuGuardarImagen", Path("wheel.gif"));
    EXPECT_EQ(Told().text, QString::fromUtf8(
                               "No se pueden guardar imágenes .gif: escriba un nombre acabado en .png, .jpg, "
                               ".svg o .pdf"));
    EXPECT_TRUE(QDir(dir_.path()).isEmpty());

    for (const auto& row : rows) {
        Run(row.command, Path(row.file));
        EXPECT_EQ(Bytes(row.written).rfind(row.start, 0), 0u) << row.file;
    }
    const std::string svg = Bytes("wheel.SVG");
    EXPECT_TRUE(svg.find("<path") != svg.npos && svg.find("font-family=\"Astrol\"") == svg.npos);
    EXPECT_NE(svg.find(Form().windowTitle().toStdString()), svg.npos);
}

TEST_F(ReportWindow, TheSynastryWindowPrintsTheCoupleAndLeavesTheChartWindowAsItWas) {
    const QString chartTitle = Form().windowTitle();
    windows_->StartSynastry(WindowId::Chart);
    for (const QString& answer : {QStringLiteral("Ana"), QStringLiteral("Luis"), Path("impreso.pdf")})
        dialogs_.PushText(answer);  // the names, then the printer's PDF file
    Command(windows_->Synastry(), Qt::Key_F);
    EXPECT_NE(pdf_reading::Text(Path("impreso.pdf").toStdString()).find("Ana y Luis"), std::string::npos);
    EXPECT_EQ(Form().windowTitle(), chartTitle);
}

// A missing subject or folder is told and a cancelled name asks no more; the name typed and the time
// typed at the date entry reach the report, a PDF when the name has no extension.
TEST_F(ReportWindow, TheChartWindowWritesItsSubjectUnderTheTypedNameAndTellsWhatIsMissing) {
    State().CurrentSubject = 5;  // a slot no entry has filled
    Command(Form(), Qt::Key_N);
    EXPECT_EQ(Told().title + ": " + Told().text, QString::fromUtf8("Informe: No hay escogido ningún sujeto"));
    State().CurrentSubject = 1;
    dialogs_.PushText(QStringLiteral("Ana"));
    dialogs_.PushText(Path("falta/informe.pdf"));
    Command(Form(), Qt::Key_N);
    EXPECT_EQ(Told().title + ": " + Told().text,
              QStringLiteral("Informe: No se pudo guardar el informe en ") + Path("falta/informe.pdf"));
    const std::size_t asked = dialogs_.Asked().size();
    dialogs_.PushText(QString());
    Command(Form(), Qt::Key_N);
    EXPECT_EQ(dialogs_.Asked().size(), asked + 1);
    EXPECT_TRUE(QDir(dir_.path()).isEmpty());
    dialogs_.PushText(QStringLiteral("Ana María"));
    dialogs_.PushText(Path("carta"));
    Command(Form(), Qt::Key_N);
    const std::string text = pdf_reading::Text(Path("carta.pdf").toStdString());
    EXPECT_NE(text.find("Ana María"), std::string::npos);
    EXPECT_NE(text.find("Nacimiento: 05 / 12 / 2001 a las 14h.30m."), std::string::npos);
}

// A report's paragraph broken into lines keeps every word once, in order.
TEST(ReportLines, BreakAtBlanksAndKeepEveryWord) {
    TestApplication();
    const report::TextMeasure measure;
    const QFont font(QStringLiteral("DejaVu Sans"), 10);
    const QString text = QStringLiteral("El Sol en conjunción con Mercurio y la Luna en trígono con Venus");
    const QStringList lines =
        measure.Lines(font, text, measure.Width(font, QStringLiteral("El Sol en conjunción")));
    EXPECT_GT(lines.size(), 2);
    EXPECT_EQ(lines.join(QLatin1Char(' ')), text);
}

}  // namespace
}  // namespace orvanel::testing
