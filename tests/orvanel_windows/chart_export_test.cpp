// The chart window's "E&xportar" menu: the wheel under the window's title written to PNG, JPEG, SVG
// and PDF files and printed, the file names coming from scripted dialogs; cancelled, failed and
// refused saves.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include "orvanel/display/form3_chart.h"
#include "surface/export_picture.h"
#include "surface/picture_widget.h"
#include "window_fixture.h"
#include "window_test_support.h"

namespace orvanel::testing {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ChartExport : public WindowTest {
  protected:
    ChartExport() {
        EnterSubject(kFirstSubject);
        State().CurrentSubject = 1;
        windows_->OpenChart(WindowId::MainMenu);
    }
    Form3Chart& Form() { return windows_->Chart(); }
    void Run(const char* command, const QString& answer) {
        dialogs_.PushText(answer);
        Choose(Form(), command);
    }
    QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    // The wheel of 8100 twips square under the caption line, at twice that size.
    QSize PngSize() {
        const surface::ExportPicture picture{
            Form().windowTitle(), {&Find<surface::PictureWidget>(Form(), "Picture1")->Surface()}, {}, {}};
        return (surface::DesignSize(picture) * surface::kPngScale).toSize();
    }

    QTemporaryDir dir_;
};

TEST_F(ChartExport, IsTheLastMenuWithTheIndentOfTheOthers) {
    const QList<QAction*> bar = MenuBarItems(Form());
    ASSERT_FALSE(bar.isEmpty());
    EXPECT_EQ(bar.back()->text(), QStringLiteral("           E&xportar"));
    const QList<QAction*> items = bar.back()->menu()->actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[0]->text(), QStringLiteral("&Guardar imagen…"));
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(items[1]->text(), QStringLiteral("&Imprimir…"));
    EXPECT_EQ(items[1]->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    // The consultation report's commands follow the picture's.
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[3]->text(), QStringLiteral("I&nforme…"));
    EXPECT_EQ(items[4]->text(), QStringLiteral("Imprimir in&forme…"));
}

TEST_F(ChartExport, WritesTheFormatTheFileNameEndsWith) {
    const QString title = Form().windowTitle();
    ASSERT_TRUE(title.startsWith(QStringLiteral("Carta  Astral  de  ")));
    struct Case {
        const char* file;
        const char* command;
        std::function<void(const QString&)> check;
    };
    const Case cases[] = {
        {"wheel.png", "mnuGuardarImagen",
         [&](const QString& path) {
             const QImage image(path);
             EXPECT_EQ(image.size(), PngSize());
             EXPECT_EQ(image.size().width(), 2 * 540);  // 8100 twips at 96 dpi, doubled
         }},
        // Without a suffix the file is a PNG.
        {"wheel", "mnuGuardarImagen",
         [&](const QString& path) { EXPECT_EQ(QImage(path + ".png").size(), PngSize()); }},
        // A JPEG file where the name asks for one, never a PNG under its name.
        {"wheel.jpg", "mnuGuardarImagen",
         [&](const QString& path) {
             EXPECT_TRUE(Contents(path).startsWith("\xFF\xD8\xFF"));
             EXPECT_EQ(QImage(path).size(), PngSize());
         }},
        {"wheel.SVG", "mnuGuardarImagen",
         [&](const QString& path) {
             const QByteArray svg = Contents(path);
             EXPECT_TRUE(svg.contains("<path"));
             EXPECT_FALSE(svg.contains("font-family=\"Astrol\""));
             EXPECT_TRUE(svg.contains(title.toUtf8()));
         }},
        {"wheel.pdf", "mnuGuardarImagen",
         [&](const QString& path) { EXPECT_TRUE(Contents(path).startsWith("%PDF")); }},
        {"printed.pdf", "mnuImprimir",
         [&](const QString& path) { EXPECT_TRUE(Contents(path).startsWith("%PDF")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Run(c.command, Path(c.file));
        c.check(Path(c.file));
    }
    EXPECT_FALSE(dialogs_.Failed());
    EXPECT_TRUE(dialogs_.Asked().back().isPrompt);  // no message box came
}

TEST_F(ChartExport, ACancelledDialogDoesNothingAndAFailedOrRefusedSaveIsTold) {
    const std::size_t before = dialogs_.Asked().size();
    Run("mnuGuardarImagen", QString());
    Run("mnuImprimir", QString());
    ASSERT_EQ(dialogs_.Asked().size(), before + 2);  // the two dialogs, no message
    EXPECT_TRUE(QDir(dir_.path()).isEmpty());

    const QString unwritable = Path("missing/wheel.png");
    const QString title = Form().windowTitle();
    Run("mnuGuardarImagen", unwritable);
    const auto& told = dialogs_.Asked().back();
    EXPECT_FALSE(told.isPrompt);
    EXPECT_EQ(told.text, QStringLiteral("No se pudo guardar la imagen en ") + unwritable);
    EXPECT_EQ(Form().windowTitle(), title);
    EXPECT_TRUE(Form().isVisible());

    // A format no writer here takes is refused by name, and no file is written.
    Run("mnuGuardarImagen", Path("wheel.gif"));
    EXPECT_EQ(
        dialogs_.Asked().back().text,
        QString::fromUtf8("No se pueden guardar imágenes .gif: escriba un nombre acabado en .png, .jpg, "
                          ".svg o .pdf"));
    EXPECT_FALSE(QFile::exists(Path("wheel.gif")));
}

}  // namespace
}  // namespace orvanel::testing
