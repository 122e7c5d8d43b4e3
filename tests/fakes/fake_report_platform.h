#pragma once
// Fakes of what reports leave the program through: the save and print dialogs, a printer that
// records its pages, files held in memory, and a fixed clock.
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/common_dialogs.h"
#include "platform/date_time.h"
#include "platform/files.h"
#include "tests/fakes/call_failer.h"
#include "tests/fakes/recording_canvas.h"

namespace fakes {

// A printer whose pages are recorded: every text drawn, with the page it is on.
class FakePrinter : public platform::PrinterDevice, public Failable {
 public:
  struct Text {
    int page;
    int x, y, height;
    std::string text;
  };
  int width = 1000, height = 1400, pixels_per_inch = 100;
  bool refuse_document = false;
  std::vector<std::string> calls;
  std::vector<Text> texts;

  bool StartDoc(const std::string& name) override {
    calls.push_back("StartDoc(" + name + ")");
    return !refuse_document && !Fails("StartDoc");
  }
  bool StartPage() override {
    calls.push_back("StartPage");
    ++page_;
    return !Fails("StartPage");
  }
  bool EndPage() override {
    Collect();
    calls.push_back("EndPage");
    return !Fails("EndPage");
  }
  bool EndDoc() override {
    calls.push_back("EndDoc");
    return !Fails("EndDoc");
  }
  int GetDeviceCaps(int index) override {
    if (Fails("GetDeviceCaps")) return 0;
    return index == platform::kHorzRes   ? width
           : index == platform::kVertRes ? height
                                         : pixels_per_inch;
  }
  platform::Canvas& PageCanvas() override { return canvas_; }

 private:
  void Collect() {
    for (const TextRecord& t : canvas_.texts)
      texts.push_back({page_, t.rect.left, t.rect.top, t.rect.Height(), t.text});
    canvas_.texts.clear();
  }
  RecordingCanvas canvas_;
  int page_ = 0;
};

class FakeCommonDialogs : public platform::CommonDialogs, public Failable {
 public:
  std::deque<std::string> save_answers;  // names the user confirms; cancelled once they run out
  std::vector<platform::SaveFileName> save_requests;
  bool printer_chosen = true;
  FakePrinter* last_printer = nullptr;  // the printer of the last confirmed print dialog
  std::vector<std::unique_ptr<FakePrinter>> printers;

  bool GetSaveFileName(platform::SaveFileName& request) override {
    save_requests.push_back(request);
    if (save_answers.empty() || Fails("GetSaveFileName")) return false;
    request.file_name = save_answers.front();
    save_answers.pop_front();
    return true;
  }
  std::unique_ptr<platform::PrinterDevice> PrintDlg(platform::WindowHandle) override {
    ++print_dialogs;
    if (!printer_chosen || Fails("PrintDlg")) return nullptr;
    auto printer = std::make_unique<Forwarder>(*this);
    return printer;
  }
  int print_dialogs = 0;

 private:
  // The device handed out forwards to a printer the test keeps after the job.
  struct Forwarder : platform::PrinterDevice {
    explicit Forwarder(FakeCommonDialogs& dialogs) {
      dialogs.printers.push_back(std::make_unique<FakePrinter>());
      printer = dialogs.printers.back().get();
      printer->failer = dialogs.failer;
      dialogs.last_printer = printer;
    }
    bool StartDoc(const std::string& n) override { return printer->StartDoc(n); }
    bool StartPage() override { return printer->StartPage(); }
    bool EndPage() override { return printer->EndPage(); }
    bool EndDoc() override { return printer->EndDoc(); }
    int GetDeviceCaps(int i) override { return printer->GetDeviceCaps(i); }
    platform::Canvas& PageCanvas() override { return printer->PageCanvas(); }
    FakePrinter* printer;
  };
};

// Files in memory; a path in `read_only` refuses to be replaced or deleted.
class FakeFiles : public platform::Files, public Failable {
 public:
  std::map<std::string, std::string> files;
  std::vector<std::string> read_only;
  std::vector<std::string> unwritable_directories;  // prefixes where nothing can be created
  bool has_move_file_ex = true;                     // false: a 9x system's stub

