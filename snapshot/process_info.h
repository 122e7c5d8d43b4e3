#pragma once
// One process of the current snapshot, as both families fill it.
#include <cstdint>
#include <string>
#include <string_view>

namespace snapshot {

struct processinfos {
  std::string name;     // file-name part of path
  std::string path;     // main executable, at most 260 characters
  std::string id_text;  // decimal on NT, 8 uppercase hex digits on 9x
  std::uint32_t id = 0;
  // This tick read the path of a process listed earlier without one. (Beside the id, where it
  // takes no room: a tick walks thousands of records.)
  bool path_found = false;
  // 100-ns counts of this tick; 0 where the system does not give them (the 9x family). The
  // priority class is not kept: it is read for the detail lines that show it, when they do.
  std::uint64_t creation = 0;
  std::uint64_t user_time = 0;
  std::uint64_t kernel_time = 0;
  // The process that started it, where the system tells (the system's own snapshot, tool help).
  bool has_parent = false;
  std::uint32_t parent_id = 0;
  // What it costs, where the system's own snapshot tells: its share of the whole machine over the
  // last refresh in whole percent (0 in the tick that first lists it), and its working set.
  bool has_cost = false;
  std::uint32_t usage_percent = 0;
  std::uint64_t working_set = 0;  // bytes
};

// Which process a row stands for: an id is reused once its process ends, so the creation time
// tells the process from a later one with the same id.
struct ProcessIdentity {
  std::uint32_t id = 0;
  std::uint64_t creation = 0;
  friend bool operator==(const ProcessIdentity&, const ProcessIdentity&) = default;
};

inline ProcessIdentity IdentityOf(const processinfos& process) {
  return {process.id, process.creation};
}

// The text after the last "\" or ":" of `path`; the whole path when it has neither.
inline std::string_view FileNamePart(std::string_view path) {
  // A plain backward scan: find_last_of searches its set once per character, which shows in a
  // tick over thousands of paths.
  std::size_t start = path.size();
  while (start > 0 && path[start - 1] != '\\' && path[start - 1] != ':') --start;
  return path.substr(start);
}

}  // namespace snapshot
