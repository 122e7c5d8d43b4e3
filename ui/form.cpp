#include "ui/form.h"

namespace ui {

Form::Form(std::string name, std::string class_name, Form* owner)
    : Component(std::move(name), nullptr), class_name_(std::move(class_name)), owner_(owner) {
  if (owner_) host_ = owner_->host_;
}

Form::~Form() {
  // The derived form's components are gone already and have cut their windows loose; the form
  // does the same before its windows are destroyed.
  if (View()) View()->ComponentGone();
  AttachView(nullptr);
  window_.reset();
}

void Form::SetBackground(Picture picture) {
  background_ = std::move(picture);
  background_bitmap_.reset();
  Invalidate();
}

int Form::ShowModal() {
  modal_result_ = mrNone;
  if (!host_ || (!window_ && !host_->CreateWindows(*this))) return mrCancel;
  modal_ = true;
  struct EndModal {
    bool& modal;
    ~EndModal() { modal = false; }
  } end{modal_};
  host_->RunModal(*this);
  if (modal_result_ == mrNone) modal_result_ = mrCancel;
  return modal_result_;
}

void Form::Close() {
  if (host_ && window_) host_->Close(*this);
}

void Form::MinimizeApplication() {
  if (host_ && window_) host_->Minimize(*this);
}

void Form::Paint(platform::Canvas& canvas) {
  if (background_.Empty()) {
    canvas.FillRect(ClientRect(), Color());
    return;
  }
  if (!background_bitmap_) background_bitmap_ = ToTileBitmap(canvas, background_);
  canvas.Tile(ClientRect(), *background_bitmap_, {0, 0});
}

}  // namespace ui
