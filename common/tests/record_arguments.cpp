// A stand-in for start tests on Windows: writes the folder it ran in and each
// argument as received ("[arg]" lines) to "record" beside its own executable.

#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string record = self;
  record = record.substr(0, record.find_last_of("\\/") + 1);
  char here[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, here);
  std::FILE* out = std::fopen((record + "record.tmp").c_str(), "wb");
  if (!out) return 1;
  std::fprintf(out, "%s\n", here);
  for (int i = 1; i < argc; ++i) std::fprintf(out, "[%s]\n", argv[i]);
  std::fclose(out);
  return MoveFileA((record + "record.tmp").c_str(), (record + "record").c_str()) ? 0 : 1;
}
