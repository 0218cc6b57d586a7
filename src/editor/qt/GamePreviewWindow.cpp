#include "editor/qt/GamePreviewWindow.h"

#include <QPixmap>

#include "editor/MappingEditor.h"
#include "editor/qt/DescribedWindow.h"
#include "ui/WindowDescriptions.h"

namespace vantrel {

namespace {

// The picture at `scale` device pixels a picture pixel, whatever the display's scale factor.
QPixmap DevicePixels(const QImage& image, int scale, qreal devicePixelRatio) {
    if (image.isNull()) return {};
    QPixmap pixmap = QPixmap::fromImage(
        scale == 1 ? image : image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

}  // namespace

GamePreviewWindow::GamePreviewWindow(const MappingEditor& editor, QWidget* owner)
    : QWidget(owner), editor_(editor) {
    const ui::WindowDescription& description = ui::GamePreviewDescription();
    setObjectName(ToQString(description.name));
    setWindowTitle(ToQString(description.caption));
    // A tool window over the main window: it stays above it and has no taskbar entry.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFixedSize(ToQRect(description.client).size());
    setFont(DialogFont());

    const DescribedControls controls = BuildControls(description, this);
    lblSize = controls.get<QLabel>("lblSize");
    lblNote = controls.get<QLabel>("lblNote");
    picActual = controls.get<QLabel>("picActual");
    picDouble = controls.get<QLabel>("picDouble");
    lblNote->setWordWrap(true);
    lblNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel* picture : {picActual, picDouble}) picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    refresh();
}

void GamePreviewWindow::refresh() {
    shown_ = preview_.update(editor_);
    lblSize->setText(QString::fromStdString(shown_.sizeText));
    lblNote->setText(QString::fromStdString(shown_.message()));
    QImage image;
    if (!shown_.empty()) {
        image = QImage(shown_.width, shown_.height, QImage::Format_RGB32);
        for (int y = 0; y < shown_.height; ++y)
            std::copy_n(shown_.shownPixels.data() + static_cast<std::size_t>(y) * shown_.width, shown_.width,
                        reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
    }
    const qreal ratio = devicePixelRatioF();
    picActual->setPixmap(DevicePixels(image, 1, ratio));
    picDouble->setPixmap(DevicePixels(image, 2, ratio));
}

}  // namespace vantrel
