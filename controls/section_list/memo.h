#pragma once
// The in-place editor of a section list: a borderless multi-line edit box, a child of the list
// that stays hidden and zero-sized until a sub-item is edited.
#include <string>

#include "controls/section_list/view.h"
#include "ui/edit_box.h"

namespace controls::inline section_list {

class TSectionMemo : public ui::EditBox {
 public:
  // A child of `list`, which `view` tells when an edit ends.
  TSectionMemo(ui::Component& list, SectionListView& view);

  // Shows the editor over `bounds` holding `text`, all of it selected, and focuses it.
  void Open(const platform::Rect& bounds, platform::Color color, const std::string& text);
  // Hides it again, zero-sized.
  void Close();
  // The text typed, without trailing line breaks and tabs.
  std::string EditedText() const;

  bool KeyDown(int key, ui::ShiftState shift) override;
  void FocusChanged(bool focused) override;

 private:
  SectionListView& view_;
};

}  // namespace controls::inline section_list
