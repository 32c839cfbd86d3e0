// orvanel-calc's consultation report, read back from its PDF file as a person's viewer reads it:
// every text the report holds (names, birth moments, positions, aspect sentences, astral concepts
// and definitions), the pages and the embedded fonts; a subject of the register reported as its typed
// moment; a file that cannot be written; the same bytes on every run with SOURCE_DATE_EPOCH.
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <variant>
#include <vector>

#include "calc_program.h"
#include "loaded_data.h"
#include "orvanel/register/subject_register.h"
#include "orvanel/report/consultation_report.h"
#include "pdf_reading.h"
#include "subject_entry.h"

namespace {

namespace fs = std::filesystem;
using namespace orvanel::report;

constexpr char kEpoch[] = "1700000000";

std::string Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// What a reader must find: the title block and every table cell but the glyphs.
std::vector<std::string> TextsOf(const Document& doc) {
    std::vector<std::string> texts{cp::ToUtf8(doc.title)};
    for (const cp::Text& fact : doc.facts)
        texts.push_back(cp::ToUtf8(fact));
    for (const Block& block : doc.blocks) {
        const auto* row = std::get_if<TableRow>(&block);
        for (const Table& table : row != nullptr ? row->tables : std::vector<Table>{}) {
            for (const auto& cells : table.rows) {
                for (const Cell& cell : cells) {
                    if (cell.face != Face::Glyph && !cell.text.empty())
                        texts.push_back(cp::ToUtf8(cell.text));
                }
            }
        }
    }
    return texts;
}

// The report the command writes, built here by the core from the same moments.
Document Expected(bool synastry) {
    const std::string data = std::string(ORVANEL_SOURCE_DIR) + "/data";
    const cp::ConceptTable concepts = calc::OpenConcepts(data);
    orvanel::EphemerisFiles files(data);
    orvanel::Program program;
    calc::EnterSubject(program, files, 1, {2001, 12, 5, 14, 30});
    calc::EnterSubject(program, files, 2, {1965, 7, 3, 9, 15});
    const Day day = UtcDay(std::stoll(kEpoch));
    if (synastry) return SynastryReport(program, U"Ana María", U"Luis", concepts, day);
    return SubjectReport(program, 1, U"Ana María", concepts, day);
}

class CalcReport : public ::testing::Test {
  protected:
    CalcReport() : folder_(fs::temp_directory_path() / ("calc-report-" + std::to_string(getpid()))) {
        fs::create_directories(folder_);
    }
    ~CalcReport() override { fs::remove_all(folder_); }
    command_run::Run Report(const std::string& arguments, const fs::path& pdf) {
        return CalcProgram(arguments + " --pdf " + command_run::Quoted(pdf.string()),
                           std::string("SOURCE_DATE_EPOCH=") + kEpoch);
    }
    fs::path folder_;
};

TEST_F(CalcReport, HoldsEveryTextOfTheReportInEmbeddedFonts) {
    struct Case {
        std::string arguments;
        bool synastry;
        int pages;
    };
    const Case cases[] = {
        {"report 2001 12 5 14 30 --name 'Ana María'", false, 4},
        {"report --synastry 2001 12 5 14 30 1965 7 3 9 15 --names 'Ana María' Luis", true, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const fs::path pdf = folder_ / "informe.pdf";
        const command_run::Run run = Report(c.arguments, pdf);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out,
                  "{\"pdf\": \"" + pdf.string() + "\", \"pages\": " + std::to_string(c.pages) + "}\n");
        EXPECT_EQ(pdf_reading::Pages(pdf), c.pages);
        const std::string text = pdf_reading::Text(pdf);
        for (const std::string& expected : TextsOf(Expected(c.synastry)))
            EXPECT_NE(text.find(expected), std::string::npos) << expected;
        bool symbols = false;
        for (const pdf_reading::Font& font : pdf_reading::Fonts(pdf)) {
            EXPECT_TRUE(font.embedded) << font.name;
            symbols = symbols || font.name.find("Astrol") != std::string::npos;
        }
        EXPECT_TRUE(symbols);
    }
}

TEST_F(CalcReport, ARegisteredSubjectIsReportedAsItsTypedMomentUnderItsRegisteredName) {
    const std::string reg = (folder_ / "sujetos.sqlite").string();
    orvanel::subjects::SubjectRegister subjects(reg);
    subjects.Add({"Ana María", "2001", "12", "05", "14.30", "", "", ""});
    subjects.Add({"Luis", "1965", "07", "03", "09.15", "", "", ""});
    const std::pair<std::string, std::string> cases[] = {
        {"report --subject 'ana maria'", "report 2001 12 5 14 30 --name 'Ana María'"},
        {"report --synastry --subjects LUIS 'ANA MARÍA'",
         "report --synastry 1965 7 3 9 15 2001 12 5 14 30 --names Luis 'Ana María'"},
    };
    for (const auto& [registered, typed] : cases) {
        EXPECT_EQ(Report(registered + " --register " + reg, folder_ / "a.pdf").status, 0) << registered;
        EXPECT_EQ(Report(typed, folder_ / "b.pdf").status, 0);
        EXPECT_EQ(Read(folder_ / "a.pdf"), Read(folder_ / "b.pdf")) << registered;
    }
}

TEST_F(CalcReport, AFileThatCannotBeWrittenIsToldAndLeavesNothingUnderItsName) {
    fs::create_directories(folder_ / "carpeta");
    fs::create_directories(folder_ / "cerrada");
    fs::permissions(folder_ / "cerrada", fs::perms::owner_read | fs::perms::owner_exec);
    std::ofstream(folder_ / "archivo") << "no es una carpeta";
    std::vector<fs::path> paths = {folder_ / "falta" / "informe.pdf", folder_ / "archivo" / "informe.pdf",
                                   folder_ / "carpeta"};
    // Root writes into any folder: a folder without write permission stops other users only.
    if (geteuid() != 0) paths.push_back(folder_ / "cerrada" / "informe.pdf");
    for (const fs::path& pdf : paths) {
        SCOPED_TRACE(pdf);
        const command_run::Run run = Report("report 2001 12 5 14 30", pdf);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "cannot write the report to " + pdf.string() + "\n");
        EXPECT_FALSE(fs::is_regular_file(pdf));
    }
    // Nothing written beside the names either.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 3);
    EXPECT_TRUE(fs::is_empty(folder_ / "cerrada"));
}

TEST_F(CalcReport, SourceDateEpochGivesTheSameBytesOnEveryRun) {
    const std::string arguments = "report --synastry 2001 12 5 14 30 1965 7 3 9 15";
    ASSERT_EQ(Report(arguments, folder_ / "a.pdf").status, 0);
    ASSERT_EQ(Report(arguments, folder_ / "b.pdf").status, 0);
    const std::string first = Read(folder_ / "a.pdf");
    EXPECT_EQ(first, Read(folder_ / "b.pdf"));
    EXPECT_NE(first.find("/CreationDate (D:20231114221320"), std::string::npos);
}

}  // namespace
