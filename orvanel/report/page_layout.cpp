// Placing the report's blocks on A4 pages.
#include "orvanel/report/page_layout.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "orvanel/report/page_style.h"
#include "orvanel/report/text_measure.h"

namespace orvanel::report {

namespace {

using namespace style;

double LineHeight(double points) {
    return points * kLineSpacing;
}

double HeadingHeight() {
    return LineHeight(kHeadingPoints) + 3 + kSpaceAfterHeading;
}

double CaptionHeight(const Table& t) {
    return t.caption.empty() ? 0 : LineHeight(kCaptionPoints) + 2;
}

double TableTop(const Table& t, bool withCaption) {
    return (withCaption ? CaptionHeight(t) : 0) + kHeadRowHeight;
}

double TableHeight(const Table& t) {
    return TableTop(t, true) + kRowHeight * static_cast<double>(t.rows.size());
}

// The least a figure is shrunk to, rather than moved to the next page.
constexpr double kSmallestFigure = 0.75;

double Ratio(const surface::DrawingSurface& p) {
    return p.DesignPixelWidth() > 0 ? p.DesignPixelHeight() / p.DesignPixelWidth() : 1;
}

QFont CaptionFont() {
    return SerifFont(kCaptionPoints, false, true);
}

double ShareSum(const Table& t) {
    const double sum = std::accumulate(t.columns.begin(), t.columns.end(), 0.0,
                                       [](double s, const Column& c) { return s + c.share; });
    return sum > 0 ? sum : 1;
}

// Where pages go while the blocks are placed one after the other.
class Flow {
  public:
    explicit Flow(const TextMeasure& measure) : measure_(measure) { NewPage(); }

    void Title(const Document& doc);
    void Place(const Block& block, const Block* next);
    std::vector<Page> Finish(const cp::Text& footer);

  private:
    void NewPage() {
        pages_.emplace_back();
        y_ = kMarginTop;
    }
    bool AtTop() const { return y_ <= kMarginTop; }
    // A new page unless `height` fits below the current position (or nothing is on this page yet).
    void NeedRoom(double height) {
        if (y_ + height > kBodyBottom && !AtTop()) NewPage();
    }
    template <class T>
    void Put(T item) {
        pages_.back().items.emplace_back(std::move(item));
    }
    void Text(double x, double baseline, const QString& text, const QFont& font, const QColor& colour) {
        Put(PlacedText{{x, baseline}, text, font, colour});
    }
    void Rule(double y, const QColor& colour, double width, double left = kMarginLeft,
              double right = kMarginLeft + kTextWidth) {
        Put(PlacedRule{QLineF(left, y, right, y), colour, width});
    }
    // One line of `text` aligned in the box from `left` of `width`, on `baseline`.
    void Aligned(double left, double width, double baseline, const QString& text, const QFont& font,
                 const QColor& colour, Align align);

    double MinimalHeight(const Block& block) const;
    void Place(const Heading& heading, double keep);
    void Place(const Paragraph& paragraph);
    struct FigureSize {
        double total = 0;     // the width of the pictures and the gaps between them
        double side = 0;      // the width of each picture
        double pictures = 0;  // the height of the tallest picture
        double height = 0;    // with the captions
    };
    FigureSize SizeOf(const Figure& figure, double scale) const;
    void Place(const Figure& figure);
    void Place(const TableRow& row);
    void PlaceTable(const Table& table, double left, double top, std::size_t from, std::size_t to,
                    bool caption);

