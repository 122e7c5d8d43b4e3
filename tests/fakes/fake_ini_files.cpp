#include "tests/fakes/fake_ini_files.h"

namespace fakes {

std::string FakeIniFiles::Value(const std::string& path, const std::string& section,
                                const std::string& key) const {
  auto f = files.find(path);
  if (f == files.end()) return "";
  auto s = f->second.find(section);
  if (s == f->second.end()) return "";
  auto k = s->second.find(key);
  return k == s->second.end() ? "" : k->second;
}

bool FakeIniFiles::GetPrivateProfileString(const std::string& section, const std::string& key,
                                           const std::string& default_value, std::string& value,
                                           const std::string& path) {
  if (Fails("GetPrivateProfileString")) return false;
  if (!readable) return false;
  value = default_value;
  auto f = files.find(path);
  if (f == files.end()) return true;
  auto s = f->second.find(section);
  if (s == f->second.end()) return true;
  auto k = s->second.find(key);
  if (k != s->second.end()) value = k->second;
  return true;
}

bool FakeIniFiles::WritePrivateProfileString(const std::string& section, const std::string& key,
                                             const std::string& value, const std::string& path) {
  if (Fails("WritePrivateProfileString")) return false;
  writes.push_back(section + "/" + key + "=" + value);
  if (!writable) return false;
  files[path][section][key] = value;
  return true;
}

}  // namespace fakes
