// Kepler's equation and the text of orbitas.txt.
#include "orbit_table_writer.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "conceptplane/faults.h"

namespace orvanel {

namespace {

constexpr double kMaxEccentricity = 0.99;

// E - e sin E = M by Newton's method, from a start that converges for every e below 1.
double EccentricAnomaly(double m, double e) {
    double E = e < 0.8 ? m : std::numbers::pi;
    for (int i = 0; i < 50; ++i) {
        const double step = (E - e * std::sin(E) - m) / (1 - e * std::cos(E));
        E -= step;
        if (std::fabs(step) < 1e-15) break;
    }
    return E;
}

std::string Record(const char* format, double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, v);
    return std::string(buffer) + "\r\n";
}

}  // namespace

double TrueAnomaly(double meanAnomaly, double eccentricity) {
    const double m = meanAnomaly * std::numbers::pi / 180;
    const double E = EccentricAnomaly(m, eccentricity);
    const double nu = 2 * std::atan2(std::sqrt(1 + eccentricity) * std::sin(E / 2),
                                     std::sqrt(1 - eccentricity) * std::cos(E / 2));
    // The equation of the centre, folded into -180..180, keeps the anomaly continuous up to 360.
    const double centre = std::remainder(nu * 180 / std::numbers::pi - meanAnomaly, 360.0);
    return meanAnomaly + centre;
}

std::string WriteOrbitTable(const ElementTable& elements) {
    std::string out;
    for (int orbit = 1; orbit <= kBodies; ++orbit) {
        const double e = elements.Get(kEccentricity, orbit);
        if (!(e >= 0 && e <= kMaxEccentricity)) {
            throw cp::DataFault("Excentricidad fuera de 0..0,99 en efemerides.txt");
        }
        out += Record("%6.4f", e);
        for (int m = 0; m <= 360; ++m) {
            const double nu = TrueAnomaly(m, e);
            out += Record("%6.2f", std::fabs(nu) < 0.005 ? 0.0 : nu);
        }
    }
    return out;
}

}  // namespace orvanel
