#include "win/window/run_at_logon_item.h"

#include "win/platform/files.h"
#include "win/platform/run_at_logon.h"
#include "win/platform/text.h"
#include "win/widgets/application.h"
#include "win/window/design/menus.h"

namespace tw::win {
namespace {

// The name other tools see the entry under.
constexpr wchar_t kEntryName[] = L"Tintwright";

}  // namespace

RunAtLogonItem::RunAtLogonItem(MenuItem& mainMenu) : item_(&mainMenu.Add(design::kRunAtLogonItem)) {
  item_->OnClick = [this](MenuItem&) { Toggle(); };
  Refresh();
}

void RunAtLogonItem::Refresh() { item_->Checked = RunAtLogonEntryExists(kEntryName); }

void RunAtLogonItem::Toggle() {
  const bool registered = RunAtLogonEntryExists(kEntryName);
  const RegistryResult result =
      registered ? DeleteRunAtLogonEntry(kEntryName)
                 : WriteRunAtLogonEntry(kEntryName, RunAtLogonCommand(ProgramFilePath()));
  Refresh();
  if (result.ok) return;
  Application::Instance().ShowMessage(
      (registered ? L"Tintwright could not be taken off the programs that start at logon.\n\n"
                  : L"Tintwright could not be set to start at logon.\n\n") +
      Widen(result.error));
}

}  // namespace tw::win
