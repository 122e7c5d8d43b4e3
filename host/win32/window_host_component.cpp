// A component's window as its view: the view calls, painting with the backdrop, and detaching.
#include "host/win32/window_calls.h"
#include "host/win32/window_host_kinds.h"

#include <optional>

#include "platform/win32/gdi_canvas.h"

namespace host::win32 {

using platform::win32::FontCache;
using platform::win32::GdiCanvas;
using platform::win32::PaintDc;
using platform::win32::SelectedObject;
using platform::win32::UniqueBitmap;
using platform::win32::UniqueMemoryDc;
using platform::win32::WindowDc;

namespace {

LPCSTR CursorResource(ui::Cursor cursor) {
  switch (cursor) {
    case ui::Cursor::kHand:
      return IDC_HAND;
    case ui::Cursor::kHorizontalSplit:
      return IDC_SIZEWE;
    case ui::Cursor::kIBeam:
      return IDC_IBEAM;
    default:
      return IDC_ARROW;
  }
}

// A canvas on a window's client DC, which it releases when it goes.
class WindowDcCanvas : private WindowDc, public GdiCanvas {
 public:
  WindowDcCanvas(HWND window, FontCache& fonts)
      : WindowDc(window), GdiCanvas(WindowDc::Dc(), &fonts) {}
};

// Paints `component` with its origin at (dx, dy) of the canvas's device.
void PaintAt(HDC dc, GdiCanvas& canvas, ui::Component& component, int dx, int dy) {
  POINT old;
  ::SetViewportOrgEx(dc, dx, dy, &old);
  component.Paint(canvas);
  ::SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

// A transparent component shows what lies behind it: its parent, then the siblings before it
// that it overlaps, each at its place relative to the component.
void PaintBackdrop(HDC dc, GdiCanvas& canvas, ui::Component& component) {
  ui::Component* parent = component.Parent();
  if (!parent) return;
  const platform::Rect me = component.Bounds();
  PaintAt(dc, canvas, *parent, -me.left, -me.top);
  for (ui::Component* sibling : parent->Children()) {
    if (sibling == &component) break;
    const platform::Rect b = sibling->Bounds();
    const bool overlaps =
        b.left < me.right && me.left < b.right && b.top < me.bottom && me.top < b.bottom;
    if (sibling->Visible() && overlaps && !HandlingOf(sibling->Kind()).native)
      PaintAt(dc, canvas, *sibling, b.left - me.left, b.top - me.top);
  }
}

}  // namespace

ComponentWindow* WindowData(HWND window) {
  return reinterpret_cast<ComponentWindow*>(GetWindowLongFor(window, GWLP_USERDATA));
}

ComponentWindow* OurWindow(HWND window) {
  if (!window) return nullptr;
  const auto proc = reinterpret_cast<WNDPROC>(GetWindowLongFor(window, GWLP_WNDPROC));
  return proc == ComponentProc || proc == NativeProc ? WindowData(window) : nullptr;
}

void ComponentWindow::ApplyCursor() const {
  HCURSOR shape = ::LoadCursorA(nullptr, CursorResource(cursor));
  // Older systems lack the hand: the arrow stands in.
  ::SetCursor(shape ? shape : ::LoadCursorA(nullptr, IDC_ARROW));
}

std::unique_ptr<platform::Canvas> Win32WindowHost::ComponentWindow::MeasuringCanvas() {
  return std::make_unique<WindowDcCanvas>(window, host->Fonts());
}

void Paint(ComponentWindow& w) {
  PaintDc paint(w.window);
  if (!w.component) return;
  RECT client;
  ::GetClientRect(w.window, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  // Composed off-screen so a repaint never flickers: on the host's surface, or on one of its
  // own while that is taken by a paint this one interrupts.
  platform::win32::BackBuffer& back = w.host->Back();
  UniqueMemoryDc own;
  UniqueBitmap own_bitmap;
  std::optional<SelectedObject> own_selected;
  HDC memory = back.Take(paint.Dc(), client.right, client.bottom);
  if (!memory) {
    own.Reset(::CreateCompatibleDC(paint.Dc()));
    own_bitmap.Reset(::CreateCompatibleBitmap(paint.Dc(), client.right, client.bottom));
    if (!own || !own_bitmap) return;
    own_selected.emplace(own.Get(), own_bitmap.Get());
    memory = own.Get();
  }
  {
    GdiCanvas canvas(memory, &w.host->Fonts());
    if (w.component->Transparent()) PaintBackdrop(memory, canvas, *w.component);
    w.component->Paint(canvas);
  }
  ::BitBlt(paint.Dc(), 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  if (!own) back.Release();
}

ui::ListBox* ListOf(ComponentWindow* w) {
  if (!w || !w->component || w->component->Kind() != ui::ComponentKind::kListBox) return nullptr;
  return static_cast<ui::ListBox*>(w->component);
}

void Detach(ComponentWindow& w) {
  if (w.component) {
    if (w.kind->detach) w.kind->detach(w);
    w.component->AttachView(nullptr);
  }
  if (w.windows && w.windows->last_focus == w.window) w.windows->last_focus = nullptr;
  SetWindowLongFor(w.window, GWLP_USERDATA, 0);
}

}  // namespace host::win32
