#pragma once

#include <string>

namespace tw::win {

// The maker's web server and support address. The server serves the version
// file and the web site; both come from the build (TW_MAKER_HOST and
// TW_MAKER_EMAIL), and a test may point the program at a server of its own.
struct Maker {
  std::wstring host;  // a host name, with ":port" where it is not 80
  std::wstring email;

  std::wstring WebSite() const { return L"http://" + host + L"/"; }
  std::wstring VersionFileUrl() const { return L"http://" + host + L"/version/tintwright.txt"; }
};

// The maker as this build knows it.
Maker BuiltInMaker();

}  // namespace tw::win
