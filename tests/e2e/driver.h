// A small Win32 driver for end-to-end runs: starts the real program, finds
// its windows, reads and answers its message boxes and dialogs, and reads
// back the desktop's state through a fresh probe process.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct Program {
    HANDLE process = nullptr;
    DWORD pid = 0;
};

// Directory of the driver (ends in '\'), where the program and probe live.
std::string DriverDir();
std::string SamplesDir();
// A new empty directory for one test (ends in '\').
std::string FreshDir(const std::string &name);
bool CopyInto(const std::string &source, const std::string &destination);
bool WriteBytes(const std::string &path, const std::string &bytes);
std::string ReadBytes(const std::string &path);
bool Exists(const std::string &path);

// Starts exe with exactly this command line, in workDir.
Program Start(const std::string &exe, const std::string &commandLine, const std::string &workDir);
// Exit code, or -1 when the program has not ended in time.
int WaitExit(Program &program, DWORD timeoutMs = 20000);
void Kill(Program &program);

// A visible top-level window of the program with this class ("#32770" for
// message boxes and dialogs), waiting up to timeoutMs.
HWND WaitWindow(const Program &program, const char *className, DWORD timeoutMs = 10000);
HWND WaitWindowTitled(const Program &program, const char *className, const char *title, DWORD timeoutMs = 10000);
// True when no such window appears within timeoutMs.
bool NoWindow(const Program &program, const char *className, DWORD timeoutMs);

struct Box {
    HWND window = nullptr;
    std::string text;     // the static control 65535
    std::string caption;
    bool hasYes = false, hasNo = false, hasCancel = false, hasOk = false;
    HWND owner = nullptr;
};
Box WaitBox(const Program &program, DWORD timeoutMs = 10000);
void Answer(const Box &box, int buttonId);
// Waits until the window is gone.
bool WaitGone(HWND window, DWORD timeoutMs = 10000);

std::string WindowText(HWND window);
void SetText(HWND window, const std::string &text);
// The entries of a list box of another process, in the system code page.
std::vector<std::string> ListEntries(HWND list);
int ListSelection(HWND list);

// The nineteen colors as the desktop has them now (0x00BBGGRR).
std::vector<unsigned> ReadDesktopColors();
void SetDesktopColors(const std::vector<unsigned> &colors);
std::string ProbeWallpaper();
// Runs lv_probe.exe with arguments; its standard output.
std::string RunProbe(const std::string &arguments);

std::string ProfileValue(const char *section, const char *key, const char *file = nullptr);
void SetProfileValue(const char *section, const char *key, const char *value, const char *file = nullptr);

std::string Hex(const std::string &bytes);
