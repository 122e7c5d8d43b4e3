#pragma once
// Faults a user sees in a form's layout: a visible component that reaches outside its parent
// (cut off), or two visible siblings that overlap (one hides the other). `allowed` names the
// pairs laid over each other on purpose, as "A/B".
#include <set>
#include <string>
#include <vector>

#include "ui/form.h"

namespace testing_layout {

inline bool Overlap(const platform::Rect& a, const platform::Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

inline bool Inside(const platform::Rect& r, const platform::Rect& area) {
  return r.left >= area.left && r.top >= area.top && r.right <= area.right &&
         r.bottom <= area.bottom;
}

inline void CollectLayoutFaults(const ui::Component& parent, const platform::Rect& area,
                                const std::set<std::string>& allowed,
                                std::vector<std::string>& faults) {
  std::vector<const ui::Component*> shown;
  for (const ui::Component* child : parent.Children())
    if (child->Visible()) shown.push_back(child);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const ui::Component& c = *shown[i];
    if (!Inside(c.Bounds(), area)) faults.push_back(c.Name() + " outside " + parent.Name());
    for (std::size_t k = i + 1; k < shown.size(); ++k) {
      const std::string pair = c.Name() + "/" + shown[k]->Name();
      if (Overlap(c.Bounds(), shown[k]->Bounds()) && !allowed.contains(pair))
        faults.push_back(pair + " overlap");
    }
    CollectLayoutFaults(c, c.ClientRect(), allowed, faults);
  }
}

inline std::vector<std::string> LayoutFaults(const ui::Form& form,
                                             const std::set<std::string>& allowed = {}) {
  std::vector<std::string> faults;
  platform::Size client = form.SizeWanted().size;
  if (form.SizeWanted().measure == ui::FormSize::kOuter)  // laid out in the layout's frame
    client = {client.cx - ui::kLayoutFrame.cx, client.cy - ui::kLayoutFrame.cy};
  CollectLayoutFaults(form, {0, 0, client.cx, client.cy}, allowed, faults);
  return faults;
}

}  // namespace testing_layout
