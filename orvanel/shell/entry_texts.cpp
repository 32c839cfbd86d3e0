// The texts and numbers of the date entry, apart from the dialogs.
#include "orvanel/shell/entry_texts.h"

#include "conceptplane/numeric.h"

namespace orvanel {

namespace {

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// Digits from `i` on; true when there was at least one.
bool SkipDigits(const cp::Text& t, std::size_t& i) {
    const std::size_t start = i;
    while (i < t.size() && IsDigit(t[i]))
        ++i;
    return i > start;
}

// A whole text that is one number: sign, digits, a decimal point, an exponent.
bool IsNumber(const cp::Text& t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == U'+' || t[i] == U'-')) ++i;
    bool digits = SkipDigits(t, i);
    if (i < t.size() && t[i] == U'.') {
        ++i;
        digits = SkipDigits(t, i) || digits;
    }
    if (!digits) return false;
    if (i < t.size() && (t[i] == U'e' || t[i] == U'E')) {
        ++i;
        if (i < t.size() && (t[i] == U'+' || t[i] == U'-')) ++i;
        if (!SkipDigits(t, i)) return false;
    }
    return i == t.size();
}

}  // namespace

std::optional<std::int16_t> SubjectNumber(const cp::Text& typed) {
    const cp::Text t = cp::TrimBlanks(typed);
    if (!IsNumber(t)) return std::nullopt;
    const auto n = cp::TryInt16(cp::NumericValue(t));
    if (!n || *n < 0 || *n > 12) return std::nullopt;
    return n;
}

cp::Text TypedEntryDate(const cp::Text& year, const cp::Text& month, const cp::Text& day) {
    return cp::Fixed(year + month + day, 8);
}

cp::Text EntryDateTextOf(const cp::Text& entryDate) {
    return cp::Fixed(
        cp::Mid(entryDate, 7, 2) + U" / " + cp::Mid(entryDate, 5, 2) + U" / " + cp::Mid(entryDate, 1, 4), 20);
}

cp::Text ConfirmationText(const cp::Text& entryDate, const cp::Text& timeText) {
    return cp::Mid(entryDate, 7, 2) + U" / " + cp::Mid(entryDate, 5, 2) + U" / " + cp::Mid(entryDate, 1, 4) +
           U" a las " + cp::Mid(timeText, 1, 2) + U"h." + cp::Mid(timeText, 4, 2) + U"m." +
           U" fecha correcta?";
}

std::optional<EntryMoment> MomentOf(const cp::Text& entryDate, const cp::Text& timeText) {
    const auto field = [](const cp::Text& t, std::size_t start, std::size_t length) {
        return cp::TryInt16(cp::NumericValue(cp::Mid(t, start, length)));
    };
    const auto year = field(entryDate, 1, 4), month = field(entryDate, 5, 2), day = field(entryDate, 7, 2);
    const auto hour = field(timeText, 1, 2), minute = field(timeText, 4, 2);
    if (!year || !month || !day || !hour || !minute) return std::nullopt;
    return EntryMoment{*year, *month, *day, *hour, *minute};
}

}  // namespace orvanel
