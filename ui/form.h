#pragma once
// A top-level window: its component tree, caption, window class and fixed size. The window
// host creates the real windows and carries out what the form asks of it.
#include <string>

#include "ui/component.h"
#include "ui/picture.h"

namespace ui {

class FormHost {
 public:
  virtual ~FormHost() = default;
  // Closes the form's window; closing the main form ends the application.
  virtual void Close() = 0;
  virtual void MinimizeApplication() = 0;
};

class Form : public Component {
 public:
  Form(std::string name, std::string class_name)
      : Component(std::move(name), nullptr), class_name_(std::move(class_name)) {}

  const std::string& ClassName() const { return class_name_; }
  // A fixed-size form cannot be resized, and has no maximise box.
  bool FixedSize() const { return fixed_size_; }
  void SetFixedSize(bool fixed) { fixed_size_ = fixed; }

  // A picture tiled over the form's client area, drawn under every component.
  const Picture& Background() const { return background_; }
  void SetBackground(Picture picture) { background_ = std::move(picture); }

  void AttachHost(FormHost* host) { host_ = host; }
  void Close() {
    if (host_) host_->Close();
  }
  void MinimizeApplication() {
    if (host_) host_->MinimizeApplication();
  }

  // The host reports the client area once the window exists; aligned components follow it.
  virtual void ClientSizeChanged(int width, int height) { (void)width, (void)height; }

  void Paint(platform::Canvas& canvas) override;

 private:
  std::string class_name_;
  bool fixed_size_ = true;
  Picture background_;
  FormHost* host_ = nullptr;
};

// The program object: its title and whether it was asked to quit.
class Application {
 public:
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  bool Terminated() const { return terminated_; }
  void Terminate() { terminated_ = true; }

 private:
  std::string title_;
  bool terminated_ = false;
};

}  // namespace ui
