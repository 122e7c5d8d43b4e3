#include "report/report_printer.h"

#include <algorithm>

#include "report/report_formats.h"

namespace report {

namespace {

void SetFontSize(platform::Canvas& canvas, int size) {
  platform::Font font = canvas.GetFont();
  font.size = size;
  canvas.SetFont(font);
}

}  // namespace

std::string PageNumberText(int page) {
  std::string text(1, '-');
  text.append(std::to_string(page)).append(".-");
  return text;
}

bool printtext(platform::PrinterDevice& device, std::vector<std::string> lines) {
  // A page the printer refuses ends the job there: the device aborts the open document when it
  // goes, so no half-printed report is left spooled.
  if (!device.StartDoc(kPrintDocumentName) || !device.StartPage()) return false;
  platform::Canvas& canvas = device.PageCanvas();
  canvas.SetFont(platform::Font{"MS Sans Serif", kPrintTextSize, platform::clBlack, 0});
  canvas.SetBkMode(platform::BkMode::kTransparent);
  lines.insert(lines.begin(), kPrintHeading);

  const int width = device.GetDeviceCaps(platform::kHorzRes);
  const int height = device.GetDeviceCaps(platform::kVertRes);
  const int margin = width / 20;
  const int gap = device.GetDeviceCaps(platform::kLogPixelsY) / 10;
  SetFontSize(canvas, kPageNumberSize);
  const int number_height = canvas.TextHeight("X");
  // Lines end above the margin and above the page number, whichever is higher.
  const int limit = height - std::max(margin, number_height + 2 * gap);
  int page = 1;
  auto draw_page_number = [&] {
    SetFontSize(canvas, kPageNumberSize);
    canvas.TextOut(width / 2, height - number_height - gap, PageNumberText(page));
  };

  int y = 0;
  for (const std::string& line : lines) {
    const int size = LineFontSize(line);
    SetFontSize(canvas, size > 0 ? size : kPrintTextSize);
    // Measured in the printer's own font, so that lines of any size stay apart.
    const int h = canvas.TextHeight("X");
    if (y + gap + 2 * h > limit && y > 0) {
      draw_page_number();
      if (!device.EndPage() || !device.StartPage()) return false;
      ++page;
      y = 0;
      SetFontSize(canvas, size > 0 ? size : kPrintTextSize);
    }
    y += h + gap;
    canvas.TextOut(margin, y, PlainText(line));
  }
  draw_page_number();
  return device.EndPage() && device.EndDoc();
}

}  // namespace report
