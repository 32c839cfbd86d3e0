// orvanel-calc's subcommands through its dispatcher: each prints the computing code's result for the
// moments and points it is given; bad lines are usage errors (exit 2, one line on standard error,
// nothing on standard output); batch runs one line after another on data kept loaded.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <istream>
#include <sstream>
#include <streambuf>

#include "calc_run.h"
#include "conceptplane/structure_view.h"
#include "conceptplane/vector_workspace.h"
#include "core_builders.h"
#include "json/json_reader.h"
#include "json/json_writer.h"
#include "orvanel/astro/chart.h"
#include "orvanel/cycles/coincidence_report.h"
#include "orvanel/cycles/cycle_plot.h"
#include "orvanel/display/chart_texts.h"
#include "orvanel/display/cross_aspect_texts.h"
#include "orvanel/vectors/astral_concepts.h"
#include "picture_output.h"
#include "temp_folder.h"

namespace calc_test {
namespace {

using cp::Arithmetic;
using W = json::JsonWriter;

// `"key": value`, the value as the project's writer prints it, to be found in a document.
std::string Member(const std::string& key, const W& value) {
    return "\"" + key + "\": " + value.Str();
}

TEST(CalcCommands, EachPrintsTheComputingCodesResult) {
    const std::string data = core_builders::ShippedData();
    orvanel::EphemerisFiles files(data);
    const auto concepts = cp::ConceptTable::FromBytes(test_support::ReadBytes(data + "concptos.txt"));
    orvanel::Program one;
    core_builders::EnterComputed(one, files, 1, {2001, 12, 5, 14, 30});
    orvanel::Program both = one, turned = one;
    core_builders::EnterComputed(both, files, 2, {1965, 7, 3, 9, 30});
    turned.AscendantOverride = 1090;
    orvanel::RecomputeChart(turned);
    const cp::Text coincidences = orvanel::JoinLines(orvanel::CoincidenceLines(one, files));
    cp::VectorWorkspace workspace(Arithmetic::Orvanel);
    const auto astral = orvanel::ListAstralConcepts(one, concepts, workspace);
    const auto crossList = orvanel::ListCrossAspects(both).items;
    both.CurrentSubject = 1;
    orvanel::AssignFixed(one.EntryDate, U"20020110");
    std::vector<cp::Text> structure;
    for (const auto& level : cp::ComputeStructure().levels)
        structure.push_back(level.line);
    const auto line = cp::LineThrough({-3000, 500}, {1000, 2000}, Arithmetic::Orvanel);
    const std::string moment = "\t2001 12 5 14 30", points = " 1000 2000 -3000 500";
    const struct {
        std::string line, member;
    } cases[] = {
        {"ephemeris" + moment, Member("ephemerisText", W().String(orvanel::SlotAt(one, 1).ephemerisText))},
        {"chart" + moment, Member("astralConcepts", W().Strings(astral))},
        // Options anywhere on the line, the last --data counting.
        {"--data /nonexistent chart --ascendant 90" + moment + " --data " + data,
         Member("housesLabel", W().String(orvanel::PositionLabelTexts(orvanel::SlotAt(turned, 1)).houses))},
        {"synastry" + moment + " 1965 7 3 9 30", Member("crossList", W().Strings(crossList))},
        {"synastry" + moment + " 1965 7 3 9 30 --base 1",
         Member("heading", W().String(orvanel::ListCrossAspects(both).heading))},
        {"cycle 3 2 1" + moment + " 2002 1 10",
         Member("ephemerisText",
                W().String(orvanel::ComputeCycle(one, files, 3, 2, 1).days[0].ephemerisText))},
        {"coincidences" + moment + " 2001 12 5", Member("report", W().String(coincidences))},
        {"plane --orvanel line" + points,
         Member("onLine", W().Strings(cp::ConceptsOnLine(concepts, line, Arithmetic::Orvanel)))},
        {"structure", Member("lines", W().Strings(structure))},
    };
    std::string batch, documents;
    for (const auto& c : cases) {
        const command_run::Run run = RunCalc(Words(c.line));
        batch += c.line + "\r\n";
        documents += run.out;
        EXPECT_EQ(std::pair(run.status, run.err), std::pair(0, std::string())) << c.line;
        EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << "one document on one line";
        EXPECT_TRUE(json::Read(run.out).value) << "not JSON: " << c.line;
        EXPECT_NE(run.out.find(c.member), std::string::npos) << c.line << "\n" << c.member << "\n" << run.out;
    }
    EXPECT_EQ(RunCalc({"batch"}, batch).out, documents) << "one document per line, as each line alone";
}

TEST(CalcUsage, BadLinesExitTwoWithOneLineAndNoOutput) {
    const std::string lines[] = {"",
                                 "nada\xFF\xC3",
                                 "chart \xE9 1 1 1 1",
                                 "nonsense",
                                 "chart 2001 12 5 14 30 7",
                                 "chart 40000 12 5 14 30",
                                 "chart 2001 12 5 14 30 --ascendant",
                                 "chart 2001 12 5 14 30 --ascendant 361",
                                 "chart 2001 12 5 14 30 --data",
                                 "chart 2001 12 5 14 30 --png a.png --svg b.svg",
                                 "synastry 2001 12 5 14 30 1965 7 3 9 30 --base 3",
                                 "cycle 14 2 1 2001 12 5 0 0 2001 12 5",
                                 "cycle 3 2 3 2001 12 5 0 0 2001 12 5",
                                 "coincidences 2001 12 5 0 0 2001 12",
                                 "batch extra",
                                 "structure 1",
                                 "plane sum 1 2",
                                 "plane --rorev --orvanel sum 1 2",
                                 "plane --rorev sum 1",
                                 "plane --rorev line 1 2",
                                 "plane --rorev lookup 1 2 3",
                                 "plane --rorev lookup 10 10 --png x.png",
                                 "plane --rorev spin",
                                 "plane --rorev"};
    std::string batch, errors;
    for (const auto& line : lines) {
        const command_run::Run run = RunCalc(Words(line));
        EXPECT_EQ(std::pair(run.status, run.out), std::pair(2, std::string())) << line;
        ASSERT_FALSE(run.err.empty()) << line;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << line << ": " << run.err;
        if (line == "batch extra") continue;  // a batch refuses a batch line for a reason of its own
        batch += line + "\n";
        errors += json::ErrorDocument(run.err.substr(0, run.err.size() - 1)) + "\n";
    }
    // A batch line cannot start another batch, whatever folder it names.
    for (const char* nested : {"batch", "--data . batch"}) {
        batch += nested + std::string("\n");
        errors += json::ErrorDocument("batch cannot run inside batch") + "\n";
    }
    // A failing line of a batch prints its message as a document, and the batch goes on.
    const command_run::Run run = RunCalc({"batch"}, batch + "structure\n");
    EXPECT_EQ(std::pair(run.status, run.out), std::pair(0, errors + RunCalc({"structure"}).out));
}

// A batch's input as a program feeding it writes it: a line per read, and `between` run before each
// line after the first, as that program's own work between two lines.
class LinePerRead : public std::streambuf {
  public:
    LinePerRead(std::vector<std::string> lines, std::function<void()> between)
        : lines_(std::move(lines)), between_(std::move(between)) {}

