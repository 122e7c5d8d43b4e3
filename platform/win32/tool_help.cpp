#include "platform/win32/tool_help.h"

#include "platform/win32/system_headers.h"
// tlhelp32.h needs the types of windows.h.
#include <tlhelp32.h>

#include <cstring>
#include <string>

#include "platform/win32/text_boundary.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {
namespace {

using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using ProcessWalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);

static_assert(sizeof(PROCESSENTRY32) == kProcessEntrySize);
#ifndef _WIN64
static_assert(sizeof(PROCESSENTRY32) == 296, "the 32-bit program's entry layout");
#endif
static_assert(sizeof(PROCESSENTRY32::szExeFile) == sizeof(ToolHelpEntry::exe_file));

PROCESSENTRY32 ToSystem(const ToolHelpEntry& e) {
  PROCESSENTRY32 s{};
  s.dwSize = e.size;
  s.cntUsage = e.usage_count;
  s.th32ProcessID = e.process_id;
  s.th32DefaultHeapID = e.default_heap_id;
  s.th32ModuleID = e.module_id;
  s.cntThreads = e.thread_count;
  s.th32ParentProcessID = e.parent_process_id;
  s.pcPriClassBase = e.priority_class_base;
  s.dwFlags = e.flags;
  std::memcpy(s.szExeFile, e.exe_file, sizeof s.szExeFile);
  return s;
}

void FromSystem(const PROCESSENTRY32& s, ToolHelpEntry& e) {
  e.size = s.dwSize;
  e.usage_count = s.cntUsage;
  e.process_id = s.th32ProcessID;
  e.default_heap_id = s.th32DefaultHeapID;
  e.module_id = s.th32ModuleID;
  e.thread_count = s.cntThreads;
  e.parent_process_id = s.th32ParentProcessID;
  e.priority_class_base = s.pcPriClassBase;
  e.flags = s.dwFlags;
  // The system's name is in its code page; the program's is UTF-8.
  const std::string ansi(s.szExeFile, strnlen(s.szExeFile, sizeof s.szExeFile));
  std::memset(e.exe_file, 0, sizeof e.exe_file);
  CopyUtf8(Utf8FromAnsi(ansi), e.exe_file, sizeof e.exe_file);
}

// One walk step; the entry is copied back only when the call wrote one.
bool Walk(ProcAddress fn, Handle snapshot, ToolHelpEntry& entry) {
  if (fn == 0) return false;
  PROCESSENTRY32 system = ToSystem(entry);
  if (!reinterpret_cast<ProcessWalkFn>(fn)(ToHandle<HANDLE>(snapshot), &system)) return false;
  FromSystem(system, entry);
  return true;
}

}  // namespace

Handle Win32ToolHelp::CreateToolhelp32Snapshot(ProcAddress fn, std::uint32_t flags,
                                               std::uint32_t process_id) {
  if (fn == 0) return 0;
  HANDLE snapshot = reinterpret_cast<CreateSnapshotFn>(fn)(flags, process_id);
  if (snapshot == INVALID_HANDLE_VALUE || snapshot == nullptr) return 0;
  // Closed by the logic through the kernel's CloseHandle, which counts it out.
  handle_count::Add(HandleKind::kKernel, 1);
  return FromHandle(snapshot);
}

bool Win32ToolHelp::Process32First(ProcAddress fn, Handle snapshot, ToolHelpEntry& entry) {
  return Walk(fn, snapshot, entry);
}

bool Win32ToolHelp::Process32Next(ProcAddress fn, Handle snapshot, ToolHelpEntry& entry) {
  return Walk(fn, snapshot, entry);
}

}  // namespace platform::win32
