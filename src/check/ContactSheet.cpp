#include "check/ContactSheet.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vantrel::check {

SheetLayout LayOutSheet(const std::vector<QSize>& imageSizes, int labelHeight, int minimumCellWidth) {
    SheetLayout layout;
    const std::size_t count = imageSizes.size();
    if (count == 0) {
        layout.size = QSize(2 * kSheetPadding, 2 * kSheetPadding);
        return layout;
    }
    std::vector<QSize> cells;
    double area = 0;
    int widest = 0;
    for (const QSize& size : imageSizes) {
        const QSize cell(std::max(size.width(), minimumCellWidth), size.height() + labelHeight);
        cells.push_back(cell);
        area += static_cast<double>(cell.width() + kSheetPadding) * (cell.height() + kSheetPadding);
        widest = std::max(widest, cell.width());
    }
    // A little wider than square: sheets are looked at on screens.
    const int shelfWidth = std::max(widest, static_cast<int>(std::ceil(std::sqrt(area) * 1.25)));

    std::vector<std::size_t> order(count);
    for (std::size_t i = 0; i < count; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return cells[a].height() > cells[b].height(); });

    layout.cells.resize(count);
    int x = kSheetPadding, y = kSheetPadding, shelfHeight = 0, right = 0;
    for (const std::size_t i : order) {
        const QSize cell = cells[i];
        if (x > kSheetPadding && x + cell.width() > kSheetPadding + shelfWidth) {
            y += shelfHeight + kSheetPadding;
            x = kSheetPadding;
            shelfHeight = 0;
        }
        layout.cells[i] = {QRect(QPoint(x, y), imageSizes[i]),
                           QRect(x, y + imageSizes[i].height(), cell.width(), labelHeight)};
        x += cell.width() + kSheetPadding;
        right = std::max(right, x);
        shelfHeight = std::max(shelfHeight, cell.height());
    }
    layout.size = QSize(right, y + shelfHeight + kSheetPadding);
    return layout;
}

RenderedSheet RenderSheet(const std::vector<SheetEntry>& entries) {
    QFont font;
    font.setPixelSize(12);
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.height();
    // Room for the name and, for an image that could not be cut, the reason.
    const int labelHeight = 2 * lineHeight + 4;
    constexpr int kMinimumCellWidth = 160;
    constexpr int kPlaceholderSide = 48;

    std::vector<QSize> sizes;
    for (const auto& entry : entries)
        sizes.push_back(entry.image.isNull() ? QSize(kPlaceholderSide, kPlaceholderSide) : entry.image.size());
    const SheetLayout layout = LayOutSheet(sizes, labelHeight, kMinimumCellWidth);

    QImage sheet(layout.size, QImage::Format_ARGB32);
    sheet.fill(kSheetBackground);
    QPainter painter(&sheet);
    painter.setFont(font);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SheetEntry& entry = entries[i];
        const SheetCell& cell = layout.cells[i];
        if (entry.image.isNull()) {
            painter.setPen(QPen(Qt::red, 3));
            painter.drawLine(cell.image.topLeft(), cell.image.bottomRight());
            painter.drawLine(cell.image.topRight(), cell.image.bottomLeft());
        } else {
            // Copied, not drawn: the sheet shows the image's own pixels, transparent ones too.
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(cell.image.topLeft(), entry.image);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        painter.setPen(Qt::black);
        const QRect nameLine(cell.label.left(), cell.label.top() + 2, cell.label.width(), lineHeight);
        painter.drawText(nameLine, Qt::AlignLeft | Qt::AlignTop,
                         metrics.elidedText(QString::fromLatin1(entry.name.data(), static_cast<int>(entry.name.size())), Qt::ElideRight, nameLine.width()));
        if (!entry.problem.empty()) {
            painter.setPen(Qt::darkRed);
            const QRect problemLine = nameLine.translated(0, lineHeight);
            painter.drawText(problemLine, Qt::AlignLeft | Qt::AlignTop,
                             metrics.elidedText(QString::fromStdString(entry.problem), Qt::ElideRight,
                                                problemLine.width()));
        }
    }
    painter.end();
    return {sheet, layout};
}

}  // namespace vantrel::check
