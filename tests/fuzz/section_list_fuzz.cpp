// The section list driven by the bytes as a sequence of operations: sections and sub-items added,
// inserted, deleted and renamed, expanded and contracted, clicks, keys, edits, batches, resizes,
// painting, rows detached and attached again; the list's own events run further operations
// from the bytes, as the program's handlers change the list from inside a click. After every
// operation the rows are exactly the header of each section and, under an expanded one, its
// sub-items, with their texts; the rows are never asked for a row they do not have.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "controls/section_list/box.h"
#include "tests/controls/section_list/fixture.h"
#include "tests/fakes/fake_view.h"
#include "tests/fakes/recording_canvas.h"
#include "tests/fakes/vector_rows.h"
#include "text/utf8.h"

namespace {

// A property that fails names its line before the run stops.
void Holds(bool holds, int line) {
  if (holds) return;
  std::fprintf(stderr, "the property of line %d does not hold\n", line);
  __builtin_trap();
}
#define CHECK(property) Holds(property, __LINE__)

// Vector rows that stop the run when asked for a row they do not have.
class StrictRows : public fakes::VectorRows {
 public:
  using fakes::VectorRows::VectorRows;
  void Insert(int index, const std::string& text, int tag, int height) override {
    CHECK(index >= -1 && index <= Count());
    VectorRows::Insert(index, text, tag, height);
  }
  void Delete(int index) override { VectorRows::Delete(Valid(index)); }
  std::string Text(int index) const override { return VectorRows::Text(Valid(index)); }
  void SetText(int index, const std::string& text) override {
    VectorRows::SetText(Valid(index), text);
  }
  int Tag(int index) const override { return VectorRows::Tag(Valid(index)); }
  void SetTag(int index, int tag) override { VectorRows::SetTag(Valid(index), tag); }
  int Height(int index) const override { return VectorRows::Height(Valid(index)); }
  void SetHeight(int index, int height) override { VectorRows::SetHeight(Valid(index), height); }
  platform::Rect RowRect(int index) const override { return VectorRows::RowRect(Valid(index)); }

