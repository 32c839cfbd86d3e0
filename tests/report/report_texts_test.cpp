// The report's own texts and colours: aspects in Spanish sentences, the positions table's motion mark
// and signs, the birth moment and the day the report was made, the wheel's colours on paper, and a
// couple's report whatever the synastry window last showed.
#include <gtest/gtest.h>

#include "core_builders.h"
#include "orvanel/report/chart_tables.h"
#include "orvanel/report/consultation_report.h"
#include "orvanel/report/report_pictures.h"

namespace orvanel::report {
namespace {

TEST(ReportTexts, AspectsReadAsSentences) {
    struct Case {
        std::int32_t first, kind, second;
        cp::Text firstOwner, secondOwner, sentence;
    };
    const Case cases[] = {
        {1, 1, 3, U"", U"", U"El Sol en conjunción con Mercurio"},
        {2, 3, 12, U"", U"", U"La Luna en trígono con el Nodo Lunar"},  // the node takes an article
        {12, 5, 1, U"", U"", U"El Nodo Lunar en sextil con el Sol"},    // lower case within the sentence
        {6, 2, 2, U"Ana", U"Luis", U"Júpiter de Ana en oposición con la Luna de Luis"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AspectSentence(c.first, c.kind, c.second, c.firstOwner, c.secondOwner), c.sentence);
}

TEST(ReportTexts, PositionsShowTheSignDegreeAndTheRetrogradeMark) {
    ChartSlot chart;
    chart.ephemerisText = cp::Fixed(U"075¡100!", 48);  // the Moon retrograde, the Sun direct
    chart.longitude[1] = 75;
    chart.longitude[2] = 360;  // rounded up to 360: 0 degrees of Aries
    const Table table = PositionsTable(chart);
    ASSERT_EQ(table.rows.size(), 13U);
    const auto texts = [&](std::size_t row) {
        std::vector<cp::Text> t;
        for (const Cell& c : table.rows[row])
            t.push_back(c.text);
        return t;
    };
    EXPECT_EQ(texts(0), (std::vector<cp::Text>{U"a", U"El Sol", U"C", U"Géminis", U"15°", U""}));
    EXPECT_EQ(texts(1), (std::vector<cp::Text>{U"b", U"La Luna", U"A", U"Aries", U"0°", U"Rx"}));
    EXPECT_EQ(texts(12)[1], U"Ascendente");
}

TEST(ReportTexts, BirthMomentAndReportDay) {
    ChartSlot chart;
    chart.dateText = U"05 / 12 / 2001";
    EXPECT_EQ(BirthMoment(chart), U"05 / 12 / 2001");  // no time kept
    chart.typed.time = U"14.30";
    EXPECT_EQ(BirthMoment(chart), U"05 / 12 / 2001 a las 14h.30m.");
    EXPECT_EQ(LongDate(UtcDay(0)), U"1 de enero de 1970");
    EXPECT_EQ(LongDate(UtcDay(1700000000)), U"14 de noviembre de 2023");
}

TEST(ReportTexts, LightScreenColoursTurnDarkOnPaper) {
    struct Case {
        surface::Rgb screen, paper;
    };
    const Case cases[] = {
        {surface::kWhite, surface::kBlack},
        {surface::RGB(150, 150, 150), surface::RGB(105, 105, 105)},  // the template's grey
        {surface::RGB(255, 100, 100), surface::RGB(111, 44, 44)},    // hue kept
        {surface::RGB(0, 200, 0), surface::RGB(0, 200, 0)},          // dark enough already
    };
    for (const Case& c : cases)
        EXPECT_EQ(PaperColour(c.screen), c.paper);
}

// The texts of a document's tables and paragraphs, in order.
std::vector<cp::Text> TextsOf(const Document& doc) {
    std::vector<cp::Text> texts;
    for (const Block& block : doc.blocks) {
        if (const auto* p = std::get_if<Paragraph>(&block)) texts.push_back(p->text);
        for (const Table& t : std::holds_alternative<TableRow>(block) ? std::get<TableRow>(block).tables
                                                                      : std::vector<Table>{})
            for (const auto& row : t.rows)
                for (const Cell& cell : row)
                    texts.push_back(cell.text);
    }
    return texts;
}

// The cross aspects name the first subject's points first, even after the window swapped its rings.
TEST(ReportTexts, ACouplesReportIgnoresWhichRingTheSynastryWindowShowsInside) {
    orvanel::EphemerisFiles files(core_builders::ShippedData());
    Program program;
    core_builders::EnterComputed(program, files, 1, {2001, 12, 5, 14, 30});
    core_builders::EnterComputed(program, files, 2, {1965, 7, 3, 9, 15});
    const auto texts = [&](std::int16_t base) {
        program.SynastryBase = base;
        return TextsOf(SynastryReport(program, U"Ana", U"Luis", cp::ConceptTable(), UtcDay(0)));
    };
    EXPECT_EQ(texts(2), texts(1));
}

}  // namespace
}  // namespace orvanel::report
