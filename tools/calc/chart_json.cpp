// JSON of a slot's aspects.
#include "chart_json.h"

#include "orvanel/display/chart_texts.h"

namespace calc {

void WriteAspects(JsonWriter& json, const orvanel::ChartSlot& slot) {
    json.BeginArray();
    const int count = orvanel::UsableAspectCount(slot);
    for (int n = 1; n <= count; ++n) {
        const auto i = static_cast<std::size_t>(n);
        json.BeginObject();
        json.Key("kind").Int(slot.aspectKind[i]);
        json.Key("first").Int(slot.aspectFirst[i]);
        json.Key("second").Int(slot.aspectSecond[i]);
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace calc
