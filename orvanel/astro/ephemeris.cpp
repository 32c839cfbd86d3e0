// The positions of the moving chart points from mean elements and the equation of the centre.
#include "ephemeris.h"

#include <cmath>

#include "conceptplane/angles.h"
#include "conceptplane/numeric.h"

namespace orvanel {

namespace {

constexpr double kEpochJulianDay = 2444238.5;  // 1980 January 0.0
constexpr double kPrecessionPerYear = 0.0139601;
constexpr double kDaysPerYear = 365.2442;
// The Earth's orbit: fixed mean longitude at the epoch and perihelion, and 1 - e² with e = 0.016718.
constexpr double kEarthEpochLongitude = 98.3;
constexpr double kEarthPerihelion = 102.5954;
constexpr double kEarthEccentricity = 0.016718;
constexpr double kEarthOneMinusESquared = 0.999720508476;
constexpr std::int16_t kEarth = 1;
constexpr std::int16_t kMoon = 2;

const cp::AngleMath& Trig() {
    return cp::kOrvanelAngles;
}

// Three digits with leading zeros; the longitudes are 0..360, so three always suffice.
cp::Text ThreeDigits(double wholeValue) {
    return cp::FormatZeros(wholeValue, 3);
}

// The reduction of a point of an inclined orbit to the ecliptic: the direction (x, y) of the point at
// argument u from the node, for a node at `node` and an inclination `inclination`.
struct Direction {
    double x, y;
};
Direction ToEcliptic(double u, double node, double inclination) {
    const double cu = Trig().Cos(u), su = Trig().Sin(u);
    const double cn = Trig().Cos(node), sn = Trig().Sin(node);
    const double ci = Trig().Cos(inclination);
    return {cu * cn - su * sn * ci, su * cn * ci + cu * sn};
}

struct Moment {
    double days;        // D: days since the epoch, with the clock time
    double precession;  // P: degrees since the epoch
    double hours;       // h: clock time in decimal hours
};

Moment MomentOf(std::int16_t year, std::int16_t month, std::int16_t day, std::int16_t hour,
                std::int16_t minute) {
    const double hours = hour + minute / 60.0;
    const double d = DaysSinceEpoch(year, month, day);
    return {d + hours / 24.0, d * kPrecessionPerYear / kDaysPerYear, hours};
}

struct MoonPoints {
    std::int16_t longitude, lilith, node;
};

MoonPoints Moon(const EphemerisData& data, const Moment& m) {
    const ElementTable& el = *data.elements;
    const double node = cp::NormalizeDegrees(cp::ModReal(-m.days * 0.0529918 + 152.0 + m.precession, 360));
    const double perigee = cp::NormalizeDegrees(cp::ModReal(m.days * 0.1113654 - 10.5 + m.precession, 360));
    // The perigee already carries the precession; Lilith adds it a second time, as the method does.
    const std::int16_t lilith = cp::StoreInt16(cp::NormalizeDegrees(perigee + 180 + m.precession));
    const double meanLongitude =
        cp::ModReal(m.days * el.Get(kDailyMotion, kMoon), 360) + el.Get(kEpochLongitude, kMoon);
    const double meanAnomaly = cp::NormalizeDegrees(meanLongitude - perigee);
    const double trueAnomaly = OrbitLookup(*data.orbits, kMoon, meanAnomaly);
    const double inOrbit = cp::NormalizeDegrees(trueAnomaly + perigee + m.precession);
    const Direction dir = ToEcliptic(inOrbit - node, node, el.Get(kInclination, kMoon));
    const double longitude = cp::NormalizeDegrees(Trig().AngleOf(dir.x, dir.y));
    return {cp::StoreInt16(longitude), lilith, cp::StoreInt16(node)};
}

struct Earth {
    double sunLongitude;  // degrees
    double ascendant;     // degrees
    double sunX, sunY;    // the Sun seen from the Earth, astronomical units
};

Earth EarthAt(const EphemerisData& data, double t, double hours) {
    const double meanLongitude =
        cp::ModReal(t * data.elements->Get(kDailyMotion, kEarth), 360) + kEarthEpochLongitude;
    const double meanAnomaly = cp::NormalizeDegrees(meanLongitude - kEarthPerihelion);
    const double trueAnomaly = OrbitLookup(*data.orbits, kEarth, meanAnomaly);
    // No precession is added for the Earth: its daily motion is taken against the equinox of date.
    const double heliocentric = cp::NormalizeDegrees(trueAnomaly + kEarthPerihelion);
    const double distance = kEarthOneMinusESquared / (1 + kEarthEccentricity * Trig().Cos(trueAnomaly));
    const double sun = cp::NormalizeDegrees(heliocentric + 180);
    return {sun, cp::NormalizeDegrees(15 * hours + heliocentric + 90), distance * Trig().Cos(sun),
            distance * Trig().Sin(sun)};
}

std::int16_t PlanetLongitude(const EphemerisData& data, std::int16_t b, double t, double precession,
                             const Earth& earth) {
    const ElementTable& el = *data.elements;
    const double perihelion = el.Get(kPerihelion, b);
    const double e = el.Get(kEccentricity, b);
    const double node = el.Get(kNode, b);
    const double meanLongitude = cp::ModReal(t * el.Get(kDailyMotion, b), 360) + el.Get(kEpochLongitude, b);
    const double meanAnomaly = cp::NormalizeDegrees(meanLongitude - perihelion);
    const double trueAnomaly = OrbitLookup(*data.orbits, b, meanAnomaly);
    const double inOrbit = cp::NormalizeDegrees(trueAnomaly + perihelion + precession);
    const double r = (1 - e * e) * el.Get(kSemiMajorAxis, b) / (1 + e * Trig().Cos(trueAnomaly));
    const Direction dir = ToEcliptic(inOrbit - node, node, el.Get(kInclination, b));
    const double x = r * dir.x + earth.sunX;
    const double y = r * dir.y + earth.sunY;
    return cp::StoreInt16(cp::NormalizeDegrees(Trig().AngleOf(x, y)));
}

// A field of the positions text: three digits and the motion mark.
void AppendField(cp::Text& positions, double wholeValue, char32_t mark) {
    positions += ThreeDigits(wholeValue);
    positions += mark;
}

}  // namespace

double JulianDayAtMidnight(std::int16_t year, std::int16_t month, std::int16_t day) {
    const bool early = month < 3;
    const std::int16_t y = cp::StoreInt16(early ? year - 1.0 : year);
    const std::int16_t m = cp::StoreInt16(early ? month + 13.0 : month + 1.0);
    const double a = std::floor(year / 100.0);  // from the year as entered, not the shifted one
    const double b = std::floor(a / 4);
    return std::floor(365.25 * y) + std::floor(30.6001 * m) + day - a + b + 1720996.5;
}

double DaysSinceEpoch(std::int16_t year, std::int16_t month, std::int16_t day) {
    return JulianDayAtMidnight(year, month, day) - kEpochJulianDay;
}

char32_t MotionMark(std::int32_t before, std::int32_t now) {
    // The step taken the short way round, in -180..179: negative is a step backwards.
    const std::int64_t step = ((std::int64_t{now} - before + 540) % 360) - 180;
    return step < 0 ? kRetrogradeMark : kDirectMark;
}

EphemerisResult EphemerisFor(const EphemerisData& data, std::int16_t year, std::int16_t month,
                             std::int16_t day, std::int16_t hour, std::int16_t minute) {
    const Moment m = MomentOf(year, month, day, hour, minute);
    const MoonPoints moon = Moon(data, m);
    std::array<std::int16_t, kBodies + 1> dayBefore{};
    EphemerisResult result;
    for (const bool today : {false, true}) {
        const double t = today ? m.days : m.days - 1;
        const Earth earth = EarthAt(data, t, m.hours);
        result.ascendantBuffer = ThreeDigits(cp::RoundHalfAway(earth.ascendant));
        if (today) {
            result.positions.reserve(kEphemerisTextLength);
            AppendField(result.positions, cp::RoundHalfAway(earth.sunLongitude), kDirectMark);
            AppendField(result.positions, moon.longitude, kDirectMark);
        }
        for (std::int16_t b = 3; b <= kBodies; ++b) {
            const std::int16_t lambda = PlanetLongitude(data, b, t, m.precession, earth);
            if (today) AppendField(result.positions, lambda, MotionMark(dayBefore[b], lambda));
            dayBefore[b] = lambda;
        }
    }
    AppendField(result.positions, moon.lilith, kDirectMark);
    AppendField(result.positions, moon.node, kRetrogradeMark);
    return result;
}

cp::Text ComputeEphemeris(Program& program, EphemerisFiles& files, std::int16_t year, std::int16_t month,
                          std::int16_t day, std::int16_t hour, std::int16_t minute) {
    EphemerisResult result = EphemerisFor(files.Load(), year, month, day, hour, minute);
    AssignFixed(program.AscendantBuffer, result.ascendantBuffer);
    return result.positions;
}

}  // namespace orvanel
