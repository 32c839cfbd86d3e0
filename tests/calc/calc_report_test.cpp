// orvanel-calc's consultation report, read back from its PDF file as a person's viewer reads it: the
// texts the computing code puts in the report of the same moments, in embedded fonts; a subject of the
// register reported as its typed moment, the same bytes on every run with SOURCE_DATE_EPOCH; a file that
// cannot be written.
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <string>
#include <vector>

#include "calc_run.h"
#include "core_builders.h"
#include "orvanel/register/subject_register.h"
#include "orvanel/report/consultation_report.h"
#include "pdf_reading.h"
#include "temp_folder.h"

namespace calc_test {
namespace {

namespace fs = std::filesystem;
using namespace orvanel::report;

constexpr char kEpoch[] = "1700000000";

// The title and the facts under it of the report the computing code makes for the same moments.
std::vector<cp::Text> ExpectedTexts(bool synastry) {
    const std::string data = core_builders::ShippedData();
    const auto concepts = cp::ConceptTable::FromBytes(test_support::ReadBytes(data + "concptos.txt"));
    orvanel::EphemerisFiles files(data);
    orvanel::Program program;
    core_builders::EnterComputed(program, files, 1, {2001, 12, 5, 14, 30});
    core_builders::EnterComputed(program, files, 2, {1965, 7, 3, 9, 15});
    const Day day = UtcDay(std::stoll(kEpoch));
    Document doc = synastry ? SynastryReport(program, U"Ana María", U"Luis", concepts, day)
                            : SubjectReport(program, 1, U"Ana María", concepts, day);
    doc.facts.push_back(doc.title);
    return doc.facts;
}

class CalcReport : public ::testing::Test {
  protected:
    command_run::Run Report(const std::string& arguments, const std::string& pdf) {
        return CalcProgram(arguments + " --pdf " + command_run::Quoted(pdf),
                           std::string("SOURCE_DATE_EPOCH=") + kEpoch);
    }
    const test_support::TempFolder folder_;
};

TEST_F(CalcReport, HoldsTheReportOfTheMomentsTypedOrRegisteredTheSameOnEveryRun) {
    const std::string reg = folder_ / "sujetos.sqlite", typedPdf = folder_ / "a.pdf";
    orvanel::subjects::SubjectRegister subjects(reg);
    subjects.Add({"Ana María", "2001", "12", "05", "14.30", "", "", ""});
    subjects.Add({"Luis", "1965", "07", "03", "09.15", "", "", ""});
    const struct {
        std::string typed, registered;
        bool synastry;
    } cases[] = {
        {"report 2001 12 5 14 30 --name 'Ana María'", "report --subject 'ana maria'", false},
        {"report --synastry 2001 12 5 14 30 1965 7 3 9 15 --names 'Ana María' Luis",
         "report --synastry --subjects 'ANA MARÍA' LUIS", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const command_run::Run run = Report(c.typed, typedPdf);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, "{\"pdf\": \"" + typedPdf +
                               "\", \"pages\": " + std::to_string(pdf_reading::Pages(typedPdf)) + "}\n");
        const std::string text = pdf_reading::Text(typedPdf);
        for (const cp::Text& expected : ExpectedTexts(c.synastry))
            EXPECT_NE(text.find(cp::ToUtf8(expected)), std::string::npos) << cp::ToUtf8(expected);
        for (const pdf_reading::Font& font : pdf_reading::Fonts(typedPdf))
            EXPECT_TRUE(font.embedded) << font.name;
        EXPECT_EQ(Report(c.registered + " --register " + reg, folder_ / "b.pdf").status, 0);
        EXPECT_EQ(test_support::ReadBytes(folder_ / "b.pdf"), test_support::ReadBytes(typedPdf));
    }
    EXPECT_NE(test_support::ReadBytes(typedPdf).find("/CreationDate (D:20231114221320"), std::string::npos);
}

TEST_F(CalcReport, AFileThatCannotBeWrittenIsToldAndLeavesNothingUnderItsName) {
    const fs::path folder = folder_.Path();
    fs::create_directories(folder / "carpeta");
    fs::create_directories(folder / "cerrada");
    fs::permissions(folder / "cerrada", fs::perms::owner_read | fs::perms::owner_exec);
    folder_.Write("archivo", "no es una carpeta");
    std::vector<fs::path> paths = {folder / "falta" / "informe.pdf", folder / "archivo" / "informe.pdf",
                                   folder / "carpeta"};
    // Root writes into any folder: a folder without write permission stops other users only.
    if (geteuid() != 0) paths.push_back(folder / "cerrada" / "informe.pdf");
    for (const fs::path& pdf : paths) {
        const command_run::Run run = Report("report 2001 12 5 14 30", pdf.string());
        EXPECT_EQ(std::pair(run.status, run.out), std::pair(2, std::string())) << pdf;
        EXPECT_EQ(run.err, "cannot write the report to " + pdf.string() + "\n");
        EXPECT_FALSE(fs::is_regular_file(pdf));
    }
    // Nothing written beside the names either.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);
    EXPECT_TRUE(fs::is_empty(folder / "cerrada"));
}

}  // namespace
}  // namespace calc_test
