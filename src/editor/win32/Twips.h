#pragma once

// Window and control geometry is given in twips; this program takes 15 twips to be one pixel,
// whatever the display says.
namespace vantrel::win32 {

constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips) { return twips / kTwipsPerPixel; }

}  // namespace vantrel::win32
