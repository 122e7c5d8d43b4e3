#pragma once
// A kernel handle owned for one scope: closed through the kernel objects it came from on every
// path.
#include <utility>

#include "platform/kernel_objects.h"

namespace platform {

class KernelHandle {
 public:
  KernelHandle(KernelObjects& objects, Handle handle) : objects_(&objects), handle_(handle) {}
  KernelHandle(KernelHandle&& other) noexcept
      : objects_(other.objects_), handle_(std::exchange(other.handle_, 0)) {}
  KernelHandle& operator=(KernelHandle&& other) noexcept {
    if (this != &other) {
      Close();
      objects_ = other.objects_;
      handle_ = std::exchange(other.handle_, 0);
    }
    return *this;
  }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  ~KernelHandle() { Close(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != 0; }

 private:
  void Close() {
    if (handle_ != 0) objects_->CloseHandle(std::exchange(handle_, 0));
  }

  KernelObjects* objects_;
  Handle handle_;
};

}  // namespace platform
