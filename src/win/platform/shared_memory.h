#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "win/platform/handles.h"

namespace tw::win {

// Named memory backed by the page file, mapped whole for reading and
// writing; other processes reach the same bytes by the same name.
class SharedMemory {
 public:
  // Creates the object, or opens it when another process made it first.
  // Throws std::runtime_error with the system's reason when neither works.
  SharedMemory(const std::wstring& name, std::size_t size, SECURITY_ATTRIBUTES* security);
  SharedMemory(const SharedMemory&) = delete;
  SharedMemory& operator=(const SharedMemory&) = delete;
  ~SharedMemory();

  // Whether this process made the object: new memory is all zeros.
  bool CreatedHere() const { return createdHere_; }
  std::uint8_t* Data() const { return data_; }
  std::size_t Size() const { return size_; }

 private:
  KernelHandle mapping_;
  std::uint8_t* data_ = nullptr;
  std::size_t size_;
  bool createdHere_ = false;
};

}  // namespace tw::win
