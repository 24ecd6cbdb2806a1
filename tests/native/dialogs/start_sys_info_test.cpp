#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/sys_info.h"
#include "tests/fakes/memory_file_system.h"
#include "tests/fakes/message_box.h"
#include "tests/fakes/process_launcher.h"
#include "tests/fakes/registry.h"

namespace kovrena::dialogs {
namespace {

using testing::dwordValue;
using testing::FakeLauncher;
using testing::FakeRegistry;
using testing::FileOp;
using testing::MemoryFileSystem;
using testing::RecordingMessageBox;
using testing::ShownMessage;
using testing::textValue;

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kTool = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";

struct World {
  FakeRegistry registry;
  MemoryFileSystem files;
  FakeLauncher launcher;
  RecordingMessageBox messages;

  void path(RegistryValue value) { registry.set(reg::kLocalMachine, kPathKey, "PATH", std::move(value)); }
  void folder(RegistryValue value) {
    registry.set(reg::kLocalMachine, kFolderKey, "MSINFO", std::move(value));
  }
};

// The machine keys and value names of the tool are pinned by the rows below:
// the fake registry answers only under those names.
TEST(StartSysInfo, StartsTheToolOrShowsTheOneMessage) {
  struct Row {
    const char* what;
    std::function<void(World&)> arrange;
    std::vector<std::string> keysOpened;   // in order
    std::vector<std::string> fileLookups;  // existence tests made
    std::vector<std::string> starts;       // paths given to the launcher
    bool message;
  };
  const Row rows[] = {
      {"first lookup gives the path: started without an existence test",
       [](World& w) {
         w.path(textValue(u"C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe"));
         w.launcher.startable.insert(kTool);
       },
       {kPathKey}, {}, {kTool}, false},
      {"first lookup's file does not start",
       [](World& w) { w.path(textValue(u"C:\\Yok\\msinfo32.exe")); },
       {kPathKey}, {}, {"C:\\Yok\\msinfo32.exe"}, true},
      {"both keys missing: one message, nothing started",
       [](World&) {}, {kPathKey, kFolderKey}, {}, {}, true},
      {"first value of type 2: the empty path fails, second lookup not tried",
       [](World& w) {
         w.path({reg::kTypeExpandSz, testing::utf16Bytes(u"%ProgramFiles%\\msinfo32.exe")});
         w.folder(textValue(u"C:\\Tools"));
         w.files.addFile("C:\\Tools\\MSINFO32.EXE", attr::kArchive);
       },
       {kPathKey}, {}, {""}, true},
      {"first value of 0 bytes stops before the second lookup",
       [](World& w) {
         w.path({reg::kTypeSz, ""});
         w.folder(textValue(u"C:\\Tools"));
       },
       {kPathKey}, {}, {}, true},
      {"second lookup's folder holds the tool",
       [](World& w) {
         w.folder(textValue(u"C:\\Tools"));
         w.files.addFile("C:\\Tools\\MSINFO32.EXE", attr::kArchive);
         w.launcher.startable.insert("C:\\Tools\\MSINFO32.EXE");
       },
       {kPathKey, kFolderKey}, {"C:\\Tools\\MSINFO32.EXE"}, {"C:\\Tools\\MSINFO32.EXE"}, false},
      {"second lookup's folder ending in a backslash gives two",
       [](World& w) {
         w.folder(textValue(u"C:\\Tools\\"));
         w.files.addFile("C:\\Tools\\\\MSINFO32.EXE", attr::kNormal);
         w.launcher.startable.insert("C:\\Tools\\\\MSINFO32.EXE");
       },
       {kPathKey, kFolderKey}, {"C:\\Tools\\\\MSINFO32.EXE"}, {"C:\\Tools\\\\MSINFO32.EXE"}, false},
      {"first key without its value falls back to the folder",
       [](World& w) {
         w.registry.set(reg::kLocalMachine, kPathKey, "BAŞKA", textValue(u"x"));
         w.folder(textValue(u"C:\\Tools"));
         w.files.addFile("C:\\Tools\\MSINFO32.EXE", attr::kReadOnly);
         w.launcher.startable.insert("C:\\Tools\\MSINFO32.EXE");
       },
       {kPathKey, kFolderKey}, {"C:\\Tools\\MSINFO32.EXE"}, {"C:\\Tools\\MSINFO32.EXE"}, false},
      {"first value too large counts as not read",
       [](World& w) {
         w.path(textValue(std::u16string(1024, u'x')));
         w.folder(textValue(u"C:\\Tools"));
         w.files.addFile("C:\\Tools\\MSINFO32.EXE", attr::kNormal);
         w.launcher.startable.insert("C:\\Tools\\MSINFO32.EXE");
       },
       {kPathKey, kFolderKey}, {"C:\\Tools\\MSINFO32.EXE"}, {"C:\\Tools\\MSINFO32.EXE"}, false},
      {"hidden tool does not count",
       [](World& w) {
         w.folder(textValue(u"C:\\Tools"));
         w.files.addFile("C:\\Tools\\MSINFO32.EXE", attr::kHidden);
         w.launcher.startable.insert("C:\\Tools\\MSINFO32.EXE");
       },
       {kPathKey, kFolderKey}, {"C:\\Tools\\MSINFO32.EXE"}, {}, true},
      {"system tool does not count",
       [](World& w) {
         w.folder(textValue(u"C:\\Tools"));
         w.files.addFile("C:\\Tools\\MSINFO32.EXE", attr::kSystem | attr::kArchive);
       },
       {kPathKey, kFolderKey}, {"C:\\Tools\\MSINFO32.EXE"}, {}, true},
      {"folder named like the tool does not count",
       [](World& w) {
         w.folder(textValue(u"C:\\Tools"));
         w.files.addFile("C:\\Tools\\MSINFO32.EXE", attr::kDirectory);
       },
       {kPathKey, kFolderKey}, {"C:\\Tools\\MSINFO32.EXE"}, {}, true},
      {"folder without the tool",
       [](World& w) { w.folder(textValue(u"C:\\Tools")); },
       {kPathKey, kFolderKey}, {"C:\\Tools\\MSINFO32.EXE"}, {}, true},
      {"existence test fails",
       [](World& w) {
         w.folder(textValue(u"C:\\Tools"));
         w.files.faults = {{FileOp::Find, Error{21, "The device is not ready."}}};
       },
       {kPathKey, kFolderKey}, {"C:\\Tools\\MSINFO32.EXE"}, {}, true},
      {"second value of 0 bytes",
       [](World& w) { w.folder({reg::kTypeSz, ""}); },
       {kPathKey, kFolderKey}, {}, {}, true},
      {"second value a number: its text is taken as the folder",
       [](World& w) { w.folder(dwordValue(0x102)); },
       {kPathKey, kFolderKey}, {"&h000102\\MSINFO32.EXE"}, {}, true},
      {"second value of type 2 leaves the emptied path",
       [](World& w) {
         w.folder({reg::kTypeExpandSz, testing::utf16Bytes(u"%SystemRoot%")});
         w.files.addFile("\\MSINFO32.EXE", attr::kNormal);
         w.launcher.startable.insert("\\MSINFO32.EXE");
       },
       {kPathKey, kFolderKey}, {"\\MSINFO32.EXE"}, {"\\MSINFO32.EXE"}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    World world;
    row.arrange(world);
    StartSysInfo({world.registry, world.files, world.launcher, world.messages});

    std::vector<std::string> opened;
    for (const FakeRegistry::Open& open : world.registry.opens) {
      EXPECT_EQ(open.root, reg::kLocalMachine);
      EXPECT_EQ(open.access, 0x20019u) << "read access only";
      opened.push_back(open.path);
    }
    EXPECT_EQ(opened, row.keysOpened);
    EXPECT_EQ(world.registry.closes, world.registry.opened) << "every opened key is closed";
    EXPECT_EQ(world.files.lookups(), row.fileLookups);
    std::vector<std::string> started;
    for (const FakeLauncher::Start& start : world.launcher.starts) {
      EXPECT_EQ(start.showCommand, 1);
      started.push_back(start.path);
    }
    EXPECT_EQ(started, row.starts);
    if (row.message) {
      ASSERT_EQ(world.messages.shown.size(), 1u);
      EXPECT_EQ(world.messages.shown[0],
                (ShownMessage{"Sistem bilgilerinize şu an ulaşılamıyor", 0}));
    } else {
      EXPECT_TRUE(world.messages.shown.empty());
    }
  }
}

TEST(StartSysInfo, UsesTheLookupsItIsGiven) {
  World world;
  const SysInfoLookups lookups{{reg::kCurrentUser, "Software\\A", "Yol"}, {reg::kCurrentUser, "Software\\B", "Klasör"}};
  world.registry.set(reg::kCurrentUser, "Software\\B", "Klasör", textValue(u"D:\\Araçlar"));
  world.files.addFile("D:\\Araçlar\\MSINFO32.EXE", attr::kNormal);
  world.launcher.startable.insert("D:\\Araçlar\\MSINFO32.EXE");
  StartSysInfo({world.registry, world.files, world.launcher, world.messages}, lookups);
  ASSERT_EQ(world.registry.opens.size(), 2u);
  EXPECT_EQ(world.registry.opens[0], (FakeRegistry::Open{reg::kCurrentUser, "Software\\A", 0x20019}));
  EXPECT_EQ(world.registry.opens[1], (FakeRegistry::Open{reg::kCurrentUser, "Software\\B", 0x20019}));
  EXPECT_EQ(world.launcher.starts, (std::vector<FakeLauncher::Start>{{"D:\\Araçlar\\MSINFO32.EXE", 1}}));
  EXPECT_TRUE(world.messages.shown.empty());
}

}  // namespace
}  // namespace kovrena::dialogs
