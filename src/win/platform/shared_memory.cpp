#include "win/platform/shared_memory.h"

#include <stdexcept>

#include "win/platform/system_error.h"
#include "win/platform/text.h"

namespace tw::win {

SharedMemory::SharedMemory(const std::wstring& name, std::size_t size,
                           SECURITY_ATTRIBUTES* security)
    : size_(size) {
  const std::uint64_t bytes = size;
  mapping_ = KernelHandle(CreateFileMappingW(INVALID_HANDLE_VALUE, security, PAGE_READWRITE,
                                             static_cast<DWORD>(bytes >> 32),
                                             static_cast<DWORD>(bytes), name.c_str()));
  const DWORD error = GetLastError();
  if (!mapping_.Get()) {
    throw std::runtime_error("Cannot create the shared memory " + Narrow(name) + ": " +
                             SystemReason(error));
  }
  createdHere_ = error != ERROR_ALREADY_EXISTS;
  data_ = static_cast<std::uint8_t*>(
      MapViewOfFile(mapping_.Get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, size));
  if (!data_) {
    throw std::runtime_error("Cannot map the shared memory " + Narrow(name) + ": " +
                             SystemReason(GetLastError()));
  }
}

SharedMemory::~SharedMemory() {
  if (data_) UnmapViewOfFile(data_);
}

}  // namespace tw::win
