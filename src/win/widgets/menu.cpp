#include "win/widgets/menu.h"

#include "win/widgets/control.h"
#include "win/widgets/form.h"

namespace tw::win {
namespace {

std::wstring KeyName(UINT key) {
  if (key >= VK_F1 && key <= VK_F24) return L"F" + std::to_wstring(key - VK_F1 + 1);
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
    return std::wstring(1, static_cast<wchar_t>(key));
  wchar_t name[32] = {};
  const LONG scanCode = static_cast<LONG>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  GetKeyNameTextW(scanCode, name, 32);
  return name;
}

bool KeyIsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

std::wstring ShortCut::Text() const {
  if (Empty()) return {};
  std::wstring text;
  if (shift) text += L"Shift+";
  if (ctrl) text += L"Ctrl+";
  if (alt) text += L"Alt+";
  return text + KeyName(key);
}

ShortCut PressedShortCut(UINT virtualKey) {
  return {virtualKey, KeyIsDown(VK_SHIFT), KeyIsDown(VK_CONTROL), KeyIsDown(VK_MENU)};
}

MenuItem::MenuItem(Form& owner, UINT id, std::wstring name, std::wstring caption)
    : Caption(std::move(caption)), owner_(owner), id_(id), name_(std::move(name)) {}

MenuItem& MenuItem::Add(std::wstring name, std::wstring caption, ShortCut shortCut, int tag,
                        UINT id) {
  auto item = std::make_unique<MenuItem>(owner_, id ? id : owner_.NextMenuId(), std::move(name),
                                         std::move(caption));
  item->Key = shortCut;
  item->Tag = tag;
  item->parent_ = this;
  items_.push_back(std::move(item));
  return *items_.back();
}

MenuItem* MenuItem::Find(std::wstring_view name) {
  if (name_ == name) return this;
  for (auto& item : items_) {
    if (MenuItem* found = item->Find(name)) return found;
  }
  return nullptr;
}

MenuItem* MenuItem::FindById(UINT id) {
  if (id_ == id) return this;
  for (auto& item : items_) {
    if (MenuItem* found = item->FindById(id)) return found;
  }
  return nullptr;
}

MenuItem* MenuItem::FindByShortCut(const ShortCut& shortCut) {
  for (auto& item : items_) {
    if (!item->Enabled) continue;
    if (item->Key == shortCut) return item.get();
    if (MenuItem* found = item->FindByShortCut(shortCut)) return found;
  }
  return nullptr;
}

MenuItem& MenuItem::CloneInto(MenuItem& parent) const {
  // The same command in another menu: the same id.
  MenuItem& copy = parent.Add(name_ + L"_copy", Caption, Key, Tag, id_);
  copy.Checked = Checked;
  copy.Enabled = Enabled;
  copy.Visible = Visible;
  copy.OnClick = OnClick;
  for (const auto& child : items_) child->CloneInto(copy);
  return copy;
}

void MenuItem::AppendItemsTo(HMENU menu) const {
  for (const auto& item : items_) {
    if (!item->Visible) continue;
    if (item->IsSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::wstring text = item->Caption;
    if (!item->Key.Empty()) text += L"\t" + item->Key.Text();
    UINT flags = MF_STRING | (item->Checked ? MF_CHECKED : 0) | (item->Enabled ? 0 : MF_GRAYED);
    UINT_PTR id = item->id_;
    if (!item->items_.empty()) {
      HMENU submenu = CreatePopupMenu();
      item->AppendItemsTo(submenu);
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(submenu);
    }
    AppendMenuW(menu, flags, id, text.c_str());
  }
}

PopupMenu::PopupMenu(Form& owner, std::wstring name)
    : owner_(owner), name_(std::move(name)), root_(owner, 0, name_, L"") {}

void PopupMenu::Show(Control& opener, POINT screen, HWND tracking) {
  popupComponent_ = &opener;
  if (OnPopup) OnPopup();
  HMENU menu = CreatePopupMenu();
  root_.AppendItemsTo(menu);
  const UINT id = static_cast<UINT>(
      TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x, screen.y,
                       tracking ? tracking : owner_.Handle(), nullptr));
  DestroyMenu(menu);
  if (MenuItem* item = id ? root_.FindById(id) : nullptr) item->Click();
}

}  // namespace tw::win
