// A report of 10,000 lines through the real file calls and real GDI text metrics: saved whole
// over an earlier report, and printed page by page.
#include "platform/win32/system_headers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/win32/files.h"
#include "platform/win32/gdi_canvas.h"
#include "report/report_file.h"
#include "report/report_printer.h"

namespace {

std::vector<std::string> TenThousandLines() {
  std::vector<std::string> lines;
  for (int i = 0; i < 10000; ++i)
    lines.push_back(i % 100 == 0 ? "<B><U>Section " + std::to_string(i / 100) + "</U></B>"
                                 : "Line " + std::to_string(i) + ":\tvalue & <more>");
  return lines;
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Pages of A4 at the screen's resolution, drawn into one bitmap in memory; it counts what a
// printer would be asked.
class PageDevice : public platform::PrinterDevice {
 public:
  PageDevice() : dc_(::CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    old_ = ::SelectObject(dc_, bitmap_);
    canvas_ = std::make_unique<platform::win32::GdiCanvas>(dc_);
  }
  ~PageDevice() override {
    canvas_.reset();
    ::SelectObject(dc_, old_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }
  bool StartDoc(const std::string&) override { return ++documents == 1; }
  bool StartPage() override {
    ++started;
    return ::PatBlt(dc_, 0, 0, kWidth, kHeight, WHITENESS) != FALSE;
  }
  bool EndPage() override { return ++ended == started; }
  bool EndDoc() override { return ++done == 1; }
  int GetDeviceCaps(int index) override {
    if (index == platform::kHorzRes) return kWidth;
    if (index == platform::kVertRes) return kHeight;
    return ::GetDeviceCaps(dc_, index);
  }
  platform::Canvas& PageCanvas() override { return *canvas_; }

  static constexpr int kWidth = 794, kHeight = 1123;
  int documents = 0, started = 0, ended = 0, done = 0;

 private:
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::unique_ptr<platform::win32::GdiCanvas> canvas_;
};

TEST(Win32LongReport, TenThousandLinesAreSavedWholeOverAnEarlierReport) {
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "rv-long-report.txt";
  { std::ofstream(path, std::ios::binary) << "an earlier, shorter report\r\n"; }
  const std::vector<std::string> lines = TenThousandLines();
  platform::win32::Win32Files files;
  const DWORD start = ::GetTickCount();
  ASSERT_TRUE(report::WriteReportFile(files, path, lines));
  std::printf("10,000 lines saved in %lu ms\n", ::GetTickCount() - start);
  EXPECT_EQ(FileBytes(path), report::ReportFileBytes(lines));
  EXPECT_EQ(::GetFileAttributesA((path + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
  ::DeleteFileA(path.c_str());
}

TEST(Win32LongReport, TenThousandLinesArePrintedPageByPage) {
  PageDevice device;
  const DWORD start = ::GetTickCount();
  ASSERT_TRUE(report::printtext(device, TenThousandLines()));
  std::printf("10,000 lines printed on %d pages in %lu ms\n", device.started,
              ::GetTickCount() - start);
  EXPECT_EQ(device.documents, 1);
  EXPECT_EQ(device.done, 1);
  EXPECT_EQ(device.ended, device.started);
  // At 10 points a line takes at least 13 pixels at 96 dpi: at most 86 lines on a page of 1123,
  // and at least a third of the page is used.
  EXPECT_GE(device.started, 10001 / 86);
  EXPECT_LE(device.started, 10001 / 28 + 1);
}

}  // namespace
