#include "win/window/palette.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <stdexcept>

#include "core/color/conversions.h"
#include "win/platform/ansi_codec.h"
#include "win/platform/clipboard.h"
#include "win/platform/files.h"
#include "win/window/design/menus.h"
#include "win/window/palette_file_io.h"

namespace tw::win {
namespace {

// A slot may hold any 32-bit value (a system color, "clNone"); as the
// current color it is resolved to RGB and kept to 24 bits, so the frame and
// the boxes always agree.
TColor AsCurrentColor(TColor slotColor) {
  return ColorToRGB(slotColor, DesktopSystemColor) & 0xFFFFFF;
}

// A palette file chosen in the open or save dialog; empty on cancel.
std::wstring AskPaletteFile(HWND owner, bool forSaving) {
  wchar_t file[MAX_PATH * 4] = {};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = L"Tintwright Palette\0*.plt\0";
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH * 4;
  dialog.lpstrDefExt = L"plt";
  dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  const BOOL chosen = forSaving ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  return chosen ? std::wstring(file) : std::wstring();
}

}  // namespace

Palette::Palette(Form& form, CurrentColor& color, ColorCodeBox& codeBox, ColorFrame& frame)
    : form_(form), color_(color), codeBox_(codeBox), frame_(frame) {
  CreateControls(form);
  CreateSlotMenu(form);
}

void Palette::CreateControls(Form& form) {
  panel_ = &form.Add(form, design::kPalettePanel);
  form.Add(*panel_, design::kPaletteLabel);
  nameLabel_ = &form.Add(*panel_, design::kPaletteNameLabel);
  changedMark_ = &form.Add(*panel_, design::kPaletteChangedMark);
  changedMark_->SetOwnFont(design::ScaledFont(form, design::kPaletteChangedMarkFont));
  changedMark_->SetVisible(false);
  loadButton_ = &form.Add(*panel_, design::kLoadPaletteButton);
  saveButton_ = &form.Add(*panel_, design::kSavePaletteButton);
  for (int i = 0; i < design::kSlotCount; ++i) {
    Control& parent = design::SlotInPalettePanel(i) ? static_cast<Control&>(*panel_) : form;
    Panel& slot = form.Add(parent, design::SlotDesign(i));
    slot.OnMouseDown = [this](Control& sender, const MouseEvent& event) {
      OnSlotPressed(static_cast<Panel&>(sender), event.button);
    };
    slot.OnMouseMove = [this](Control& sender, const MouseEvent&) {
      ShowHint(static_cast<Panel&>(sender));
    };
    slot.OnDblClick = [this](Control&) { codeBox_.CopyCode(); };
    slots_[static_cast<size_t>(i)] = &slot;
  }
  loadButton_->OnClick = [this](Button&) { Load(); };
  saveButton_->OnClick = [this](Button&) { Save(); };
}

void Palette::CreateSlotMenu(Form& form) {
  slotMenu_ = &form.AddPopupMenu(design::kSlotMenu);
  MenuItem& items = slotMenu_->Items();
  items.Add(design::kStoreInSlotItem).OnClick = [this](MenuItem&) {
    StoreCurrentColor(SlotOfMenu());
  };
  items.Add(design::kSlotAsBackgroundItem).OnClick = [this](MenuItem&) {
    color_.Set(AsCurrentColor(SlotOfMenu().Color()), false);
  };
  textColorItem_ = &items.Add(design::kSlotAsTextColorItem);
  textColorItem_->OnClick = [this](MenuItem&) { frame_.SetTextColor(SlotOfMenu().Color()); };
  items.Add(design::kCopySlotCodeItem).OnClick = [this](MenuItem&) {
    CopyTextToClipboard(form_.Handle(), codeBox_.CodeOf(SlotOfMenu().Color()));
  };
  for (Panel* slot : slots_) slot->Popup = slotMenu_;
}

Panel& Palette::SlotOfMenu() const {
  const auto opener = std::find(slots_.begin(), slots_.end(), slotMenu_->PopupComponent());
  return opener != slots_.end() ? **opener : *slots_[0];
}

void Palette::OnSlotPressed(Panel& slot, MouseButton button) {
  if (button == MouseButton::Left) {
    color_.RecordForUndo();
    color_.Take(AsCurrentColor(slot.Color()), ColorSource::kOther);
  } else if (button == MouseButton::Middle) {
    StoreCurrentColor(slot);
  }
}

void Palette::StoreCurrentColor(Panel& slot) {
  const TColor previous = slot.Color();
  slot.SetColor(color_.Value());
  // Only a named palette can have changed since it was loaded or saved.
  if (slot.Color() != previous && !name_.empty()) changedSinceNamed_ = true;
  changedMark_->SetVisible(changedSinceNamed_);
}

void Palette::ShowHint(Panel& slot) { slot.SetHint(codeBox_.CodeOf(slot.Color())); }

void Palette::RefreshHints() {
  for (Panel* slot : slots_) ShowHint(*slot);
}

void Palette::SetHintsShown(bool shown) {
  for (Panel* slot : slots_) slot->SetShowHint(shown);
}

void Palette::RestoreName(std::wstring name) {
  name_ = std::move(name);
  if (!name_.empty()) nameLabel_->SetCaption(name_);
}

void Palette::ShowName(const std::wstring& file) {
  name_ = FileNameOf(file);
  nameLabel_->SetCaption(name_);
  changedSinceNamed_ = false;
  changedMark_->SetVisible(false);
}

void Palette::Load() {
  const std::wstring file = AskPaletteFile(form_.Handle(), false);
  if (file.empty()) return;
  const Converted<std::vector<TColor>> colors = LoadPaletteFile(file, AnsiCodec());
  if (!colors.ok()) throw std::runtime_error(colors.error());
  // Slots after the last color the file gives keep theirs.
  const size_t count = std::min(colors.value().size(), slots_.size());
  for (size_t i = 0; i < count; ++i) slots_[i]->SetColor(colors.value()[i]);
  ShowName(file);
}

void Palette::Save() {
  const std::wstring file = AskPaletteFile(form_.Handle(), true);
  if (file.empty()) return;
  tw::PaletteSlots colors;
  std::transform(slots_.begin(), slots_.end(), colors.begin(),
                 [](const Panel* slot) { return slot->Color(); });
  if (const std::optional<std::string> error = SavePaletteFile(file, colors))
    throw std::runtime_error(*error);
  ShowName(file);
}

}  // namespace tw::win
