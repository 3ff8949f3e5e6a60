// The six Kernel32 functions collay calls, with their Windows signatures,
// each bound by name from one library.
#pragma once

#include <cstddef>
#include <cstdint>

#include "bound_function.h"
#include "library.h"

#if defined(_WIN32)
#define KERNEL32_CALL __stdcall
#else
#define KERNEL32_CALL
#endif

namespace collay::win {

using Bool = int;
using Dword = std::uint32_t;
using Handle = void*;

inline constexpr Dword STD_INPUT_HANDLE = static_cast<Dword>(-10);
inline constexpr Dword STD_OUTPUT_HANDLE = static_cast<Dword>(-11);

using AllocConsoleFunction = Bool(KERNEL32_CALL*)();
using FreeConsoleFunction = Bool(KERNEL32_CALL*)();
using GetStdHandleFunction = Handle(KERNEL32_CALL*)(Dword which);
using WriteConsoleAFunction = Bool(KERNEL32_CALL*)(Handle console, const void* characters,
                                                   Dword count, Dword* written, void* reserved);
using ReadConsoleAFunction = Bool(KERNEL32_CALL*)(Handle console, void* characters, Dword count,
                                                  Dword* read, void* inputControl);
using RtlMoveMemoryFunction = void(KERNEL32_CALL*)(void* destination, const void* source,
                                                   std::size_t length);

}  // namespace collay::win

namespace collay {

struct Kernel32 {
  explicit Kernel32(Library& from)
      : library(from),
        AllocConsole(from, "AllocConsole"),
        GetStdHandle(from, "GetStdHandle"),
        WriteConsoleA(from, "WriteConsoleA"),
        ReadConsoleA(from, "ReadConsoleA"),
        FreeConsole(from, "FreeConsole"),
        RtlMoveMemory(from, "RtlMoveMemory") {}

  Library& library;
  BoundFunction<win::AllocConsoleFunction> AllocConsole;
  BoundFunction<win::GetStdHandleFunction> GetStdHandle;
  BoundFunction<win::WriteConsoleAFunction> WriteConsoleA;
  BoundFunction<win::ReadConsoleAFunction> ReadConsoleA;
  BoundFunction<win::FreeConsoleFunction> FreeConsole;
  BoundFunction<win::RtlMoveMemoryFunction> RtlMoveMemory;
};

}  // namespace collay
