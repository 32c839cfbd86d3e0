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
    QStringList items;  // the consultation report's commands follow the picture's
    for (const QAction* item : bar.back()->menu()->actions())
        items << item->text() + (item->isSeparator() ? "-" : "") + item->shortcut().toString();
    EXPECT_EQ(items,
              QStringList({QString::fromUtf8("&Guardar imagen…Ctrl+S"), QString::fromUtf8("&Imprimir…Ctrl+P"),
                           "-", QString::fromUtf8("I&nforme…"), QString::fromUtf8("Imprimir in&forme…")}));
}

TEST_F(ChartExport, WritesTheFormatTheFileNameEndsWith) {
    const struct {
        const char *file, *command, *written;
        QByteArray start;
    } rows[] = {
        {"wheel.png", "mnuGuardarImagen", "wheel.png", "\x89PNG"},
        {"wheel", "mnuGuardarImagen", "wheel.png", "\x89PNG"},           // without a suffix the file is a PNG
        {"wheel.jpg", "mnuGuardarImagen", "wheel.jpg", "\xFF\xD8\xFF"},  // never a PNG under its name
        {"wheel.SVG", "mnuGuardarImagen", "wheel.SVG", "<?xml"},
        {"wheel.pdf", "mnuGuardarImagen", "wheel.pdf", "%PDF"},
        {"printed.pdf", "mnuImprimir", "printed.pdf", "%PDF"},
    };
    for (const auto& row : rows) {
        Run(row.command, Path(row.file));
        const QByteArray bytes = Contents(Path(row.written));
        EXPECT_TRUE(bytes.startsWith(row.start)) << row.file;
        if (row.start != "<?xml" && row.start != "%PDF") {
            EXPECT_EQ(QImage::fromData(bytes).size(), PngSize()) << row.file;
        }
    }
    // The wheel's lines as paths and its glyphs as outlines, under the window's title.
    const QByteArray svg = Contents(Path("wheel.SVG"));
    EXPECT_TRUE(svg.contains("<path") && !svg.contains("font-family=\"Astrol\""));
    EXPECT_TRUE(svg.contains(Form().windowTitle().toUtf8()));
    EXPECT_FALSE(dialogs_.Failed());
    EXPECT_TRUE(Told().isPrompt);  // no message box came
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
    EXPECT_FALSE(Told().isPrompt);
    EXPECT_EQ(Told().text, QStringLiteral("No se pudo guardar la imagen en ") + unwritable);
    EXPECT_EQ(Told().title, QStringLiteral("Guardar imagen"));
    EXPECT_EQ(Form().windowTitle(), title);
    EXPECT_TRUE(Form().isVisible());

    // A format no writer here takes is refused by name, and no file is written.
    Run("mnuGuardarImagen", Path("wheel.gif"));
    EXPECT_EQ(Told().text, QString::fromUtf8(
                               "No se pueden guardar imágenes .gif: escriba un nombre acabado en .png, .jpg, "
                               ".svg o .pdf"));
    EXPECT_FALSE(QFile::exists(Path("wheel.gif")));
}

}  // namespace
}  // namespace orvanel::testing
