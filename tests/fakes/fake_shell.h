#pragma once
// A shell that logs what it was asked to start and answers with a scripted result.
#include <string>
#include <vector>

#include "platform/shell.h"

namespace fakes {

class FakeShell : public platform::Shell {
 public:
  struct Call {
    platform::WindowHandle owner;
    std::string verb, file, parameters, directory;
    int show;
  };
  std::intptr_t result = 42;  // above 32: started
  std::vector<Call> calls;

  std::intptr_t ShellExecuteA(platform::WindowHandle owner, const std::string& verb,
                              const std::string& file, const std::string& parameters,
                              const std::string& directory, int show) override {
    calls.push_back({owner, verb, file, parameters, directory, show});
    return result;
  }
};

}  // namespace fakes
