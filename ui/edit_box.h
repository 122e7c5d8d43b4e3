#pragma once
// A component the host shows as a native edit box: the user types into it, so its text lives in
// the box and is read back through the EditText the host attaches.
#include <string>

#include "ui/component.h"

namespace ui {

// The text of a native edit box (WM_GETTEXT, WM_SETTEXT, EM_SETSEL, EM_GETLINECOUNT).
class EditText {
 public:
  virtual ~EditText() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  // Selects all text and scrolls back to its start.
  virtual void SelectAll() = 0;
  virtual int LineCount() const = 0;
};

class EditBox : public Component {
 public:
  using Component::Component;

  ComponentKind Kind() const override { return ComponentKind::kEdit; }
  bool TabStop() const override { return true; }

  // Read when the host creates the box.
  bool Multiline() const { return multiline_; }
  void SetMultiline(bool multiline) { multiline_ = multiline; }
  bool Border() const { return border_; }
  void SetBorder(bool border) { border_ = border; }

  // The host attaches the box's text once it exists and detaches it (nullptr) before it goes.
  void AttachEdit(EditText* edit) { edit_ = edit; }
  EditText* Edit() const { return edit_; }

  // What the user typed; the caption while there is no box.
  std::string CurrentText() const { return edit_ ? edit_->Text() : Text(); }
  void SetCurrentText(const std::string& text) {
    if (edit_) edit_->SetText(text);
    SetText(text);
  }

 private:
  bool multiline_ = false;
  bool border_ = true;
  EditText* edit_ = nullptr;
};

}  // namespace ui
