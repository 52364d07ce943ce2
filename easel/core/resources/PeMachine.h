// The processor a Windows library was built for, read from its headers, so
// that a module for another architecture is named as such before the system
// loader refuses it with a code that says nothing of the kind. Plain byte
// parsing, so it is checked on any build platform.
#ifndef EASEL_CORE_RESOURCES_PEMACHINE_H
#define EASEL_CORE_RESOURCES_PEMACHINE_H

#include <cstdint>
#include <span>
#include <string>

#include "easel/core/resources/Parsed.h"

namespace easel {

// The machine field of the file header (IMAGE_FILE_MACHINE_*).
enum class PeMachine : uint16_t { kX86 = 0x14C, kX64 = 0x8664, kArm64 = 0xAA64 };

// The machine field, or "not a Windows library file".
Parsed<uint16_t> peMachineOf(std::span<const uint8_t> image);

// "32-bit Windows (x86)", "64-bit Windows (x64)", ... for messages.
std::string peMachineName(uint16_t machine);

// This program's own machine.
PeMachine thisMachine();

}  // namespace easel

#endif
