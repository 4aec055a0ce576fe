#include "win/platform/http_fetch.h"

#include <windows.h>
#include <wininet.h>

#include <array>
#include <utility>

#include "win/platform/handles.h"
#include "win/platform/text.h"

namespace tw::win {
namespace {

// The agent name the maker's server has always seen from this program.
constexpr wchar_t kAgentName[] = L"Lensbright";

void CloseInternetHandle(HINTERNET handle) { InternetCloseHandle(handle); }
using InternetHandle = OwnedHandle<HINTERNET, &CloseInternetHandle>;

HttpFetchResult Failure(std::string error) { return {false, {}, std::move(error)}; }

std::string LastErrorText(const char* what) {
  return std::string(what) + " (error " + std::to_string(GetLastError()) + ")";
}

void SetTimeout(HINTERNET handle, DWORD option, DWORD milliseconds) {
  InternetSetOptionW(handle, option, &milliseconds, sizeof(milliseconds));
}

struct UrlParts {
  std::wstring host;
  INTERNET_PORT port = INTERNET_DEFAULT_HTTP_PORT;
  std::wstring pathAndQuery;
};

bool SplitHttpUrl(const std::wstring& url, UrlParts& parts) {
  URL_COMPONENTSW components{};
  components.dwStructSize = sizeof(components);
  components.dwHostNameLength = 1;  // nonzero: point into the URL
  components.dwUrlPathLength = 1;
  components.dwExtraInfoLength = 1;
  if (!InternetCrackUrlW(url.c_str(), 0, 0, &components)) return false;
  if (components.nScheme != INTERNET_SCHEME_HTTP || components.dwHostNameLength == 0) return false;
  parts.host.assign(components.lpszHostName, components.dwHostNameLength);
  parts.port = components.nPort;
  parts.pathAndQuery.assign(components.lpszUrlPath, components.dwUrlPathLength);
  parts.pathAndQuery.append(components.lpszExtraInfo, components.dwExtraInfoLength);
  if (parts.pathAndQuery.empty()) parts.pathAndQuery = L"/";
  return true;
}

DWORD StatusCode(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof(status);
  if (!HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                      nullptr)) {
    return 0;
  }
  return status;
}

// Reads the body block by block, keeping exactly the bytes each read
// reports. A read that fails ends the body with what has arrived.
HttpFetchResult ReadBody(HINTERNET request, const HttpFetchLimits& limits, ULONGLONG started) {
  HttpFetchResult result{true, {}, {}};
  std::array<char, 4096> block;
  for (;;) {
    if (GetTickCount64() - started > limits.totalMilliseconds)
      return Failure("The answer took too long");
    DWORD read = 0;
    const BOOL ok =
        InternetReadFile(request, block.data(), static_cast<DWORD>(block.size()), &read);
    result.body.append(block.data(), std::min<size_t>(read, block.size()));
    if (result.body.size() > limits.maxBodyBytes) return Failure("The answer is too large");
    if (!ok || read == 0) return result;
  }
}

}  // namespace

HttpFetchResult FetchHttpBody(const std::wstring& url, const HttpFetchLimits& limits) {
  const ULONGLONG started = GetTickCount64();
  UrlParts parts;
  if (!SplitHttpUrl(url, parts)) return Failure("Not an http URL: " + Narrow(url));
  InternetHandle session(
      InternetOpenW(kAgentName, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return Failure(LastErrorText("Unable to initialize Wininet"));
  InternetHandle connection(InternetConnectW(session.Get(), parts.host.c_str(), parts.port, nullptr,
                                             nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return Failure(LastErrorText("Cannot connect"));
  const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                      INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI;
  InternetHandle request(HttpOpenRequestW(connection.Get(), L"GET", parts.pathAndQuery.c_str(),
                                          nullptr, nullptr, nullptr, flags, 0));
  if (!request) return Failure(LastErrorText("Cannot open the request"));
  // Set on the request itself: WinINet under Wine takes the receive timeout
  // from the request handle only, and would otherwise wait for as long as
  // the server keeps the connection open.
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                       INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    SetTimeout(request.Get(), option, limits.timeoutMilliseconds);
  }
  if (!HttpSendRequestW(request.Get(), nullptr, 0, nullptr, 0))
    return Failure(LastErrorText(("Cannot open URL " + Narrow(url)).c_str()));
  const DWORD status = StatusCode(request.Get());
  if (status != HTTP_STATUS_OK) return Failure("HTTP status " + std::to_string(status));
  return ReadBody(request.Get(), limits, started);
}

}  // namespace tw::win
