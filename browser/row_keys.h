#pragma once
// What a row stands for: a process by its identity, an application by its window. Rows carry it
// in their key, so that a refresh that moves them, or a click, finds their own item.
#include <string_view>
#include <vector>

#include "controls/section_list/types.h"
#include "platform/types.h"
#include "snapshot/process_info.h"

namespace browser {

// The key a row of a process carries, and the process a key stands for.
controls::TItemKey KeyOf(const snapshot::ProcessIdentity& process);
snapshot::ProcessIdentity ProcessOfKey(const controls::TItemKey& key);
// The key a row of an application window carries, and the window a key stands for (0: none).
controls::TItemKey KeyOfWindow(platform::WindowHandle window);
platform::WindowHandle WindowOfKey(const controls::TItemKey& key);

// The record of the process a row shows, in this tick's list; nullptr when it has ended. Where
// rows carry no creation time (the 9x family) an id may already serve another program: the
// record must still carry the row's executable name.
const snapshot::processinfos* FindShownProcess(const std::vector<snapshot::processinfos>& processes,
                                               const snapshot::ProcessIdentity& shown,
                                               std::string_view shown_name);

}  // namespace browser
