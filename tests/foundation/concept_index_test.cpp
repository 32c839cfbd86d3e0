// The two indexes of the concept table keep their promise: every record that the zoom box's square
// or the naming window can take is among the candidates, whatever the places in the file.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <set>

#include "conceptplane/concept_table.h"

using namespace cp;

namespace {

// Places spread like the plane's, with the values a garbled file can hold among them.
ConceptTable RandomTable(std::mt19937& random, int records) {
    std::uniform_real_distribution<double> place(-12000, 12000), degrees(-20, 380);
    const char* odd[] = {"0", "360", "1e300", "-1e300", "5198", "8", "352", "x"};
    std::string bytes;
    for (int i = 0; i < records; ++i) {
        const bool garbled = random() % 10 == 0;
        const auto pick = [&](std::uniform_real_distribution<double>& d) {
            return FromUtf8(garbled ? odd[random() % std::size(odd)] : std::to_string(d(random)));
        };
        ConceptRecord r;
        r.degrees = pick(degrees);
        r.x = pick(place);
        r.y = pick(place);
        bytes += EncodeConceptRecord(r);
    }
    return ConceptTable::FromBytes(bytes);
}

}  // namespace

// Rectangles of the zoom box's kind (query 0 the whole width; 1 not in order and 2 reversed, both
// giving everything) and directions of the naming window's (across 0 too), each record at most once.
TEST(ConceptIndex, GivesEveryRecordInsideARectangleOrWithinReachOfADirection) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> corner(-14000, 14000), side(0, 6000), angle(0, 360);
    const double edges[] = {0, 360, 8, 352, 359.99, 0.01, 180};
    for (const int records : {0, 1, 3000}) {
        const ConceptTable table = RandomTable(random, records);
        for (std::size_t q = 0; q < 200; ++q) {
            double x0 = corner(random), y0 = corner(random), x1 = x0 + side(random), y1 = y0 + side(random);
            if (q == 0) x0 = -std::numeric_limits<double>::infinity(), x1 = -x0;
            if (q == 1) y1 = std::nan("");
            if (q == 2) std::swap(x0, x1), std::swap(y0, y1);
            std::vector<std::int32_t> candidates;
            table.Grid().Candidates(x0, x1, y0, y1, &candidates);
            const double a = q < std::size(edges) ? edges[q] : angle(random);
            const auto near = table.Directions().Near(a, 8);
            ASSERT_TRUE(near) << "0..360, both ends included, are directions: " << a;
            for (const auto& stretch : *near)
                for (const DirectionEntry& e : stretch)
                    candidates.push_back(-e.record);
            const std::set<std::int32_t> found(candidates.begin(), candidates.end());
            EXPECT_EQ(found.size(), candidates.size()) << "no record twice";
            for (std::int32_t n = 1; n <= table.Count(); ++n) {
                const ConceptRecord& r = table.Read(n);
                const bool inside = r.xValue >= x0 && r.xValue <= x1 && r.yValue >= y0 && r.yValue <= y1;
                EXPECT_TRUE(!(inside || !(x0 <= x1 && y0 <= y1)) || found.count(n)) << records << ", " << q;
                const double d = std::fabs(r.degreesValue - a);
                const bool odd = !(r.degreesValue >= 0 && r.degreesValue <= 360);
                EXPECT_TRUE(!(d < 8.001 || d > 351.999 || odd) || found.count(-n)) << a << ", " << n;
            }
        }
    }
    EXPECT_FALSE(ConceptTable().Directions().Near(-0.5, 8)) << "outside 0..360 the caller scans all";
    EXPECT_FALSE(ConceptTable().Directions().Near(std::nan(""), 8));
}