 private:
  int Valid(int index) const {
    CHECK(index >= 0 && index < Count());
    return index;
  }
};

class Run {
 public:
  Run(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {
    list_.SetBounds(platform::RectOfSize(0, 0, 216, 300));
    list_.AttachView(&view_);
    list_.AttachRows(&rows_);
    // The events run operations of their own, one level deep.
    auto nested = [this] {
      if (depth_ == 0) Step();
    };
    list_.OnExpandSection = [nested](auto&, int) { nested(); };
    list_.OnContractSection = [nested](auto&, int) { nested(); };
    list_.OnSectionClick = [nested](auto&, int) { nested(); };
    list_.OnSubItemClick = [nested](auto&, int, int) { nested(); };
    list_.OnCheckBoxClick = [nested](auto&, int, int) { nested(); };
    list_.OnChange = [nested](auto&, int, int) { nested(); };
    list_.OnSubItemDblClk = [nested](auto&, int, int) { nested(); };
    list_.OnDeleteSection = [this](auto&, int, bool& allow) { allow = Byte() & 1; };
    list_.OnDeleteSubItem = [this](auto&, int, int, bool& allow) { allow = Byte() & 1; };
    list_.OnInsertSubItem = [this](auto&, int, int, std::string& text) { text = Text(); };
    list_.OnInsertSection = [this](auto&, int, controls::TListSection& s) { s.SetCaption(Text()); };
    list_.OnEndEdit = [nested](auto&, int, int, std::string&) { nested(); };
  }

  ~Run() {
    while (list_.UpdateCount() > 0) list_.EndUpdate();
  }

  bool More() const { return at_ < size_; }

  void Step() {
    ++depth_;
    Operation(Byte());
    --depth_;
    if (depth_ == 0 && list_.Rows()) {
      CHECK(slb_test::Shown(rows_) == slb_test::Derived(list_));
      CHECK(rows_.selected >= -1 && rows_.selected < rows_.Count());
    }
  }

 private:
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  // A section index, now and then one the list does not have.
  int SectionIndex() { return Byte() % (list_.Sections().Count() + 1); }
  std::string Text() {
    const std::size_t length = std::min<std::size_t>(Byte() % 12, size_ - at_);
    std::string text(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return text;
  }
  // The next character of the bytes read as UTF-8, as a typed character arrives; broken
  // sequences arrive as U+FFFD.
  char32_t Character() {
    const std::string_view rest(reinterpret_cast<const char*>(data_ + at_), size_ - at_);
    const text::Decoded d = text::DecodeFirst(rest.substr(0, 4));
    at_ += d.length;
    return d.length > 0 ? d.code_point : U' ';
  }
  platform::Point Point() {
    const int x = Byte() * 240 / 256;
    return {x, Byte() * 2};
  }
  controls::TListSection* Section() {
    const int index = SectionIndex();
    return index < list_.Sections().Count() ? &list_.Sections().Item(index) : nullptr;
  }
  int SubIndex(const controls::TListSection& s) { return Byte() % (s.SubItems().Count() + 1); }

  void Operation(std::uint8_t op) {
    static constexpr int kKeys[] = {ui::kVkEscape, ui::kVkSpace, ui::kVkInsert, ui::kVkDelete,
                                    ui::kVkReturn, ui::kVkUp,    ui::kVkDown};
    controls::TSectionListBox& l = list_;
    controls::TListSection* s = nullptr;
    switch (op % 34) {
      case 0:
        l.Sections().Add().SetCaption(Text());
        break;
      case 1:
        if (const int i = SectionIndex(); i < l.Sections().Count()) l.Sections().Delete(i);
        break;
      case 2:
        if ((s = Section())) s->SetCaption(Text());
        break;
      case 3:
        if ((s = Section())) s->SubItems().Add(Text());
        break;
      case 4:
        if ((s = Section())) s->SubItems().Insert(SubIndex(*s), Text());
        break;
      case 5:
        if ((s = Section()) && s->SubItems().Count() > 0)
          s->SubItems().Delete(SubIndex(*s) % s->SubItems().Count());
        break;
      case 6:
        if ((s = Section()) && s->SubItems().Count() > 0)
          s->SubItems().SetString(SubIndex(*s) % s->SubItems().Count(), Text());
        break;
      case 7:
        if ((s = Section()))
          s->SetState(Byte() & 1 ? controls::lssExpanded : controls::lssContracted);
        break;
      case 8:
        if (l.Rows() && l.Rows()->Count() > 0) l.ToggleSection(Byte() % l.Rows()->Count());
        break;
      case 9:
      case 10: {
        const auto button = op & 1 ? ui::MouseButton::kLeft : ui::MouseButton::kRight;
        const platform::Point at = Point();
        l.MouseDown(button, at, 0);
        l.MouseUp(button, at, 0);
        break;
      }
      case 11:
        l.MouseDoubleClick(ui::MouseButton::kLeft, Point(), 0);
        break;
      case 12:
        l.MouseMove(Point(), 0);
        break;
      case 13:
        l.KeyDown(kKeys[Byte() % std::size(kKeys)], 0);
        break;
      case 14:
        l.KeyPress(Character());
        break;
      case 15:
        l.BeginUpdate();
        break;
      case 16:
        l.EndUpdate();
        break;
      case 17:
        l.SetBounds(platform::RectOfSize(0, 0, Byte() * 2, Byte() * 2));
        break;
      case 18:
        if ((s = Section())) s->SubItems().Clear();
        break;
      case 19:
        l.Sections().Clear();
        break;
      case 20:
        l.ContractAll();
        break;
      case 21:
        l.SetOneExpanded(Byte() & 1);
        break;
      case 22:
        if ((s = Section())) {
          s->SetReadOnly(Byte() & 1);
          s->SetControlType(static_cast<controls::TSectionControlType>(Byte() % 3));
          s->SetAutoEdit(Byte() & 1);
          s->SetFixed(Byte() & 1);
        }
        break;
      case 23:
        if ((s = Section())) s->SetSortDirection(static_cast<controls::TSortDirection>(Byte() % 3));
        break;
      case 24:
        l.SetWordWrap(Byte() & 1);
        l.SetSubItemHeight(Byte() % 40);
        l.SetSectionHeight(Byte() % 40);
        break;
      case 25:
        if (l.Rows()) l.StartEdit(Byte() % (l.Rows()->Count() + 1));
        break;
      case 26:
        l.Memo().SetText(Text());
        l.Memo().KeyDown(ui::kVkReturn, 0);
        break;
      case 27:
        l.Memo().FocusChanged(false);
        break;
      case 28:
        if (l.Rows() && l.Rows()->Count() > 0) {
          const int row = Byte() % l.Rows()->Count();
          fakes::RecordingCanvas canvas;
          l.DrawRow(canvas, {row, l.Rows()->RowRect(row), (Byte() & 1) != 0, (Byte() & 2) != 0});
        }
        break;
      case 29:
        l.SetItemIndex(Byte() % (l.Sections().Count() * 3 + 2) - 1);
        l.SetTopIndex(Byte() % (l.Sections().Count() * 3 + 1));
        break;
      case 30:
        l.AttachRows(Byte() & 1 ? nullptr : &rows_);
        break;
      case 31:
        if ((s = Section())) {
          controls::TSectionListStrings other;
          for (int n = Byte() % 4; n > 0; --n) other.Add(Text());
          s->SetSubItems(other);
        }
        break;
      case 32:
        l.TabPositions().Add().SetTabPosition(Byte());
        l.SetTabPosMove(Byte() & 1);
        break;
      case 33: {  // a drag: a tab stop caught on a header row moves with it
        l.MouseMove(Point(), 0);
        l.MouseDown(ui::MouseButton::kLeft, Point(), ui::kShiftLeftButton);
        l.MouseMove(Point(), ui::kShiftLeftButton);
        if (Byte() & 1)
          l.CaptureLost();
        else
          l.MouseUp(ui::MouseButton::kLeft, Point(), 0);
        break;
      }
    }
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  int depth_ = 0;
  fakes::FakeView view_;
  StrictRows rows_{200};
  controls::TSectionListBox list_{"List", nullptr};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Run run(data, size);
  while (run.More()) run.Step();
  return 0;
}
