#include "watchdog.h"

#include <cstdio>
#include <cstdlib>

namespace tw::fuzz {
namespace {

using Clock = std::chrono::steady_clock;

std::int64_t Now() { return Clock::now().time_since_epoch().count(); }

}  // namespace

Watchdog::Watchdog(std::chrono::milliseconds limit) : limit_(limit), thread_([this] { Watch(); }) {}

Watchdog::~Watchdog() {
  stop_ = true;
  thread_.join();
}

void Watchdog::Begin(const char* format, std::uint64_t index) {
  format_ = format;
  index_ = index;
  beganAt_ = Now();
}

void Watchdog::End() { beganAt_ = 0; }

void Watchdog::Watch() {
  const auto limitTicks = std::chrono::duration_cast<Clock::duration>(limit_).count();
  while (!stop_) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::int64_t began = beganAt_;
    if (began != 0 && Now() - began > limitTicks) {
      std::fprintf(stderr, "HANG: %s input %llu still runs after %lld ms\n", format_.load(),
                   static_cast<unsigned long long>(index_.load()),
                   static_cast<long long>(limit_.count()));
      std::fflush(stderr);
      std::_Exit(3);
    }
  }
}

}  // namespace tw::fuzz
