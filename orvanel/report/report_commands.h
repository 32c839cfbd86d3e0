// The report commands of Orvanel's working windows, added to their "Exportar" menu: "I&nforme…"
// writes the consultation report to a PDF file chosen in the save dialog, "Imprimir in&forme…" sends
// the same pages to a printer. The chart and vectors windows report on the subject they show, the
// synastry windows on the couple of subjects 1 and 2. The names are typed at a prompt.
#pragma once

#include <cstdint>
#include <functional>

class QMenu;

namespace orvanel {

struct Session;

// The subject slot a one-subject window shows, asked when the command runs.
using ShownSubject = std::function<std::int16_t()>;

void AddSubjectReportCommands(QMenu* menu, Session& session, ShownSubject shown);
void AddSynastryReportCommands(QMenu* menu, Session& session);

}  // namespace orvanel
