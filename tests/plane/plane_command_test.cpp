// orvanel-calc plane and structure: the documents of each operation on a small concept file, the
// refusal of a 21st point, and the usage errors.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "conceptplane/concept_table.h"
#include "plane_command.h"
#include "plane_fixture.h"
#include "structure_command.h"

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

class PlaneCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("plane_command_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        std::string bytes;
        const auto table =
            planetest::Table({{U"Voluntad", 1345.5, 360.5, 1393}, {U"Rigor", 0, 500, 3412, U"Juicio"}});
        for (const auto& r : table.Records())
            bytes += cp::EncodeConceptRecord(r);
        std::ofstream(dir_ / "concptos.txt", std::ios::binary) << bytes;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    Outcome Plane(std::vector<std::string> args) {
        std::ostringstream out, err;
        const int status = calc::RunPlaneCommand(args, dir_.string(), out, err);
        return {status, out.str(), err.str()};
    }

    std::filesystem::path dir_;
};

}  // namespace

TEST_F(PlaneCommand, WritesEachOperationsDocument) {
    const Outcome sum = Plane({"--rorev", "sum", "1000", "0", "0", "1000"});
    EXPECT_EQ(sum.status, 0);
    EXPECT_TRUE(sum.err.empty());
    EXPECT_NE(sum.out.find("\"length\": 293.3932188134"), std::string::npos) << sum.out;
    const Outcome orvanel = Plane({"sum", "1000", "0", "0", "1000", "--orvanel"});
    EXPECT_NE(orvanel.out.find("\"length\": 293.393188"), std::string::npos) << orvanel.out;

    const Outcome line = Plane({"--rorev", "line", "0", "500", "1000", "500"});
    EXPECT_EQ(line.out, "{\"onLine\": [\"Rigor                         \"]}\n");
    const Outcome lookup = Plane({"--orvanel", "lookup", "1345", "360"});
    EXPECT_NE(lookup.out.find("{\"name\": \"Voluntad                      \", \"x\": 3004, \"y\": 2996}"),
              std::string::npos)
        << lookup.out;
    EXPECT_NE(lookup.out.find(
                  "\"readouts\": {\"x\": \"134\", \"y\": \"36\", \"angle\": \"15\", \"radius\": \"139\"}"),
              std::string::npos)
        << lookup.out;
    const Outcome describe = Plane({"--rorev", "describe"});
    EXPECT_NE(describe.out.find("\"definition\": \"Juicio excelente\""), std::string::npos) << describe.out;

    std::vector<std::string> many = {"--rorev", "sum"};
    for (int i = 1; i <= 21; ++i)
        many.insert(many.end(), {std::to_string(i), "0"});
    const Outcome refused = Plane(many);
    EXPECT_NE(refused.out.find("\"messages\": [\"No se pueden añadir más de 20 vectores\"]"),
              std::string::npos);
    EXPECT_NE(refused.out.find("\"x\": 210,"), std::string::npos) << refused.out;  // 1 + ... + 20

    std::ostringstream out, err;
    EXPECT_EQ(calc::RunStructureCommand({}, "", out, err), 0);
    EXPECT_NE(out.str().find("\"plenitud     10042  00353\"]}"), std::string::npos);
}

TEST_F(PlaneCommand, RefusesBadCommandLinesWithOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {"sum", "1", "2"},                          // no program named
        {"--rorev", "--orvanel", "sum", "1", "2"},  // two
        {"--rorev", "sum", "1"},                    // half a point
        {"--rorev", "line", "1", "2"},              // one point only
        {"--rorev", "lookup", "1", "nan"},
        {"--rorev", "lookup", "1", "2", "3"},
        {"--rorev", "spin"},
        {"--rorev"},
    };
    for (const auto& args : bad) {
        const Outcome r = Plane(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    std::ostringstream out, err;
    EXPECT_EQ(calc::RunPlaneCommand({"--rorev", "describe"}, (dir_ / "none").string(), out, err), 2);
}
