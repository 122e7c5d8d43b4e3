#pragma once
// A section list on a fake view and vector rows, with a short print of its rows: "H0 S0.0 H1"
// is header "0", its sub-item "0.0", then header "1".
#include <memory>
#include <string>
#include <vector>

#include "controls/section_list/box.h"
#include "tests/fakes/fake_view.h"
#include "tests/fakes/recording_canvas.h"
#include "tests/fakes/vector_rows.h"

namespace slb_test {

constexpr int kClientWidth = 200;
constexpr int kScrollBar = controls::TSectionListBox::kDefaultScrollBarWidth;

// Counts the text layouts made for measuring heights, and the widths measured.
class CountingCanvas : public fakes::RecordingCanvas {
 public:
  CountingCanvas(int& measures, int& widths) : measures_(measures), widths_(widths) {}
  int DrawText(const std::string& text, platform::Rect& rect, std::uint32_t flags) override {
    if (flags & platform::kDtCalcRect) ++measures_;
    return RecordingCanvas::DrawText(text, rect, flags);
  }
  platform::Size TabbedTextExtent(const std::string& text, const std::vector<int>& stops,
                                  int tab_origin) override {
    ++widths_;
    return RecordingCanvas::TabbedTextExtent(text, stops, tab_origin);
  }

 private:
  int& measures_;
  int& widths_;
};

class CountingView : public fakes::FakeView {
 public:
  int measures = 0;
  int widths = 0;
  std::unique_ptr<platform::Canvas> MeasuringCanvas() override {
    return std::make_unique<CountingCanvas>(measures, widths);
  }
};

struct ListFixture {
  CountingView view;
  fakes::VectorRows rows{kClientWidth};
  controls::TSectionListBox list{"List", nullptr};

  explicit ListFixture(bool attach = true) {
    list.SetBounds(platform::RectOfSize(0, 0, kClientWidth + kScrollBar, 300));
    list.SetSectionHeight(20);
    list.SetSubItemHeight(20);
    list.AttachView(&view);
    if (attach) list.AttachRows(&rows);
  }

  controls::TListSection& Add(const std::string& caption, const std::vector<std::string>& items,
                              bool expanded) {
    controls::TListSection& section = list.Sections().Add();
    section.SetCaption(caption);
    for (const std::string& item : items) section.SubItems().Add(item);
    if (expanded) section.SetState(controls::lssExpanded);
    return section;
  }
  // "0" expanded with 0.0 and 0.1, "1" contracted with 1.0, "2" expanded and empty.
  void AddThree() {
    Add("0", {"0.0", "0.1"}, true);
    Add("1", {"1.0"}, false);
    Add("2", {}, true);
  }
};

inline std::string Shown(const fakes::VectorRows& rows) {
  std::string out;
  for (const fakes::VectorRow& row : rows.rows)
    out += (out.empty() ? "" : " ") + std::string(row.tag == 1 ? "H" : "S") + row.text;
  return out;
}

// The rows as the sections say they must be.
inline std::string Derived(const controls::TSectionListBox& list) {
  std::string out;
  for (int i = 0; i < list.Sections().Count(); ++i) {
    const controls::TListSection& section = list.Sections().Item(i);
    out += (out.empty() ? "H" : " H") + section.Caption();
    if (section.State() != controls::lssExpanded) continue;
    for (const controls::TSubItem& item : section.SubItems().Items()) out += " S" + item.text;
  }
  return out;
}

}  // namespace slb_test
