#pragma once
// One platform call made to fail: the fakes a test links to one CallFailer count every call
// that can fail on the real system through it, and the one whose number the test chose fails
// the way the system fails it. Calls that release something never fail here: what a failed
// release leaves is no fault of the caller.
#include <cstdint>
#include <string>

namespace fakes {

// The error a failed call leaves for GetLastError: one that says nothing about the object.
constexpr std::uint32_t kErrorNoSystemResources = 1450;

class CallFailer {
 public:
  int fail_at = 0;     // the call, counted from 1, that fails; 0 fails none
  int calls = 0;       // counted so far
  std::string failed;  // the name of the call that failed, once it has

  bool Fails(const char* call) {
    last_failed_ = ++calls == fail_at;
    if (last_failed_) failed = call;
    return last_failed_;
  }
  // What GetLastError answers: the failure's error right after it, else the fake's own.
  std::uint32_t LastError(std::uint32_t otherwise) const {
    return last_failed_ ? kErrorNoSystemResources : otherwise;
  }

 private:
  bool last_failed_ = false;
};

// A fake's link to the failer of its test; without one nothing fails.
class Failable {
 public:
  CallFailer* failer = nullptr;

 protected:
  bool Fails(const char* call) const { return failer && failer->Fails(call); }
  std::uint32_t LastError(std::uint32_t otherwise) const {
    return failer ? failer->LastError(otherwise) : otherwise;
  }
};

}  // namespace fakes
