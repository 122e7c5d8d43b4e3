#pragma once
// The suite as assistive technology meets it: keys sent to whatever window has the focus, and
// what a screen reader reads through the accessible objects of the windows.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The window that has the keyboard focus in the thread of `window`; null when none has.
HWND FocusOf(HWND window);
// A key pressed and released on the focused window of `window`'s thread (on `window` when none
// has the focus); the thread turns letters into characters as it does for typed keys.
void PressKey(HWND window, WORD key);
// Tab pressed until `target` has the focus, at most `limit` times; whether it got it.
bool TabTo(HWND window, HWND target, int limit = 20);
void TypeText(HWND window, const std::string& text);

// What a screen reader reads of an object: its name, role and state bits.
struct Accessible {
  std::string name;
  long role = 0;
  long state = 0;
};
// The window's client object, then each of its children (the rows of a list), through
// AccessibleObjectFromWindow; empty when the window gives no object.
std::vector<Accessible> AccessibleObjects(HWND window);

}  // namespace e2e
