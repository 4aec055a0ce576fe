#include "win/widgets/combo_box.h"

#include <utility>

#include "win/platform/handles.h"
#include "win/widgets/form.h"

namespace tw::win {

ComboBox::ComboBox(Form& owner, Control& parent, std::wstring name, const Design& design)
    : Control(owner, &parent, std::move(name)),
      itemHeight_(owner.Scale(design.itemHeight)),
      fieldHeight_(owner.Scale(design.bounds.height) - 6) {
  DWORD style = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_HASSTRINGS;
  // All items are one height: a fixed height spares one measuring message
  // per item added.
  if (design.ownerDraw) style |= CBS_OWNERDRAWFIXED;
  // The height given at creation is the height of the opened list.
  Rect bounds = design.bounds;
  bounds.height += design.dropDownCount * design.itemHeight + 2;
  Create({L"COMBOBOX", style, 0, L"", bounds});
  SetItems(design.items);
  SetItemIndex(design.itemIndex);
}

void ComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ComboBox::StepByWheel(bool up) {
  const int selected = ItemIndex();
  if (selected < 0) return;
  const int next = up ? selected - 1 : selected + 1;
  if (next >= 0 && next < Count()) SetItemIndex(next);
  // Choosing from code raises no change; the list's own handler applies the
  // item as a user's choice does.
  if (OnChange) OnChange(*this);
}

void ComboBox::SetItems(std::vector<std::wstring> items) {
  // One repaint for the whole fill instead of one per item.
  SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
  size_t characters = 0;
  for (const auto& item : items) characters += item.size() + 1;
  SendMessageW(Handle(), CB_INITSTORAGE, items.size(), characters * sizeof(wchar_t));
  // Straight into the list part, which is all the combo box would do with
  // each item: one message per item instead of two.
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof(parts);
  const bool direct = GetComboBoxInfo(Handle(), &parts) && parts.hwndList;
  const HWND target = direct ? parts.hwndList : Handle();
  const UINT add = direct ? LB_ADDSTRING : CB_ADDSTRING;
  for (const auto& item : items)
    SendMessageW(target, add, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateAll();
  items_ = std::move(items);
  itemIndex_ = -1;
}

void ComboBox::DrawItemText(const DRAWITEMSTRUCT& item) const {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= items_.size()) return;
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT area = item.rcItem;
  area.left += 2;
  DrawTextW(item.hDC, items_[item.itemID].c_str(), -1, &area,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

LRESULT ComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // An owner-drawn list reports every item it deletes, which a refill makes
  // one message per item on its way to the parent. No item holds data of
  // its own, so the notices end here.
  if (message == WM_DELETEITEM) return TRUE;
  return Control::WindowProc(message, wParam, lParam);
}

bool ComboBox::HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) != CBN_SELCHANGE) return false;
      itemIndex_ = static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
      if (OnChange) OnChange(*this);
      result = 0;
      return true;
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      item.itemHeight =
          static_cast<UINT>(item.itemID == static_cast<UINT>(-1) ? fieldHeight_ : itemHeight_);
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (OnDrawItem) {
        OnDrawItem(*this, item);
      } else {
        DrawItemText(item);
      }
      result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace tw::win
