// Writing the report's pages to a PDF file, a printer or an image.
#include "orvanel/report/report_file.h"

#include <QBuffer>
#include <QDateTime>
#include <QHashFunctions>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <cmath>

#include "orvanel/report/page_layout.h"
#include "orvanel/report/page_painting.h"
#include "orvanel/report/page_style.h"
#include "orvanel/report/report_day.h"

namespace orvanel::report {

namespace {

// Every page on `device`, a new sheet before each but the first.
bool PaintPages(const std::vector<Page>& pages, QPagedPaintDevice& device, const QRectF& paper) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) return false;
        PaintPage(pages[i], painter, paper);
    }
    return painter.end();
}

// Qt writes the moment of writing as the file's creation date, "/CreationDate (D:" and fourteen
// digits; they are replaced in place, so that nothing else in the file moves.
void SetCreationDate(QByteArray& pdf, qint64 seconds) {
    const QByteArray key("/CreationDate (D:");
    const qsizetype at = pdf.indexOf(key);
    if (at < 0) return;
    const QByteArray digits =
        QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    const qsizetype start = at + key.size();
    if (start + digits.size() > pdf.size()) return;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (pdf[start + i] < '0' || pdf[start + i] > '9') return;
    }
    pdf.replace(start, digits.size(), digits);
}

std::optional<QByteArray> PdfBytes(const Document& document, const std::vector<Page>& pages) {
    const std::optional<std::int64_t> epoch = SourceDateEpoch();
    // Qt writes the fonts in the order of a hash table, which is seeded at random in every process.
    if (epoch) QHashSeed::setDeterministicGlobalSeed();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QString::fromStdU32String(document.kind) + QStringLiteral(": ") +
                     QString::fromStdU32String(document.title));
        pdf.setCreator(QStringLiteral("Orvanel"));
        if (!PaintPages(pages, pdf, QRectF(0, 0, pdf.width(), pdf.height()))) return std::nullopt;
    }
    QByteArray bytes = buffer.data();
    if (epoch) SetCreationDate(bytes, *epoch);
    return bytes;
}

}  // namespace

std::optional<int> WriteReportPdf(const Document& document, const QString& path) {
    const std::vector<Page> pages = LayOutReport(document);
    const std::optional<QByteArray> bytes = PdfBytes(document, pages);
    if (!bytes) return std::nullopt;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit())
        return std::nullopt;
    return static_cast<int>(pages.size());
}

bool PrintReport(const Document& document, QPrinter& printer) {
    printer.setFullPage(true);
    printer.setDocName(QString::fromStdU32String(document.kind) + QStringLiteral(": ") +
                       QString::fromStdU32String(document.title));
    return PaintPages(LayOutReport(document), printer, printer.paperRect(QPrinter::DevicePixel));
}

QImage RenderReportPage(const Document& document, int index, int width) {
    const std::vector<Page> pages = LayOutReport(document);
    if (index < 0 || static_cast<std::size_t>(index) >= pages.size() || width <= 0) return QImage();
    const double height = width * style::kPaper.height() / style::kPaper.width();
    QImage image(width, static_cast<int>(std::lround(height)), QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(width / (style::kPaper.width() / 72 * 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(pages[static_cast<std::size_t>(index)], painter, QRectF(0, 0, image.width(), image.height()));
    return image;
}

}  // namespace orvanel::report
