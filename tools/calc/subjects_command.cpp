// orvanel-calc subjects list|add|remove|export|import: the register of subjects without the window,
// on the same file (--register FILE, or the user's data folder). Register faults exit 2.
#include <ostream>

#include "calc_args.h"
#include "command.h"
#include "json_writer.h"
#include "orvanel/register/register_fault.h"
#include "orvanel/register/subject_files.h"
#include "orvanel/register/subject_json.h"
#include "orvanel/register/subject_register.h"
#include "subcommands.h"
#include "subject_entry.h"

namespace calc {

namespace {

namespace subjects = orvanel::subjects;

constexpr char kUsage[] =
    "subjects list | add NAME Y M D h m [--notes TEXT] | remove NAME | export FILE | "
    "import FILE [--existing skip|replace]";

void RequireReadable(const subjects::SubjectRegister& reg) {
    if (!reg.Readable()) throw subjects::RegisterFault(reg.Problem());
}

std::string Added(subjects::SubjectRegister& reg, std::vector<std::string> words) {
    const auto notes = TakeOption(words, "--notes");
    ExpectWordCount(words, 6, kUsage);
    subjects::Subject s = subjects::SubjectOf(words[0], TypedTexts(ParseMoment(words, 1)));
    s.notes = notes.value_or("");
    reg.Add(s);
    return JsonWriter().BeginObject().Key("added").String(subjects::TrimName(s.name)).EndObject().Str();
}

std::string Imported(subjects::SubjectRegister& reg, std::vector<std::string> words) {
    const auto choice = TakeOption(words, "--existing");
    ExpectWordCount(words, 1, kUsage);
    if (choice && *choice != "skip" && *choice != "replace")
        throw UsageError("--existing must be skip or replace");
    RequireReadable(reg);
    const subjects::ParsedSubjects parsed = subjects::ReadSubjectsFile(words[0]);
    if (parsed.problem) throw subjects::RegisterFault(subjects::ImportProblemMessage(*parsed.problem));
    const std::vector<std::string> held = reg.ExistingNames(parsed.subjects);
    if (!held.empty() && !choice) {
        throw UsageError(std::to_string(held.size()) + " names are in the register already (first: \"" +
                         held.front() + "\"); choose --existing skip or --existing replace");
    }
    const auto existing = choice == "replace" ? subjects::Existing::Replace : subjects::Existing::Skip;
    const subjects::ImportCounts counts = reg.Import(parsed.subjects, existing);
    JsonWriter json;
    json.BeginObject().Key("imported").Int(static_cast<std::int64_t>(counts.added));
    json.Key("replaced").Int(static_cast<std::int64_t>(counts.replaced));
    json.Key("skipped").Int(static_cast<std::int64_t>(counts.skipped));
    return json.EndObject().Str();
}

std::string SubjectsDocument(std::vector<std::string> words, const std::string& registerFile) {
    if (words.empty()) throw UsageError(std::string("missing arguments; usage: ") + kUsage);
    const std::string verb = words.front();
    words.erase(words.begin());
    subjects::SubjectRegister reg(registerFile);
    if (verb == "add") return Added(reg, words);
    if (verb == "import") return Imported(reg, words);
    if (verb != "list" && verb != "remove" && verb != "export")
        throw UsageError("unknown subjects command \"" + verb + "\"; usage: " + kUsage);
    ExpectWordCount(words, verb == "list" ? 0 : 1, kUsage);
    RequireReadable(reg);
    if (verb == "list") return subjects::SubjectsToJson(reg.All(), false);
    if (verb == "remove") {
        reg.Remove(words[0]);
        return JsonWriter()
            .BeginObject()
            .Key("removed")
            .String(subjects::TrimName(words[0]))
            .EndObject()
            .Str();
    }
    const std::vector<subjects::Subject> all = reg.All();
    subjects::WriteSubjectsFile(words[0], all);
    JsonWriter json;
    json.BeginObject().Key("exported").Int(static_cast<std::int64_t>(all.size()));
    return json.Key("file").String(words[0]).EndObject().Str();
}

}  // namespace

std::string SubjectsCommand(const std::vector<std::string>& args, const Places& places) {
    return SubjectsDocument(args, places.registerFile);
}

}  // namespace calc
