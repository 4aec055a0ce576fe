#pragma once

#include "win/widgets/menu.h"

namespace tw::win {

// "Run on Startup": registers the program to start hidden in the
// notification area at logon, or removes it. The check mark shows what the
// registry holds, read afresh whenever it may have changed.
class RunAtLogonItem {
 public:
  explicit RunAtLogonItem(MenuItem& mainMenu);
  RunAtLogonItem(const RunAtLogonItem&) = delete;
  RunAtLogonItem& operator=(const RunAtLogonItem&) = delete;

  // Sets the check mark from the registry.
  void Refresh();
  MenuItem& Item() const { return *item_; }

 private:
  void Toggle();

  MenuItem* item_;
};

}  // namespace tw::win
