#pragma once
// The handles the win32 layer and the window host hold open now, counted by kind: every owner
// counts its handles, so a test can see a leak where the system's own object counts say nothing
// (Wine answers 0 for them).
#include <atomic>

namespace platform::win32 {

enum class HandleKind {
  kKernel,  // processes, mutexes, snapshots, events, registry keys
  kFile,
  kModule,
  kFont,
  kBitmap,
  kPen,
  kBrush,
  kRegion,
  kMemoryDc,
  kWindowDc,  // GetDC and BeginPaint, given back with ReleaseDC and EndPaint
  kPrinterDc,
  kIcon,
  kMenu,
  kImageList,
  kCount
};

namespace handle_count {
// One relaxed add per handle made or closed: cheap enough to be always on.
inline std::atomic<long> live[static_cast<int>(HandleKind::kCount)];
inline void Add(HandleKind kind, long delta) {
  live[static_cast<int>(kind)].fetch_add(delta, std::memory_order_relaxed);
}
}  // namespace handle_count

// Handles of `kind` that the win32 layer holds open now.
inline long LiveHandles(HandleKind kind) {
  return handle_count::live[static_cast<int>(kind)].load(std::memory_order_relaxed);
}

// Registered window message that every window of the host answers with
// LiveHandles(HandleKind(wparam)), 0 for a kind out of range: how a program outside reads the
// counts (the soak samples them once a minute; GetGuiResources answers 0 under Wine).
inline constexpr char kLiveHandlesMessage[] = "RavoInfo.LiveHandles";

}  // namespace platform::win32
