#pragma once

#include <windows.h>

#include <string>

#include "win/dialogs/maker.h"
#include "win/platform/shell_open.h"
#include "win/widgets/button.h"
#include "win/widgets/image.h"
#include "win/widgets/label.h"
#include "win/widgets/link_label.h"
#include "win/widgets/modal_form.h"

namespace tw::win {

// The About box: the maker's logo, the program's icon, name and running
// version, the maker's notice and addresses as links, and the readme.
class AboutBox : public ModalForm {
 public:
  AboutBox(HWND owner, const std::wstring& version, const Maker& maker, const ShellOpener& opener);

  const Label& NameLabel() const { return *name_; }
  const Label& NoticeLabel() const { return *notice_; }
  LinkLabel& EmailLink() { return *email_; }
  LinkLabel& WebSiteLink() { return *webSite_; }
  const Image& Logo() const { return *logo_; }
  const Image& ProgramIcon() const { return *icon_; }
  Button& ReadmeButton() { return *readme_; }
  Button& OkButton() { return *ok_; }

 private:
  void CreatePictures();
  void CreateTexts(const std::wstring& version);
  void CreateLinks(const Maker& maker);
  void OpenReadme();

  ShellOpener opener_;
  Image* logo_;
  Image* icon_;
  Label* name_;
  Label* notice_;
  LinkLabel* email_;
  LinkLabel* webSite_;
  Button* readme_;
  Button* ok_;
};

}  // namespace tw::win
