#pragma once
// Printed reports: the lines as plain text, one below the other in their own point sizes, the
// page number at the middle of each page's foot.
#include <string>
#include <vector>

#include "platform/printing.h"

namespace report {

// The heading a printed report carries above its title: centred by its leading blanks only.
inline constexpr char kPrintHeading[] =
    "                                <FONT size=\"14\">RavoInfo Report</FONT>";
inline constexpr char kPrintDocumentName[] = "Ravo Info Report";
// Lines without a size of their own print in this size; page numbers in the smaller one.
constexpr int kPrintTextSize = 10;
constexpr int kPageNumberSize = 8;

// "-1.-" for page 1.
std::string PageNumberText(int page);

// Prints `lines` as a document on `device`; false when the printer refused the document or one
// of its pages, the document then left open for the device to abort.
bool printtext(platform::PrinterDevice& device, std::vector<std::string> lines);

}  // namespace report
