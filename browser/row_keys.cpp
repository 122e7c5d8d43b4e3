#include "browser/row_keys.h"

#include <algorithm>

namespace browser {

controls::TItemKey KeyOf(const snapshot::ProcessIdentity& process) {
  return {process.id, process.creation};
}

snapshot::ProcessIdentity ProcessOfKey(const controls::TItemKey& key) {
  return {key.id, key.stamp};
}

controls::TItemKey KeyOfWindow(platform::WindowHandle window) {
  return {0, static_cast<std::uint64_t>(window)};
}

platform::WindowHandle WindowOfKey(const controls::TItemKey& key) {
  return static_cast<platform::WindowHandle>(key.stamp);
}

const snapshot::processinfos* FindShownProcess(const std::vector<snapshot::processinfos>& processes,
                                               const snapshot::ProcessIdentity& shown,
                                               std::string_view shown_name) {
  const auto it = std::find_if(processes.begin(), processes.end(), [&](const auto& record) {
    return snapshot::IdentityOf(record) == shown;
  });
  if (it == processes.end()) return nullptr;
  return shown.creation != 0 || it->name == shown_name ? &*it : nullptr;
}

}  // namespace browser
