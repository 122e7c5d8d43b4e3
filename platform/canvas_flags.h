#pragma once
// The flags the canvas's calls take, with the values of their Windows counterparts, and the
// text background modes.
#include <cstdint>

namespace platform {

// DrawText flags, with the values of DT_*.
constexpr std::uint32_t kDtLeft = 0x0;
constexpr std::uint32_t kDtTop = 0x0;
constexpr std::uint32_t kDtCenter = 0x1;
constexpr std::uint32_t kDtRight = 0x2;
constexpr std::uint32_t kDtVCenter = 0x4;
constexpr std::uint32_t kDtBottom = 0x8;
constexpr std::uint32_t kDtWordBreak = 0x10;
constexpr std::uint32_t kDtSingleLine = 0x20;
constexpr std::uint32_t kDtExpandTabs = 0x40;
constexpr std::uint32_t kDtExternalLeading = 0x200;
constexpr std::uint32_t kDtCalcRect = 0x400;
constexpr std::uint32_t kDtNoPrefix = 0x800;
constexpr std::uint32_t kDtEndEllipsis = 0x8000;

// DrawEdge edges and border flags (EDGE_*, BF_*).
constexpr std::uint32_t kEdgeRaised = 0x5;
constexpr std::uint32_t kEdgeEtched = 0x6;
constexpr std::uint32_t kEdgeSunken = 0xA;
constexpr std::uint32_t kBfRect = 0xF;
constexpr std::uint32_t kBfSoft = 0x1000;

// DrawFrameControl button kinds and states (DFCS_*).
constexpr std::uint32_t kDfcsButtonCheck = 0x0;
constexpr std::uint32_t kDfcsButtonRadio = 0x4;
constexpr std::uint32_t kDfcsInactive = 0x100;
constexpr std::uint32_t kDfcsChecked = 0x400;
constexpr std::uint32_t kDfcsFlat = 0x4000;

enum class BkMode { kTransparent = 1, kOpaque = 2 };

}  // namespace platform
