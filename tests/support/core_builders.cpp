#include "core_builders.h"

#include <cstdio>

#include "conceptplane/numeric.h"
#include "orvanel/astro/chart.h"
#include "orvanel/astro/ephemeris.h"
#include "orvanel/shell/entry_confirmation.h"

namespace core_builders {

namespace {

cp::Text Number(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.10g", v);
    return cp::FromUtf8(buffer);
}

}  // namespace

cp::ConceptTable ConceptTableOf(const std::vector<Concept>& concepts) {
    std::string bytes;
    for (const Concept& c : concepts) {
        cp::ConceptRecord r;
        r.reference = c.reference.empty() ? c.name : c.reference;
        r.name = c.name;
        r.degrees = Number(c.degrees);
        r.radius = Number(c.radius);
        r.x = Number(c.x);
        r.y = Number(c.y);
        bytes += cp::EncodeConceptRecord(r);
    }
    return cp::ConceptTable::FromBytes(bytes);
}

std::string ShippedData(const std::string& name) {
    return std::string(ORVANEL_SOURCE_DIR) + "/data/" + name;
}

cp::Text PositionsText(const std::vector<int>& longitudes) {
    cp::Text text;
    for (std::size_t k = 0; k < longitudes.size(); ++k)
        text +=
            cp::FormatZeros(longitudes[k], 3) + (k == 11 ? orvanel::kRetrogradeMark : orvanel::kDirectMark);
    return text;
}

void SetLongitudes(orvanel::ChartSlot& slot, const std::vector<int>& longitudes) {
    for (std::size_t k = 0; k < longitudes.size(); ++k)
        slot.longitude[k + 1] = longitudes[k];
}

void SetAspects(orvanel::ChartSlot& slot, const std::vector<Aspect>& aspects) {
    slot.aspectCount = static_cast<std::int16_t>(aspects.size());
    for (std::size_t n = 1; n <= aspects.size(); ++n) {
        slot.aspectKind[n] = aspects[n - 1].kind;
        slot.aspectFirst[n] = aspects[n - 1].first;
        slot.aspectSecond[n] = aspects[n - 1].second;
    }
}

std::vector<Aspect> AspectsOf(const orvanel::ChartSlot& slot) {
    std::vector<Aspect> aspects;
    for (std::size_t n = 1; n <= static_cast<std::size_t>(slot.aspectCount); ++n)
        aspects.push_back({slot.aspectKind[n], slot.aspectFirst[n], slot.aspectSecond[n]});
    return aspects;
}

void EnterComputed(orvanel::Program& program, orvanel::EphemerisFiles& files, std::int16_t slot,
                   const Moment& m) {
    orvanel::EnterTyped(program, files, slot,
                        {cp::FormatZeros(m.year, 4), cp::FormatZeros(m.month, 2), cp::FormatZeros(m.day, 2),
                         cp::FormatZeros(m.hour, 2) + U"." + cp::FormatZeros(m.minute, 2)});
}

}  // namespace core_builders
