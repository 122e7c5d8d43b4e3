// Forms on the recording host: modal results, owners and what each request acts on.
#include "ui/form.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_form_host.h"
#include "tests/fakes/fake_view.h"
#include "ui/application.h"
#include "ui/popup_menu.h"

namespace {

using Calls = std::vector<std::string>;

struct FormFixture : ::testing::Test {
  fakes::FakeFormHost host;
  ui::Form main{"MainFrm", "TMainFrm"};
  void SetUp() override { ASSERT_TRUE(host.CreateWindows(main)); }
};

TEST_F(FormFixture, ModalResultIsWhatTheDialogSetOrCancelWhenClosed) {
  struct Case {
    const char* name;
    std::function<void(ui::Form&)> user;
    int expected;
  } cases[] = {
      {"ok button", [](ui::Form& f) { f.SetModalResult(ui::mrOk); }, ui::mrOk},
      {"close box", [](ui::Form& f) { f.Close(); }, ui::mrCancel},
      {"nothing set", [](ui::Form&) {}, ui::mrCancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::Form dialog("DlgFrm", "TDlgFrm", &main);
    host.while_modal = [&](ui::Form& f) {
      EXPECT_TRUE(f.Modal());
      c.user(f);
    };
    EXPECT_EQ(dialog.ShowModal(), c.expected);
    EXPECT_FALSE(dialog.Modal());
    // A second showing starts with no result of its own.
    host.while_modal = nullptr;
    EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
  }
}

TEST_F(FormFixture, DialogSharesItsOwnersHostAndRequestsActOnTheAskingForm) {
  ui::Form dialog("DlgFrm", "TDlgFrm", &main);
  EXPECT_EQ(dialog.Owner(), &main);
  EXPECT_EQ(dialog.Host(), &host);
  host.calls.clear();
  host.while_modal = [](ui::Form& f) { f.MinimizeApplication(), f.Close(); };
  dialog.ShowModal();
  EXPECT_EQ(host.calls, (Calls{"CreateWindows(DlgFrm)", "RunModal(DlgFrm)", "Minimize(DlgFrm)",
                               "Close(DlgFrm)"}));
}

TEST_F(FormFixture, AFormWhoseWindowsCannotBeMadeIsCancelledWithoutALoop) {
  ui::Form dialog("DlgFrm", "TDlgFrm", &main);
  host.fail_create = true;
  host.calls.clear();
  EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
  EXPECT_EQ(host.calls, (Calls{"CreateWindows(DlgFrm)"}));
}

TEST_F(FormFixture, PopupMenuRunsTheChosenItemOnlyAndIsOwnedByItsForm) {
  std::string clicked;
  ui::PopupMenu menu(main);
  menu.Items = {
      {"Idle", [&] { clicked += "idle "; }}, {"-", nullptr}, {"High", [&] { clicked += "high "; }}};
  for (int choice : {2, -1, 1, 7}) {
    host.popup_choice = choice;
    menu.Popup({300, 400});
  }
  EXPECT_EQ(clicked, "high ");
  EXPECT_EQ(host.popup_items, (std::vector<std::string>{"Idle", "-", "High"}));
  EXPECT_EQ(host.popup_at, (platform::Point{300, 400}));
  EXPECT_EQ(host.calls.back(), "TrackPopupMenu(MainFrm)");
}

TEST(Application, TerminateEndsTheHostsMessageLoop) {
  fakes::FakeFormHost host;
  ui::Application application;
  application.AttachHost(&host);
  application.Terminate();
  EXPECT_TRUE(application.Terminated());
  EXPECT_EQ(host.calls, (Calls{"Quit(0)"}));
}

TEST(Component, DestroyedComponentCutsItsWindowLoose) {
  fakes::FakeView view;
  {
    ui::Component component("Panel1", nullptr);
    component.AttachView(&view);
  }
  EXPECT_TRUE(view.gone);
}

}  // namespace
