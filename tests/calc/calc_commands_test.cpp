// orvanel-calc's subcommands through its dispatcher: the documented keys and shapes, the usage
// errors (exit 2, one line on standard error, nothing on standard output), batch and --data.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "calc_run.h"
#include "conceptplane/concept_table.h"
#include "json_reader.h"

namespace calc_test {
namespace {

JsonValue Succeeds(const std::string& line) {
    const CalcRun run = RunCalc(Words(line));
    EXPECT_EQ(run.status, 0) << line << ": " << run.err;
    EXPECT_EQ(run.err, "") << line;
    EXPECT_EQ(run.out.back(), '\n');
    EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << "one document on one line";
    return ParseJson(run.out);
}

std::size_t Utf8Length(const std::string& s) {
    std::size_t n = 0;
    for (const char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

TEST(CalcChart, DocumentedKeysAndShapes) {
    const JsonValue chart = Succeeds("chart 2001 12 5 14 30");
    const std::vector<std::string> keys = {"ephemerisText",  "ascendantBuffer", "ascendant", "houseCusps",
                                           "longitudes",     "vectors",         "aspects",   "astralConcepts",
                                           "positionsLabel", "housesLabel",     "aspectList"};
    EXPECT_EQ(chart.order, keys);
    EXPECT_EQ(Utf8Length(chart["ephemerisText"].text), 48u);
    EXPECT_EQ(chart["ascendantBuffer"].text.size(), 3u);
    EXPECT_EQ(chart["ascendant"].number, std::stod(chart["ascendantBuffer"].text));
    EXPECT_EQ(chart["houseCusps"].items.size(), 12u);
    EXPECT_EQ(chart["houseCusps"][0].number, chart["ascendant"].number) << "cusp 1 is the Ascendant";
    ASSERT_EQ(chart["longitudes"].items.size(), 13u);
    EXPECT_EQ(chart["longitudes"][12].number, chart["ascendant"].number);
    ASSERT_EQ(chart["vectors"].items.size(), 14u);
    for (const auto& v : chart["vectors"].items) {
        EXPECT_EQ(v.order, (std::vector<std::string>{"x", "y", "angle", "radius", "labelX", "labelY"}));
    }
    for (const auto& a : chart["aspects"].items) {
        EXPECT_GE(a["kind"].number, 1);
        EXPECT_LE(a["kind"].number, 5);
        EXPECT_LT(a["first"].number, a["second"].number);
    }
    EXPECT_EQ(chart["astralConcepts"].items.size(), 14u + chart["aspects"].items.size());
    EXPECT_EQ(chart["aspectList"].items.size(), chart["aspects"].items.size() + 5);
    EXPECT_EQ(chart["positionsLabel"].text.substr(0, 2), "a ");
    EXPECT_EQ(chart["positionsLabel"].text.substr(6, 2), "\r\n");
    EXPECT_EQ(chart["housesLabel"].text.size(), 12u * 8) << "twelve lines \"m 20;A\" and CR LF";
}

TEST(CalcChart, AscendantOverrideKeepsPositionsAndTurnsHouses) {
    const JsonValue plain = Succeeds("chart 2001 12 5 14 30");
    const JsonValue turned = Succeeds("chart 2001 12 5 14 30 --ascendant 90");
    EXPECT_EQ(turned["ephemerisText"].text, plain["ephemerisText"].text);
    EXPECT_EQ(turned["ascendantBuffer"].text, plain["ascendantBuffer"].text);
    EXPECT_EQ(turned["ascendant"].number, 90);
    EXPECT_EQ(turned["houseCusps"][9].number, 360) << "house 10 of Ascendant 90 is 360, not folded";
    EXPECT_EQ(turned["aspects"].items.size(), plain["aspects"].items.size());
    const JsonValue moved = Succeeds("--data " + SourceData() + " chart --ascendant 90 2001 12 5 14 30");
    EXPECT_EQ(moved["houseCusps"][9].number, 360) << "options anywhere on the line";
}

TEST(CalcSynastry, BaseChoosesWhichSubjectComesFirst) {
    const std::string subjects = "synastry 2001 12 5 14 30 1965 7 3 9 30";
    const JsonValue byDefault = Succeeds(subjects);
    EXPECT_EQ(byDefault.order, (std::vector<std::string>{"crossAspects", "crossList", "heading"}));
    EXPECT_EQ(byDefault["heading"].text, " 03 / 07 / 1965          05 / 12 / 2001");
    EXPECT_EQ(byDefault["crossList"].items.size(), byDefault["crossAspects"].items.size() + 5);
    const JsonValue firstInside = Succeeds(subjects + " --base 1");
    EXPECT_EQ(firstInside["heading"].text, " 05 / 12 / 2001          03 / 07 / 1965");
    EXPECT_EQ(firstInside["crossAspects"].items.size(), byDefault["crossAspects"].items.size());
    const JsonValue same = Succeeds("synastry 2001 12 5 14 30 2001 12 5 14 30");
    EXPECT_EQ(same["crossList"][0].text, "El Sol      en conjunción con    El Sol");
}

TEST(CalcCycles, CycleAndCoincidenceDocuments) {
    const JsonValue cycle = Succeeds("cycle 3 2 1 2001 12 5 0 0 2001 12 5");
    EXPECT_EQ(cycle["orb"].number, 15);
    ASSERT_EQ(cycle["days"].items.size(), 31u);
    const JsonValue& centre = cycle["days"][15];
    EXPECT_EQ(centre["offset"].number, 0);
    EXPECT_EQ(centre["angle"].number, cycle["natalAngle"].number) << "birth date at 0 h is the central date";
    EXPECT_TRUE(centre["mark"].boolean);
    EXPECT_EQ(cycle["days"][0]["offset"].number, -15);
    EXPECT_EQ(Utf8Length(centre["ephemerisText"].text), 48u);

    const std::string report = Succeeds("coincidences 2001 12 5 0 0 2001 12 5")["report"].text;
    std::size_t lines = 0;
    for (std::size_t at = report.find("\r\n"); at != std::string::npos; at = report.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 36u);
    EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
}

TEST(CalcUsage, BadLinesExitTwoWithOneLineAndNoOutput) {
    const std::vector<std::string> lines = {
        "",
        "nonsense",
        "chart",
        "chart 2001 12 5 14",
        "chart 2001 12 5 14 30 7",
        "chart 2001 12 5 14 3o",
        "chart abcd 12 5 14 30",
        "chart 40000 12 5 14 30",
        "ephemeris 32768 12 5 14 30",
        "chart 2001 12 5 14 -32769",
        "chart 2001 12 5.5 14 30",
        "chart 2001 12 5 14 30 --ascendant",
        "chart 2001 12 5 14 30 --ascendant 361",
        "chart 2001 12 5 14 30 --data",
        "synastry 2001 12 5 14 30 1965 7 3 9",
        "synastry 2001 12 5 14 30 1965 7 3 9 30 --base 3",
        "cycle 14 2 1 2001 12 5 0 0 2001 12 5",
        "cycle 3 2 3 2001 12 5 0 0 2001 12 5",
        "coincidences 2001 12 5 0 0 2001 12",
        "batch extra",
    };
    for (const auto& line : lines) {
        const CalcRun run = RunCalc(Words(line));
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_EQ(run.out, "") << line;
        ASSERT_FALSE(run.err.empty()) << line;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << line << ": " << run.err;
    }
}

TEST(CalcBatch, OneDocumentPerLineAndFailuresDoNotStopIt) {
    const std::string input =
        "ephemeris 2001 12 5 14 30\n"
        "chart 2001 12 5 14\n"
        "batch\n"
        "\n"
        "ephemeris 1965 7 3 9 30 --data /nonexistent/orvanel\n"
        "ephemeris 1965 7 3 9 30\n";
    const CalcRun run = RunCalc({"batch"}, input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    std::vector<JsonValue> docs;
    std::size_t start = 0;
    for (std::size_t end = run.out.find('\n'); end != std::string::npos; end = run.out.find('\n', start)) {
        docs.push_back(ParseJson(run.out.substr(start, end - start)));
        start = end + 1;
    }
    ASSERT_EQ(docs.size(), 6u);
    EXPECT_TRUE(docs[0].Has("ephemerisText"));
    for (std::size_t k : {1u, 2u, 3u, 4u}) {
        EXPECT_EQ(docs[k].order, std::vector<std::string>{"error"}) << k;
        EXPECT_FALSE(docs[k]["error"].text.empty());
    }
    EXPECT_EQ(docs[5]["ephemerisText"].text, Succeeds("ephemeris 1965 7 3 9 30")["ephemerisText"].text);

    // Bytes that are not UTF-8 come back replaced, so that every line stays JSON.
    const CalcRun raw = RunCalc({"batch"}, "nada\xFF\xC3\nchart \xE9 1 1 1 1\n");
    const auto lineEnd = raw.out.find('\n');
    EXPECT_NE(ParseJson(raw.out.substr(0, lineEnd))["error"].text.find("nada\xEF\xBF\xBD\xEF\xBF\xBD\""),
              std::string::npos);
    EXPECT_EQ(ParseJson(raw.out.substr(lineEnd + 1))["error"].text,
              "year is not a whole number: \"\xEF\xBF\xBD\"");
}

// The data files stay loaded from one command line to the next, and a file changed in between is
// read again: what a batch sees is the folder as it is at each line.
TEST(CalcBatch, DataChangedBetweenLinesIsSeenAtTheNext) {
    const auto folder = std::filesystem::temp_directory_path() / "orvanel_calc_batch_data";
    std::filesystem::remove_all(folder);
    std::filesystem::copy(SourceData(), folder);
    const auto path = folder / "concptos.txt";
    const auto write = [&](const cp::Text& name) {
        cp::ConceptRecord r;
        r.name = name;
        std::ofstream(path, std::ios::binary) << cp::EncodeConceptRecord(r);
    };
    const std::string nearest = "--data " + folder.string() + " plane --rorev nearest 0 0\n";
    write(U"Uno");
    const CalcRun first = RunCalc({"batch"}, nearest);
    write(U"Dos");
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(1));
    const CalcRun second = RunCalc({"batch"}, nearest);
    EXPECT_EQ(ParseJson(first.out)["name"].text, cp::ToUtf8(cp::Fixed(U"Uno", 30)));
    EXPECT_EQ(ParseJson(second.out)["name"].text, cp::ToUtf8(cp::Fixed(U"Dos", 30)));
    std::filesystem::remove(folder / "efemerides.txt");
    EXPECT_EQ(RunCalc({"--data", folder.string(), "ephemeris", "2001", "12", "5", "14", "30"}).status, 2);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace calc_test
