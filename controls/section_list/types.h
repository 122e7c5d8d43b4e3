#pragma once
// The enumerations of the section list and its sections. Their ordinals are stored in form data
// and compared in code, so each value is written out.
#include <cstdint>
#include <string>

// The section list lives in controls::section_list, an inline namespace: the forms and the
// browser name its classes controls::TSectionListBox, controls::TListSection and so on.
namespace controls::inline section_list {

enum TListSectionState { lssExpanded = 0, lssContracted = 1 };
enum TListNodeType { lnFlat = 0, ln3D = 1, lnGlyph = 2 };
enum TActiveSection { asFull = 0, asNodeOnly = 1 };
enum TSectionFocus { sfDash = 0, sf3D = 1, sfNone = 2 };
enum TSectionLines { slNone = 0, slVertical = 1, slHorizontal = 2, slBoth = 3 };
enum TSectionControlType { scText = 0, scCheckbox = 1, scRadiobutton = 2 };
enum TSortDirection { sdNone = 0, sdAscending = 1, sdDescending = 2 };
enum TFontUsage { fuSubItems = 0, fuSection = 1, fuBoth = 2 };
enum TVAlignment { vtaCenter = 0, vtaTop = 1, vtaBottom = 2 };
enum TSListScrollStyle { slsNormal = 0, slsFlat = 1, slsEncarta = 2 };
enum TTabType { tableft = 0, tabright = 1 };
enum TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

// What the application ties a row to (the object the row stands for). The list never reads it;
// it only keeps it with the row's text wherever the row goes, copies included.
struct TItemKey {
  std::uint32_t id = 0;
  std::uint64_t stamp = 0;
  friend bool operator==(const TItemKey&, const TItemKey&) = default;
};

// One sub-item of a section: its image, check mark and key travel with the text wherever it
// goes.
struct TSubItem {
  std::string text;
  std::int16_t image_index = -1;  // into the list's SubItemImages; -1 for none
  bool checked = false;
  TItemKey key = {};
  friend bool operator==(const TSubItem&, const TSubItem&) = default;
};

// How a row stands when it is painted by the application (OnDrawItem).
struct TOwnerDrawState {
  bool selected = false;
  bool focused = false;
};

// A tab stop being dragged on a header row: armed by hovering, active while the button is down.
struct TabDrag {
  bool armed = false;
  bool active = false;
  int stop = -1;
  int section = -1;
  int x = -1;  // where the drag line stands, -1 before the first move
};

}  // namespace controls::inline section_list
