#include "tests/fakes/vector_rows.h"

namespace fakes {

void VectorRows::Insert(int index, const std::string& text, int tag, int height) {
  if (index < 0 || index > Count()) index = Count();
  rows.insert(rows.begin() + index, {text, tag, height});
  if (selected >= index) ++selected;
}

void VectorRows::Delete(int index) {
  if (!Has(index)) return;
  rows.erase(rows.begin() + index);
  // As a list box does: the selected row going takes the selection with it.
  if (selected == index)
    selected = -1;
  else if (selected > index)
    --selected;
  if (top >= Count()) top = Count() > 0 ? Count() - 1 : 0;
}

void VectorRows::Clear() {
  rows.clear();
  selected = -1;
  top = 0;
}

void VectorRows::SetText(int index, const std::string& text) {
  if (Has(index)) At(index).text = text;
}

void VectorRows::SetTag(int index, int tag) {
  if (Has(index)) At(index).tag = tag;
}

void VectorRows::SetHeight(int index, int height) {
  if (Has(index)) At(index).height = height;
}

void VectorRows::SetRowSelected(int index, bool on) {
  if (on)
    SetSelected(index);
  else if (index == -1 || index == selected)
    selected = -1;
}

void VectorRows::SetTopRow(int index) {
  if (Has(index)) top = index;
}

platform::Rect VectorRows::RowRect(int index) const {
  if (!Has(index)) return {};
  int y = 0;
  for (int i = top; i < index; ++i) y += At(i).height;
  for (int i = index; i < top; ++i) y -= At(i).height;
  return {0, y, width, y + At(index).height};
}

int VectorRows::RowAtPoint(platform::Point at) const {
  if (rows.empty()) return -1;
  int y = 0;
  for (int i = top; i < Count(); ++i) {
    y += At(i).height;
    if (at.y < y) return i;
  }
  return Count() - 1;
}

}  // namespace fakes
