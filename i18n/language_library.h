#pragma once
// The language library of this process: which one to load (ini setting, then the system
// language, then English), loading it as data, and the text lookup every window uses.
#include <string>

#include "i18n/languages.h"
#include "i18n/text_source.h"
#include "platform/ini_files.h"
#include "platform/kernel.h"
#include "platform/user_interface.h"

namespace i18n {

inline constexpr char kNoLoadMessage[] = "<No load message>";
inline constexpr int kTextBufferSize = 1024;

// The library of language `code` beside `executable`: the executable's name, its extension
// replaced by the code and ".dll".
std::string LanguageLibraryPath(const std::string& executable, const std::string& code);
std::string SystemLanguageCode(platform::SystemVersion& kernel);

class LanguageLibrary : public TextSource {
 public:
  // `message_caption` captions the message box shown when a chosen library is missing.
  LanguageLibrary(platform::Kernel& kernel, platform::UserInterface& ui, platform::IniFiles& ini,
                  std::string message_caption);
  ~LanguageLibrary() override;
  LanguageLibrary(const LanguageLibrary&) = delete;
  LanguageLibrary& operator=(const LanguageLibrary&) = delete;

  // Reads and repairs the ini settings; returns the path of the library to load.
  std::string ResolveLanguageLibraryPath();
  // Loads the resolved library as a data file and keeps it for the life of the process.
  bool LoadLanguageLibrary();
  std::string LoadResourceText(platform::Handle module, int id) const;
  std::string TextById(int id) const override;

  platform::Handle Handle() const { return handle_; }
  std::string IniPath() const;
  std::string LibraryPath(const std::string& code) const;

 private:
  // A handle above this value is a loaded module; lower ones are old error codes.
  static constexpr platform::Handle kLowestModuleHandle = 32;

  platform::Kernel& kernel_;
  platform::UserInterface& ui_;
  platform::IniFiles& ini_;
  std::string message_caption_;
  platform::Handle handle_ = 0;
};

}  // namespace i18n
