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
    command_run::Run Run(std::vector<std::string> words) {
        words.insert(words.begin(), {"--register", register_});
        return RunCalc(words);
    }

    const test_support::TempFolder folder_;
    const std::string register_ = folder_ / "sujetos.sqlite";
};

TEST_F(CalcSubjects, CommandsPrintTheirDocumentsOrRefuseWithOneLine) {
    const std::string file = folder_ / "todos.csv";
    const struct {
        std::string line;
        int status;
        std::string text;  // in the document, or in the line on standard error
    } cases[] = {
        {"list", 0, "{\"subjects\": []}\n"},
        {"add Ana 2001 12 5 14 30 --notes primera", 0, "{\"added\": \"Ana\"}\n"},
        {"add ANA 1965 7 3 9 15", 2, "Ya existe"},
        {"add Luis 1965 7 3 9 15", 0, "{\"added\": \"Luis\"}\n"},
        {"export " + file, 0, "{\"exported\": 2, \"file\": \"" + file + "\"}\n"},
        {"remove luis", 0, "{\"removed\": \"luis\"}\n"},
        {"import " + file, 2, "1 names are in the register already"},
        {"import " + file + " --existing skip", 0, "{\"imported\": 1, \"replaced\": 0, \"skipped\": 1}\n"},
        {"list", 0, R"("year": "1965", "month": "07", "day": "03", "time": "09.15", "notes": "")"},
        {"rename", 2, "unknown subjects command"},
    };
    for (const auto& c : cases) {
        const command_run::Run run = Run(Words("subjects " + c.line));
        EXPECT_EQ(run.status, c.status) << c.line << ": " << run.err;
        EXPECT_NE((c.status == 0 ? run.out : run.err).find(c.text), std::string::npos) << run.out << run.err;
        EXPECT_EQ((c.status == 0 ? run.err : run.out), "") << c.line;
    }
}

TEST_F(CalcSubjects, AStoredSubjectGivesTheDocumentOfItsMomentTyped) {
    const std::string ana = "Ana María, \"la Peña\" 🌙";
    Run({"subjects", "add", ana, "2001", "12", "5", "14", "30"});
    Run(Words("subjects add Luis 1965 7 3 9 15"));
    const command_run::Run chart =
        Run({"chart", "--subject", "ANA MARIA, \"LA PEÑA\" 🌙", "--ascendant", "90"});
    EXPECT_EQ(chart.out, RunCalc(Words("chart 2001 12 5 14 30 --ascendant 90")).out);
    const command_run::Run synastry = Run({"synastry", "--subjects", "luis", ana, "--base", "1"});
    EXPECT_EQ(synastry.out, RunCalc(Words("synastry 1965 7 3 9 15 2001 12 5 14 30 --base 1")).out);
    EXPECT_EQ(Run({"chart", "--subject", "Nadie"}).err, "No hay ningún sujeto llamado «Nadie»\n");
}

TEST_F(CalcSubjects, ARegisterFaultIsADataErrorAndTheFileIsLeftAsItWas) {
    folder_.Write("sujetos.sqlite", "no es una base de datos");
    const command_run::Run run = Run(Words("subjects add Ana 2001 12 5 14 30"));
    EXPECT_EQ(std::pair(run.status, run.out), std::pair(2, std::string()));
    EXPECT_EQ(run.err, "El archivo " + register_ + " no es un registro de sujetos; se deja como está\n");
    EXPECT_EQ(test_support::ReadBytes(register_), "no es una base de datos");
}

}  // namespace
}  // namespace calc_test