    const TextMeasure& measure_;
    std::vector<Page> pages_;
    double y_ = 0;
};

void Flow::Aligned(double left, double width, double baseline, const QString& text, const QFont& font,
                   const QColor& colour, Align align) {
    const QString fitted = measure_.Elided(font, text, width);
    const double room = width - measure_.Width(font, fitted);
    const double x = align == Align::Left ? left : align == Align::Right ? left + room : left + room / 2;
    Text(x, baseline, fitted, font, colour);
}

void Flow::Title(const Document& doc) {
    QFont kind = SansFont(kKindPoints, true);
    kind.setLetterSpacing(QFont::PercentageSpacing, 112);
    y_ += LineHeight(kKindPoints);
    Text(kMarginLeft, y_, QString::fromStdU32String(doc.kind).toUpper(), kind, kAccent);
    y_ += 8;
    const QFont title = SerifFont(kTitlePoints);
    for (const QString& line : measure_.Lines(title, QString::fromStdU32String(doc.title), kTextWidth)) {
        y_ += kTitlePoints * 1.15;
        Text(kMarginLeft, y_, line, title, kInk);
    }
    y_ += 6;
    const QFont fact = SerifFont(kFactPoints);
    for (const cp::Text& f : doc.facts) {
        for (const QString& line : measure_.Lines(fact, QString::fromStdU32String(f), kTextWidth)) {
            y_ += LineHeight(kFactPoints);
            Text(kMarginLeft, y_, line, fact, kQuietInk);
        }
    }
    y_ += 12;
    Rule(y_, kAccent, 1.2);
    y_ += 8;
}

double Flow::MinimalHeight(const Block& block) const {
    if (const auto* row = std::get_if<TableRow>(&block)) {
        double height = 0;
        for (const Table& t : row->tables) {
            const double rows = row->tables.size() == 1
                                    ? std::min<double>(3, static_cast<double>(t.rows.size()))
                                    : static_cast<double>(t.rows.size());
            height = std::max(height, TableTop(t, true) + rows * kRowHeight);
        }
        return height;
    }
    if (const auto* figure = std::get_if<Figure>(&block)) return SizeOf(*figure, kSmallestFigure).height;
    if (std::holds_alternative<Paragraph>(block)) return 2 * LineHeight(kBodyPoints);
    return 0;
}

void Flow::Place(const Block& block, const Block* next) {
    if (std::holds_alternative<PageBreak>(block)) {
        if (!AtTop()) NewPage();
    } else if (const auto* heading = std::get_if<Heading>(&block)) {
        Place(*heading, next != nullptr ? MinimalHeight(*next) : 0);
    } else if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
        Place(*paragraph);
    } else if (const auto* figure = std::get_if<Figure>(&block)) {
        Place(*figure);
    } else if (const auto* row = std::get_if<TableRow>(&block)) {
        Place(*row);
    }
}

void Flow::Place(const Heading& heading, double keep) {
    NeedRoom((AtTop() ? 0 : kSpaceBeforeHeading) + HeadingHeight() + keep);
    if (!AtTop()) y_ += kSpaceBeforeHeading;
    const QFont font = SansFont(kHeadingPoints, true);
    y_ += LineHeight(kHeadingPoints);
    Text(kMarginLeft, y_, measure_.Elided(font, QString::fromStdU32String(heading.text), kTextWidth), font,
         kAccent);
    y_ += 4;
    Rule(y_, kAccentLight, 0.7);
    y_ += kSpaceAfterHeading - 1;
}

void Flow::Place(const Paragraph& paragraph) {
    const double points = paragraph.face == Face::Quiet ? kQuietPoints : kBodyPoints;
    const QFont font = FontOf(paragraph.face, points);
    for (const QString& line : measure_.Lines(font, QString::fromStdU32String(paragraph.text), kTextWidth)) {
        NeedRoom(LineHeight(points));
        y_ += LineHeight(points);
        Text(kMarginLeft, y_, line, font, InkOf(paragraph.face));
    }
    y_ += kSpaceAfterBlock;
}

Flow::FigureSize Flow::SizeOf(const Figure& figure, double scale) const {
    FigureSize size;
    const double count = static_cast<double>(std::max<std::size_t>(1, figure.pictures.size()));
    size.total = figure.width * kTextWidth * scale;
    size.side = (size.total - kFigureGap * (count - 1)) / count;
    std::size_t captionLines = 0;
    for (const cp::Text& caption : figure.captions) {
        captionLines = std::max<std::size_t>(
            captionLines,
            measure_.Lines(CaptionFont(), QString::fromStdU32String(caption), size.side).size());
    }
    for (const surface::DrawingSurface& p : figure.pictures)
        size.pictures = std::max(size.pictures, size.side * Ratio(p));
    size.height = size.pictures + static_cast<double>(captionLines) * LineHeight(kCaptionPoints) + 4;
    return size;
}

void Flow::Place(const Figure& figure) {
    // A figure that does not fit the rest of the page shrinks a little before it moves to the next.
    FigureSize size = SizeOf(figure, 1);
    for (double scale = 0.95; size.height > kBodyBottom - y_ && scale >= kSmallestFigure; scale -= 0.05) {
        const FigureSize smaller = SizeOf(figure, scale);
        if (smaller.height <= kBodyBottom - y_) size = smaller;
    }
    NeedRoom(size.height);
    double left = kMarginLeft + (kTextWidth - size.total) / 2;
    for (std::size_t i = 0; i < figure.pictures.size(); ++i) {
        const surface::DrawingSurface& p = figure.pictures[i];
        Put(PlacedPicture{QRectF(left, y_, size.side, size.side * Ratio(p)), &p});
        double baseline = y_ + size.pictures + 4;
        const cp::Text caption = i < figure.captions.size() ? figure.captions[i] : cp::Text();
        for (const QString& line :
             measure_.Lines(CaptionFont(), QString::fromStdU32String(caption), size.side)) {
            baseline += LineHeight(kCaptionPoints);
            Aligned(left, size.side, baseline, line, CaptionFont(), kQuietInk, Align::Centre);
        }
        left += size.side + kFigureGap;
    }
    y_ += size.height + kSpaceAfterBlock;
}

void Flow::PlaceTable(const Table& table, double left, double top, std::size_t from, std::size_t to,
                      bool caption) {
    const double width = table.width * kTextWidth;
    double y = top;
    if (caption && !table.caption.empty()) {
        const QFont font = SansFont(kCaptionPoints, true);
        Text(left, y + kCaptionPoints, measure_.Elided(font, QString::fromStdU32String(table.caption), width),
             font, kAccent);
        y += CaptionHeight(table);
    }
    const double unit = width / ShareSum(table);
    const QFont head = SansFont(kColumnHeadPoints, true);
    double x = left;
    for (const Column& c : table.columns) {
        const double w = c.share * unit;
        Aligned(x + kCellPadding, w - 2 * kCellPadding, y + kHeadRowHeight - 5,
                QString::fromStdU32String(c.heading).toUpper(), head, kQuietInk, c.align);
        x += w;
    }
    y += kHeadRowHeight;
    Rule(y, kInk, 0.8, left, left + width);
    for (std::size_t r = from; r < to; ++r) {
        if (r % 2 == 1) Put(PlacedBand{QRectF(left, y, width, kRowHeight), kRowBand});
        x = left;
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            const double w = table.columns[c].share * unit;
            const Cell cell = c < table.rows[r].size() ? table.rows[r][c] : Cell{};
            const QFont font = FontOf(cell.face, kCellPoints);
            Aligned(x + kCellPadding, w - 2 * kCellPadding, y + kRowHeight / 2 + 0.35 * font.pointSizeF(),
                    QString::fromStdU32String(cell.text), font, InkOf(cell.face), table.columns[c].align);
            x += w;
        }
        y += kRowHeight;
    }
    Rule(y, kFrame, 0.5, left, left + width);
}

