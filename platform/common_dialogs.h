#pragma once
// The common dialogs the report uses: the save-file dialog and the print dialog.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/printing.h"
#include "platform/types.h"

namespace platform {

// OPENFILENAME sizes: the layout systems without the places bar know, and the one with it.
constexpr std::uint32_t kOpenFileNameSizeOld = 76;
constexpr std::uint32_t kOpenFileNameSize2000 = 88;
constexpr std::uint32_t kOfnExNoPlacesBar = 1;
constexpr std::uint32_t kOfnOverwritePrompt = 0x2;
constexpr std::uint32_t kOfnHideReadOnly = 0x4;
constexpr std::uint32_t kOfnNoChangeDir = 0x8;
constexpr std::uint32_t kOfnPathMustExist = 0x800;

// What GetSaveFileName is given, and the name it gives back.
struct SaveFileName {
  WindowHandle owner = 0;
  // Pairs of description and pattern, each ended by "|" as the user sees them written:
  // "Text files|*.txt|..."; the wrapper turns the bars into the call's zero bytes.
  std::string filter;
  std::uint32_t filter_index = 1;  // 1-based
  std::string default_ext;         // added when the user types a name without extension
  std::uint32_t flags = 0;
  // lStructSize: kOpenFileNameSizeOld, or kOpenFileNameSize2000 with flags_ex.
  std::uint32_t struct_size = kOpenFileNameSizeOld;
  std::uint32_t flags_ex = 0;
  std::string file_name;  // initial name in, chosen name out
};

class CommonDialogs {
 public:
  virtual ~CommonDialogs() = default;
  // GetSaveFileName: true when the user confirmed a name, which is then in `request.file_name`.
  virtual bool GetSaveFileName(SaveFileName& request) = 0;
  // PrintDlg with PD_RETURNDC: the chosen printer's device, or null when the user cancelled
  // or no printer could be opened.
  virtual std::unique_ptr<PrinterDevice> PrintDlg(WindowHandle owner) = 0;
};

}  // namespace platform