  // A write that fails leaves the half it wrote, as a full disk does.
  platform::NewFile WriteNewFile(const std::string& path, const std::string& bytes) override {
    if (!Fails("WriteNewFile")) return Create(path, bytes);
    if (Create(path, bytes.substr(0, bytes.size() / 2)) != platform::NewFile::kWritten)
      return platform::NewFile::kNotCreated;
    last_error = kErrorNoSystemResources;
    return platform::NewFile::kNotWritten;
  }
  bool MoveFileEx(const std::string& from, const std::string& to, std::uint32_t flags) override {
    if (Fails("MoveFileEx")) return Fail(kErrorNoSystemResources);
    if (!has_move_file_ex) return Fail(platform::kErrorCallNotImplemented);
    if (!files.count(from)) return Fail(2);
    if (files.count(to) && (IsReadOnly(to) || !(flags & platform::kMoveFileReplaceExisting)))
      return Fail(5);
    files[to] = files[from];
    files.erase(from);
    return true;
  }
  bool MoveFile(const std::string& from, const std::string& to) override {
    if (Fails("MoveFile")) return Fail(kErrorNoSystemResources);
    return MoveNoReplace(from, to);
  }
  bool DeleteFile(const std::string& path) override {
    if (Fails("DeleteFile")) return Fail(kErrorNoSystemResources);
    if (!files.count(path)) return Fail(2);
    if (IsReadOnly(path)) return Fail(5);
    files.erase(path);
    return true;
  }
  std::uint32_t GetFileAttributes(const std::string& path) override {
    if (Fails("GetFileAttributes") || !files.count(path)) return platform::kInvalidFileAttributes;
    return IsReadOnly(path) ? platform::kFileAttributeReadOnly : 0;
  }
  std::uint32_t GetLastError() override { return last_error; }
  std::uint32_t last_error = 0;

 private:
  platform::NewFile Create(const std::string& path, const std::string& bytes) {
    for (const std::string& dir : unwritable_directories)
      if (path.starts_with(dir)) return NotCreated(3);
    if (files.count(path)) return NotCreated(platform::kErrorFileExists);
    files[path] = bytes;
    return platform::NewFile::kWritten;
  }
  bool MoveNoReplace(const std::string& from, const std::string& to) {
    if (!files.count(from) || files.count(to)) return Fail(5);
    files[to] = files[from];
    files.erase(from);
    return true;
  }
  bool IsReadOnly(const std::string& path) const {
    for (const std::string& p : read_only)
      if (p == path) return true;
    return false;
  }
  bool Fail(std::uint32_t error) {
    last_error = error;
    return false;
  }
  platform::NewFile NotCreated(std::uint32_t error) {
    last_error = error;
    return platform::NewFile::kNotCreated;
  }
};

class FakeDateTime : public platform::DateTime, public Failable {
 public:
  platform::SystemTime GetLocalTime() override { return {2024, 3, 2, 5, 14, 7, 9, 0}; }
  std::string GetDateFormatA(const platform::SystemTime&) override {
    return Fails("GetDateFormatA") ? "" : "05.03.2024";
  }
  std::string GetTimeFormatA(const platform::SystemTime&) override {
    return Fails("GetTimeFormatA") ? "" : "14:07:09";
  }
  std::uint32_t GetTickCount() override { return ticks; }
  // Threes grouped by ".", as a German user's locale writes them.
  std::string GetNumberFormatA(std::string_view digits) override {
    std::string grouped(digits);
    for (auto at = static_cast<std::ptrdiff_t>(grouped.size()) - 3; at > 0; at -= 3)
      grouped.insert(static_cast<std::size_t>(at), 1, '.');
    return grouped;
  }
  std::uint32_t ticks = 0;
};

}  // namespace fakes
