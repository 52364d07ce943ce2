// The machine of a Windows library, from headers laid out by hand as the
// format describes them: the MZ stub's pointer at 0x3C, then "PE\0\0" and the
// machine field.
#include "easel/core/resources/PeMachine.h"

#include <gtest/gtest.h>

#include "ByteBuilder.h"

namespace easel {
namespace {

constexpr uint32_t kHeaderAt = 0x80;

std::vector<uint8_t> image(uint32_t machine, const std::string& signature = std::string("PE\0\0", 4)) {
  testing::ByteBuilder b;
  b.ascii("MZ");
  while (b.size() < 0x3C) b.u8(0);
  b.u32(kHeaderAt);
  while (b.size() < kHeaderAt) b.u8(0);
  b.ascii(signature).u16(machine);
  return b.bytes();
}

TEST(PeMachine, ReadsTheMachineOfEachKnownArchitecture) {
  const struct {
    uint32_t machine;
    const char* name;
  } cases[] = {{0x14C, "32-bit Windows (x86)"},
               {0x8664, "64-bit Windows (x64)"},
               {0xAA64, "Windows on Arm (arm64)"},
               {0x1C4, "machine 0x1c4"}};
  for (const auto& c : cases) {
    const Parsed<uint16_t> machine = peMachineOf(image(c.machine));
    ASSERT_TRUE(machine) << machine.error();
    EXPECT_EQ(*machine, c.machine);
    EXPECT_EQ(peMachineName(*machine), c.name);
  }
}

TEST(PeMachine, RefusesWhatIsNoWindowsLibrary) {
  std::vector<uint8_t> elf = image(0x8664);
  elf[0] = 0x7F;
  std::vector<uint8_t> cut = image(0x8664);
  cut.resize(cut.size() - 1);
  std::vector<uint8_t> pointsPast = image(0x8664);
  pointsPast[0x3C + 3] = 0xFF;  // the PE header's offset, far past the end
  const std::vector<std::vector<uint8_t>> bad = {{}, elf, cut, image(0x8664, "NE\0\0"), pointsPast};
  for (const auto& bytes : bad) EXPECT_EQ(peMachineOf(bytes).error(), "not a Windows library file");
}

}  // namespace
}  // namespace easel
