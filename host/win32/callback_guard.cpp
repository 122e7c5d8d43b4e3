#include "host/win32/callback_guard.h"

#include <new>
#include <stdexcept>

namespace host::win32 {

std::string DescribeFailure(std::exception_ptr failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::bad_alloc&) {
    return "Out of memory.";
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "An unexpected error occurred.";
  }
}

}  // namespace host::win32
