#pragma once
// A shell that logs what it was asked to start and answers with a scripted result.
#include <string>
#include <vector>

#include "platform/shell.h"
#include "tests/fakes/call_failer.h"

namespace fakes {

class FakeShell : public platform::Shell, public Failable {
 public:
  struct Call {
    platform::WindowHandle owner;
    std::string verb, file, parameters, directory;
    int show;
  };
  std::intptr_t result = 42;  // above 32: started
  std::vector<Call> calls;
  // ShellExecuteEx: "owner,mask,verb,file,show"
  std::vector<std::string> ex_calls;

  std::intptr_t ShellExecute(platform::WindowHandle owner, const std::string& verb,
                             const std::string& file, const std::string& parameters,
                             const std::string& directory, int show) override {
    if (Fails("ShellExecute")) return 0;
    calls.push_back({owner, verb, file, parameters, directory, show});
    return result;
  }
  bool ShellExecuteEx(platform::WindowHandle owner, std::uint32_t mask, const std::string& verb,
                      const std::string& file, int show) override {
    if (Fails("ShellExecuteEx")) return false;
    ex_calls.push_back(std::to_string(owner) + "," + std::to_string(mask) + "," + verb + "," +
                       file + "," + std::to_string(show));
    return true;
  }
};

}  // namespace fakes
