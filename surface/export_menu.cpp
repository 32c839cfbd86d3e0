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
const QString kFilter =
    QStringLiteral("Imagen PNG (*.png);;Imagen SVG (*.svg);;Documento PDF (*.pdf);;Todos los archivos (*)");

ExportPicture PictureOf(const QWidget* window, const ExportParts& parts) {
    return ExportPicture{window->windowTitle().trimmed(), parts()};
}

// The two commands, owned by `window`, which runs them from its shortcuts wherever the focus is.
std::vector<QAction*> MakeCommands(QWidget* window, ExportParts parts) {
    auto* save = new QAction(QStringLiteral("&Guardar imagen…"), window);
    save->setObjectName(QStringLiteral("mnuGuardarImagen"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QObject::connect(save, &QAction::triggered, window,
                     [window, parts] { SaveImage(PictureOf(window, parts)); });
    auto* print = new QAction(QStringLiteral("&Imprimir…"), window);
    print->setObjectName(QStringLiteral("mnuImprimir"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    QObject::connect(print, &QAction::triggered, window,
                     [window, parts = std::move(parts)] { PrintPicture(PictureOf(window, parts)); });
    for (QAction* a : {save, print})
        a->setShortcutContext(Qt::WindowShortcut);
    return {save, print};
}

}  // namespace

QMenu* AddExportMenu(QMainWindow* window, const QString& indent, ExportParts parts) {
    QMenu* menu = window->menuBar()->addMenu(indent + QStringLiteral("E&xportar"));
    menu->setObjectName(QStringLiteral("mnuExportar"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuExportar"));
    const std::vector<QAction*> commands = MakeCommands(window, std::move(parts));
    for (QAction* a : commands)
        menu->addAction(a);
    return menu;
}

void AddExportCommands(QWidget* window, ExportParts parts) {
    const std::vector<QAction*> commands = MakeCommands(window, std::move(parts));
    for (QAction* a : commands)
        window->addAction(a);
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void SaveImage(const ExportPicture& picture) {
    Dialogs& dialogs = UseDialogs();
    QString path = dialogs.SaveFileName(kSaveTitle, kFilter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
    if (!SaveExport(picture, path, FormatOf(path)))
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
