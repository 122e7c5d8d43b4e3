#pragma once
// Opaque values that stand for Windows objects in the portable code. Zero always means "none".
#include <cstdint>

namespace platform {

using Handle = std::uintptr_t;        // kernel objects and loaded modules
using WindowHandle = std::uintptr_t;  // top-level and child windows
using IconHandle = std::uintptr_t;    // icons (class icons, shell icons)
using ProcAddress = std::uintptr_t;   // an entry point resolved by GetProcAddress

}  // namespace platform
