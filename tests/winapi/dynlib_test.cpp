#include "dynlib.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "proc_maps.h"

namespace {

using ProbeFn = const char *(*)();

// Runs the test body with the current directory set to a folder, then goes back.
class InDirectory {
 public:
  explicit InDirectory(const std::string &dir) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~InDirectory() { std::filesystem::current_path(old_); }

 private:
  std::filesystem::path old_;
};

std::string PlaceOf(HMODULE module) {
  auto probe = reinterpret_cast<ProbeFn>(GetProcAddress(module, "ProbePlace"));
  return probe ? probe() : "(no probe)";
}

TEST(LoadLibrarySearch, FindsEachNameWhereTheOrderSays) {
  InDirectory cwd(PLANT_DIR);
  struct Case {
    const char *name;
    const char *expectedPlace;  // the probe's answer, or "" for a real system library
  } cases[] = {
      {"search_probe.so", "program"},        // program directory beats the current one
      {"current_only_probe.so", "current"},  // the current directory is searched last
      {"libm.so.6", ""},                     // the system's search beats the current one
      {"./search_probe.so", "current"},      // a name with a directory is used as given
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    ModuleHandle module(LoadLibraryA(c.name));
    ASSERT_TRUE(module) << LastLibraryError();
    if (*c.expectedPlace) {
      EXPECT_EQ(PlaceOf(module.get()), c.expectedPlace);
    } else {
      EXPECT_EQ(GetProcAddress(module.get(), "ProbePlace"), nullptr);
      EXPECT_NE(GetProcAddress(module.get(), "cos"), nullptr);
      EXPECT_EQ(ModuleFileName(module.get()).find(PLANT_DIR), std::string::npos);
    }
  }
}

TEST(LoadLibrarySearch, FreeLibraryUnmapsTheLastLoad) {
  const std::string path = std::string(TEST_BIN_DIR) + "/search_probe.so";
  ASSERT_FALSE(IsFileMapped(path));
  HMODULE first = LoadLibraryA("search_probe.so");
  HMODULE second = LoadLibraryA("search_probe.so");
  ASSERT_TRUE(first && second);
  EXPECT_EQ(ModuleFileName(first), path);
  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_TRUE(IsFileMapped(path)) << "one load is still held";
  EXPECT_TRUE(FreeLibrary(second));
  EXPECT_FALSE(IsFileMapped(path));
  EXPECT_FALSE(FreeLibrary(nullptr));
}

TEST(LoadLibraryErrors, SayWhichFileWhereAndWhy) {
  const std::string junk = std::string(TEST_BIN_DIR) + "/not_a_library.so";
  std::ofstream(junk) << std::string(256, 'x');  // long enough to be read as a header

  EXPECT_EQ(LoadLibraryA("no_such_library.dll"), nullptr);
  std::string why = LastLibraryError();
  for (const std::string &part :
       {std::string("no_such_library.dll"), std::string("program directory ") + TEST_BIN_DIR,
        std::string("system library search"),
        "current directory " + std::filesystem::current_path().string(),
        std::string("No such file")})
    EXPECT_NE(why.find(part), std::string::npos) << "missing \"" << part << "\" in: " << why;

  EXPECT_EQ(LoadLibraryA("not_a_library.so"), nullptr);
  why = LastLibraryError();
  EXPECT_NE(why.find(junk), std::string::npos) << why;
  EXPECT_NE(why.find("ELF"), std::string::npos) << "the system's own words: " << why;
  EXPECT_EQ(why.find("current directory"), std::string::npos)
      << "a broken file in the program directory ends the search: " << why;

  EXPECT_EQ(LoadLibraryA("/nowhere/qolvix_sms.dll"), nullptr);
  EXPECT_NE(LastLibraryError().find("/nowhere/qolvix_sms.dll"), std::string::npos);

  ModuleHandle module(LoadLibraryA("search_probe.so"));
  ASSERT_TRUE(module);
  EXPECT_EQ(GetProcAddress(module.get(), "SendSms"), nullptr);
  why = LastLibraryError();
  EXPECT_NE(why.find("\"SendSms\""), std::string::npos) << why;
  EXPECT_NE(why.find(std::string(TEST_BIN_DIR) + "/search_probe.so"), std::string::npos) << why;
  std::filesystem::remove(junk);
}

}  // namespace
