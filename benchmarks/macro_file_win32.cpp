// Saving, backing up and opening a 1 MB macro, against writing and reading
// the same bytes plainly, in the same run (the machines are shared).
#include "macro_file_win32.h"
#include "macro_text.h"
#include "realistic_macro.h"

#include "bench_timing_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using tbbench::median;
using tbbench::millisecondsSince;
using tbbench::now;

constexpr int kRounds = 15;

double milliseconds(const std::function<void()> &work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

void plainWrite(const std::string &path, const std::string &bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string plainRead(const std::string &path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD got = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  CloseHandle(file);
  return bytes;
}

} // namespace

int main() {
  char temp[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "tamble_file_bench\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string macro = realisticMacro(1 << 20);
  const std::string display = tb::displayForm(macro.c_str());
  const std::string saved = folder + "macro.txt", plain = folder + "plain.txt";

  std::vector<double> save, backup, write, open, read;
  for (int round = 0; round < kRounds; ++round) {
    write.push_back(milliseconds([&] { plainWrite(plain, display); }));
    save.push_back(milliseconds([&] { tb::writeMacroFile(saved, macro); }));
    backup.push_back(milliseconds([&] { tb::writeMacroFile(tb::backupFilePath(), macro); }));
    read.push_back(milliseconds([&] { plainRead(plain); }));
    open.push_back(milliseconds([&] { tb::readMacroFile(saved); }));
  }
  std::printf("%d-bit; a %zu-byte macro (%zu bytes in its display form), medians of %d rounds\n",
              static_cast<int>(sizeof(void *) * 8), macro.size(), display.size(), kRounds);
  std::printf("plain write %.2f ms; save %.2f ms (%.2fx); backup %.2f ms (%.2fx)\n", median(write),
              median(save), median(save) / median(write), median(backup),
              median(backup) / median(write));
  std::printf("plain read %.2f ms; open %.2f ms (%.2fx)\n", median(read), median(open),
              median(open) / median(read));
  DeleteFileA(saved.c_str());
  DeleteFileA(plain.c_str());
  DeleteFileA(tb::backupFilePath().c_str());
  RemoveDirectoryA(folder.c_str());
  return 0;
}
