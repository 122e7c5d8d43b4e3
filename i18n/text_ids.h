#pragma once
// The numbers of the user-interface texts in the language libraries. They are listed once, in
// RV_TEXT_IDS, and both the enum and the list of every id are made from that list.

// X(name, number) for every text the program asks for.
#define RV_TEXT_IDS(X)             \
  X(kTextGaugeLabel, 1)            \
  X(kTextReportButton, 10)         \
  X(kTextAboutButton, 11)          \
  X(kTextLanguageButton, 12)       \
  X(kTextMinimizeButton, 13)       \
  X(kTextRefreshButton, 14)        \
  X(kTextCloseButton, 52)          \
  X(kTextApplications, 100)        \
  X(kTextProcesses, 101)           \
  X(kTextFileName, 102)            \
  X(kTextFullPath, 103)            \
  X(kTextProcessId, 104)           \
  X(kTextUserTime, 105)            \
  X(kTextKernelTime, 106)          \
  X(kTextUsagePanel, 107)          \
  X(kTextTerminate, 110)           \
  X(kTextProperties, 111)          \
  X(kTextTerminateQuestion1, 112)  \
  X(kTextTerminateQuestion2, 113)  \
  X(kTextCannotOpenProcess, 114)   \
  X(kTextRestore, 120)             \
  X(kTextSwitchTo, 121)            \
  X(kTextMinimize, 122)            \
  X(kTextMaximize, 123)            \
  X(kTextClose, 124)               \
  X(kTextProcess, 125)             \
  X(kTextPriority, 148)            \
  X(kTextPriorityRealtime, 149)    \
  X(kTextPriorityHigh, 150)        \
  X(kTextPriorityNormal, 151)      \
  X(kTextPriorityIdle, 152)        \
  X(kTextPriorityOther, 153)       \
  X(kTextChangePriority, 154)      \
  X(kTextUsage, 155)               \
  X(kTextMemory, 156)              \
  X(kTextParent, 157)              \
  X(kTextReportPrint, 50100)       \
  X(kTextReportSave, 50101)        \
  X(kTextReportSend, 50102)        \
  X(kTextReportSelectAll, 50103)   \
  X(kTextReportUnselectAll, 50104) \
  X(kTextReportCaption, 50200)     \
  X(kTextReportDateLabel, 50201)   \
  X(kTextReportCreatedBy, 50202)

namespace i18n {

enum TextId : int {
#define RV_TEXT_ID_ENUMERATOR(name, number) name = number,
  RV_TEXT_IDS(RV_TEXT_ID_ENUMERATOR)
#undef RV_TEXT_ID_ENUMERATOR
};

// Every id the program asks for; each language library must carry all of them.
inline constexpr int kAllTextIds[] = {
#define RV_TEXT_ID_NUMBER(name, number) number,
    RV_TEXT_IDS(RV_TEXT_ID_NUMBER)
#undef RV_TEXT_ID_NUMBER
};

}  // namespace i18n

#undef RV_TEXT_IDS
