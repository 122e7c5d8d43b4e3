#pragma once
// What a section list's model (its sections, their sub-items, its tab stops and its in-place
// editor) tells the list that shows it: the one way the model reaches the list. Each call comes
// at the moment the list needs it: before rows go (their places still follow from the model),
// after rows come.
#include "platform/color.h"

namespace controls::inline section_list {

class TListSection;

class SectionListView {
 public:
  // What a new section starts with.
  virtual platform::Color NewSectionColor() const = 0;
  virtual int NewSectionItemHeight() const = 0;

  virtual void SectionAdded(const TListSection& section) = 0;
  virtual void SectionRemoving(const TListSection& section) = 0;
  virtual void SectionsClearing() = 0;
  virtual void CaptionChanged(const TListSection& section) = 0;
  virtual void Expanding(const TListSection& section) = 0;
  virtual void Contracting(const TListSection& section) = 0;
  virtual void SubItemInserted(const TListSection& section, int index) = 0;
  virtual void SubItemsDeleting(const TListSection& section, int index, int count) = 0;
  virtual void SubItemTextChanged(const TListSection& section, int index) = 0;
  // Looks that keep every row's size: only repainting is due.
  virtual void LooksChanged() = 0;
  virtual void HeaderLooksChanged(const TListSection& section) = 0;
  virtual void SubItemLooksChanged(const TListSection& section, int index) = 0;
  virtual void SectionFontChanged(const TListSection& section) = 0;
  // Texts came or went: the widest row may be another.
  virtual void WidthsChanged() = 0;
  virtual void TabsChanged() = 0;
  virtual void EditFinished() = 0;
  // Changes between these two are shown once, at the outermost end.
  virtual void BeginChanges() = 0;
  virtual void EndChanges() = 0;

  // BeginChanges for one scope: the batch ends on every path, a throw included, so the list
  // never stays without redraw. A null view is no batch.
  class Batch {
   public:
    explicit Batch(SectionListView* view) : view_(view) {
      if (view_) view_->BeginChanges();
    }
    ~Batch() {
      if (!view_) return;
      try {
        view_->EndChanges();
      } catch (...) {
        // Only a repaint can have failed here: the batch was closed and redraw restored first.
      }
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    SectionListView* view_;
  };

 protected:
  ~SectionListView() = default;
};

}  // namespace controls::inline section_list
