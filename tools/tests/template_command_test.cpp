// lartsen-format --template: its options, the expansion per moment, and /proc memory figures.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "support/error.h"
#include "template/testing/title_fakes.h"
#include "tools/format_command.h"
#include "tools/template_command.h"
#ifndef _WIN32
#include "tools/proc_memory.h"
#endif

namespace lartsen {
namespace {

TEST(TemplateCommand, OptionsAndExpansionPerMoment) {
  const FormatCommand command = ParseFormatArguments(
      {"--locale", "ru-RU", "--template", "[%time%] %FreePhysical_fb%", "--format", "hh:nn",
       "36526.25", "2000-01-01T14:05:01", "bad"});
  ASSERT_TRUE(command.Template.has_value());
  EXPECT_EQ(*command.Template, u"[%time%] %FreePhysical_fb%");
  EXPECT_EQ(command.Format, u"hh:nn");
  ASSERT_EQ(command.Moments.size(), 3u);
  EXPECT_THROW(ParseFormatArguments({"--template"}), Error);
  EXPECT_FALSE(ParseFormatArguments({"hh", "1"}).Template.has_value());

  testing::FakeMemory memory;
  std::string out, err;
  EXPECT_EQ(RunTemplateCommand(command, BuiltinLocale("ru-RU"), memory, out, err), 1);
  EXPECT_EQ(out, "[06:00] 3000b\n[14:05] 3000b\n");
  EXPECT_NE(err.find("bad: "), std::string::npos);
}

#ifndef _WIN32
TEST(ProcMemory, ReadsMeminfoAndWritesShellLikeSizes) {
  const std::string path = ::testing::TempDir() + "meminfo_test";
  {
    std::ofstream file(path);
    file << "MemTotal:       16000000 kB\nMemFree:  100 kB\nMemAvailable:    4000000 kB\n"
            "SwapTotal:       2000000 kB\nSwapFree:        1000000 kB\n";
  }
  ProcMemory memory(u",", path);
  const MemoryStatus s = memory.GlobalMemoryStatus();
  EXPECT_EQ(s.TotalPhys, 16000000.0 * 1024);
  EXPECT_EQ(s.AvailPhys, 4000000.0 * 1024);
  EXPECT_EQ(s.MemoryLoad, 75);
  EXPECT_EQ(s.TotalPageFile, 18000000.0 * 1024);
  EXPECT_EQ(s.AvailPageFile, 5000000.0 * 1024);
  EXPECT_GT(s.TotalVirtual, s.AvailVirtual);
  std::remove(path.c_str());
  EXPECT_THROW(ProcMemory(u".", path).GlobalMemoryStatus(), Error);

  EXPECT_EQ(memory.FormatByteSize(512), u"512 bytes");
  EXPECT_EQ(memory.FormatByteSize(1536), u"1,50 KB");
  EXPECT_EQ(memory.FormatByteSize(1024 * 1024 * 15.39), u"15,3 MB");
  EXPECT_EQ(memory.FormatByteSize(1024.0 * 1024 * 1024 * 152.9), u"152 GB");
  EXPECT_EQ(memory.FormatByteSize(1023.0 * 1024), u"0,99 MB");
  EXPECT_EQ(memory.FormatByteSize(-2048), u"-2,00 KB");
}
#endif

}  // namespace
}  // namespace lartsen
