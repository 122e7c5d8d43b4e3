#pragma once
// GoogleTest's Notification is built on std::mutex, which the win32 thread model's runtime
// (the program's, so the tests' too) does not have. This stand-in, included before GoogleTest,
// takes its place; only GoogleTest's own threading helpers use it, and our tests run on one
// thread.
#include <atomic>

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;
  void Notify() { notified_.store(true); }
  void WaitForNotification() {
    while (!notified_.load()) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal

#define GTEST_HAS_NOTIFICATION_ 1
