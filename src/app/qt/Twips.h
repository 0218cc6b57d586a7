#pragma once

#include <QRect>
#include <QSize>
#include <cmath>

// The windows' layouts are kept in twips, the unit their design is measured in; the screen takes
// 15 twips to a pixel, a fixed factor whatever the display's real resolution.
namespace vantrel {

inline constexpr int kTwipsPerPixel = 15;

constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// To the nearest whole pixel: 4580 twips are 305 pixels.
inline int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

inline QSize PixelsToTwips(const QSize& pixels) {
    return QSize(PixelsToTwips(pixels.width()), PixelsToTwips(pixels.height()));
}

}  // namespace vantrel
