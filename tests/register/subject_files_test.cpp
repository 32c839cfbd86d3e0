// Import and export files: every field round-trips through CSV and JSON, a bad file names its first
// bad line and why, and an export never leaves half a file.
#include <gtest/gtest.h>

#include <tuple>

#include "orvanel/register/register_fault.h"
#include "orvanel/register/subject_csv.h"
#include "orvanel/register/subject_files.h"
#include "orvanel/register/subject_json.h"
#include "temp_folder.h"

namespace orvanel::subjects {
namespace {

const std::vector<Subject> kSubjects = {
    {"Ana María, \"la Peña\"", "2001", "12", "05", "14.30", "notas, con \"comillas\"\r\ny dos líneas",
     "2024-05-07T10:11:12Z", "2024-05-08T00:00:00Z"},
    // Texts as typed, quirks included: a one-digit month and hour, a five-digit year.
    {"Łukasz 🌙✨", "1965", "7", "03", "9.30", "", "", ""},
    {"O'Brien'); DROP TABLE subjects;--", "19650", " 12", "05", "14.30", "\ttab", "", ""},
};

TEST(SubjectFiles, ABadFileNamesItsFirstBadLineAndWhy) {
    const std::string header = "nombre,año,mes,día,hora\r\n";
    const std::string ana = "Ana,2001,12,05,14.30\r\n";
    const std::string anaJson =
        R"({"name": "Ana", "year": "2001", "month": "12", "day": "05", "time": "14.30"})";
    // CSV or JSON, the file, the line named and a part of the reason.
    const std::tuple<bool, std::string, std::size_t, const char*> cases[] = {
        {true, "", 1, "falta la línea de cabecera"},
        {true, "nombre,año,mes,día\r\n", 1, "le falta la columna «hora»"},
        {true, "nombre,año,mes,día,hora,edad\r\n", 1, "columna desconocida: «edad»"},
        {true, header + ana + "\"Luis,1965\r\n", 3, "no se cierra"},
        {true, header + ana + "Ana,2001\r\n", 3, "tiene 2 campos y la cabecera 5"},
        // A quoted line end does not end the record; the lines are still counted.
        {true, header + "\"Ana\nMaría\",2001,12,05,14.30\r\nLuis\r\n", 4, "tiene 1 campos"},
        {true, header + ana + ",1965,07,03,09.15\r\n", 3, "falta el nombre"},
        {true, header + ana + "ÁNA,1965,07,03,09.15\r\n", 3, "«ÁNA» ya está en la línea 2"},
        {true, header + std::string(81, 'x') + ",2001,12,05,14.30\r\n", 2, "más de 80 caracteres"},
        {true, header + "An\ta,2001,12,05,14.30\r\n", 2, "caracteres de control"},
        {true, header + "Ana,1e99,12,05,14.30\r\n", 2, "la fecha o la hora no es válida"},
        {true, header + "Ana\xFF,2001,12,05,14.30\r\n", 2, "UTF-8"},
        {true, header + "An\"a,2001,12,05,14.30\r\n", 2, "comillas dentro de un campo"},
        {false, "{\"subjects\": [\n" + anaJson + ",\n{\"name\": \"Luis\"}\n]}", 3, "falta el campo \"year\""},
        {false, R"([{"name": "Ana", "year": 2001}])", 1, "debe ser un texto"},
        {false, "{\"subjects\": [\n" + anaJson + ",\n", 3, "termina antes de tiempo"},
        {false, "{\"sujetos\": []}", 1, "se esperaba {\"subjects\""},
        {false, std::string(100, '['), 1, "demasiados niveles"},
        {false, "[" + anaJson + "] x", 1, "más texto después"},
        {false, "[\"\\ud800\"]", 1, "\\u no válida"},
        {false, "[\n\"\xC0\xAF\"]", 2, "UTF-8"},
    };
    for (const auto& [csv, text, line, reason] : cases) {
        const ParsedSubjects parsed = csv ? SubjectsFromCsv(text) : SubjectsFromJson(text);
        ASSERT_TRUE(parsed.problem) << text;
        EXPECT_TRUE(parsed.subjects.empty()) << "all or nothing";
        EXPECT_EQ(parsed.problem->line, line) << text;
        EXPECT_NE(parsed.problem->reason.find(reason), std::string::npos) << parsed.problem->reason;
    }
}

// Every field comes back through a CSV and a JSON file (the extension chooses, in any case), and the
// old file is replaced in one step, with nothing left beside it.
TEST(SubjectFiles, EveryFieldRoundTripsAndAnExportReplacesAFileInOneStep) {
    const test_support::TempFolder folder;
    for (const char* name : {"sujetos.CSV", "sujetos.json"}) {
        folder.Write(name, "old contents");
        WriteSubjectsFile(folder / name, kSubjects);
        EXPECT_EQ(ReadSubjectsFile(folder / name).subjects, kSubjects) << name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2)
        << "no file left beside them";

    EXPECT_THROW(WriteSubjectsFile(folder / "missing/sujetos.json", kSubjects), RegisterFault);
    EXPECT_THROW(WriteSubjectsFile(folder / "sujetos.txt", kSubjects), RegisterFault);
    EXPECT_THROW(ReadSubjectsFile(folder / "absent.json"), RegisterFault);
}

}  // namespace
}  // namespace orvanel::subjects
