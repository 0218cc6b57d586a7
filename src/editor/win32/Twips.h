#pragma once

#include <windows.h>

// Window and control geometry is given in twips; this program takes 15 twips to be one pixel,
// whatever the display says.
namespace vantrel::win32 {

constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips) { return twips / kTwipsPerPixel; }

// The small face the editor's windows are laid out for (Tahoma 8 pt): the desktop's message font
// would clip "Bottom:" in its 41-pixel label and "Delete Selected" in its 89-pixel button.
inline HFONT CreateEightPointFont() {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
}

}  // namespace vantrel::win32
