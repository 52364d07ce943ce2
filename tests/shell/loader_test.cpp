// The loader refuses files that are not plug-ins, naming the file and the
// problem; a plug-in that misuses the interface gets error codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "easel/adm/DialogManager.h"
#include "easel/core/Module.h"
#include "easel/host/PluginHost.h"

namespace {

std::string loadError(const std::string& path) {
  easel::Session session;
  easel::host::PluginHost host(session);
  try {
    host.load(path);
  } catch (const easel::LoadError& e) {
    return e.what();
  }
  return "";
}

TEST(Loader, RefusesFilesThatAreNotPlugins) {
  std::string text = ::testing::TempDir() + "not_a_library.aip";
  std::ofstream(text) << "this is text, not a library\n";
  struct Case {
    std::string path;
    std::string problem;
  };
#if defined(_WIN32)
  // Windows words the format problem its own way and has no /proc; a library
  // without resources is the module without a property list.
  const Case notALibrary{text, "not a Windows library"};
  const Case noResources{NO_PIPL_MODULE, "not a plug-in"};
#else
  const Case notALibrary{text, "not an ELF file"};
  const Case noResources{NO_RESOURCES_MODULE, "no resource section (.contour_rsrc) and no resource table"};
#endif
  for (const Case& c : {notALibrary, Case{"/definitely/missing/module.so", "module.so"}, noResources,
                        Case{NO_PIPL_MODULE, "not a plug-in"}, Case{WRONG_KIND_MODULE, "XXXX"},
                        Case{NO_ENTRY_MODULE, "entry point \"PluginMain\" is missing"}}) {
    std::string message = loadError(c.path);
    EXPECT_NE(message.find(c.problem), std::string::npos) << c.path << ": " << message;
    const std::string name = c.path.substr(c.path.rfind('/') + 1);
    std::size_t times = 0;
    for (std::size_t at = message.find(name); at != std::string::npos; at = message.find(name, at + 1)) ++times;
    EXPECT_EQ(times, 1u) << "the message names the file once: " << message;
  }
  std::remove(text.c_str());
}

TEST(Loader, AReleasedSuiteIsRefusedAndRecordedAsMisuse) {
  easel::Session session;
  session.trace.captureToMemory(true);
  easel::adm::DialogManager dialogs;
  easel::adm::DialogManagerScope scope(dialogs);
  easel::host::PluginHost host(session);
  host.load(MISBEHAVING_MODULE);
  EXPECT_EQ(host.startup(), kSuiteReleasedErr);
  ASSERT_EQ(session.misuses().size(), 1u);
  EXPECT_NE(session.misuses()[0].find("AI Art Suite"), std::string::npos);
  bool traced = false;
  for (const auto& line : session.trace.lines()) traced |= line.find("\"misuse\"") != std::string::npos;
  EXPECT_TRUE(traced);
}

}  // namespace
