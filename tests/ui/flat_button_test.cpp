// The press, hover and key behaviour both flat buttons share.
#include <gtest/gtest.h>

#include "tests/fakes/recording_canvas.h"
#include "ui/explorer_button.h"
#include "ui/speed_button.h"

namespace {

// Steps: d press inside, o move out, i move in, u release where the pointer is, c capture lost,
// x disable, s Space, e Enter, t Tab.
int ClicksAfter(ui::FlatButton& button, int& clicks, const std::string& steps) {
  platform::Point at{5, 5};
  for (char step : steps) {
    switch (step) {
      case 'd':
        button.MouseDown(ui::MouseButton::kLeft, at, 0);
        break;
      case 'o':
        at = {50, 5};
        button.MouseMove(at, 0);
        break;
      case 'i':
        at = {5, 5};
        button.MouseMove(at, 0);
        break;
      case 'u':
        button.MouseUp(ui::MouseButton::kLeft, at, 0);
        break;
      case 'c':
        button.CaptureLost();
        break;
      case 'x':
        button.SetEnabled(false);
        break;
      case 's':
        button.KeyDown(ui::kVkSpace, 0);
        break;
      case 'e':
        button.KeyDown(ui::kVkReturn, 0);
        break;
      case 't':
        button.KeyDown(ui::kVkTab, 0);
        break;
    }
  }
  return clicks;
}

TEST(FlatButton, ClicksOnlyForAReleaseOverItOrAKey) {
  struct Case {
    const char* steps;
    int clicks;
  } cases[] = {
      {"du", 1}, {"dou", 0}, {"doiu", 1}, {"dcu", 0}, {"u", 0},    {"xdu", 0},
      {"s", 1},  {"e", 1},   {"t", 0},    {"xs", 0},  {"dudu", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.steps);
    int speed_clicks = 0, expl_clicks = 0;
    ui::TSpeedButton speed("SpeedButton1", nullptr);
    speed.SetBounds(platform::RectOfSize(0, 0, 20, 20));
    speed.OnClick = [&](ui::TSpeedButton&) { ++speed_clicks; };
    ui::TExplBtn expl("AboutBtn", nullptr);
    expl.SetBounds(platform::RectOfSize(0, 0, 20, 20));
    expl.OnClick = [&](ui::TExplBtn&) { ++expl_clicks; };
    EXPECT_EQ(ClicksAfter(speed, speed_clicks, c.steps), c.clicks);
    EXPECT_EQ(ClicksAfter(expl, expl_clicks, c.steps), c.clicks);
  }
}

TEST(FlatButton, TellsScreenReadersItsCaptionAndState) {
  ui::TSpeedButton language("SpeedButton3", nullptr);
  language.SetBounds(platform::RectOfSize(0, 0, 20, 20));
  language.SetText("Deutsch");
  const auto states = [&] { return language.Accessible().states; };
  EXPECT_EQ(language.Accessible().name, "Deutsch");
  EXPECT_EQ(language.Accessible().role, ui::AccessibleRole::kPushButton);
  EXPECT_EQ(states(), ui::kAccFocusable);
  language.MouseDown(ui::MouseButton::kLeft, {5, 5}, 0);
  EXPECT_EQ(states(), ui::kAccFocusable | ui::kAccPressed);
  language.MouseUp(ui::MouseButton::kLeft, {50, 5}, 0);
  language.SetGroupIndex(1);
  language.SetDown(true);  // a language chosen stays down
  language.FocusChanged(true);
  EXPECT_EQ(states(), ui::kAccFocusable | ui::kAccPressed | ui::kAccFocused);
  fakes::RecordingCanvas canvas(20, 20);
  language.Paint(canvas);
  EXPECT_EQ(canvas.Calls("DrawFocusRect").size(), 1u);  // and the eye sees the focus
  language.SetDown(false);
  language.SetEnabled(false);
  EXPECT_EQ(states(), ui::kAccFocusable | ui::kAccUnavailable | ui::kAccFocused);
}

// A form's top bar of two buttons in a panel, a hidden button, a disabled one, and a list.
TEST(NextTabStop, WalksVisibleEnabledStopsInTheOrderTheyWereMadeAndWraps) {
  ui::Component form("Form", nullptr);
  ui::Component panel("Panel", &form);
  ui::TExplBtn report("Report", &panel);
  ui::TExplBtn about("About", &panel);
  ui::TSpeedButton hidden("Hidden", &form);
  hidden.SetVisible(false);
  ui::TSpeedButton disabled("Disabled", &form);
  disabled.SetEnabled(false);
  ui::TSpeedButton last("Last", &form);
  struct Case {
    const ui::Component* from;
    bool backwards;
    const ui::Component* next;
  } cases[] = {
      {&form, false, &report}, {&form, true, &last},     {&report, false, &about},
      {&about, false, &last},  {&last, false, &report},  {&report, true, &last},
      {&last, true, &about},   {&panel, false, &report}, {&disabled, false, &last},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from->Name() + (c.backwards ? " back" : " forth"));
    EXPECT_EQ(ui::NextTabStop(form, c.from, c.backwards), c.next);
  }
}

}  // namespace
