#pragma once
// Ini files held in memory: path -> section -> key -> value.
#include <map>
#include <string>
#include <vector>

#include "platform/ini_files.h"
#include "tests/fakes/call_failer.h"

namespace fakes {

class FakeIniFiles : public platform::IniFiles, public Failable {
 public:
  std::map<std::string, std::map<std::string, std::map<std::string, std::string>>> files;
  bool readable = true;
  bool writable = true;
  std::vector<std::string> writes;  // "section/key=value", in order

  // The stored value, or "" when absent.
  std::string Value(const std::string& path, const std::string& section,
                    const std::string& key) const;

  bool GetPrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& default_value, std::string& value,
                               const std::string& path) override;
  bool WritePrivateProfileString(const std::string& section, const std::string& key,
                                 const std::string& value, const std::string& path) override;
};

}  // namespace fakes
