#include "controls/section_list/memo.h"

namespace controls::inline section_list {

TSectionMemo::TSectionMemo(ui::Component& list, SectionListView& view)
    : ui::EditBox(list.Name() + "Memo", &list), view_(view) {
  SetMultiline(true);
  SetBorder(false);
  SetVisible(false);
}

void TSectionMemo::Open(const platform::Rect& bounds, platform::Color color,
                        const std::string& text) {
  SetBounds(bounds);
  SetColor(color);
  SetCurrentText(text);
  if (Edit()) Edit()->SelectAll();
  SetVisible(true);
  if (View()) View()->SetFocus();
}

void TSectionMemo::Close() {
  SetVisible(false);
  SetBounds({});
}

std::string TSectionMemo::EditedText() const {
  std::string text = CurrentText();
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == '\t'))
    text.pop_back();
  return text;
}

bool TSectionMemo::KeyDown(int key, ui::ShiftState shift) {
  const bool one_line = !Edit() || Edit()->LineCount() <= 1;
  if ((key == ui::kVkReturn && (shift & ui::kShiftControl) == 0) ||
      ((key == ui::kVkUp || key == ui::kVkDown) && one_line)) {
    view_.EditFinished();
    return true;
  }
  return false;
}

void TSectionMemo::FocusChanged(bool focused) {
  if (!focused) view_.EditFinished();
}

}  // namespace controls::inline section_list
