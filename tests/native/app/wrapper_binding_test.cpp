// Writing out, loading, binding and releasing the library, and handing a buffer over as a file.
#include <gtest/gtest.h>

#include <fstream>

#include "../../../service/wrapper/hvx_all_ctr.h"
#include "fake_library.h"
#include "fake_platform.h"

namespace {

std::vector<uint8_t> ReadHost(const std::string& winPath) {
  std::ifstream in(HostPath(winPath), std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteHost(const std::string& winPath, const std::vector<uint8_t>& bytes) {
  std::ofstream out(HostPath(winPath), std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class WrapperBinding : public ::testing::Test {
 protected:
  void SetUp() override {
    g_fakeLibrary.Reset();
    g_calls.clear();
  }
  std::string LibraryFile() const { return scratch.WinPath() + "\\HVX40CTR.DLL"; }
  bool Called(const std::string& op) const {
    for (const RecordedCall& call : g_calls) {
      if (call.op == op) return true;
    }
    return false;
  }

  ScratchFolder scratch;
  TestFileStore files{scratch.WinPath()};
  TestNotice notice;
  TestImage image;
  TestLoader loader;
  CToolPlatform platform{loader, files, notice, image};
};

}  // namespace

TEST_F(WrapperBinding, WritesTheEmbeddedLibraryLoadsItAndConnectsTheModel) {
  CHVXAllCtr wrapper(platform);
  EXPECT_EQ(image.bytes, ReadHost(LibraryFile()));
  EXPECT_EQ(std::vector<std::string>{LibraryFile()}, loader.loadedPaths);
  EXPECT_EQ(std::vector<std::string>{"Varnel HVX-40"}, g_fakeLibrary.connect.connected);
  EXPECT_TRUE(notice.messages.empty());
  EXPECT_EQ(kFakeInt, wrapper.GetValue_0205()) << "all five tables bound";
  EXPECT_TRUE(wrapper.ClearAllParameters());
}

TEST_F(WrapperBinding, LoadControllerReturnsTheResultOfTheFinalConnect) {
  CHVXAllCtr wrapper(platform, true);
  ASSERT_EQ(1, wrapper.extractController());
  g_fakeLibrary.connect.connectResult = false;
  EXPECT_EQ(0, wrapper.loadController());
  g_fakeLibrary.connect.connectResult = true;
  EXPECT_EQ(1, wrapper.loadController());
  EXPECT_TRUE(Called("Connect.Disconnect")) << "a rebind first closes the connection";
  EXPECT_EQ(1, loader.loadedCount) << "a rebind must not leave a second reference behind";
}

TEST_F(WrapperBinding, ExistingFileIsUsedOnlyWhenItIsTheCarriedLibrary) {
  // Same bytes (a second copy of the tool wrote them): used without writing.
  WriteHost(LibraryFile(), image.bytes);
  files.lockedPaths.insert(LibraryFile());
  CHVXAllCtr shared(platform);
  EXPECT_EQ(1u, loader.loadedPaths.size());
  EXPECT_TRUE(notice.messages.empty());
  files.lockedPaths.clear();

  // Other bytes (a stale or foreign library): replaced before loading.
  WriteHost(LibraryFile(), {'o', 'l', 'd'});
  CHVXAllCtr replaced(platform);
  EXPECT_EQ(image.bytes, ReadHost(LibraryFile()));
  EXPECT_EQ(2u, loader.loadedPaths.size());
}

TEST_F(WrapperBinding, ForeignFileThatCannotBeReplacedIsRefusedAndLeftAlone) {
  const std::vector<uint8_t> foreign{'f', 'o', 'r', 'e', 'i', 'g', 'n'};
  WriteHost(LibraryFile(), foreign);
  files.lockedPaths.insert(LibraryFile());
  CHVXAllCtr wrapper(platform);
  EXPECT_EQ(std::vector<std::string>{"Not found DLL"}, notice.messages);
  EXPECT_TRUE(loader.loadedPaths.empty()) << "the foreign library must never be loaded";
  files.lockedPaths.clear();
  wrapper.Unload();
  EXPECT_EQ(foreign, ReadHost(LibraryFile())) << "unload must not delete a file it did not write";
  EXPECT_TRUE(notice.fileErrors.empty());
}

TEST_F(WrapperBinding, UnloadableLibraryShowsNotFoundDll) {
  loader.loadFails = true;
  CHVXAllCtr wrapper(platform);
  EXPECT_EQ(std::vector<std::string>{"Not found DLL"}, notice.messages);
  EXPECT_TRUE(g_fakeLibrary.connect.connected.empty());
  EXPECT_EQ(0, wrapper.GetInputState());
}

TEST_F(WrapperBinding, FailuresBeforeLoadingShowTheirBoxOrNothing) {
  files.noTempFolder = true;
  CHVXAllCtr noTemp(platform);
  EXPECT_TRUE(loader.loadedPaths.empty());
  EXPECT_TRUE(notice.messages.empty());
  EXPECT_TRUE(notice.fileErrors.empty());
  files.noTempFolder = false;

  files.lockedPaths.insert(LibraryFile());
  CHVXAllCtr unwritable(platform);
  EXPECT_EQ(std::vector<std::string>{LibraryFile()}, notice.fileErrors);
  EXPECT_TRUE(loader.loadedPaths.empty());
  files.lockedPaths.clear();

  image.bytes.clear();
  CHVXAllCtr noImage(platform);
  EXPECT_TRUE(loader.loadedPaths.empty());
  EXPECT_FALSE(files.Exists(LibraryFile())) << "no empty library file is left behind";
}

TEST_F(WrapperBinding, MissingExportOrNullTableStopsWithNotGetDllFunc) {
  loader.missingExports.insert("GetRemoteServiceAPI");
  CHVXAllCtr missing(platform);
  EXPECT_EQ(std::vector<std::string>{"Not get DLL func"}, notice.messages);
  EXPECT_EQ(kFakeInt, missing.GetInputState()) << "tables bound before the failure stay bound";
  EXPECT_EQ(0, missing.GetValue_0205());
  EXPECT_EQ(0, missing.GetSpindleSpeed()) << "tables after the failure stay unbound";
  EXPECT_TRUE(g_fakeLibrary.connect.connected.empty()) << "no connect after a failed binding";

  notice.messages.clear();
  loader.missingExports.clear();
  loader.nullTables.insert("GetHVX40ServiceAPI");
  CHVXAllCtr nullTable(platform);
  EXPECT_EQ(std::vector<std::string>{"Not get DLL func"}, notice.messages);
  EXPECT_EQ(kFakeInt, nullTable.GetSpindleSpeed());
  EXPECT_FALSE(nullTable.ClearAllParameters());
}

TEST_F(WrapperBinding, VersionMustMatchExactly) {
  g_fakeLibrary.remoteService.version = "V100";
  CHVXAllCtr wrongService(platform);
  EXPECT_EQ(std::vector<std::string>{"NG Version of API"}, notice.messages);
  EXPECT_EQ(kFakeInt, wrongService.GetInputState()) << "connect and remote control stay bound";
  EXPECT_EQ(0, wrongService.GetValue_0205());
  EXPECT_EQ(1, loader.loadedCount) << "the library stays loaded after a binding error";

  for (const char* version : {"V1000", "v100", "V10"}) {
    g_fakeLibrary.Reset();
    notice.messages.clear();
    g_fakeLibrary.remoteControl.version = version;
    CHVXAllCtr wrapper(platform);
    EXPECT_EQ(std::vector<std::string>{"NG Version of API"}, notice.messages) << version;
    uint32_t state = 7, handshake = 7;
    EXPECT_EQ(0, wrapper.GetStatus(&state, &handshake)) << version;
    EXPECT_EQ(7u, state);
    EXPECT_TRUE(wrapper.Connect("queue")) << "only the connect table is bound";
  }
}

TEST_F(WrapperBinding, UnloadDisconnectsFreesDeletesAndClears) {
  CHVXAllCtr wrapper(platform);
  g_calls.clear();
  wrapper.Unload();
  EXPECT_TRUE(Called("Connect.Disconnect"));
  EXPECT_EQ(0, loader.loadedCount);
  EXPECT_FALSE(files.Exists(LibraryFile()));
  EXPECT_EQ(0, wrapper.GetValue_0205());
  EXPECT_TRUE(wrapper.LibraryPath().empty());

  g_calls.clear();
  CHVXAllCtr never(platform, true);
  never.Unload();
  EXPECT_TRUE(g_calls.empty());
  EXPECT_TRUE(notice.fileErrors.empty());
}

// The console program's wrapper: the library installed beside the program is loaded from there,
// nothing is written to the temporary folder, and the installation's file survives the unload.
TEST_F(WrapperBinding, AnInstalledLibraryIsLoadedWhereItLiesAndKeptAtUnload) {
  const std::string installed = scratch.WinPath() + "\\HVX40ServiceAPI.dll";
  WriteHost(installed, {1, 2, 3});
  CHVXAllCtr wrapper(platform, installed);
  EXPECT_EQ(std::vector<std::string>{installed}, loader.loadedPaths);
  EXPECT_TRUE(wrapper.IsBound());
  EXPECT_EQ(std::vector<std::string>{"Varnel HVX-40"}, g_fakeLibrary.connect.connected);
  EXPECT_FALSE(files.Exists(LibraryFile())) << "a library was written out";
  wrapper.Unload();
  EXPECT_EQ(0, loader.loadedCount);
  EXPECT_TRUE(files.Exists(installed)) << "the installed library was deleted";
  EXPECT_TRUE(notice.messages.empty());

  loader.missingExports.insert("GetHVX40ServiceAPI");
  CHVXAllCtr partial(platform, installed);
  EXPECT_FALSE(partial.IsBound());
  EXPECT_EQ(std::vector<std::string>{"Not get DLL func"}, notice.messages);
  partial.Unload();
  EXPECT_TRUE(files.Exists(installed));
}

// A normal shutdown beside another running copy is no error: the file is left to that copy.
TEST_F(WrapperBinding, TwoCopiesShareOneFileAndTheFirstToEndLeavesItSilently) {
  for (FileFault inUse : {FileFault::kAccessDenied, FileFault::kSharingViolation}) {
    CHVXAllCtr first(platform);
    CHVXAllCtr second(platform);
    EXPECT_TRUE(notice.messages.empty());
    files.removeFaults[LibraryFile()] = inUse;  // the second copy still has it loaded
    first.Unload();
    EXPECT_TRUE(notice.fileErrors.empty()) << "a file in use by the other copy was reported";
    EXPECT_TRUE(files.Exists(LibraryFile()));
    EXPECT_EQ(0, first.GetInputState()) << "fields are cleared even when the delete failed";
    files.removeFaults.clear();
    second.Unload();
    EXPECT_FALSE(files.Exists(LibraryFile()));
  }
  CHVXAllCtr broken(platform);
  files.removeFaults[LibraryFile()] = FileFault::kGeneric;
  broken.Unload();
  EXPECT_EQ(std::vector<std::string>{LibraryFile()}, notice.fileErrors) << "a real fault is told";
}

TEST_F(WrapperBinding, OutputBufferHandsOverExactlyTheBytesAndLeavesNoFile) {
  CHVXAllCtr wrapper(platform);
  const std::string outputFile = scratch.WinPath() + "\\outputfile";
  const char data[] = {'G', '0', 0, '\n', 'M', '3'};
  for (bool sendResult : {true, false}) {
    g_fakeLibrary.control.outputResult = sendResult;
    EXPECT_EQ(sendResult, wrapper.OutputBuffer(data, sizeof data, "cut job"));
    EXPECT_EQ(outputFile, g_fakeLibrary.control.sentPath);
    EXPECT_EQ("cut job", g_fakeLibrary.control.sentJob);
    EXPECT_EQ(std::vector<uint8_t>(data, data + sizeof data), g_fakeLibrary.control.sentBytes);
    EXPECT_FALSE(files.Exists(outputFile));
  }
  // A job the machine took stays sent when only the clean-up failed: a caller seeing false would
  // send it again and the machine would cut twice.
  EXPECT_TRUE(notice.fileErrors.empty());
  files.removeFaults[outputFile] = FileFault::kAccessDenied;
  for (bool sendResult : {true, false}) {
    g_fakeLibrary.control.outputResult = sendResult;
    EXPECT_EQ(sendResult, wrapper.OutputBuffer(data, sizeof data, "cut job"));
  }
  EXPECT_EQ((std::vector<std::string>{outputFile, outputFile}), notice.fileErrors)
      << "the failed clean-up is shown on its own";
}

TEST_F(WrapperBinding, OutputBufferRefusesWithoutTableTempFolderOrWritableFile) {
  const char data[] = "abc";
  CHVXAllCtr unbound(platform, true);
  EXPECT_FALSE(unbound.OutputBuffer(data, 3, "job"));
  EXPECT_FALSE(files.Exists(scratch.WinPath() + "\\outputfile"));

  CHVXAllCtr wrapper(platform);
  g_calls.clear();
  files.noTempFolder = true;
  EXPECT_FALSE(wrapper.OutputBuffer(data, 3, "job"));
  files.noTempFolder = false;
  files.lockedPaths.insert(scratch.WinPath() + "\\outputfile");
  EXPECT_FALSE(wrapper.OutputBuffer(data, 3, "job"));
  EXPECT_EQ(1u, notice.fileErrors.size());
  EXPECT_FALSE(Called("Control.OutputFile"));
}
