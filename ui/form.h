#pragma once
// A top-level window: its component tree, caption, window class and fixed size. The window
// host creates the real windows and carries out what the form asks of it; the form owns them,
// so they never outlive it.
#include <memory>
#include <string>

#include "platform/geometry.h"
#include "platform/types.h"
#include "ui/component.h"
#include "ui/form_host.h"
#include "ui/form_window.h"
#include "ui/picture.h"

namespace ui {

// The frame the forms' outer sizes were laid out with: a 4-pixel border on each side and a
// 19-pixel caption. A form known by its outer size lays out the client area this frame leaves,
// and what spans the client follows the one the system's frame really leaves.
inline constexpr platform::Size kLayoutFrame{8, 27};

// How a form's fixed size is given: from outside, frame included, or as the client area, in a
// frame the system chooses.
struct FormSize {
  enum Measure { kOuter, kClient };
  Measure measure = kOuter;
  platform::Size size{0, 0};
};

// Results of a modal form, with the system's ordinal values.
enum TModalResult {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7
};

class Form : public Component {
 public:
  // A form with an owner shares its owner's host and stays above it.
  Form(std::string name, std::string class_name, Form* owner = nullptr);
  ~Form() override;

  const std::string& ClassName() const { return class_name_; }
  Form* Owner() const { return owner_; }
  // A fixed-size form cannot be resized, and has no maximise box.
  bool FixedSize() const { return fixed_size_; }
  void SetFixedSize(bool fixed) { fixed_size_ = fixed; }
  // A dialog frame: no minimise box, centred on its owner.
  bool DialogFrame() const { return dialog_frame_; }
  void SetDialogFrame(bool dialog) { dialog_frame_ = dialog; }
  // Centred on the desktop even when it has an owner.
  bool DesktopCentred() const { return desktop_centred_; }
  void SetDesktopCentred(bool centred) { desktop_centred_ = centred; }

  // The size the host makes the window in: the window's own size, frame included, or its
  // client area, around which the host sizes the system's frame.
  const FormSize& SizeWanted() const { return size_wanted_; }
  void SetOuterSize(int width, int height) { size_wanted_ = {FormSize::kOuter, {width, height}}; }
  void SetClientSize(int width, int height) { size_wanted_ = {FormSize::kClient, {width, height}}; }

  // A picture tiled over the form's client area, drawn under every component.
  const Picture& Background() const { return background_; }
  void SetBackground(Picture picture);

  void AttachHost(FormHost* host) { host_ = host; }
  FormHost* Host() const { return host_; }
  // The host hands over the form's windows; the form keeps them until it goes.
  void AttachWindow(std::unique_ptr<FormWindow> window) { window_ = std::move(window); }
  bool HasWindow() const { return window_ != nullptr; }
  FormWindow* Window() const { return window_.get(); }
  // The window handle message boxes and popups are owned by; 0 before the window exists.
  platform::WindowHandle Handle() const { return handle_; }
  void SetHandle(platform::WindowHandle handle) { handle_ = handle; }

  // Shows the form modally and answers its modal result (mrCancel when it was closed without
  // one, or could not be shown).
  int ShowModal();
  int ModalResult() const { return modal_result_; }
  // Setting a result other than mrNone while the form is modal ends its modal loop.
  void SetModalResult(int result) { modal_result_ = result; }
  bool Modal() const { return modal_; }

  void Close();
  void MinimizeApplication();
  // Called when the user closes the window (close box, Alt+F4), before it is closed.
  virtual void FormClose() {}

  // The host reports the client area once the window exists; aligned components follow it.
  virtual void ClientSizeChanged(int width, int height) { (void)width, (void)height; }

  void Paint(platform::Canvas& canvas) override;

 private:
  std::string class_name_;
  Form* owner_;
  bool fixed_size_ = true;
  bool dialog_frame_ = false;
  bool desktop_centred_ = false;
  FormSize size_wanted_;
  Picture background_;
  // The background as a bitmap of the device it was last painted on, made once.
  std::unique_ptr<platform::Bitmap> background_bitmap_;
  FormHost* host_ = nullptr;
  std::unique_ptr<FormWindow> window_;
  platform::WindowHandle handle_ = 0;
  int modal_result_ = mrNone;
  bool modal_ = false;
};

}  // namespace ui
