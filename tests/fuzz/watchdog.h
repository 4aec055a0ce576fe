#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

namespace tw::fuzz {

// Ends the run when one input takes longer than `limit`: a parser that loops
// forever would otherwise stall the test until the outer timeout, with no
// word on which input did it.
class Watchdog {
 public:
  explicit Watchdog(std::chrono::milliseconds limit);
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;
  ~Watchdog();

  // `format` must outlive the run (a string literal).
  void Begin(const char* format, std::uint64_t index);
  void End();

 private:
  void Watch();

  std::chrono::milliseconds limit_;
  std::atomic<std::int64_t> beganAt_{0};  // steady-clock ticks; 0 while idle
  std::atomic<const char*> format_{""};
  std::atomic<std::uint64_t> index_{0};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace tw::fuzz
