#pragma once
// A kernel handle owned for one scope: closed through the kernel it came from on every path.
#include <utility>

#include "platform/kernel.h"

namespace platform {

class KernelHandle {
 public:
  KernelHandle(Kernel& kernel, Handle handle) : kernel_(&kernel), handle_(handle) {}
  KernelHandle(KernelHandle&& other) noexcept
      : kernel_(other.kernel_), handle_(std::exchange(other.handle_, 0)) {}
  KernelHandle& operator=(KernelHandle&& other) noexcept {
    if (this != &other) {
      Close();
      kernel_ = other.kernel_;
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
    if (handle_ != 0) kernel_->CloseHandle(std::exchange(handle_, 0));
  }

  Kernel* kernel_;
  Handle handle_;
};

}  // namespace platform
