#pragma once
// The events of a section list. Each handler gets the list first; `SectionIdx` is a section's
// index and `subitemidx` a sub-item's, -1 meaning the header row.
#include <functional>
#include <string>

#include "controls/section_list/types.h"
#include "platform/canvas.h"
#include "ui/component.h"

namespace controls::inline section_list {

class TListSection;
class TSectionListBox;

using TSectionEvent = std::function<void(TSectionListBox& Sender, int SectionIdx)>;
using TSubItemEvent = std::function<void(TSectionListBox& Sender, int SectionIdx, int subitemidx)>;
using TInsertSectionEvent =
    std::function<void(TSectionListBox& Sender, int SectionIdx, TListSection& section)>;
using TInsertSubItemEvent = std::function<void(TSectionListBox& Sender, int SectionIdx,
                                               int subitemidx, std::string& subitem)>;
using TDeleteSectionEvent =
    std::function<void(TSectionListBox& Sender, int SectionIdx, bool& allow)>;
using TDeleteSubItemEvent =
    std::function<void(TSectionListBox& Sender, int SectionIdx, int subitemidx, bool& allow)>;
using TDrawItemEvent = std::function<void(TSectionListBox& Sender, TListSection& section,
                                          int SectionIdx, int subitemidx, platform::Canvas& Canvas,
                                          const platform::Rect& arect, TOwnerDrawState astate)>;
using TDrawItemPropEvent =
    std::function<void(TSectionListBox& Sender, TListSection& section, int SectionIdx,
                       int subitemidx, platform::Canvas& Canvas)>;
// The in-place editor counts sub-items from 1 (the row's offset from its header row).
using TEditEvent =
    std::function<void(TSectionListBox& Sender, int SectionIdx, int subitemidx, std::string& s)>;
// The inherited mouse-button event, after the list's own handling.
using TMouseEvent = std::function<void(TSectionListBox& Sender, ui::MouseButton Button,
                                       ui::ShiftState Shift, int X, int Y)>;
// The context-menu key (or Shift+F10) on a row; `screen` is where a menu for it opens.
using TContextKeyEvent = std::function<void(TSectionListBox& Sender, int SectionIdx, int subitemidx,
                                            platform::Point screen)>;
using TAnchorEvent =
    std::function<void(TSectionListBox& Sender, int index, const std::string& anchor)>;

// The events a section list fires, each empty until the form sets it.
struct TSectionListEvents {
  TSectionEvent OnExpandSection;
  TSectionEvent OnContractSection;
  TSectionEvent OnSectionClick;
  TSectionEvent OnSectionRClick;
  TSectionEvent OnSectionDblClk;
  TSubItemEvent OnSubItemClick;
  TSubItemEvent OnCheckBoxClick;
  TSubItemEvent OnRadioClick;
  TSubItemEvent OnSubItemRClick;
  TSubItemEvent OnSubItemDblClk;
  TSubItemEvent OnSubItemRDblClk;
  TSubItemEvent OnChange;
  TInsertSectionEvent OnInsertSection;
  TInsertSubItemEvent OnInsertSubItem;
  TDeleteSectionEvent OnDeleteSection;
  TDeleteSubItemEvent OnDeleteSubItem;
  TDrawItemEvent OnDrawItem;
  TDrawItemPropEvent OnDrawItemProp;
  TEditEvent OnStartEdit;
  TEditEvent OnEndEdit;
  TAnchorEvent OnAnchorClick;
  TAnchorEvent OnAnchorEnter;
  TAnchorEvent OnAnchorExit;
  TMouseEvent OnMouseUp;
  TContextKeyEvent OnContextKey;
};

}  // namespace controls::inline section_list
