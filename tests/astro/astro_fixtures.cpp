#include "astro_fixtures.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "conceptplane/text.h"
#include "tools/generators/orbit_table_writer.h"

namespace astro_test {

std::string IdentityOrbitBytes() {
    return orvanel::WriteOrbitTable(ZeroElements());
}

orvanel::ElementTable ZeroElements() {
    return orvanel::ElementTable();
}

std::string ElementBytes(const orvanel::ElementTable& table) {
    std::string out;
    for (int e = 1; e <= orvanel::kElements; ++e) {
        for (int b = 1; b <= orvanel::kBodies; ++b) {
            char buffer[40];
            std::snprintf(buffer, sizeof buffer, "%.12g%s", table.Get(e, b),
                          b < orvanel::kBodies ? ", " : "\r\n");
            out += buffer;
        }
    }
    return out;
}

orvanel::EphemerisData DataOf(const orvanel::ElementTable& elements, const std::string& orbitBytes) {
    return {std::make_shared<const orvanel::ElementTable>(elements),
            std::make_shared<const orvanel::OrbitTable>(orvanel::OrbitTable::FromBytes(orbitBytes))};
}

std::string SourceData(const std::string& name) {
    return std::string(ORVANEL_SOURCE_DIR) + "/data/" + name;
}

cp::Text PositionsText(const std::vector<int>& longitudes) {
    cp::Text text;
    for (std::size_t k = 0; k < longitudes.size(); ++k) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "%03d", longitudes[k]);
        text += cp::FromUtf8(buffer) + (k == 11 ? U"!" : U"¡");
    }
    return text;
}

cp::ConceptTable ConceptsOf(const std::vector<Concept>& concepts) {
    std::string bytes;
    for (const Concept& c : concepts) {
        cp::ConceptRecord r;
        r.reference = c.name;
        r.name = c.name;
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.4f", c.degrees);
        r.degrees = cp::FromUtf8(buffer);
        std::snprintf(buffer, sizeof buffer, "%.4f", c.radius);
        r.radius = cp::FromUtf8(buffer);
        r.x = U"0";
        r.y = U"0";
        bytes += cp::EncodeConceptRecord(r);
    }
    return cp::ConceptTable::FromBytes(bytes);
}

}  // namespace astro_test
