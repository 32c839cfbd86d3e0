// The report's day, from SOURCE_DATE_EPOCH or the clock, and its Spanish long form.
#include "orvanel/report/report_day.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>

namespace orvanel::report {

namespace {

constexpr const char32_t* kMonths[] = {U"enero",      U"febrero", U"marzo",     U"abril",
                                       U"mayo",       U"junio",   U"julio",     U"agosto",
                                       U"septiembre", U"octubre", U"noviembre", U"diciembre"};

constexpr std::int64_t kLastSecondOf9999 = 253402300799;

}  // namespace

std::optional<std::int64_t> SourceDateEpoch() {
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    if (text == nullptr || *text == '\0') return std::nullopt;
    const std::string word(text);
    if (word.find_first_not_of("0123456789") != std::string::npos || word.size() > 12) return std::nullopt;
    const std::int64_t seconds = std::stoll(word);
    // Dates are written with four-digit years.
    if (seconds > kLastSecondOf9999) return std::nullopt;
    return seconds;
}

Day UtcDay(std::int64_t seconds) {
    using namespace std::chrono;
    const year_month_day ymd{floor<days>(sys_seconds{std::chrono::seconds{seconds}})};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

Day ReportDay() {
    if (const auto epoch = SourceDateEpoch()) return UtcDay(*epoch);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

cp::Text LongDate(const Day& day) {
    const cp::Text month = day.month >= 1 && day.month <= 12 ? kMonths[day.month - 1] : U"?";
    return cp::FromInt(day.day) + U" de " + month + U" de " + cp::FromInt(day.year);
}

}  // namespace orvanel::report
