#include "astro_fixtures.h"

#include <cstdio>

#include "tools/generators/orbit_table_writer.h"

namespace astro_test {

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

std::string IdentityOrbitBytes() {
    return orvanel::WriteOrbitTable(orvanel::ElementTable());
}

orvanel::EphemerisData DataOf(const orvanel::ElementTable& elements) {
    return {
        std::make_shared<const orvanel::ElementTable>(elements),
        std::make_shared<const orvanel::OrbitTable>(orvanel::OrbitTable::FromBytes(IdentityOrbitBytes()))};
}

}  // namespace astro_test
