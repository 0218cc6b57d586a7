#include "check/ContactSheet.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vantrel::check {

SheetLayout LayOutSheet(const std::vector<QSize>& imageSizes, int labelHeight, int minimumCellWidth) {
    SheetLayout layout;
    const int count = static_cast<int>(imageSizes.size());
    if (count == 0) {
        layout.size = QSize(2 * kSheetPadding, 2 * kSheetPadding);
        return layout;
    }
    int cellWidth = minimumCellWidth, imageHeight = 0;
    for (const QSize& size : imageSizes) {
        cellWidth = std::max(cellWidth, size.width());
        imageHeight = std::max(imageHeight, size.height());
    }
    const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    const int rows = (count + columns - 1) / columns;
    const int cellHeight = imageHeight + labelHeight;
    for (int i = 0; i < count; ++i) {
        const int left = kSheetPadding + (i % columns) * (cellWidth + kSheetPadding);
        const int top = kSheetPadding + (i / columns) * (cellHeight + kSheetPadding);
        layout.cells.push_back({QRect(QPoint(left, top), imageSizes[static_cast<std::size_t>(i)]),
                                QRect(left, top + imageHeight, cellWidth, labelHeight)});
    }
    layout.size = QSize(kSheetPadding + columns * (cellWidth + kSheetPadding),
                        kSheetPadding + rows * (cellHeight + kSheetPadding));
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
