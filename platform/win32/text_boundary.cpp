#include "platform/win32/text_boundary.h"

#include <algorithm>

namespace platform::win32 {
namespace {

// Both conversions with flags 0: NT 4.0 and Windows 98 SE refuse the later flags for UTF-8.
std::wstring WideFrom(UINT code_page, std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int units = ::MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  if (units <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  const int got = ::MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), units);
  wide.resize(static_cast<std::size_t>(std::max(got, 0)));
  return wide;
}

std::string BytesFrom(UINT code_page, DWORD flags, std::wstring_view wide, BOOL* defaulted) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int bytes =
      ::WideCharToMultiByte(code_page, flags, wide.data(), size, nullptr, 0, nullptr, defaulted);
  if (bytes <= 0) return {};
  std::string text(static_cast<std::size_t>(bytes), '\0');
  const int got = ::WideCharToMultiByte(code_page, flags, wide.data(), size, text.data(), bytes,
                                        nullptr, defaulted);
  text.resize(static_cast<std::size_t>(std::max(got, 0)));
  return text;
}

}  // namespace

bool WideCalls() {
  static const bool wide = [] {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return ::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
#pragma GCC diagnostic pop
  }();
  return wide;
}

std::wstring WideFromUtf8(std::string_view utf8) {
  return WideFrom(CP_UTF8, utf8);
}

std::string Utf8FromWide(std::wstring_view wide) {
  return BytesFrom(CP_UTF8, 0, wide, nullptr);
}

std::string AnsiFromUtf8(std::string_view utf8, bool* replaced) {
  const std::wstring wide = WideFromUtf8(utf8);
  BOOL defaulted = FALSE;
  // Without best-fit mappings a letter the code page lacks is replaced, not swapped for a
  // look-alike; the systems before 2000 know no such flag and always map exactly.
  static bool no_best_fit = true;
  std::string ansi;
  if (no_best_fit) {
    ansi = BytesFrom(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, &defaulted);
    if (ansi.empty() && !wide.empty() && ::GetLastError() == ERROR_INVALID_FLAGS)
      no_best_fit = false;
  }
  if (!no_best_fit) ansi = BytesFrom(CP_ACP, 0, wide, &defaulted);
  if (replaced) *replaced = defaulted != FALSE;
  return ansi;
}

std::string Utf8FromAnsi(std::string_view ansi) {
  return Utf8FromWide(WideFrom(CP_ACP, ansi));
}

int CopyUtf8(std::string_view utf8, char* buffer, int size) {
  if (size <= 0) return 0;
  std::size_t n = std::min(utf8.size(), static_cast<std::size_t>(size - 1));
  // Back off continuation bytes so that no sequence is split.
  if (n < utf8.size())
    while (n > 0 && (static_cast<unsigned char>(utf8[n]) & 0xC0) == 0x80) --n;
  std::copy_n(utf8.data(), n, buffer);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

}  // namespace platform::win32
