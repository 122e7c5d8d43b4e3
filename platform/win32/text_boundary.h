#pragma once
// Where the program's UTF-8 meets the system. On the NT family the win32 layer calls the wide
// functions with UTF-16; on the 9x family it keeps the ANSI calls and converts to and from the
// system code page there, so those systems see what they always saw. The family is decided once.
#include "platform/win32/system_headers.h"

#include <string>
#include <string_view>

#include "platform/win32/modules.h"

namespace platform::win32 {

// True on the NT family: the layer takes the wide calls.
bool WideCalls();

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
// The system code page's bytes for the UTF-8 text; `*replaced` (when given) tells whether a
// character the code page lacks became its replacement.
std::string AnsiFromUtf8(std::string_view utf8, bool* replaced = nullptr);
std::string Utf8FromAnsi(std::string_view ansi);

// The text as UTF-8 into `buffer` (`size` bytes), NUL-terminated, cut before the first
// character that does not fit whole; the bytes copied.
int CopyUtf8(std::string_view utf8, char* buffer, int size);

// A wide entry point of a system library; null on the 9x family or where the library lacks it,
// and the caller takes the ANSI call instead. Windows 98 SE exports few of these, so the
// executable binds them by name rather than importing them.
template <typename Fn>
Fn WideEntry(const char* library, const char* name) {
  return WideCalls() ? EntryAs<Fn>(SystemLibraryEntry(library, name)) : nullptr;
}

}  // namespace platform::win32

// The wide function `fn` of `library`, looked up once per call site. The name is expanded
// first, so that SetWindowLongPtrW looks up SetWindowLongW where the headers make it so.
#define RV_WIDE_NAME(fn) #fn
#define RV_WIDE_ENTRY_NAME(fn) RV_WIDE_NAME(fn)
#define RV_WIDE(library, fn)                                                            \
  ([] {                                                                                 \
    static const auto entry =                                                           \
        ::platform::win32::WideEntry<decltype(&::fn)>(library, RV_WIDE_ENTRY_NAME(fn)); \
    return entry;                                                                       \
  }())
