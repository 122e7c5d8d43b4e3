#pragma once
// What a process costs the machine, from two of the system's snapshots a refresh apart.
#include <cstdint>

namespace snapshot {

// Its share of the whole machine in whole percent, rounded: the change of its user plus kernel
// time (100-ns counts) over the wall time that passed, divided among the processors. 0 when no
// time passed or its count went backwards; at most 100, as clocks and counts are read apart.
inline std::uint32_t UsagePercent(std::uint64_t busy_before, std::uint64_t busy_after,
                                  std::uint32_t elapsed_ms, std::uint32_t processors) {
  constexpr std::uint64_t kCountsPerMs = 10'000;
  const std::uint64_t room =
      std::uint64_t{elapsed_ms} * kCountsPerMs * (processors ? processors : 1);
  if (room == 0 || busy_after <= busy_before) return 0;
  const std::uint64_t busy = busy_after - busy_before;
  if (busy >= room) return 100;
  return static_cast<std::uint32_t>((busy * 100 + room / 2) / room);
}

}  // namespace snapshot
