#pragma once
// The program object: its title and whether it was asked to quit. Terminate ends the message
// loop of the host it is attached to.
#include <string>
#include <utility>

namespace ui {

class FormHost;

class Application {
 public:
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  bool Terminated() const { return terminated_; }
  void Terminate();
  void AttachHost(FormHost* host) { host_ = host; }

 private:
  std::string title_;
  bool terminated_ = false;
  FormHost* host_ = nullptr;
};

}  // namespace ui
