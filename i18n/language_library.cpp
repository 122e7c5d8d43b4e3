#include "i18n/language_library.h"

#include <cstring>

#include "i18n/ini_settings.h"
#include "text/utf8.h"

namespace i18n {
namespace {

constexpr char kMissingLibraryMessage[] = "Jazykov\xC3\xA1 mutace %s modulu neexistuje!";

std::string WithCode(const std::string& pattern, const std::string& code) {
  const std::string::size_type at = pattern.find("%s");
  if (at == std::string::npos) return pattern;
  return pattern.substr(0, at) + code + pattern.substr(at + 2);
}

}  // namespace

std::string LanguageLibraryPath(const std::string& executable, const std::string& code) {
  return ChangeFileExt(executable, "") + code + ".dll";
}

std::string SystemLanguageCode(platform::SystemVersion& kernel) {
  return LanguageCodeOf(kernel.GetSystemDefaultLangID());
}

LanguageLibrary::LanguageLibrary(platform::Kernel& kernel, platform::UserInterface& ui,
                                 platform::IniFiles& ini, std::string message_caption)
    : kernel_(kernel), ui_(ui), ini_(ini), message_caption_(std::move(message_caption)) {}

LanguageLibrary::~LanguageLibrary() {
  if (handle_ > kLowestModuleHandle) kernel_.FreeLibrary(handle_);
}

std::string LanguageLibrary::IniPath() const {
  return ChangeFileExt(kernel_.GetModuleFileName(), ".ini");
}

std::string LanguageLibrary::LibraryPath(const std::string& code) const {
  return LanguageLibraryPath(kernel_.GetModuleFileName(), code);
}

std::string LanguageLibrary::ResolveLanguageLibraryPath() {
  const std::string ini_path = IniPath();
  std::string code;
  if (!ReadIniString(ini_, ini_path, kOptionsSection, kLanguageKey, code)) {
    code = SystemLanguageCode(kernel_);
    WriteIniString(ini_, ini_path, kOptionsSection, kLanguageKey, code);
  }
  std::string path = LibraryPath(code);
  if (!kernel_.FileExists(path)) {
    ui_.MessageBox(0, WithCode(kMissingLibraryMessage, code), message_caption_,
                   platform::kMbOk | platform::kMbIconError | platform::kMbTaskModal);
    code = kFallbackLanguage;
    path = LibraryPath(code);
    WriteIniString(ini_, ini_path, kOptionsSection, kLanguageKey, code);
  }
  WriteIniString(ini_, ini_path, kOptionsSection, kRunLangKey, code);
  return path;
}

bool LanguageLibrary::LoadLanguageLibrary() {
  if (handle_ > kLowestModuleHandle) kernel_.FreeLibrary(handle_);
  // As a data file: the library's strings are read, none of its code ever runs.
  handle_ = kernel_.LoadLibraryEx(ResolveLanguageLibraryPath(), platform::kLoadLibraryAsDatafile);
  return true;
}

std::string LanguageLibrary::LoadResourceText(platform::Handle module, int id) const {
  if (module == 0 || id < 0) return kNoLoadMessage;
  char buffer[kTextBufferSize];
  int copied = ui_.LoadString(module, static_cast<std::uint32_t>(id), buffer, kTextBufferSize);
  if (copied <= 0) return kNoLoadMessage;
  const std::string_view text(
      buffer, static_cast<std::size_t>(copied < kTextBufferSize ? copied : kTextBufferSize - 1));
  // A text that filled the buffer may end inside a character: the text goes without it.
  return std::string(copied >= kTextBufferSize - 1 ? text::WithoutCutEnd(text) : text);
}

std::string LanguageLibrary::TextById(int id) const {
  std::string text = LoadResourceText(handle_, id);
  std::string::size_type nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
  return text.empty() ? kNoLoadMessage : text;
}

}  // namespace i18n
