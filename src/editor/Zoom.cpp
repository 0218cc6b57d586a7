#include "editor/Zoom.h"

#include <algorithm>

namespace vantrel {

namespace {

int FloorDivide(long long value, long long divisor) {
    const long long quotient = value / divisor;
    return static_cast<int>(value % divisor != 0 && (value < 0) != (divisor < 0) ? quotient - 1 : quotient);
}

}  // namespace

int ZoomedIn(int percent) {
    for (const int step : kZoomSteps)
        if (step > percent) return step;
    return kZoomSteps.back();
}

int ZoomedOut(int percent) {
    for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it)
        if (*it < percent) return *it;
    return kZoomSteps.front();
}

int TexturePixelAt(int position, int scroll, int percent) {
    return FloorDivide(static_cast<long long>(position) + scroll, ZoomFactor(percent));
}

int ScrollKeepingPoint(int anchor, int scroll, int oldPercent, int newPercent, int textureLength, int viewLength) {
    // The anchor's point in texture pixels, with its fraction, scaled to the new zoom.
    const long long oldZ = ZoomFactor(oldPercent);
    const long long newZ = ZoomFactor(newPercent);
    const long long point = static_cast<long long>(anchor) + scroll;
    const long long wanted = FloorDivide(point * newZ, oldZ) - anchor;
    const long long most = std::max<long long>(0, static_cast<long long>(textureLength) * newZ - viewLength);
    return static_cast<int>(std::clamp<long long>(wanted, 0, most));
}

TexelSpan VisibleTexels(int scroll, int viewLength, int percent, int textureLength) {
    if (viewLength <= 0 || textureLength <= 0) return {};
    const int first = std::clamp(TexturePixelAt(0, scroll, percent), 0, textureLength);
    const int last = std::clamp(TexturePixelAt(viewLength - 1, scroll, percent), -1, textureLength - 1);
    return last < first ? TexelSpan{first, 0} : TexelSpan{first, last - first + 1};
}

}  // namespace vantrel