void Flow::Place(const TableRow& row) {
    if (row.tables.size() == 1) {
        const Table& t = row.tables.front();
        const double left = kMarginLeft + (kTextWidth - t.width * kTextWidth) / 2;
        std::size_t next = 0;
        bool first = true;
        do {
            const double top = TableTop(t, first);
            NeedRoom(top + kRowHeight * std::min<double>(2, static_cast<double>(t.rows.size() - next)));
            const auto fit =
                static_cast<std::size_t>(std::max(1.0, std::floor((kBodyBottom - y_ - top) / kRowHeight)));
            const std::size_t end = std::min(t.rows.size(), next + fit);
            PlaceTable(t, left, y_, next, end, first);
            y_ += top + kRowHeight * static_cast<double>(end - next);
            next = end;
            first = false;
            if (next < t.rows.size()) NewPage();
        } while (next < t.rows.size());
        y_ += kSpaceAfterBlock;
        return;
    }
    double total = kTableGap * static_cast<double>(row.tables.size() - 1), height = 0;
    for (const Table& t : row.tables) {
        total += t.width * kTextWidth;
        height = std::max(height, TableHeight(t));
    }
    NeedRoom(height);
    double left = kMarginLeft + (kTextWidth - total) / 2;
    for (const Table& t : row.tables) {
        PlaceTable(t, left, y_, 0, t.rows.size(), true);
        left += t.width * kTextWidth + kTableGap;
    }
    y_ += height + kSpaceAfterBlock;
}

std::vector<Page> Flow::Finish(const cp::Text& footer) {
    const QFont font = SansFont(kFooterPoints);
    const QString pageCount = QString::number(pages_.size());
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        pages_[i].items.emplace_back(
            PlacedRule{QLineF(kMarginLeft, kFooterRule, kMarginLeft + kTextWidth, kFooterRule), kFrame, 0.5});
        pages_[i].items.emplace_back(
            PlacedText{{kMarginLeft, kFooterBaseline},
                       measure_.Elided(font, QString::fromStdU32String(footer), kTextWidth * 0.74),
                       font,
                       kQuietInk});
        const QString number = QStringLiteral("Página %1 de %2").arg(i + 1).arg(pageCount);
        pages_[i].items.emplace_back(
            PlacedText{{kMarginLeft + kTextWidth - measure_.Width(font, number), kFooterBaseline},
                       number,
                       font,
                       kQuietInk});
    }
    return std::move(pages_);
}

}  // namespace

std::vector<Page> LayOutReport(const Document& document) {
    const TextMeasure measure;
    Flow flow(measure);
    flow.Title(document);
    for (std::size_t i = 0; i < document.blocks.size(); ++i)
        flow.Place(document.blocks[i], i + 1 < document.blocks.size() ? &document.blocks[i + 1] : nullptr);
    return flow.Finish(document.footer);
}

}  // namespace orvanel::report
