#pragma once

#include <functional>
#include <string>
#include <vector>

#include "win/widgets/control.h"

namespace tw::win {

// A drop-down list without free text, optionally owner-drawn. The item texts
// stay in the control too (screen readers read them), and a copy in the
// wrapper answers reads without a call to the window system. Selecting from
// code raises no OnChange; the user's choice does.
class ComboBox : public Control {
 public:
  struct Design {
    Rect bounds;  // the height is the selection field's
    std::vector<std::wstring> items;
    int itemIndex = -1;
    int dropDownCount = 8;
    bool ownerDraw = false;
    int itemHeight = 16;  // owner-drawn lists only, at 96 dpi
  };

  ComboBox(Form& owner, Control& parent, std::wstring name, const Design& design);

  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  // The first and last items are ends: a list is never left without a
  // selection, and one without a selection stays so. The step is applied
  // as a user's choice is.
  void StepByWheel(bool up) override;
  int Count() const { return static_cast<int>(items_.size()); }
  const std::wstring& Item(int index) const { return items_[static_cast<size_t>(index)]; }
  void SetItems(std::vector<std::wstring> items);

  std::function<void(ComboBox& sender)> OnChange;
  std::function<void(ComboBox& sender, const DRAWITEMSTRUCT& item)> OnDrawItem;

  bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void DrawItemText(const DRAWITEMSTRUCT& item) const;

  std::vector<std::wstring> items_;
  int itemIndex_ = -1;
  int itemHeight_;
  int fieldHeight_;
};

}  // namespace tw::win
