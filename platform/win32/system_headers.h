#pragma once
// <windows.h> without the generic names that stand for the A or W form of a call: the platform
// interfaces use those names for operations whose form this layer picks, and the macros would
// rename them in the files that see both.
#include <windows.h>
// shellapi.h and commdlg.h define their generic names here, before they are taken back.
#include <commdlg.h>
#include <shellapi.h>

#undef DeleteFile
#undef GetFileAttributes
#undef GetFileVersionInfo
#undef GetFileVersionInfoSize
#undef GetModuleFileName
#undef GetPrivateProfileString
#undef GetSaveFileName
#undef GetWindowText
#undef LoadLibraryEx
#undef LoadString
#undef MessageBox
#undef MoveFile
#undef MoveFileEx
#undef PrintDlg
#undef ShellExecute
#undef ShellExecuteEx
#undef StartDoc
#undef VerQueryValue
#undef WritePrivateProfileString
