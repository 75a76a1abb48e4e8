// The Windows-side tests' one driver: files, waiting, and a program of another process seen and answered as a user
// would, with the desktop's state as a fresh process reads it.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// A new empty directory under %TEMP%, named after the running test.
std::string FreshDir(const std::string &suffix = "");
std::string ReadBytes(const std::string &path);  // "<missing>" when there is none
bool WriteBytes(const std::string &path, const std::string &bytes);
int CountFiles(const std::string &pattern);
std::string DriverDir();  // beside the test programs lie the program and lv_probe
// True once done() holds; false when ms pass first.
bool WaitFor(const std::function<bool()> &done, DWORD ms = 10000);

std::wstring Wide(const std::string &text);  // from the system code page

struct Program { HANDLE process = nullptr; DWORD pid = 0; };
Program Start(const std::string &exe, std::string commandLine, const std::string &dir);
Program Start(const std::string &exe, std::wstring commandLine, const std::string &dir);  // a command line in Unicode
// The exit code; -1, with the program killed, when it has not ended in time.
int WaitExit(Program &program, DWORD ms = 20000);
HWND WindowOf(const Program &program, const char *className, const char *title = nullptr);  // a visible top-level one
HWND WaitWindow(const Program &program, const char *className, const char *title = nullptr, DWORD ms = 10000);
// A dialog of the program's holding a control of this id.
HWND WaitDialogWith(const Program &program, int controlId, DWORD ms = 10000);
// Returns once the window's thread has handled what came before.
void Settle(HWND window);

// A message box: a "#32770" window with its text in a static of IDC_LABEL's id, and neither a name field nor a scene.
struct Box { HWND window = nullptr, owner = nullptr; std::string text, caption; bool cancel = false; };
Box BoxOf(const Program &program);  // the one up now, if any
Box WaitBox(const Program &program, DWORD ms = 10000);
void Answer(const Box &box, int button);  // and waits until it is gone

std::string TextOf(HWND window);
void SetTextOf(HWND window, const std::string &text);
std::vector<std::string> ListEntries(HWND list);  // in the system code page
void PostCommand(HWND window, int id);  // a menu item, or a dialog's button
bool Close(HWND window, int button);    // a dialog by its button: true once it is gone, false for none
void Notify(HWND dialog, int id, int code);  // returns once it is handled
HWND FocusOf(HWND window);

// The desktop as a fresh process sees it (colors 0x00BBGGRR): the first nineteen colors, or count; the colors given
// are set from element 0 on.
std::vector<COLORREF> DesktopColors(size_t count = 19);
void SetDesktopColors(const std::vector<COLORREF> &colors);
std::string DesktopWallpaper();
std::string Profile(const char *section, const char *key, const char *file = nullptr);
void SetProfile(const char *section, const char *key, const char *value, const char *file = nullptr);
