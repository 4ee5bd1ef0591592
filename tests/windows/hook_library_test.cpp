// Tamblecore.dll is loaded into every program that gets keyboard input while
// a recording runs: what loading it brings along, read from its headers, and
// its one-time set-up when many threads of a program use it at once.
#include "tamblecore.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

using AnalyzeFn = ST_KEYENTRY *(__cdecl *)(const char *, int *);
using FreeFn = int(__cdecl *)(ST_KEYENTRY *);

const BYTE *imageOf(HMODULE module) { return reinterpret_cast<const BYTE *>(module); }

const IMAGE_NT_HEADERS *headersOf(HMODULE module) {
  const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(module);
  return reinterpret_cast<const IMAGE_NT_HEADERS *>(imageOf(module) + dos->e_lfanew);
}

std::string lower(std::string text) {
  for (char &c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// "module!function" for every function the image imports by name.
std::set<std::string> importsOf(HMODULE module) {
  std::set<std::string> imports;
  const IMAGE_DATA_DIRECTORY &directory =
      headersOf(module)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.VirtualAddress == 0) return imports;
  for (const auto *dll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(
           imageOf(module) + directory.VirtualAddress);
       dll->Name; ++dll) {
    const std::string name = lower(reinterpret_cast<const char *>(imageOf(module) + dll->Name));
    const DWORD lookup = dll->OriginalFirstThunk ? dll->OriginalFirstThunk : dll->FirstThunk;
    for (const auto *thunk = reinterpret_cast<const IMAGE_THUNK_DATA *>(imageOf(module) + lookup);
         thunk->u1.AddressOfData; ++thunk) {
      if (IMAGE_SNAP_BY_ORDINAL(thunk->u1.Ordinal)) continue;
      const auto *byName =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME *>(imageOf(module) + thunk->u1.AddressOfData);
      imports.insert(name + "!" + reinterpret_cast<const char *>(byName->Name));
    }
  }
  return imports;
}

std::string folderOfThisProgram() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

// Codes and args of an analysed text, the end entry included.
std::string analyzed(HMODULE module, const char *text) {
  auto analyze = reinterpret_cast<AnalyzeFn>(
      reinterpret_cast<void *>(GetProcAddress(module, "TBAnalyzeSendKey")));
  auto release =
      reinterpret_cast<FreeFn>(reinterpret_cast<void *>(GetProcAddress(module, "TBFreeKeyTable")));
  int errorPos = 0;
  ST_KEYENTRY *table = analyze(text, &errorPos);
  if (!table) return "error " + std::to_string(errorPos);
  std::string out;
  for (const ST_KEYENTRY *e = table;; ++e) {
    out.append(std::to_string(e->code)).append(",").append(std::to_string(e->arg)).append(" ");
    if (e->code == TB_CODE_END) break;
  }
  release(table);
  return out;
}

TEST(HookLibrary, LoadingItSetsUpNoThreadStorageAndNeedsOnlyTheSystem) {
  HMODULE module = GetModuleHandleA("Tamblecore.dll");
  ASSERT_NE(module, nullptr);
  const IMAGE_DATA_DIRECTORY &tls =
      headersOf(module)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_TLS];
  EXPECT_EQ(tls.VirtualAddress, 0u) << "a TLS directory, set up in every hooked program";
  EXPECT_EQ(tls.Size, 0u);

  const std::set<std::string> imports = importsOf(module);
  ASSERT_FALSE(imports.empty());
  const std::set<std::string> system = {"kernel32.dll", "user32.dll", "advapi32.dll", "msvcrt.dll"};
  for (const std::string &import : imports) {
    const std::string dll = import.substr(0, import.find('!'));
    EXPECT_EQ(system.count(dll), 1u) << import;
    // Exit-time code would be registered with the program's own runtime and
    // called after the library is gone.
    for (const char *exitTime : {"!atexit", "!_onexit", "!__dllonexit"})
      EXPECT_EQ(import.find(exitTime), std::string::npos) << import;
  }
  // The hook procedures' own calls are among them: the table was read right.
  EXPECT_EQ(imports.count("user32.dll!CallNextHookEx"), 1u);
  EXPECT_EQ(imports.count("user32.dll!PostMessageA"), 1u);
}

// A copy under another name is a fresh library: nothing built yet. Threads
// that analyse at once all need its key-name index and its system services,
// which each is built once, by one of them, before any of them uses it.
TEST(HookLibrary, AFreshCopyBuildsWhatItSharesOnceForThreadsThatStartTogether) {
  char temp[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, temp);
  const std::string copy =
      std::string(temp) + "tb_fresh_" + std::to_string(GetCurrentProcessId()) + ".dll";
  ASSERT_TRUE(CopyFileA((folderOfThisProgram() + "Tamblecore.dll").c_str(), copy.c_str(), FALSE));
  const char *const text = "{Enter}{f5}{CLEAR 2}{Num_-}^(c)";
  const std::string expected = analyzed(GetModuleHandleA("Tamblecore.dll"), text);
  ASSERT_NE(expected.rfind("error", 0), 0u) << expected;

  for (int round = 0; round < 3; ++round) {
    HMODULE fresh = LoadLibraryA(copy.c_str());
    ASSERT_NE(fresh, nullptr);
    ASSERT_NE(fresh, GetModuleHandleA("Tamblecore.dll"));
    HANDLE start = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    constexpr int kThreads = 8;
    std::vector<std::string> results(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
      threads.emplace_back([&, t] {
        WaitForSingleObject(start, INFINITE);
        for (int i = 0; i < 20; ++i) {
          const std::string result = analyzed(fresh, text);
          if (result != expected) {
            results[t] = result;
            return;
          }
        }
        results[t] = expected;
      });
    SetEvent(start);
    for (std::thread &thread : threads) thread.join();
    CloseHandle(start);
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(results[t], expected) << "thread " << t;
    // Unloaded and loaded again: built afresh the next round.
    EXPECT_TRUE(FreeLibrary(fresh));
  }
  DeleteFileA(copy.c_str());
}

} // namespace
