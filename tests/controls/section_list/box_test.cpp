// The section list's model, row list, measuring and input, on vector rows and a fake view.
#include "controls/section_list/box.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <vector>

#include "controls/section_list/error.h"
#include "controls/section_list/rich_text.h"
#include "tests/controls/section_list/fixture.h"

namespace {

using controls::TListSection;
using controls::TSectionListBox;
using slb_test::Derived;
using slb_test::ListFixture;
using slb_test::Shown;

TEST(SectionListRows, StayInStepWithTheSectionsThroughEveryKindOfChange) {
  struct Case {
    const char* name;
    std::function<void(TSectionListBox&)> change;
    const char* rows;
    int first_row_of_2;
  };
  const Case cases[] = {
      {"as built", [](TSectionListBox&) {}, "H0 S0.0 S0.1 H1 H2", 4},
      {"add to expanded", [](auto& l) { l.Sections().Item(0).SubItems().Add("0.2"); },
       "H0 S0.0 S0.1 S0.2 H1 H2", 5},
      {"add to contracted", [](auto& l) { l.Sections().Item(1).SubItems().Add("1.1"); },
       "H0 S0.0 S0.1 H1 H2", 4},
      {"insert", [](auto& l) { l.Sections().Item(0).SubItems().Insert(1, "0.x"); },
       "H0 S0.0 S0.x S0.1 H1 H2", 5},
      {"delete", [](auto& l) { l.Sections().Item(0).SubItems().Delete(0); }, "H0 S0.1 H1 H2", 3},
      {"clear sub-items", [](auto& l) { l.Sections().Item(0).SubItems().Clear(); }, "H0 H1 H2", 2},
      {"expand", [](auto& l) { l.Sections().Item(1).SetState(controls::lssExpanded); },
       "H0 S0.0 S0.1 H1 S1.0 H2", 5},
      {"contract", [](auto& l) { l.Sections().Item(0).SetState(controls::lssContracted); },
       "H0 H1 H2", 2},
      {"same state", [](auto& l) { l.Sections().Item(0).SetState(controls::lssExpanded); },
       "H0 S0.0 S0.1 H1 H2", 4},
      {"sort", [](auto& l) { l.Sections().Item(0).SetSortDirection(controls::sdDescending); },
       "H0 S0.1 S0.0 H1 H2", 4},
      {"replace", [](auto& l) { l.Sections().Item(0).SubItems().SetString(1, "new"); },
       "H0 S0.0 Snew H1 H2", 4},
      {"caption", [](auto& l) { l.Sections().Item(1).SetCaption("one"); }, "H0 S0.0 S0.1 Hone H2",
       4},
      {"delete section", [](auto& l) { l.Sections().Delete(0); }, "H1 H2", 2},
      {"clear sections", [](auto& l) { l.Sections().Clear(); }, "", 0},
      {"assign sub-items",
       [](auto& l) {
         controls::TSectionListStrings other;
         other.Add("a");
         l.Sections().Item(0).SetSubItems(other);
       },
       "H0 Sa H1 H2", 3},
      {"assign collection",
       [](auto& l) {
         TSectionListBox other("Other", nullptr);
         TListSection& s = other.Sections().Add();
         s.SetCaption("X");
         s.SubItems().Add("x");
         s.SetState(controls::lssExpanded);
         l.Sections().Assign(other.Sections());
       },
       "HX Sx", 2},
      {"contract all", [](auto& l) { l.ContractAll(); }, "H0 H1 H2", 2},
      {"one expanded", [](auto& l) { l.SetOneExpanded(true); }, "H0 S0.0 S0.1 H1 H2", 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (bool attach_late : {false, true}) {
      SCOPED_TRACE(attach_late ? "rows attached after the change" : "rows attached first");
      ListFixture f(!attach_late);
      f.AddThree();
      c.change(f.list);
      if (attach_late) f.list.AttachRows(&f.rows);
      EXPECT_EQ(Shown(f.rows), c.rows);
      EXPECT_EQ(Derived(f.list), c.rows);
      EXPECT_EQ(f.list.FirstRowOfSection(2), c.first_row_of_2);
    }
  }
}

TEST(SectionListRows, SortedSubItemsKeepTheirImagesAndMarks) {
  ListFixture f;
  TListSection& s = f.Add("0", {"b", "c", "a"}, true);
  s.SetSubItemImageIndex(0, 7);
  s.SetSubItemChecked(2, true);
  s.SetSortDirection(controls::sdAscending);
  EXPECT_EQ(Shown(f.rows), "H0 Sa Sb Sc");
  EXPECT_TRUE(s.SubItemChecked(0));
  EXPECT_EQ(s.SubItemImageIndex(1), 7);
}

TEST(SectionListRows, SubItemMarkOutsideTheListReadsEmptyAndCannotBeSet) {
  ListFixture f;
  TListSection& s = f.Add("0", {"a"}, true);
  EXPECT_FALSE(s.SubItemChecked(1));
  EXPECT_EQ(s.SubItemImageIndex(-1), -1);
  EXPECT_EQ(controls::ESectionListBoxError().what(),
            std::string("Access of imageindex of non-existing subitem"));
  EXPECT_THROW(s.SetSubItemChecked(1, true), controls::ESectionListBoxError);
  EXPECT_THROW(s.SetSubItemImageIndex(1, 0), controls::ESectionListBoxError);
}

TEST(SectionListMeasure, PlainRowsTakeLinesTimesItemHeightAndMarkupItsRenderedHeightPlusTwo) {
  struct Case {
    const char* text;
    int height;
  };
  // The recording canvas lays an 8-point line 13 pixels high.
  const Case cases[] = {
      {"one line", 20},
      {"one\rtwo\rthree", 60},
      {"<B>bold</B>", 13 + 2},
      {"<B>two</B><BR>lines", 26 + 2},
      {"{\\rtf1{\\fonttbl x}a\\par b}", 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ListFixture f;
    f.Add("0", {c.text}, true);
    EXPECT_EQ(f.rows.rows[1].height, c.height);
    EXPECT_EQ(f.list.MeasureRow(c.text, true, 20), c.height);
  }
}

TEST(SectionListRichText, EscapedCharactersComeThroughInUtf8) {
  const std::pair<const char*, const char*> cases[] = {
      {"{\\rtf1\\ansi caf\\'e9 \\'80\\'ff}", "café €ÿ"},
      {"{\\rtf1 \\u1055?\\u1088?\\u-10179?\\u-8704?}", "Пр😀"},
      {"{\\rtf1\\uc2 \\u26085\\'93\\'fa\\uc0 \\u26412 x}", "日本x"},
      {"{\\rtf1 При{\\*\\x дроп}вет\\par}", "Привет"},
  };
  for (const auto& [rich, plain] : cases) EXPECT_EQ(controls::RichTextToPlain(rich), plain) << rich;
}

TEST(SectionListMeasure, RowsAreMeasuredOnceAndOneMarkRepaintsOneRow) {
  ListFixture f;
  TListSection& s = f.Add("0", {"a", "b", "c"}, false);
  EXPECT_EQ(f.view.measures, 0);  // contracted: no rows to measure
  const int repaints = f.view.invalidations;
  s.SetState(controls::lssExpanded);
  EXPECT_EQ(f.view.measures, 3);
  EXPECT_EQ(f.view.invalidations, repaints + 1);

  fakes::RecordingCanvas canvas;
  for (int row = 0; row < f.rows.Count(); ++row)
    f.list.DrawRow(canvas, {row, f.rows.RowRect(row), false, false});
  EXPECT_EQ(f.view.measures, 3);

  const int whole = f.view.invalidations;
  f.view.invalidated_rects.clear();
  s.SetSubItemChecked(1, true);
  EXPECT_EQ(f.view.invalidations, whole);
  ASSERT_EQ(f.view.invalidated_rects.size(), 1u);
  EXPECT_EQ(f.view.invalidated_rects[0], f.rows.RowRect(2));
}

TEST(SectionListExtent, FollowsTheWidestRowAndMeasuresOnlyTheRowsAChangeTouched) {
  // Six pixels a character and the sub-item indent of 14; the list is 216 wide, so a row of 34
  // characters or more makes it scroll across.
  const std::string a(40, 'a'), b(10, 'b'), c(50, 'c'), d(36, 'd');
  const struct {
    const char* name;
    std::function<void(TSectionListBox&)> change;
    int extent;
    int measured;
  } cases[] = {
      {"widest rewritten narrower",
       [](auto& l) { l.Sections().Item(0).SubItems().SetString(0, "a"); }, 36 * 6 + 14, 1},
      {"one rewritten wider",
       [](auto& l) { l.Sections().Item(0).SubItems().SetString(1, std::string(60, 'x')); },
       60 * 6 + 14, 1},
      {"widest deleted", [](auto& l) { l.Sections().Item(0).SubItems().Delete(0); }, 36 * 6 + 14,
       0},
      {"one inserted", [](auto& l) { l.Sections().Item(2).SubItems().Insert(0, "e"); }, 40 * 6 + 14,
       1},
      {"section expanded", [](auto& l) { l.Sections().Item(1).SetState(controls::lssExpanded); },
       50 * 6 + 14, 1},
      {"all narrow",
       [](auto& l) {
         l.Sections().Item(0).SubItems().Delete(0);
         l.Sections().Item(2).SubItems().Clear();
       },
       0, 0},
      {"indent", [](auto& l) { l.SetSubItemIndent(30); }, 40 * 6 + 30, 0},
      {"tab stop", [](auto& l) { l.TabPositions().Add(); }, 40 * 6 + 14, 6},
      {"list font", [](auto& l) { l.SetFont({.name = "Arial", .size = 10}); }, 40 * 6 + 14, 6},
      {"section font", [](auto& l) { l.Sections().Item(2).SetFont({.name = "Arial", .size = 10}); },
       40 * 6 + 14, 2},
      {"word wrap", [](auto& l) { l.SetWordWrap(true); }, 0, 0},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    ListFixture f;
    f.Add("0", {a, b}, true);
    f.Add("1", {c}, false);
    f.Add("2", {d}, true);
    ASSERT_EQ(f.rows.HorizontalExtent(), 40 * 6 + 14);
    f.view.widths = 0;
    f.list.BeginUpdate();
    k.change(f.list);
    f.list.EndUpdate();
    EXPECT_EQ(f.rows.HorizontalExtent(), k.extent);
    EXPECT_EQ(f.view.widths, k.measured);
  }
}

TEST(SectionListBatch, RewrittenRowsRepaintAloneAndRowsThatComeOrGoRepaintTheList) {
  using Edit = std::function<void(controls::TSectionListStrings&, TSectionListBox&)>;
  const struct {
    const char* name;
    Edit edit;  // of section "0"'s sub-items, rows 1 and 2
    const char* repainted;
  } cases[] = {
      {"nothing", [](auto& items, auto&) { items.SetString(1, "0.1"); }, ""},
      {"one line", [](auto& items, auto&) { items.SetString(1, "x"); }, "2"},
      {"two lines, one twice",
       [](auto& items, auto&) {
         items.SetString(1, "x"), items.SetString(0, "y"), items.SetString(1, "z");
       },
       "1 2"},
      {"caption", [](auto&, auto& l) { l.Sections().Item(1).SetCaption("one"); }, "3"},
      {"line added", [](auto& items, auto&) { items.Add("0.2"); }, "list"},
      {"rewritten, then a line gone",
       [](auto& items, auto&) { items.SetString(1, "x"), items.Delete(0); }, "list"},
      {"empty section contracted",
       [](auto&, auto& l) { l.Sections().Item(2).SetState(controls::lssContracted); }, "list"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ListFixture f;
    f.AddThree();
    const int whole = f.view.invalidations;
    f.view.invalidated_rects.clear();
    f.view.updates = 0;
    f.list.BeginUpdate();
    c.edit(f.list.Sections().Item(0).SubItems(), f.list);
    f.list.EndUpdate();
    EXPECT_EQ(f.view.due, 0);  // painted at once, once even where batches nest (contracting)
    EXPECT_EQ(f.view.updates, *c.repainted ? 1 : 0);
    std::string repainted = f.view.invalidations > whole ? "list" : "";
    for (const platform::Rect& r : f.view.invalidated_rects)
      repainted += (repainted.empty() ? "" : " ") + std::to_string(f.rows.RowAtPoint({0, r.top}));
    EXPECT_EQ(repainted, c.repainted);
    EXPECT_EQ(f.view.lost_invalidations, 0);  // all asked once redraw was back
  }
}

// Rows whose insertion fails on demand, as an allocation can.
struct FailingRows : fakes::VectorRows {
  using VectorRows::VectorRows;
  bool fail = false;
  void Insert(int index, const std::string& text, int tag, int height) override {
    if (fail) throw std::bad_alloc();
    VectorRows::Insert(index, text, tag, height);
  }
};

TEST(SectionListBatch, AThrowInsideTheListsOwnBatchLeavesTheListAlive) {
  TSectionListBox other{"Other", nullptr};
  other.Sections().Add().SetCaption("copy");
  const std::function<void(TSectionListBox&)> edits[] = {
      [](auto& l) { l.Sections().Item(1).SetState(controls::lssExpanded); },
      [](auto& l) { l.Sections().Item(0).SetSortDirection(controls::sdDescending); },
      [](auto& l) { l.ToggleSection(3); },
      [&](auto& l) { l.Sections().Assign(other.Sections()); },
  };
  for (const auto& edit : edits) {
    ListFixture f(false);
    FailingRows rows(slb_test::kClientWidth);
    f.list.AttachRows(&rows);
    f.AddThree();
    rows.fail = true;
    EXPECT_THROW(edit(f.list), std::bad_alloc);
    EXPECT_TRUE(f.view.redraw);
    const int whole = f.view.invalidations;
    f.list.Sections().Item(0).SetColor(platform::clRed);  // a later change repaints
    EXPECT_EQ(f.view.invalidations, whole + 1);
  }
}

// Clicks and keys, with every event written to a log.
struct EventLog {
  std::string text;
  void Put(const std::string& entry) { text += (text.empty() ? "" : " ") + entry; }
  void Wire(TSectionListBox& l) {
    auto at = [](int i, int j) { return std::to_string(i) + "." + std::to_string(j); };
    l.OnExpandSection = [this](auto&, int i) { Put("expand" + std::to_string(i)); };
    l.OnContractSection = [this](auto&, int i) { Put("contract" + std::to_string(i)); };
    l.OnSectionClick = [this](auto&, int i) { Put("section" + std::to_string(i)); };
    l.OnSubItemClick = [this, at](auto&, int i, int j) { Put("sub" + at(i, j)); };
    l.OnCheckBoxClick = [this, at](auto&, int i, int j) { Put("check" + at(i, j)); };
    l.OnChange = [this, at](auto&, int i, int j) { Put("change" + at(i, j)); };
    l.OnContextKey = [this, at](auto&, int i, int j, platform::Point p) {
      Put("menu" + at(i, j) + "@" + std::to_string(p.x) + "," + std::to_string(p.y));
    };
    l.OnInsertSubItem = [this, at](auto&, int i, int j, std::string& s) {
      Put("insert" + at(i, j));
      s = "new";
    };
    l.OnDeleteSubItem = [this, at](auto&, int i, int j, bool& allow) {
      Put("delete" + at(i, j));
      allow = true;
    };
  }
};

TEST(SectionListInput, ClicksAndKeysFireTheirEventsAndChangeTheRows) {
  using Act = std::function<void(ListFixture&)>;
  auto click = [](int x, int y) {
    return [=](ListFixture& f) { f.list.MouseDown(ui::MouseButton::kLeft, {x, y}, 0); };
  };
  auto key = [](int vk, int row, ui::ShiftState shift = 0) {
    return [=](ListFixture& f) {
      f.list.SetItemIndex(row);
      f.list.KeyDown(vk, shift);
    };
  };
  auto space = [](int row) {
    return [=](ListFixture& f) {
      f.list.SetItemIndex(row);
      f.list.KeyPress(' ');
    };
  };
  struct Case {
    const char* name;
    std::function<void(TSectionListBox&)> setup;
    Act act;
    const char* events;
    const char* rows;
    int selected = -2;  // the selected row afterwards; -2 leaves it unchecked
  };
  auto none = [](TSectionListBox&) {};
  // Rows: H0 (0..19) S0.0 (20..39) S0.1 (40..59) H1 (60..79) H2 (80..99).
  const Case cases[] = {
      {"contracted header", none, click(50, 65), "change1.-1 section1 expand1",
       "H0 S0.0 S0.1 H1 S1.0 H2"},
      {"expanded header", none, click(50, 5), "change0.-1 section0 contract0", "H0 H1 H2"},
      {"one expanded keeps it", [](auto& l) { l.SetOneExpanded(true); }, click(50, 5),
       "change0.-1 section0 expand0", "H0 S0.0 S0.1 H1 H2"},
      {"toggling disabled",
       [](auto& l) {
         l.SetExpandDisable(true);
         l.SetContractDisable(true);
       },
       click(50, 5), "change0.-1 section0", "H0 S0.0 S0.1 H1 H2"},
      {"fixed", [](auto& l) { l.Sections().Item(0).SetFixed(true); }, click(50, 5),
       "change0.-1 section0", "H0 S0.0 S0.1 H1 H2"},
      {"sub-item", none, click(50, 45), "change0.1 sub0.1", "H0 S0.0 S0.1 H1 H2"},
      {"below the last row", none,
       [](ListFixture& f) {
         f.list.SetItemIndex(1);
         f.list.MouseDown(ui::MouseButton::kLeft, {50, 150}, 0);
       },
       "", "H0 S0.0 S0.1 H1 H2", -1},
      {"escape", none, key(ui::kVkEscape, 1), "", "H0 S0.0 S0.1 H1 H2", -1},
      {"check zone",
       [](auto& l) {
         l.Sections().Item(0).SetControlType(controls::scCheckbox);
         l.Sections().Item(0).SetReadOnly(false);
       },
       click(20, 25), "check0.0 change0.0 sub0.0", "H0 S0.0 S0.1 H1 H2"},
      {"check zone of a read-only section",
       [](auto& l) { l.Sections().Item(0).SetControlType(controls::scCheckbox); }, click(20, 25),
       "change0.0 sub0.0", "H0 S0.0 S0.1 H1 H2"},
      {"sort arrow",
       [](auto& l) {
         l.Sections().Item(0).SetSortShow(true);
         l.Sections().Item(0).SetSortDirection(controls::sdAscending);
       },
       click(slb_test::kClientWidth - 15, 5), "change0.-1 section0", "H0 S0.1 S0.0 H1 H2"},
      {"node only, outside the node", [](auto& l) { l.SetActiveSection(controls::asNodeOnly); },
       click(50, 5), "change0.-1 section0", "H0 S0.0 S0.1 H1 H2"},
      {"space on a header", none, space(3), "expand1", "H0 S0.0 S0.1 H1 S1.0 H2"},
      {"space on a check box",
       [](auto& l) {
         l.Sections().Item(0).SetControlType(controls::scCheckbox);
         l.Sections().Item(0).SetReadOnly(false);
       },
       space(2), "check0.1 sub0.1", "H0 S0.0 S0.1 H1 H2"},
      {"insert on an empty header", none, key(ui::kVkInsert, 4), "insert2.-1",
       "H0 S0.0 S0.1 H1 H2 Snew"},
      {"insert on a sub-item", none, key(ui::kVkInsert, 2), "insert0.1", "H0 S0.0 Snew S0.1 H1 H2"},
      {"delete a sub-item", none, key(ui::kVkDelete, 1), "delete0.0", "H0 S0.1 H1 H2"},
      // The keyboard's way through the list.
      {"down from no selection", none, key(ui::kVkDown, -1), "change0.-1", "H0 S0.0 S0.1 H1 H2", 0},
      {"down", none, key(ui::kVkDown, 1), "change0.1", "H0 S0.0 S0.1 H1 H2", 2},
      {"down on the last row", none, key(ui::kVkDown, 4), "", "H0 S0.0 S0.1 H1 H2", 4},
      {"up on the first row", none, key(ui::kVkUp, 0), "", "H0 S0.0 S0.1 H1 H2", 0},
      {"up", none, key(ui::kVkUp, 3), "change0.1", "H0 S0.0 S0.1 H1 H2", 2},
      {"end", none, key(ui::kVkEnd, 0), "change2.-1", "H0 S0.0 S0.1 H1 H2", 4},
      {"right on a contracted header", none, key(ui::kVkRight, 3), "section1 expand1",
       "H0 S0.0 S0.1 H1 S1.0 H2", 3},
      {"plus on an expanded header", none, key(ui::kVkAdd, 0), "", "H0 S0.0 S0.1 H1 H2", 0},
      {"main plus", none, key(ui::kVkOemPlus, 3), "section1 expand1", "H0 S0.0 S0.1 H1 S1.0 H2", 3},
      {"main minus", none, key(ui::kVkOemMinus, 0), "section0 contract0", "H0 H1 H2", 0},
      {"left on an expanded header", none, key(ui::kVkLeft, 0), "section0 contract0", "H0 H1 H2",
       0},
      {"minus on a sub-item goes to its header", none, key(ui::kVkSubtract, 2), "change0.-1",
       "H0 S0.0 S0.1 H1 H2", 0},
      {"right where the owner opens sections", [](auto& l) { l.SetExpandDisable(true); },
       key(ui::kVkRight, 3), "section1", "H0 S0.0 S0.1 H1 H2", 3},
      {"enter on a sub-item", none, key(ui::kVkReturn, 2), "sub0.1", "H0 S0.0 S0.1 H1 H2", 2},
      {"enter on a header", none, key(ui::kVkReturn, 0), "section0 contract0", "H0 H1 H2", 0},
      {"context-menu key opens under the row", none, key(ui::kVkApps, 1), "menu0.0@114,240",
       "H0 S0.0 S0.1 H1 H2", 1},
      {"shift+F10", none, key(ui::kVkF10, 3, ui::kShiftShift), "menu1.-1@114,280",
       "H0 S0.0 S0.1 H1 H2", 3},
      {"F10 alone", none, key(ui::kVkF10, 3), "", "H0 S0.0 S0.1 H1 H2", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ListFixture f;
    f.AddThree();
    f.list.Sections().Item(2).SetState(controls::lssExpanded);
    c.setup(f.list);
    EventLog log;
    log.Wire(f.list);
    c.act(f);
    EXPECT_EQ(log.text, c.events);
    EXPECT_EQ(Shown(f.rows), c.rows);
    if (c.selected != -2) {
      EXPECT_EQ(f.list.ItemIndex(), c.selected);
    }
  }
}

class FakeEditText : public ui::EditText {
 public:
  std::string text;
  std::string Text() const override { return text; }
  void SetText(const std::string& t) override { text = t; }
  void SelectAll() override {}
  int LineCount() const override { return 1; }
};

TEST(SectionListInput, TypedLettersSelectTheNextRowThatReadsSo) {
  struct Case {
    int selected;
    const char32_t* typed;
    int after;
  } cases[] = {
      {-1, U"n", 1}, {1, U"n", 2},  {2, U"n", 3}, {3, U"n", 1},   {0, U"ni", 3},
      {1, U"no", 2}, {1, U"nz", 2}, {3, U"a", 0}, {1, U"x", 1},   {6, U"&", 6},
      {0, U"-", 0},  {4, U"П", 5},  {5, U"П", 4}, {3, U"При", 5}, {0, U"р", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::u32string(c.typed)));
    ListFixture f;
    // The rows read "Applications", "notepad.exe", "Notepad", "Nizka", "Пуск", "Привет",
    // "& <Processes>".
    f.Add("Applications",
          {"<IMG src=\"idx:0\"></IMG> <B>notepad.exe</B>", "\tNotepad", "<Z></Z>Nizka", "Пуск",
           "<B>Привет</B>"},
          true);
    f.Add("<Z></Z>&&<Z></Z> &lt;Processes>", {}, false);
    f.list.SetItemIndex(c.selected);
    // Each key comes down before its character, as the system sends them.
    for (const char32_t* k = c.typed; *k; ++k) {
      f.list.KeyDown(static_cast<int>(*k & 0x7F) | 0x80, 0);
      f.list.KeyPress(*k);
    }
    EXPECT_EQ(f.list.ItemIndex(), c.after);
  }
  ListFixture f;
  f.Add("<Z></Z>&&<Z></Z> &lt;Processes>", {}, false);
  EXPECT_EQ(f.list.RowPlainText(0), "& <Processes>");
}

TEST(SectionListAccessible, RowsReadAsShownWithTheirStates) {
  ListFixture f;
  f.Add("<Z></Z>Tom &&<Z></Z> Jerry", {"<B>Full path:</B><IND x=\"150\">C:\\a&lt;b"}, true);
  controls::TListSection& ticks = f.Add("Report", {"notepad", "calc"}, true);
  ticks.SetControlType(controls::scCheckbox);
  ticks.SetSubItemChecked(1, true);
  f.Add("Closed", {"hidden"}, false);
  f.list.SetItemIndex(3);
  using ui::AccessibleRole;
  const ui::AccessibleInfo want[] = {
      {"Tom & Jerry", AccessibleRole::kListItem, ui::kAccSelectable | ui::kAccExpanded},
      {"Full path:C:\\a<b", AccessibleRole::kListItem, ui::kAccSelectable},
      {"Report", AccessibleRole::kListItem, ui::kAccSelectable | ui::kAccExpanded},
      {"notepad", AccessibleRole::kCheckButton,
       ui::kAccSelectable | ui::kAccSelected | ui::kAccFocused},
      {"calc", AccessibleRole::kCheckButton, ui::kAccSelectable | ui::kAccChecked},
      {"Closed", AccessibleRole::kListItem, ui::kAccSelectable | ui::kAccCollapsed},
  };
  ASSERT_EQ(f.list.AccessibleChildCount(), 6);
  for (int row = 0; row < 6; ++row) {
    SCOPED_TRACE(row);
    const ui::AccessibleInfo got = f.list.AccessibleChild(row);
    EXPECT_EQ(got.name, want[row].name);
    EXPECT_EQ(got.role, want[row].role);
    EXPECT_EQ(got.states, want[row].states);
  }
  EXPECT_EQ(f.list.AccessibleFocusChild(), 3);
  EXPECT_EQ(f.list.AccessibleChild(6), ui::AccessibleInfo{});
}

TEST(SectionListEditor, CountsSubItemsFromOneAndStoresTheTrimmedText) {
  ListFixture f;
  TListSection& s = f.Add("0", {"first", "second"}, true);
  s.SetReadOnly(false);
  FakeEditText edit;
  f.list.Memo().AttachEdit(&edit);
  std::string seen;
  f.list.OnStartEdit = [&](auto&, int i, int j, std::string& text) {
    seen += "start" + std::to_string(i) + "." + std::to_string(j) + ":" + text;
  };
  f.list.OnEndEdit = [&](auto&, int i, int j, std::string& text) {
    seen += " end" + std::to_string(i) + "." + std::to_string(j) + ":" + text;
    text += "!";
  };
  ASSERT_TRUE(f.list.StartEdit(1));
  EXPECT_TRUE(f.list.Memo().Visible());
  EXPECT_EQ(f.list.Memo().Bounds(), f.rows.RowRect(1));
  edit.text = "edited\r\n\t";
  f.list.Memo().KeyDown(ui::kVkReturn, 0);
  EXPECT_EQ(seen, "start0.1:first end0.1:edited");
  EXPECT_EQ(Shown(f.rows), "H0 Sedited! Ssecond");
  EXPECT_FALSE(f.list.Memo().Visible());
  EXPECT_EQ(f.list.ItemIndex(), 1);
  s.SetReadOnly(true);
  EXPECT_FALSE(f.list.StartEdit(1));
}

}  // namespace

class RecordingOpener : public controls::UrlOpener {
 public:
  std::vector<std::string> opened;
  void Open(const std::string& target) override { opened.push_back(target); }
};

TEST(SectionListInput, AnchorsOpenAddressesAndReportOtherTargets) {
  ListFixture f;
  RecordingOpener opener;
  f.list.SetUrlOpener(&opener);
  // The sub-item row spans y 20..34; "link" covers x 15..38, "web" 69..86.
  f.Add("0", {"<A href=\"go\">link</A> and <A href=\"http://x\">web</A>"}, true);
  std::string log;
  f.list.OnAnchorClick = [&](auto&, int row, const std::string& a) {
    log += "click" + std::to_string(row) + a + " ";
  };
  f.list.OnAnchorEnter = [&](auto&, int, const std::string& a) { log += "enter" + a + " "; };
  f.list.OnAnchorExit = [&](auto&, int, const std::string& a) { log += "exit" + a; };
  f.list.MouseMove({20, 25}, 0);
  EXPECT_EQ(f.view.cursor, ui::Cursor::kHand);
  f.list.MouseMove({25, 25}, 0);  // the same anchor: no second enter
  f.list.MouseMove({60, 25}, 0);
  EXPECT_EQ(f.view.cursor, ui::Cursor::kArrow);
  f.list.MouseDown(ui::MouseButton::kLeft, {20, 25}, 0);
  f.list.MouseDown(ui::MouseButton::kLeft, {75, 25}, 0);
  EXPECT_EQ(log, "entergo exitgoclick1go ");
  EXPECT_EQ(opener.opened, std::vector<std::string>{"http://x"});
  EXPECT_EQ(f.list.ItemIndex(), -1);  // a click on an anchor does not select
}

TEST(SectionListInput, TabStopDraggedOnAHeaderMovesToWhereTheButtonIsReleased) {
  ListFixture f;
  f.Add("a\tb", {"x\ty"}, true);
  f.list.SetTabPosMove(true);
  f.list.TabPositions().Add().SetTabPosition(80);
  f.list.MouseMove({82, 5}, 0);
  EXPECT_EQ(f.view.cursor, ui::Cursor::kHorizontalSplit);
  f.list.MouseDown(ui::MouseButton::kLeft, {82, 5}, 0);
  EXPECT_TRUE(f.view.captured);
  f.view.invalidated_rects.clear();
  f.list.MouseMove({100, 30}, 0);
  // The drag line runs from the header's top to the bottom of the section's last row.
  const std::vector<platform::Rect> line{{100, 0, 101, 40}};
  EXPECT_EQ(f.view.invalidated_rects, line);
  EXPECT_TRUE(f.list.MouseUp(ui::MouseButton::kLeft, {100, 30}, 0));
  EXPECT_EQ(f.list.TabPositions().Item(0).TabPosition(), 100);
  EXPECT_FALSE(f.view.captured);
}
