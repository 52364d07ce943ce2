#include "easel/core/resources/PeMachine.h"

#include <sstream>

#include "easel/core/resources/ByteReader.h"

namespace easel {

namespace {

constexpr size_t kNewHeaderField = 0x3C;  // where the MZ header keeps the PE header's offset

}  // namespace

Parsed<uint16_t> peMachineOf(std::span<const uint8_t> image) {
  ByteReader in(image);
  const bool mz = in.u8() == 'M' && in.u8() == 'Z';
  in.seek(kNewHeaderField);
  in.seek(in.u32());
  const bool pe = in.u8() == 'P' && in.u8() == 'E' && in.u8() == 0 && in.u8() == 0;
  const uint16_t machine = in.u16();
  if (!mz || !pe || !in.ok()) return parseError("not a Windows library file");
  return machine;
}

std::string peMachineName(uint16_t machine) {
  switch (static_cast<PeMachine>(machine)) {
    case PeMachine::kX86: return "32-bit Windows (x86)";
    case PeMachine::kX64: return "64-bit Windows (x64)";
    case PeMachine::kArm64: return "Windows on Arm (arm64)";
  }
  std::ostringstream text;
  text << "machine 0x" << std::hex << machine;
  return text.str();
}

PeMachine thisMachine() {
#if defined(__aarch64__) || defined(_M_ARM64)
  return PeMachine::kArm64;
#elif defined(__x86_64__) || defined(_M_X64)
  return PeMachine::kX64;
#else
  return PeMachine::kX86;
#endif
}

}  // namespace easel
