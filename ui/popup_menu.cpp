#include "ui/popup_menu.h"

namespace ui {

void PopupMenu::Popup(platform::Point screen) {
  FormHost* host = owner_.Host();
  if (!host || Items.empty()) return;
  std::vector<std::string> captions;
  captions.reserve(Items.size());
  for (const MenuItem& item : Items) captions.push_back(item.Caption);
  const int chosen = host->TrackPopupMenu(owner_, captions, screen);
  if (chosen < 0 || chosen >= static_cast<int>(Items.size())) return;
  // The handler may change the menu: it runs from a copy.
  const std::function<void()> handler = Items[static_cast<std::size_t>(chosen)].OnClick;
  if (handler) handler();
}

}  // namespace ui
