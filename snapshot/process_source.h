#pragma once
// Where a refresh takes its processes from: one source per family (NtProcessList on NT,
// ToolHelpProcessList on 9x), each refilling the same snapshot in the system's order.
#include "snapshot/process_snapshot.h"

namespace snapshot {

class ProcessSource {
 public:
  virtual ~ProcessSource() = default;
  // Lists this tick's processes and refills `snapshot` with one record per process.
  virtual void Refill(ProcessSnapshot& snapshot) = 0;
};

}  // namespace snapshot
