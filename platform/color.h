#pragma once
// Colour values: 0x00BBGGRR for a red-green-blue colour (red in the low byte), 0x80000000 + n
// for the platform's system colour n, and clNone for "no colour".
#include <cstdint>

namespace platform {

using Color = std::uint32_t;

constexpr Color kSystemColorFlag = 0x80000000;

constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>(r & 0xFF) | (static_cast<Color>(g & 0xFF) << 8) |
         (static_cast<Color>(b & 0xFF) << 16);
}
constexpr bool IsSystemColor(Color c) {
  return (c & 0xFF000000) == kSystemColorFlag;
}
constexpr int SystemColorIndex(Color c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int RedOf(Color c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Color c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Color c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

constexpr Color clNone = 0x1FFFFFFF;
constexpr Color clBlack = 0x000000;
constexpr Color clMaroon = 0x000080;
constexpr Color clGreen = 0x008000;
constexpr Color clOlive = 0x008080;
constexpr Color clNavy = 0x800000;
constexpr Color clPurple = 0x800080;
constexpr Color clTeal = 0x808000;
constexpr Color clGray = 0x808080;
constexpr Color clSilver = 0xC0C0C0;
constexpr Color clRed = 0x0000FF;
constexpr Color clLime = 0x00FF00;
constexpr Color clYellow = 0x00FFFF;
constexpr Color clBlue = 0xFF0000;
constexpr Color clFuchsia = 0xFF00FF;
constexpr Color clAqua = 0xFFFF00;
constexpr Color clWhite = 0xFFFFFF;

constexpr Color clScrollBar = 0x80000000;
constexpr Color clBackground = 0x80000001;
constexpr Color clActiveCaption = 0x80000002;
constexpr Color clInactiveCaption = 0x80000003;
constexpr Color clMenu = 0x80000004;
constexpr Color clWindow = 0x80000005;
constexpr Color clWindowFrame = 0x80000006;
constexpr Color clMenuText = 0x80000007;
constexpr Color clWindowText = 0x80000008;
constexpr Color clCaptionText = 0x80000009;
constexpr Color clActiveBorder = 0x8000000A;
constexpr Color clInactiveBorder = 0x8000000B;
constexpr Color clAppWorkSpace = 0x8000000C;
constexpr Color clHighlight = 0x8000000D;
constexpr Color clHighlightText = 0x8000000E;
constexpr Color clBtnFace = 0x8000000F;
constexpr Color clBtnShadow = 0x80000010;
constexpr Color clGrayText = 0x80000011;
constexpr Color clBtnText = 0x80000012;
constexpr Color clInactiveCaptionText = 0x80000013;
constexpr Color clBtnHighlight = 0x80000014;
constexpr Color cl3DDkShadow = 0x80000015;
constexpr Color cl3DLight = 0x80000016;
constexpr Color clInfoText = 0x80000017;
constexpr Color clInfoBk = 0x80000018;

}  // namespace platform
