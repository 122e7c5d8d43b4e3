#pragma once
// The numbers of the user-interface texts in the language libraries.

namespace i18n {

enum TextId : int {
  kTextGaugeLabel = 1,
  kTextReportButton = 10,
  kTextAboutButton = 11,
  kTextLanguageButton = 12,
  kTextMinimizeButton = 13,
  kTextRefreshButton = 14,
  kTextCloseButton = 52,
  kTextApplications = 100,
  kTextProcesses = 101,
  kTextFileName = 102,
  kTextFullPath = 103,
  kTextProcessId = 104,
  kTextUserTime = 105,
  kTextKernelTime = 106,
  kTextUsagePanel = 107,
  kTextTerminate = 110,
  kTextProperties = 111,
  kTextTerminateQuestion1 = 112,
  kTextTerminateQuestion2 = 113,
  kTextCannotOpenProcess = 114,
  kTextRestore = 120,
  kTextSwitchTo = 121,
  kTextMinimize = 122,
  kTextMaximize = 123,
  kTextClose = 124,
  kTextProcess = 125,
  kTextPriority = 148,
  kTextPriorityRealtime = 149,
  kTextPriorityHigh = 150,
  kTextPriorityNormal = 151,
  kTextPriorityIdle = 152,
  kTextPriorityOther = 153,
  kTextChangePriority = 154,
  kTextUsage = 155,
  kTextMemory = 156,
  kTextParent = 157,
  kTextReportPrint = 50100,
  kTextReportSave = 50101,
  kTextReportSend = 50102,
  kTextReportSelectAll = 50103,
  kTextReportUnselectAll = 50104,
  kTextReportCaption = 50200,
  kTextReportDateLabel = 50201,
  kTextReportCreatedBy = 50202,
};

// Every id the program asks for; each language library must carry all of them.
inline constexpr int kAllTextIds[] = {
    1,   10,  11,  12,  13,    14,    52,    100,   101,   102,   103,   104,   105, 106,
    107, 110, 111, 112, 113,   114,   120,   121,   122,   123,   124,   125,   148,   149, 150,
    151, 152, 153, 154, 155, 156, 157, 50100, 50101, 50102, 50103, 50104, 50200, 50201, 50202,
};

}  // namespace i18n
