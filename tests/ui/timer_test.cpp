#include "ui/timer.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/fakes/fake_timer_service.h"

namespace {

TEST(Timer, RunsOnlyWhileEnabled) {
  fakes::FakeTimerService service;
  ui::Timer timer(service);
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  timer.SetEnabled(true);
  service.FireAll();
  timer.SetEnabled(false);
  service.FireAll();
  EXPECT_EQ(ticks, 1);
}

TEST(Timer, TickArrivingDuringATickIsDropped) {
  fakes::FakeTimerService service;
  ui::Timer timer(service);
  int ticks = 0;
  // The handler runs a nested message loop, in which the timer fires again.
  timer.OnTimer = [&] {
    ++ticks;
    service.FireAll();
  };
  timer.SetEnabled(true);
  service.FireAll();
  EXPECT_EQ(ticks, 1);
  service.FireAll();
  EXPECT_EQ(ticks, 2);
}

TEST(Timer, IntervalChangeRestartsARunningTimer) {
  fakes::FakeTimerService service;
  ui::Timer timer(service);
  timer.SetEnabled(true);
  timer.SetInterval(500);
  ASSERT_EQ(service.running.size(), 1u);
  EXPECT_EQ(service.running.begin()->second.interval_ms, 500u);
}

TEST(Timer, DestructionStopsIt) {
  fakes::FakeTimerService service;
  {
    ui::Timer timer(service);
    timer.SetEnabled(true);
  }
  EXPECT_TRUE(service.running.empty());
}

TEST(Timer, HandlerThatThrowsDoesNotSilenceTheTimer) {
  fakes::FakeTimerService service;
  ui::Timer timer(service);
  int ticks = 0;
  timer.OnTimer = [&] {
    ++ticks;
    throw std::runtime_error("tick failed");
  };
  timer.SetEnabled(true);
  EXPECT_THROW(service.FireAll(), std::runtime_error);
  EXPECT_THROW(service.FireAll(), std::runtime_error);
  EXPECT_EQ(ticks, 2);
}

}  // namespace
