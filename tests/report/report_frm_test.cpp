// The report window on a fake host: what it offers, what its buttons and menu do, and that
// only one is ever open.
#include "report/report_frm.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_form_host.h"
#include "tests/fakes/fake_view.h"
#include "tests/fakes/vector_rows.h"
#include "tests/ui/layout_faults.h"

namespace {

struct IdTexts : i18n::TextSource {
  std::string TextById(int id) const override { return "T" + std::to_string(id); }
};

struct ReportFrmFixture : ::testing::Test {
  fakes::FakeFormHost host;
  ui::Form main{"ProcesessFrm", "TProcesessFrm"};
  IdTexts texts;
  controls::TSectionListBox staged{"ReportListBox", nullptr};
  report::sel selection;

  void SetUp() override {
    host.CreateWindows(main);
    staged.Sections().Add().SetCaption("T100");
    staged.Sections().Item(0).SubItems().Add("T100");
    staged.Sections().Add().SetCaption("T101");
    for (const char* name : {"a.exe", "b.exe", "c.exe"})
      staged.Sections().Item(1).SubItems().Add(name);
    selection.Mode = report::kModePrint;  // left from an earlier report
  }
  // Runs the window; `user` plays the user's part while it is open.
  void Show(std::function<void(report::TReportFrm&)> user) {
    host.while_modal = [&](ui::Form& form) { user(static_cast<report::TReportFrm&>(form)); };
    report::ShowReportWindow(main, texts, staged.Sections(), nullptr, nullptr, {}, selection);
  }
};

std::string Items(const report::sel& s) {
  std::string out = std::to_string(s.Mode);
  for (const report::selitem& i : s.Items)
    out += " " + std::to_string(i.SectionIndex) + "." + std::to_string(i.ItemIndex) + ":" +
           i.SectionCaption + "/" + i.ItemText;
  return out;
}

TEST_F(ReportFrmFixture, ButtonsChooseTheModeAndCollectTheTicks) {
  struct Case {
    const char* name;
    void (report::TReportFrm::*press)();  // nullptr: the close box
    const char* result;
  } cases[] = {
      {"print", &report::TReportFrm::PrintBtnClick, "1 0.0:T100/T100 1.2:T101/c.exe"},
      {"send", &report::TReportFrm::SendBtnClick, "2 0.0:T100/T100 1.2:T101/c.exe"},
      {"save", &report::TReportFrm::SaveBtnClick, "3 0.0:T100/T100 1.2:T101/c.exe"},
      {"cancel", &report::TReportFrm::CloseBtnClick, "0"},
      {"close box", nullptr, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Show([&](report::TReportFrm& frm) {
      EXPECT_EQ(frm.Text(), "T50200");
      EXPECT_EQ(frm.PrintBtn.Text() + frm.SendBtn.Text() + frm.SaveBtn.Text() + frm.CloseBtn.Text(),
                "T50100T50102T50101T52");
      EXPECT_EQ(testing_layout::LayoutFaults(frm), std::vector<std::string>{});
      auto& sections = frm.ReportSectionListBox.Sections();
      EXPECT_EQ(sections.Item(1).ControlType(), controls::scCheckbox);
      EXPECT_EQ(sections.Item(1).State(), controls::lssContracted);
      sections.Item(0).SetSubItemChecked(0, true);
      sections.Item(1).SetSubItemChecked(2, true);
      if (c.press) (frm.*c.press)();
    });
    EXPECT_EQ(Items(selection), c.result);
  }
}

TEST_F(ReportFrmFixture, MenuTicksTheSelectedSectionOnlyAndOpensOnTheRightButton) {
  Show([&](report::TReportFrm& frm) {
    controls::TSectionListBox& list = frm.ReportSectionListBox;
    fakes::VectorRows rows;
    list.AttachRows(&rows);
    list.SetItemIndex(list.FirstRowOfSection(1));
    frm.SelAll1Click();
    EXPECT_EQ(Items(frm.CollectSelection(3)), "3 1.0:T101/a.exe 1.1:T101/b.exe 1.2:T101/c.exe");
    host.popup_choice = 1;  // untick all
    frm.ReportSectionListBoxMouseUp(list, ui::MouseButton::kLeft, 0, 5, 6);
    EXPECT_TRUE(host.popup_items.empty());
    frm.ReportSectionListBoxMouseUp(list, ui::MouseButton::kRight, 0, 5, 6);
    EXPECT_EQ(host.popup_items, (std::vector<std::string>{"T50103", "T50104"}));
    EXPECT_EQ(host.popup_at.x, 15);
    EXPECT_EQ(host.popup_at.y, 16);
    list.KeyDown(ui::kVkApps, 0);  // the context-menu key: under the selected row
    EXPECT_EQ(host.popup_at, (platform::Point{14, rows.RowRect(list.ItemIndex()).bottom}));
    EXPECT_EQ(Items(frm.CollectSelection(3)), "3");
    list.AttachRows(nullptr);
  });
}

TEST_F(ReportFrmFixture, OnlyOneWindowAtATime) {
  int shown = 0;
  Show([&](report::TReportFrm&) {
    ++shown;
    report::sel inner;
    inner.Mode = report::kModeSave;
    report::ShowReportWindow(main, texts, staged.Sections(), nullptr, nullptr, {}, inner);
    EXPECT_EQ(Items(inner), "0");
  });
  EXPECT_EQ(shown, 1);
  host.fail_create = true;
  Show([&](report::TReportFrm&) { ++shown; });
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(Items(selection), "0");
}

}  // namespace
