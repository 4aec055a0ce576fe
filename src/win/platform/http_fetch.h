#pragma once

// One plain HTTP GET over WinINet, bounded in time and size. Blocking: run
// it on a worker thread when a window must stay responsive.

#include <cstddef>
#include <string>

namespace tw::win {

struct HttpFetchLimits {
  unsigned long timeoutMilliseconds;  // for connecting, sending and each receive
  unsigned long totalMilliseconds;    // for the whole answer, checked between reads
  std::size_t maxBodyBytes;           // a longer body is refused
};

struct HttpFetchResult {
  bool ok = false;
  std::string body;   // the bytes of a 200 answer, when ok
  std::string error;  // what went wrong, when not ok (for logs and tests)
};

// Fetches an http:// URL afresh (never from a cache). Only a 200 answer whose
// body fits the limit is a result. Never throws.
HttpFetchResult FetchHttpBody(const std::wstring& url, const HttpFetchLimits& limits);

}  // namespace tw::win
