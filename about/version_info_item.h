#pragma once
// One item of a file's version information, as the About dialog shows it.
#include <string>

#include "about/about_services.h"

namespace about {

// Items: 0 company, 1 trademarks, 2 internal name, 3 description, 4 file version, 5 copyright,
// 6 original file name, 7 comments, 8 product name, 9 product version, 10 the file's date in
// the user's short date format. Any other item gives "". The resource is read afresh each call.
std::string GetVersionInfoItem(const AboutServices& services, const std::string& file_name,
                               int item);

}  // namespace about
