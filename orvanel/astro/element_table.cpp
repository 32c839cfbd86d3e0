// Reading the seventy numbers of efemerides.txt.
#include "element_table.h"

#include <cmath>

#include "conceptplane/faults.h"
#include "conceptplane/numeric.h"
#include "conceptplane/text.h"

namespace orvanel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

double ItemValue(const std::string& item) {
    // Bytes above 0x7F cannot continue a number; widening them one by one keeps them non-digits.
    cp::Text text;
    for (char c : item)
        text.push_back(static_cast<unsigned char>(c));
    return cp::NumericValue(text);
}

}  // namespace

std::vector<double> ReadNumberItems(std::string_view bytes, std::size_t wanted) {
    std::vector<double> items;
    std::string item;
    bool endedByBlank = false;  // the last item ended at a blank; a comma right after joins that end
    auto push = [&] {
        items.push_back(ItemValue(item));
        item.clear();
    };
    for (char c : bytes) {
        if (items.size() >= wanted) break;
        if (c == ',') {
            if (!item.empty() || !endedByBlank) push();
            endedByBlank = false;
        } else if (IsBlank(c)) {
            if (!item.empty()) push(), endedByBlank = true;
        } else {
            item.push_back(c);
            endedByBlank = false;
        }
    }
    if (!item.empty() && items.size() < wanted) push();
    return items;
}

ElementTable ParseElementTable(std::string_view bytes) {
    const std::vector<double> items = ReadNumberItems(bytes, kElementValues);
    if (items.size() < kElementValues) throw cp::DataFault(kEphemerisFileMessage);
    ElementTable table;
    std::size_t next = 0;
    for (int e = 1; e <= kElements; ++e) {
        for (int b = 1; b <= kBodies; ++b) {
            const double v = items[next++];
            if (!std::isfinite(v)) throw cp::DataFault(kEphemerisFileMessage);
            table.Set(e, b, v);
        }
    }
    return table;
}

}  // namespace orvanel
