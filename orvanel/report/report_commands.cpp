// The report commands of the working windows: check the subjects, ask the names and the file or printer,
// write.
#include "orvanel/report/report_commands.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QPageSize>
#include <QPrinter>
#include <optional>

#include "orvanel/report/consultation_report.h"
#include "orvanel/report/report_file.h"
#include "orvanel/shell/fault_guard.h"
#include "orvanel/shell/form_controls.h"
#include "orvanel/shell/session.h"
#include "surface/dialogs.h"

namespace orvanel {

namespace {

const QString kCaption = QStringLiteral("Informe");
const QString kSaveTitle = QStringLiteral("Guardar informe");
const QString kPrintTitle = QStringLiteral("Imprimir informe");
const QString kFilter = QStringLiteral("Documento PDF (*.pdf);;Todos los archivos (*)");

using BuildReport = std::function<std::optional<report::Document>()>;

void Tell(const QString& text) {
    surface::UseDialogs().Message(text, kCaption, surface::Buttons::Ok);
}

bool HasSubject(const Program& p, std::int16_t slot) {
    return slot >= 0 && slot < kSlotCount && !SlotAt(p, slot).title.empty();
}

// The name typed for `slot`, or nothing when the prompt was cancelled or left empty.
std::optional<cp::Text> AskName(const QString& prompt, std::int16_t slot) {
    const QString typed =
        surface::UseDialogs().Prompt(prompt, kCaption, ToQt(report::DefaultSubjectName(slot)));
    if (typed.trimmed().isEmpty()) return std::nullopt;
    return FromQt(typed.trimmed());
}

std::optional<report::Document> Guarded(const std::function<report::Document()>& build) {
    std::optional<report::Document> document;
    if (!RunGuarded(kCaption, [&] { document = build(); })) return std::nullopt;
    return document;
}

std::optional<report::Document> SubjectDocument(Session& session, const ShownSubject& shown) {
    const std::int16_t slot = shown();
    if (!HasSubject(session.program, slot)) {
        Tell(QStringLiteral("No hay escogido ningún sujeto"));
        return std::nullopt;
    }
    const auto name = AskName(QStringLiteral("Nombre del sujeto"), slot);
    if (!name) return std::nullopt;
    return Guarded([&] {
        return report::SubjectReport(session.program, slot, *name, session.concepts, report::ReportDay());
    });
}

std::optional<report::Document> SynastryDocument(Session& session) {
    const bool first = HasSubject(session.program, 1), second = HasSubject(session.program, 2);
    if (!first) Tell(QStringLiteral("No hay escogido sujeto principal"));
    if (!second) Tell(QStringLiteral("No hay escogido sujeto a comparar"));
    if (!first || !second) return std::nullopt;
    const auto firstName = AskName(QStringLiteral("Nombre del primer sujeto"), 1);
    if (!firstName) return std::nullopt;
    const auto secondName = AskName(QStringLiteral("Nombre del segundo sujeto"), 2);
    if (!secondName) return std::nullopt;
    return Guarded([&] {
        return report::SynastryReport(session.program, *firstName, *secondName, session.concepts,
                                      report::ReportDay());
    });
}

void SaveReport(const BuildReport& build) {
    const std::optional<report::Document> document = build();
    if (!document) return;
    QString path = surface::UseDialogs().SaveFileName(kSaveTitle, kFilter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    if (!report::WriteReportPdf(*document, path))
        Tell(QStringLiteral("No se pudo guardar el informe en ") + path);
}

void PrintReport(const BuildReport& build) {
    const std::optional<report::Document> document = build();
    if (!document) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!surface::UseDialogs().ChoosePrinter(printer, kPrintTitle)) return;
    if (!report::PrintReport(*document, printer)) Tell(QStringLiteral("No se pudo imprimir el informe"));
}

void AddCommands(QMenu* menu, const BuildReport& build) {
    menu->addSeparator();
    QAction* save = menu->addAction(QStringLiteral("I&nforme…"));
    save->setObjectName(QStringLiteral("mnuInforme"));
    QObject::connect(save, &QAction::triggered, menu, [build] { SaveReport(build); });
    QAction* print = menu->addAction(QStringLiteral("Imprimir in&forme…"));
    print->setObjectName(QStringLiteral("mnuImprimirInforme"));
    QObject::connect(print, &QAction::triggered, menu, [build] { PrintReport(build); });
}

}  // namespace

void AddSubjectReportCommands(QMenu* menu, Session& session, ShownSubject shown) {
    AddCommands(menu, [&session, shown = std::move(shown)] { return SubjectDocument(session, shown); });
}

void AddSynastryReportCommands(QMenu* menu, Session& session) {
    AddCommands(menu, [&session] { return SynastryDocument(session); });
}

}  // namespace orvanel
