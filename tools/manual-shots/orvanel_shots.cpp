// Orvanel's pictures: the splash, the main menu, a chart, a synastry with its cross aspects, two pages
// of a consultation report, the two vectors windows, a cycle plot, the coincidence report and the
// register of subjects, reached as the user reaches them.
#include <QDate>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

#include "dialog_answers.h"
#include "orvanel/register/register_location.h"
#include "orvanel/register/subject_register.h"
#include "orvanel/report/consultation_report.h"
#include "orvanel/report/report_file.h"
#include "orvanel/shell/date_entry.h"
#include "orvanel/shell/form1_splash.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "shots.h"
#include "surface/dialogs.h"
#include "surface/picture_widget.h"
#include "window_steps.h"

namespace manual_shots {

namespace {

// The picture centre of the concept plane, in its user scale.
constexpr double kPlaneCentre = 5300;
// A plane point at which the zoom box of the vectors windows shows a few concepts.
constexpr double kHoverX = 6500, kHoverY = 4600;
// Any day will do for "today": no picture may depend on the day it is taken.
const QDate kToday(2001, 12, 5);
constexpr int kSun = 1, kUranus = 8;
// Pages of the report in the manual, in pixels across.
constexpr int kReportPageWidth = 620;

struct Moment {
    const char *subject, *year, *month, *day, *hour, *minute;
};
constexpr Moment kFirstSubject{"1", "2001", "12", "05", "14", "30"};
constexpr Moment kSecondSubject{"2", "1965", "07", "03", "09", "15"};

// Every scripted answer taken and no question left without one; else the dialogs changed.
void CheckAnswered(const surface::ScriptedDialogs& dialogs, const char* step) {
    if (dialogs.Failed() || dialogs.Pending() != 0) {
        std::fprintf(stderr, "manual-shots: the dialogs of %s asked other questions\n", step);
        std::exit(1);
    }
}

// "Datos de la fecha", the prompts answered one by one, then "Sí".
void EnterSubject(orvanel::Session& session, const Moment& m) {
    surface::ScriptedDialogs dialogs;
    for (const char* text : {m.subject, m.year, m.month, m.day, m.hour, m.minute})
        dialogs.PushText(QString::fromLatin1(text));
    dialogs.PushAnswer(surface::Answer::Yes);
    orvanel::EnterDate(session, kToday);
    CheckAnswered(dialogs, "the date entry");
}

// Subject 1 typed into the program's own dialogs, with pictures of the first prompts and of the
// confirmation.
void EnterFirstSubjectByHand(ShotFolder& folder, orvanel::Session& session) {
    const Moment& m = kFirstSubject;
    DialogAnswers answers(folder, {{m.subject, "entrada-sujeto"},
                                   {m.year, "entrada-anio"},
                                   {m.month},
                                   {m.day},
                                   {m.hour},
                                   {m.minute},
                                   {{}, "entrada-confirmacion"}});
    orvanel::EnterDate(session, kToday);
    if (!answers.Done()) {
        std::fprintf(stderr, "manual-shots: the date entry asked fewer questions\n");
        std::exit(1);
    }
}

surface::PictureWidget& Picture(QWidget& window, const char* name) {
    return Find<surface::PictureWidget>(window, name);
}

// The tip of a chart vector of `slot`, in the picture scale at zoom 1.
void ClickVectorTip(surface::PictureWidget& picture, const orvanel::ChartSlot& slot, int point) {
    PointAt(picture, kPlaneCentre + slot.vectorX[point], kPlaneCentre - slot.vectorY[point], 1);
}

void ChartShots(ShotFolder& folder, orvanel::Windows& windows) {
    orvanel::Program& p = windows.State().program;
    p.CurrentSubject = 1;
    windows.ShowChartWindow();
    folder.Save(windows.Window(orvanel::WindowId::Chart), "carta");

    p.CurrentSubject = 1;
    p.SynastryBase = 1;
    windows.StartSynastry(orvanel::WindowId::Chart);
    QWidget& synastry = windows.Window(orvanel::WindowId::Synastry);
    folder.Save(synastry, "sinastria");
    Choose(synastry, "mnuCruzados");
    folder.Save(synastry, "sinastria-cruzados");
}

void VectorShots(ShotFolder& folder, orvanel::Windows& windows) {
    orvanel::Program& p = windows.State().program;
    p.CurrentSubject = 1;
    windows.ShowChartWindow();
    Choose(windows.Window(orvanel::WindowId::Chart), "mnuVectores");
    QWidget& form7 = windows.Window(orvanel::WindowId::Vectors);
    surface::PictureWidget& plane = Picture(form7, "Picture1");
    PointAt(plane, kHoverX, kHoverY);
    folder.Save(form7, "vectores");
    Choose(form7, "mnuAstrales");
    folder.Save(form7, "vectores-conceptos");

    // The Sun and Uranus added, then the right button: the resultant and its two tensions.
    Choose(form7, "mnuSumar");
    ClickVectorTip(plane, orvanel::SlotAt(p, 1), kSun);
    ClickVectorTip(plane, orvanel::SlotAt(p, 1), kUranus);
    PointAt(plane, kHoverX, kHoverY, 2);
    folder.Save(form7, "vectores-suma");

    p.CurrentSubject = 1;
    windows.StartSynastry(orvanel::WindowId::Vectors);
    Choose(windows.Window(orvanel::WindowId::Synastry), "mnuVectoresdos");
    QWidget& form8 = windows.Window(orvanel::WindowId::VectorsTwo);
    PointAt(Picture(form8, "Picture1"), kHoverX, kHoverY);
    folder.Save(form8, "vectores-dos");
}

// Two pages of subject 1's consultation report, made on the manual's "today": the wheel, and the
// plane with the astral concepts.
void ReportShots(ShotFolder& folder, const orvanel::Session& session) {
    const orvanel::report::Document report =
        orvanel::report::SubjectReport(session.program, 1, U"Ana María Pérez", session.concepts,
                                       {kToday.year(), kToday.month(), kToday.day()});
    folder.Save(orvanel::report::RenderReportPage(report, 0, kReportPageWidth), "informe-1");
    folder.Save(orvanel::report::RenderReportPage(report, 2, kReportPageWidth), "informe-3");
}

void CycleShots(ShotFolder& folder, orvanel::Windows& windows) {
    windows.ShowMainMenu(orvanel::WindowId::VectorsTwo);
    windows.Open(orvanel::WindowId::Cycles, orvanel::WindowId::MainMenu);
    QWidget& form9 = windows.Window(orvanel::WindowId::Cycles);
    {
        surface::ScriptedDialogs dialogs;
        for (const char* text : {"2001", "12", "20"})
            dialogs.PushText(QString::fromLatin1(text));
        Choose(form9, "mnuFecha");
        CheckAnswered(dialogs, "the central date");
    }
    Choose(form9, "mnuLunavenus");
    folder.Save(form9, "ciclo");
    Choose(form9, "mnuCoincidencias");
    folder.Save(form9, "coincidencias");
}

// The register window with a register of a practitioner's clients, in a home folder inside the
// shots' private data copy (QStandardPaths test mode), so that no user's register is read or written.
void RegisterShots(ShotFolder& folder, orvanel::Windows& windows, const std::filesystem::path& data) {
    qputenv("HOME", QByteArray::fromStdString(data.string()));
    QStandardPaths::setTestModeEnabled(true);
    const char* names[] = {
        "Adela Sáenz",    "Álvaro Núñez",         "Beatriz O'Connor", "Carlos «el Sabio» Ruiz",
        "Dolores Ibarra", "Elena, la de Sevilla", "Fernando Peña",    "Gabriela Mistral",
        "Héctor Lavín",   "Inés de la Cruz",      "Jorge Borja",      "Lucía Fernández",
        "Manuel Ortega",  "Nuria Espinosa",       "Óscar Romero",     "Pilar Miró",
        "Rosa Castro",    "Sancho Panza",         "Teresa Ávila",     "Úrsula Iguarán",
        "Víctor Jara",    "Yolanda Díaz"};
    std::vector<orvanel::subjects::Subject> clients;
    for (int i = 0; i < 22; ++i) {
        const std::string day = std::to_string(10 + i), hour = std::to_string(10 + i % 12);
        clients.push_back({names[i], std::to_string(1950 + 2 * i), i % 2 ? "07" : "11", day, hour + ".30",
                           i == 0 ? "Primera consulta en marzo; vuelve cada seis meses." : "", "", ""});
    }
    orvanel::subjects::SubjectRegister(orvanel::subjects::DefaultRegisterPath())
        .Import(clients, orvanel::subjects::Existing::Refuse);
    windows.Open(orvanel::WindowId::Subjects, orvanel::WindowId::MainMenu);
    folder.Save(windows.Window(orvanel::WindowId::Subjects), "sujetos-guardados");
}

}  // namespace

void TakeOrvanelShots(ShotFolder& folder, const std::filesystem::path& data) {
    orvanel::Session session(data.string());
    orvanel::Windows windows(session);
    windows.SetProgramEnd([] {});
    folder.Save(windows.Splash(), "portada");
    windows.ShowMainMenu(orvanel::WindowId::Splash);
    folder.Save(windows.Window(orvanel::WindowId::MainMenu), "menu-principal");

    EnterFirstSubjectByHand(folder, session);
    EnterSubject(session, kSecondSubject);
    ChartShots(folder, windows);
    ReportShots(folder, session);
    VectorShots(folder, windows);
    CycleShots(folder, windows);
    RegisterShots(folder, windows, data);
}

}  // namespace manual_shots
