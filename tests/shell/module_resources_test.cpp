// The loader reads the plug-in's resources from the loaded module the way the
// platform stores them (an ELF section on Linux, Windows resources read with
// the system's resource functions on Windows, or the table a module exports
// where neither is at hand), and must find every resource of the compiled
// resource script with the same bytes and language.
#include <gtest/gtest.h>

#include <memory>

#include "easel/core/Module.h"
#include "easel/core/resources/ResFile.h"

namespace {

struct LoadedPlugin {
  std::unique_ptr<easel::Module> module = easel::Module::open(CONTOUR_PLUGIN_PATH);
  const easel::ResourceSource& resources() const { return module->resources(); }
};

TEST(ModuleResources, EveryCompiledResourceIsReadBackUnchanged) {
  auto compiled = easel::ResFile::load(CONTOUR_RES_FILE);
  ASSERT_TRUE(compiled) << compiled.error();
  ASSERT_FALSE(compiled->entries().empty());
  // The plug-in as this platform carries its resources, and a module that
  // carries the same ones in its exported table.
  for (const char* path : {CONTOUR_PLUGIN_PATH, TABLE_MODULE}) {
    auto module = easel::Module::open(path);
    for (const easel::ResEntry& entry : compiled->entries()) {
      auto found = module->resources().findResource(entry.type, entry.name);
      std::string what = std::string(path) + ": " + entry.type.toString() + " " + entry.name.toString();
      ASSERT_TRUE(found) << what << " is missing from the module";
      EXPECT_EQ(found->data, entry.data) << what;
      EXPECT_EQ(found->language, entry.language) << what;
    }
  }
}

TEST(ModuleResources, NamedTypesMatchWithoutRegardToCase) {
  LoadedPlugin plugin;
  auto upper = plugin.resources().find("PIPL", 16000);
  auto lower = plugin.resources().find("pipl", 16000);
  ASSERT_TRUE(upper);
  ASSERT_TRUE(lower);
  EXPECT_EQ(*upper, *lower);
}

TEST(ModuleResources, ResourcesTheModuleDoesNotCarryAreNotFound) {
  LoadedPlugin plugin;
  EXPECT_FALSE(plugin.resources().findResource("PIPL", 16001));
  EXPECT_FALSE(plugin.resources().findResource(easel::rt::Dialog, 16052));
  EXPECT_FALSE(plugin.resources().findResource("NONE", 1));
  // String block 1002 would hold ids 16016 to 16031, none of which exist.
  EXPECT_FALSE(plugin.resources().findResource(easel::rt::String, 1002));
}

}  // namespace
