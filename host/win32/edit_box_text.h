#pragma once
// The text of a native edit box, one message per operation.
#include "platform/win32/system_headers.h"

#include "ui/edit_box.h"

namespace host::win32 {

class EditBoxText : public ui::EditText {
 public:
  explicit EditBoxText(HWND edit) : edit_(edit) {}

  std::string Text() const override;
  void SetText(const std::string& text) override;
  void SelectAll() override;
  int LineCount() const override;

 private:
  HWND edit_;
};

}  // namespace host::win32
