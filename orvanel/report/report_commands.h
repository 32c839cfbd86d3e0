// The report commands of Orvanel's working windows, added to their "Exportar" menu: "I&nforme…"
// writes the consultation report to a PDF file chosen in the save dialog, "Imprimir in&forme…" sends
// the same pages to a printer. The chart and vectors windows report on the subject they show, the
// synastry windows on the couple of subjects 1 and 2. The names are typed at a prompt, which offers
// the register's name of a subject loaded from it or saved to it. The register's window writes and
// prints its subjects' reports through the same dialogs.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "orvanel/report/report_document.h"

class QMenu;

namespace orvanel {

struct Session;

// Asks the PDF file ("Guardar informe") and writes `document` to it; a cancel writes nothing, a
// failure is told. The file written, empty when none was.
QString SaveReportFile(const report::Document& document);
// Asks the printer ("Imprimir informe") and prints `document`; a failure is told. Whether it was
// printed.
bool PrintReportPages(const report::Document& document);

// The subject slot a one-subject window shows, asked when the command runs.
using ShownSubject = std::function<std::int16_t()>;

void AddSubjectReportCommands(QMenu* menu, Session& session, ShownSubject shown);
void AddSynastryReportCommands(QMenu* menu, Session& session);

}  // namespace orvanel