  protected:
    int_type underflow() override {
        if (next_ == lines_.size()) return traits_type::eof();
        if (next_ > 0) between_();
        std::string& line = lines_[next_++];
        setg(line.data(), line.data(), line.data() + line.size());
        return traits_type::to_int_type(line[0]);
    }

  private:
    std::vector<std::string> lines_;
    std::function<void()> between_;
    std::size_t next_ = 0;
};

// The data files stay loaded from one line to the next; a file changed before a line was written,
// or by the line before, is read again, and a file removed is missed.
TEST(CalcBatch, DataChangedBeforeALineIsSeenByIt) {
    const test_support::TempFolder folder;
    std::filesystem::copy(core_builders::ShippedData(), folder.Path());
    const std::filesystem::path path = folder / "concptos.txt";
    int hours = 0;
    const auto writeConcept = [&](const char32_t* name) {
        cp::ConceptRecord r;
        r.name = name;
        folder.Write("concptos.txt", cp::EncodeConceptRecord(r));
        // Both files are of one size: the later time tells them apart.
        std::filesystem::last_write_time(
            path, std::filesystem::last_write_time(path) + std::chrono::hours(++hours));
    };
    const std::string nearest = "--data " + folder.Path() + " plane --rorev nearest 0 0\n";
    // The names the lines found, blanks cut.
    const auto names = [](const std::string& documents) {
        std::vector<std::string> found;
        std::istringstream lines(documents);
        for (std::string line; std::getline(lines, line);) {
            const auto document = json::Read(line).value;
            std::string name = document && document->Member("name") ? document->Member("name")->text : line;
            found.push_back(name.substr(0, name.find(' ')));
        }
        return found;
    };
    writeConcept(U"Uno");
    LinePerRead input({nearest, nearest}, [&] { writeConcept(U"Dos"); });
    std::istream in(&input);
    EXPECT_EQ(names(RunCalc({"batch"}, in).out), (std::vector<std::string>{"Uno", "Dos"}));

    // A picture asked to be written over the concept file.
    calc::SetPictureWriter([](const calc::Picture&, const calc::PictureFile& file) {
        return static_cast<bool>(std::ofstream(file.path) << "picture");
    });
    const std::string pictureOver = "chart 2001 12 5 14 30 --png " + path.string() + "\n";
    const command_run::Run run = RunCalc({"batch"}, nearest + pictureOver + nearest);
    calc::SetPictureWriter({});
    EXPECT_EQ(names(run.out).at(0), "Dos");
    EXPECT_NE(names(run.out).at(2), "Dos") << "the concept file the line before wrote over";

    std::filesystem::remove(folder / "efemerides.txt");
    EXPECT_EQ(RunCalc({"--data", folder.Path(), "ephemeris", "2001", "12", "5", "14", "30"}).status, 2);
}

}  // namespace
}  // namespace calc_test
