// orvanel-calc's register commands on a register of the test's own: their documents and refusals,
// the same documents for stored subjects as for the moments typed, and a register fault as a data
// error.
#include <gtest/gtest.h>

#include "calc_run.h"
#include "temp_folder.h"

namespace calc_test {
namespace {

class CalcSubjects : public ::testing::Test {
  protected:
    CalcRun Run(std::vector<std::string> words) {
        words.insert(words.begin(), {"--register", register_});
        return RunCalc(words);
    }

    const test_support::TempFolder folder_;
    const std::string register_ = folder_ / "sujetos.sqlite";
};

const std::string kAna = "Ana María, \"la Peña\" 🌙";

TEST_F(CalcSubjects, CommandsPrintTheirDocumentsOrRefuseWithOneLine) {
    const std::string file = folder_ / "todos.csv";
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string text;  // in the document, or in the line on standard error
    };
    const Case cases[] = {
        {{"subjects", "list"}, 0, "{\"subjects\": []}\n"},
        {{"subjects", "add", kAna, "2001", "12", "5", "14", "30", "--notes", "primera"},
         0,
         "{\"added\": \"Ana María, \\\"la Peña\\\" 🌙\"}"},
        {{"subjects", "add", "ANA MARIA, \"LA PEÑA\" 🌙", "1965", "7", "3", "9", "15"}, 2, "Ya existe"},
        {{"subjects", "add", "Luis", "1965", "7", "3", "9"}, 2, "missing arguments"},
        {{"subjects", "add", "Luis", "1965", "7", "3", "9", "15"}, 0, "\"added\""},
        {{"subjects", "export", file}, 0, "{\"exported\": 2, \"file\": \"" + file + "\"}"},
        {{"subjects", "remove", "luis"}, 0, "{\"removed\": \"luis\"}"},
        {{"subjects", "remove", "luis"}, 2, "No hay ningún sujeto llamado «luis»"},
        {{"subjects", "import", file}, 2, "1 names are in the register already"},
        {{"subjects", "import", file, "--existing", "skip"},
         0,
         "{\"imported\": 1, \"replaced\": 0, \"skipped\": 1}"},
        {{"subjects", "list"},
         0,
         R"("year": "1965", "month": "07", "day": "03", "time": "09.15", "notes": "")"},
        {{"subjects", "rename"}, 2, "unknown subjects command"},
    };
    for (const Case& c : cases) {
        const CalcRun run = Run(c.words);
        EXPECT_EQ(run.status, c.status) << c.words[1] << ": " << run.err;
        const std::string& shown = c.status == 0 ? run.out : run.err;
        EXPECT_NE(shown.find(c.text), std::string::npos) << shown;
        EXPECT_EQ((c.status == 0 ? run.err : run.out), "");
    }
}

TEST_F(CalcSubjects, AStoredSubjectGivesTheDocumentOfItsMomentTyped) {
    Run({"subjects", "add", kAna, "2001", "12", "5", "14", "30"});
    Run({"subjects", "add", "Luis", "1965", "7", "3", "9", "15"});
    const CalcRun chart = Run({"chart", "--subject", "ana maría, \"la peña\" 🌙", "--ascendant", "90"});
    EXPECT_EQ(chart.out, RunCalc(Words("chart 2001 12 5 14 30 --ascendant 90")).out);
    const CalcRun synastry = Run({"synastry", "--subjects", "LUIS", kAna, "--base", "1"});
    EXPECT_EQ(synastry.out, RunCalc(Words("synastry 1965 7 3 9 15 2001 12 5 14 30 --base 1")).out);
    EXPECT_EQ(Run({"chart", "--subject", "Nadie"}).err, "No hay ningún sujeto llamado «Nadie»\n");
}

TEST_F(CalcSubjects, ARegisterFaultIsADataErrorAndTheFileIsLeftAsItWas) {
    folder_.Write("sujetos.sqlite", "no es una base de datos");
    const CalcRun run = Run({"subjects", "add", "Ana", "2001", "12", "5", "14", "30"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "El archivo " + register_ + " no es un registro de sujetos; se deja como está\n");
    EXPECT_EQ(test_support::ReadBytes(register_), "no es una base de datos");
}

}  // namespace
}  // namespace calc_test
