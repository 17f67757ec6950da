// Stands in for a web browser in the link tests: registered as the opener of web addresses, it
// appends its whole command line, one per line, to the file named by its first argument.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::FILE* out = std::fopen(argv[1], "ab");
  if (out == nullptr) return 1;
  std::fprintf(out, "%s\n", GetCommandLineA());
  return std::fclose(out) == 0 ? 0 : 1;
}
