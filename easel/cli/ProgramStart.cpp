#include "easel/cli/ProgramStart.h"

#ifdef _WIN32
// windows.h first: shellapi.h needs its types.
#include <windows.h>
//
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "easel/core/WindowsText.h"
#else
#include <unistd.h>
#endif

namespace contour_cli {

#ifdef _WIN32

Utf8Arguments::Utf8Arguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) {
    words_.assign(argv, argv + argc);  // the ANSI words are better than none
  } else {
    for (int i = 0; i < count; ++i) words_.push_back(easel::narrow(wide[i]));
    LocalFree(wide);
  }
  for (std::string& word : words_) pointers_.push_back(word.data());
  pointers_.push_back(nullptr);
}

namespace {

UINT consoleCodePage = 0;

void restoreConsole() { SetConsoleOutputCP(consoleCodePage); }

}  // namespace

void setUpStandardStreams() {
  // Lines end in LF as on Linux, which every console and Inkscape show alike.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  consoleCodePage = GetConsoleOutputCP();
  if (consoleCodePage != 0 && consoleCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) std::atexit(restoreConsole);
}

bool standardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

#else

Utf8Arguments::Utf8Arguments(int argc, char** argv) : words_(argv, argv + argc) {
  for (std::string& word : words_) pointers_.push_back(word.data());
  pointers_.push_back(nullptr);
}

void setUpStandardStreams() {}

// Node's runtime for WebAssembly calls every standard stream a terminal.
#if defined(__EMSCRIPTEN__)
bool standardErrorIsTerminal() { return false; }
#else
bool standardErrorIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }
#endif

#endif

}  // namespace contour_cli
