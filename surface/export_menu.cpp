#include "surface/export_menu.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrinter>

#include "surface/dialogs.h"

namespace surface {

namespace {

const QString kSaveTitle = QStringLiteral("Guardar imagen");
const QString kPrintTitle = QStringLiteral("Imprimir");
const QString kFilter = QStringLiteral(
    "Imagen PNG (*.png);;Imagen JPEG (*.jpg *.jpeg);;Imagen SVG (*.svg);;Documento PDF (*.pdf);;"
    "Todos los archivos (*)");

// Both taken when the command runs, so that they show what the window shows then.
struct PictureSource {
    ExportParts parts;
    ExportNotesSource notes;
};

ExportPicture PictureOf(const QWidget* window, const PictureSource& source) {
    ExportPicture picture{window->windowTitle().trimmed(), source.parts(), {}, {}};
    if (source.notes) {
        ExportNotes notes = source.notes();
        picture.notes = std::move(notes.notes);
        picture.table = std::move(notes.table);
    }
    return picture;
}

// The two commands, owned by `window`, which runs them from its shortcuts wherever the focus is.
std::vector<QAction*> MakeCommands(QWidget* window, PictureSource source) {
    auto* save = new QAction(QStringLiteral("&Guardar imagen…"), window);
    save->setObjectName(QStringLiteral("mnuGuardarImagen"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QObject::connect(save, &QAction::triggered, window,
                     [window, source] { SaveImage(PictureOf(window, source)); });
    auto* print = new QAction(QStringLiteral("&Imprimir…"), window);
    print->setObjectName(QStringLiteral("mnuImprimir"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    QObject::connect(print, &QAction::triggered, window,
                     [window, source = std::move(source)] { PrintPicture(PictureOf(window, source)); });
    for (QAction* a : {save, print})
        a->setShortcutContext(Qt::WindowShortcut);
    return {save, print};
}

}  // namespace

QMenu* AddExportMenu(QMainWindow* window, const QString& indent, ExportParts parts, ExportNotesSource notes) {
    QMenu* menu = window->menuBar()->addMenu(indent + QStringLiteral("E&xportar"));
    menu->setObjectName(QStringLiteral("mnuExportar"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuExportar"));
    const std::vector<QAction*> commands = MakeCommands(window, {std::move(parts), std::move(notes)});
    for (QAction* a : commands)
        menu->addAction(a);
    return menu;
}

void AddExportCommands(QWidget* window, ExportParts parts, ExportNotesSource notes) {
    const std::vector<QAction*> commands = MakeCommands(window, {std::move(parts), std::move(notes)});
    for (QAction* a : commands)
        window->addAction(a);
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void SaveImage(const ExportPicture& picture) {
    Dialogs& dialogs = UseDialogs();
    QString path = dialogs.SaveFileName(kSaveTitle, kFilter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
    const std::optional<ExportFormat> format = FormatOf(path);
    if (!format) {
        dialogs.Message(QStringLiteral("No se pueden guardar imágenes .") + QFileInfo(path).suffix() +
                            QStringLiteral(": escriba un nombre acabado en .png, .jpg, .svg o .pdf"),
                        kSaveTitle, Buttons::Ok);
        return;
    }
    if (!SaveExport(picture, path, *format))
        dialogs.Message(QStringLiteral("No se pudo guardar la imagen en ") + path, kSaveTitle, Buttons::Ok);
}

void PrintPicture(const ExportPicture& picture) {
    Dialogs& dialogs = UseDialogs();
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs.ChoosePrinter(printer, kPrintTitle)) return;
    if (!PrintExport(picture, printer))
        dialogs.Message(QStringLiteral("No se pudo imprimir la imagen"), kPrintTitle, Buttons::Ok);
}

}  // namespace surface
