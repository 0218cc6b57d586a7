#pragma once

#include <array>

// The canvas's zoom and the arithmetic between the window's pixels and the texture's. At zoom z
// each texture pixel is drawn as a z x z square of device pixels; scroll positions are device
// pixels of the zoomed canvas.
namespace vantrel {

// The zoom steps, in per cent; the canvas starts at the first.
inline constexpr std::array<int, 8> kZoomSteps{100, 200, 300, 400, 600, 800, 1200, 1600};

// The next step up or down from a zoom; the last step stays where it is.
int ZoomedIn(int percent);
int ZoomedOut(int percent);

// Device pixels per texture pixel at a zoom (every step is a whole number of them).
inline int ZoomFactor(int percent) { return percent / 100; }

// The texture pixel under a position (device pixels from the view's edge) with the canvas
// scrolled by scroll device pixels: floor((position + scroll) / z).
int TexturePixelAt(int position, int scroll, int percent);

// The scroll that keeps the texture point under anchor (device pixels from the view's edge) where
// it is when the zoom changes, clamped to what a canvas of textureLength pixels in a view of
// viewLength pixels can scroll.
int ScrollKeepingPoint(int anchor, int scroll, int oldPercent, int newPercent, int textureLength, int viewLength);

// The texture pixels a view of viewLength device pixels shows with the canvas scrolled by scroll:
// from first, count of them (count 0 when none), cut to the texture.
struct TexelSpan {
    int first = 0;
    int count = 0;
};
TexelSpan VisibleTexels(int scroll, int viewLength, int percent, int textureLength);

}  // namespace vantrel
