#pragma once
// The rows of a single-selection list as a vector, laid out top to bottom from the top row in a
// client area `width` pixels wide, as a native list box lays out rows of their own heights.
#include <vector>

#include "ui/list_rows.h"

namespace fakes {

struct VectorRow {
  std::string text;
  int tag = 0;
  int height = 0;
};

class VectorRows : public ui::ListRows {
 public:
  explicit VectorRows(int width = 200) : width(width) {}

  std::vector<VectorRow> rows;
  int width;
  int selected = -1;
  int top = 0;
  int extent = 0;

  int Count() const override { return static_cast<int>(rows.size()); }
  void Insert(int index, const std::string& text, int tag, int height) override;
  void Delete(int index) override;
  void Clear() override;
  std::string Text(int index) const override { return Has(index) ? At(index).text : ""; }
  void SetText(int index, const std::string& text) override;
  int Tag(int index) const override { return Has(index) ? At(index).tag : 0; }
  void SetTag(int index, int tag) override;
  int Height(int index) const override { return Has(index) ? At(index).height : 0; }
  void SetHeight(int index, int height) override;
  int Selected() const override { return selected; }
  void SetSelected(int index) override { selected = Has(index) ? index : -1; }
  bool RowSelected(int index) const override { return Has(index) && index == selected; }
  void SetRowSelected(int index, bool on) override;
  int TopRow() const override { return top; }
  void SetTopRow(int index) override;
  platform::Rect RowRect(int index) const override;
  int RowAtPoint(platform::Point at) const override;
  int HorizontalExtent() const override { return extent; }
  void SetHorizontalExtent(int pixels) override { extent = pixels < 0 ? 0 : pixels; }

 private:
  bool Has(int index) const { return index >= 0 && index < Count(); }
  const VectorRow& At(int index) const { return rows[static_cast<std::size_t>(index)]; }
  VectorRow& At(int index) { return rows[static_cast<std::size_t>(index)]; }
};

}  // namespace fakes
