#include "about/version_info_item.h"

#include "about/file_version.h"

namespace about {
namespace {

constexpr int kFileDateItem = 10;
constexpr VersionKey kItemKeys[] = {
    kCompanyName,    kLegalTrademarks,  kInternalName, kFileDescription, kFileVersion,
    kLegalCopyright, kOriginalFilename, kComments,     kProductName,     kProductVersion,
};

}  // namespace

std::string GetVersionInfoItem(const AboutServices& services, const std::string& file_name,
                               int item) {
  TFileVersion version(services.kernel, services.versions);
  version.SetFilename(file_name);
  version.SetForceEXE(true);
  if (item == kFileDateItem) {
    platform::SystemTime written;
    const std::string file = file_name.empty() ? services.kernel.GetModuleFileName() : file_name;
    if (!services.texts.GetFileLastWriteTime(file, written)) return "";
    return services.clock.GetDateFormatA(written);
  }
  if (item < 0 || item >= static_cast<int>(std::size(kItemKeys))) return "";
  return version.Value(kItemKeys[item]);
}

}  // namespace about
