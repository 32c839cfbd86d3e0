#include "structure_command.h"

#include "calc_args.h"
#include "command.h"
#include "conceptplane/structure_view.h"
#include "json_writer.h"

namespace calc {

std::string StructureCommand(const std::vector<std::string>& args, const Places&) {
    ExpectWordCount(args, 0, "structure");
    JsonWriter json;
    json.BeginObject().Key("lines").BeginArray();
    for (const auto& level : cp::ComputeStructure().levels)
        json.String(level.line);
    json.EndArray().EndObject();
    return std::move(json).Take();
}

}  // namespace calc
