// Speed of the register of subjects with 10,000 subjects, on the offscreen platform, as a user meets
// it: "Sujetos guardados" clicked on the main menu until the list is painted; one keystroke in the
// search field until the list is painted again; loading a subject into slot 1 compared with the chart
// of the same entry alone. The register lives in a temporary home folder.
#include <benchmark/benchmark.h>

#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>
#include <filesystem>

#include "orvanel/register/form_subjects.h"
#include "orvanel/register/register_location.h"
#include "orvanel/register/subject_loading.h"
#include "orvanel/shell/entry_confirmation.h"
#include "orvanel/shell/form2_main_menu.h"
#include "orvanel/shell/session.h"
#include "orvanel/shell/windows.h"
#include "window_test_support.h"

namespace orvanel {
namespace {

constexpr int kSubjects = 10000;

// A session on a private copy of the data, with a register of kSubjects subjects in a home folder
// of its own.
struct Desk {
    Desk() : folder(testing::CopyShippedData()), session(folder.string()), windows(session) {
        qputenv("HOME", folder.string().c_str());
        QStandardPaths::setTestModeEnabled(true);
        windows.SetProgramEnd([] {});
        std::vector<subjects::Subject> many;
        for (int i = 0; i < kSubjects; ++i)
            many.push_back({"Sujeto número " + std::to_string(i), "1965", "07", "03", "09.15", "", "", ""});
        subjects::SubjectRegister(subjects::DefaultRegisterPath()).Import(many, subjects::Existing::Refuse);
        windows.ShowMainMenu(WindowId::Splash);
    }
    ~Desk() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    FormSubjects& Open() {
        QTest::mouseClick(windows.MainMenu().findChild<QLabel*>(QStringLiteral("Label13")), Qt::LeftButton);
        return windows.Get<FormSubjects>(WindowId::Subjects);
    }
    std::filesystem::path folder;
    Session session;
    Windows windows;
};

Desk& TheDesk() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::TestApplication();
    static Desk desk;
    return desk;
}

QTreeView& ListOf(FormSubjects& form) {
    return *form.findChild<QTreeView*>(QStringLiteral("List1"));
}

void BM_OpenTheWindowAndFillTheList(benchmark::State& state) {
    Desk& desk = TheDesk();
    for (auto _ : state) {
        FormSubjects& form = desk.Open();
        benchmark::DoNotOptimize(form.grab());
        state.PauseTiming();
        form.Back();
        state.ResumeTiming();
    }
    state.counters["rows"] = ListOf(desk.Open()).model()->rowCount();
    desk.Open().Back();
}

void BM_OneKeystrokeOfSearch(benchmark::State& state) {
    Desk& desk = TheDesk();
    FormSubjects& form = desk.Open();
    auto* search = form.findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClicks(search, "sujeto");
    bool typed = false;
    for (auto _ : state) {
        // "sujeto 1" and back: each keystroke narrows or widens the list of 10,000.
        QTest::keyClick(search, typed ? Qt::Key_Backspace : Qt::Key_1);
        typed = !typed;
        benchmark::DoNotOptimize(ListOf(form).viewport()->grab());
    }
    search->clear();
    form.Back();
}

// The chart of the typed entry alone, and the same entry loaded by name: the difference is what
// loading adds.
void BM_ChartOfTheTypedEntry(benchmark::State& state) {
    Desk& desk = TheDesk();
    const EntryTexts texts{U"1965", U"07", U"03", U"09.15"};
    for (auto _ : state)
        EnterTyped(desk.session.program, desk.session.ephemeris, 1, texts);
}

void BM_LoadASubjectIntoSlot1(benchmark::State& state) {
    Desk& desk = TheDesk();
    subjects::SubjectRegister reg(subjects::DefaultRegisterPath());
    for (auto _ : state)
        subjects::LoadSubject(desk.session.program, desk.session.ephemeris, reg, "sujeto numero 5000", 1);
}

BENCHMARK(BM_OpenTheWindowAndFillTheList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneKeystrokeOfSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartOfTheTypedEntry)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadASubjectIntoSlot1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvanel

BENCHMARK_MAIN();
