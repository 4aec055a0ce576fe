#include "win/window/color_name_list.h"

#include <windows.h>

#include "core/names/color_sort.h"
#include "win/platform/handles.h"
#include "win/platform/text.h"
#include "win/window/design/controls.h"
#include "win/window/design/menus.h"

namespace tw::win {
namespace {

constexpr int kSwatchRight = 25;
constexpr int kTextIndent = 32;

}  // namespace

ColorNameList::ColorNameList(Form& form, CurrentColor& color, ColorEditor& editor)
    : form_(form), color_(color), editor_(editor) {
  Panel& panel = form.Add(form, design::kNamesPanel);
  caption_ = &form.Add(panel, design::kNamesLabel);
  list_ = &form.Add(panel, design::kNamesList);
  list_->OnChange = [this](ComboBox&) { TakeSelectedColor(); };
  list_->OnDrawItem = [this](ComboBox&, const DRAWITEMSTRUCT& item) { DrawEntry(item); };
  CreateMenu(form);
}

void ColorNameList::CreateMenu(Form& form) {
  PopupMenu& menu = form.AddPopupMenu(design::kNamesMenu);
  MenuItem& items = menu.Items();
  findClosestItem_ = &items.Add(design::kFindClosestItem);
  findClosestItem_->OnClick = [this](MenuItem&) { SelectClosest(); };
  for (const MenuItemDesign& item : design::kSortItems) {
    if (!item.caption) {
      items.AddSeparator(item.name);
      continue;
    }
    items.Add(item).OnClick = [this](MenuItem& sender) { Sort(sender.Tag); };
  }
  htmlOnlyItem_ = &items.Add(design::kHtmlOnlyItem);
  htmlOnlyItem_->OnClick = [this](MenuItem&) { ToggleHtmlOnly(); };
  list_->Popup = &menu;
}

void ColorNameList::AddMenuCopy(MenuItem& mainMenu) {
  // The main menu (and so the tray) reaches the same commands.
  mainMenu.AddSeparator(design::kBeforeColorListSeparator);
  MenuItem& copy = mainMenu.Add(design::kColorListMenu);
  const PopupMenu& menu = *list_->Popup;
  for (const auto& item : menu.Items().Items()) item->CloneInto(copy);
}

void ColorNameList::ApplyStoredChoices() {
  // Set opposite to the stored mark: the toggle turns it back and fills the
  // list.
  htmlOnly_ = !htmlOnlyItem_->Checked;
  ToggleHtmlOnly();
}

void ColorNameList::ToggleHtmlOnly() {
  htmlOnly_ = !htmlOnly_;
  htmlOnlyItem_->Checked = htmlOnly_;
  if (MenuItem* copy = form_.FindMenuItem(design::CopyName(design::kHtmlOnlyItem.name)))
    copy->Checked = htmlOnly_;
  caption_->SetCaption(htmlOnly_ ? L"HTML" : L"Names");
  Sort(sortOrder_);
}

void ColorNameList::Sort(int order) {
  const int selected = list_->ItemIndex();
  const bool keepsSelection = selected >= 0;
  const TColor kept = keepsSelection ? entries_[static_cast<size_t>(selected)].value : 0;
  NamedColors entries = TableEntries(htmlOnly_);
  SortColors(entries, order);
  sortOrder_ = order;
  // The tag of "Find Closest Color" has always shown the order too.
  findClosestItem_->Tag = order;
  CheckSortItems(order);
  std::vector<std::wstring> names;
  names.reserve(entries.size());
  for (const NamedColor& entry : entries) names.push_back(Widen(entry.name));
  entries_ = std::move(entries);
  closestFinder_.reset();
  list_->SetItems(std::move(names));
  if (!keepsSelection) return;
  // Values are distinct within a table: the same color, if the list has it.
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].value == kept) list_->SetItemIndex(static_cast<int>(i));
  }
}

void ColorNameList::CheckSortItems(int order) {
  for (const MenuItemDesign& item : design::kSortItems) {
    if (!item.caption) continue;
    MenuItem* original = form_.FindMenuItem(item.name);
    original->Checked = original->Tag == order;
    if (MenuItem* copy = form_.FindMenuItem(design::CopyName(item.name)))
      copy->Checked = original->Checked;
  }
}

void ColorNameList::NameColor(TColor color) {
  const ExactName name = FindExactName(entries_, list_->ItemIndex(), color);
  if (name.keepsSelection) return;
  list_->SetItemIndex(name.index);
  list_->SetHint(name.index >= 0 ? Widen(entries_[static_cast<size_t>(name.index)].name) : L"");
}

void ColorNameList::SelectClosest() {
  if (entries_.empty()) return;
  if (!closestFinder_) closestFinder_.emplace(entries_);
  const auto [red, green, blue] = editor_.RgbBoxNumbers();
  const int best = closestFinder_->Find(list_->ItemIndex(), red, green, blue);
  if (best < 0) return;
  list_->SetItemIndex(best);
  TakeSelectedColor();
}

void ColorNameList::TakeSelectedColor() {
  const int selected = list_->ItemIndex();
  if (selected < 0) return;  // nothing chosen, nothing to apply
  color_.Set(entries_[static_cast<size_t>(selected)].value, true);
}

void ColorNameList::DrawEntry(const DRAWITEMSTRUCT& item) const {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const COLORREF fill = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
  GdiObject<HBRUSH> background(CreateSolidBrush(fill));
  FillRect(item.hDC, &item.rcItem, background.Get());
  // The selection field of a list with nothing selected shows just that.
  if (item.itemID >= entries_.size()) return;
  const NamedColor& entry = entries_[item.itemID];
  const RECT swatch{item.rcItem.left, item.rcItem.top + 1, kSwatchRight, item.rcItem.bottom - 1};
  GdiObject<HBRUSH> swatchBrush(CreateSolidBrush(ToColorRef(entry.value)));
  FillRect(item.hDC, &swatch, swatchBrush.Get());
  SetBkColor(item.hDC, fill);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const std::wstring name = Widen(entry.name);
  TextOutW(item.hDC, item.rcItem.left + kTextIndent, item.rcItem.top + 1, name.c_str(),
           static_cast<int>(name.size()));
}

}  // namespace tw::win
