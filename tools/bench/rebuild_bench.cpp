// Rebuild of the scheme list in the running program, run by hand under Wine
// (scripts/bench-rebuild); not part of the test suite.
//
// 1. Speed: a program directory with 1,000 and then 10,000 small color-set
//    files, one in five of them a theme, and 500 schemes in control.ini. The list is rebuilt by sending
//    the panel its rebuild message (a sent message returns only when the
//    list is complete). Each rebuild is paired with one pass of a minimal
//    reader in this process that lists the same files (one walk of the
//    directory keeping both kinds), reads each one whole and reads the
//    scheme names: the floor. Both are timed alternately, so
//    that a busy machine slows both alike. Aims: the rebuild at most 1.2
//    times the floor, and 10,000 files at most 12 times 1,000 files.
// 2. Resources: 1,000 cycles of select the first entry, Open (apply) and
//    rebuild on a directory of 50 files. The program's GDI and USER object
//    counts, handles, windows and memory are read before and after.
//
// Usage: lv_rebuild_bench [rebuilds at 1,000] [rebuilds at 10,000] [cycles]
// LUMVAN32.EXE and lv_probe.exe must lie beside this program.
#include <windows.h>
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/colfile_text.h"
#include "core/colorset.h"
#include "core/scheme_codec.h"
#include "core/theme_text.h"
#include "core/resource.h"
#include "tests/driver/driver.h"

namespace {

const int kSchemeCount = 500;
const int kRebuildMessage = WM_APP;  // the panel's rebuild message
const DWORD kSendTimeoutMs = 300000;

// The colors of every file: all files alike, so that each Open applies the
// same colors.
ColorSet BenchColors() {
    ColorSet set;
    for (int i = 0; i < kElementCount; i++) set.value[i] = MakeColor(40 + i * 9, 80 + i * 5, 120 + i * 3);
    return set;
}

const char *const kWords[] = {"Dusk", "Meadow", "Slate", "Harbour evening", "Paper", "Ink and rust",
                              "Winter", "Quiet office", "Deep sea", "Autumn orchard", "Chalk", "Sand"};
const int kWordCount = (int)(sizeof kWords / sizeof kWords[0]);

// One file in five is a theme.
bool IsTheme(int n) { return n % 5 == 4; }

std::string FileName(int n) {
    char name[32];
    snprintf(name, sizeof name, IsTheme(n) ? "set%05d.theme" : "set%05d.col", n);
    return name;
}

bool EndsWith(const char *name, const char *extension) {
    size_t n = strlen(name), e = strlen(extension);
    return n >= e && _stricmp(name + n - e, extension) == 0;
}

// A program directory: a copy of the program and count color-set files
// with titles of varying length in all three editions, and themes.
bool MakeProgramDir(const std::string &dir, int count) {
    if (!CopyFileA((DriverDir() + "LUMVAN32.EXE").c_str(), (dir + "LUMVAN32.EXE").c_str(), FALSE)) {
        printf("cannot copy %sLUMVAN32.EXE\n", DriverDir().c_str());
        return false;
    }
    ColorSet colors = BenchColors();
    for (int n = 0; n < count; n++) {
        char primary[64], english[96];
        snprintf(primary, sizeof primary, "Set %d", n);
        snprintf(english, sizeof english, "%s %d%s", kWords[n % kWordCount], n,
                 n % 3 == 0 ? " (with a longer title than most)" : "");
        std::string text;
        ComposeResult composed = IsTheme(n) ? ComposeThemeFile(WholeOf(colors), english, nullptr, 0, &text)
                                            : ComposeColorSetFile(colors, primary, primary, english, nullptr, 0, &text);
        if (composed != kComposed ||
            !WriteBytes(dir + FileName(n), text)) {
            printf("cannot write %s%s\n", dir.c_str(), FileName(n).c_str());
            return false;
        }
    }
    return true;
}

void RemoveProgramDir(const std::string &dir) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((dir + fd.cFileName).c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

// The section text "name=line\0...\0\0" of the schemes.
std::string SchemeSection() {
    std::string section;
    for (int n = 0; n < kSchemeCount; n++) {
        ColorSet set;
        for (int i = 0; i < kElementCount; i++) set.value[i] = MakeColor(n % 256, (n * 7) % 256, i * 13);
        char line[kLineCap];
        EncodeSchemeLine(set, line, sizeof line);
        char entry[kLineCap + 64];
        snprintf(entry, sizeof entry, "%s scheme %03d=%s", kWords[n % kWordCount], n, line);
        section.append(entry);
        section.push_back('\0');
    }
    section.push_back('\0');
    return section;
}

std::string ReadSection(const char *section, const char *file) {
    std::vector<char> text(65536);
    DWORD n = GetPrivateProfileSectionA(section, &text[0], (DWORD)text.size(), file);
    return std::string(&text[0], n + 1);  // with the final NUL of the last line
}

void WriteSection(const char *section, const std::string &text, const char *file) {
    if (text.size() <= 1)
        WritePrivateProfileStringA(section, nullptr, nullptr, file);
    else
        WritePrivateProfileSectionA(section, text.c_str(), file);
}

double Now() {
    static LARGE_INTEGER frequency = {};
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)frequency.QuadPart;
}

struct Stats {
    double median = 0, mean = 0, best = 0;
};

Stats Summarise(std::vector<double> t) {
    Stats s;
    if (t.empty()) return s;
    std::sort(t.begin(), t.end());
    size_t n = t.size();
    s.median = n % 2 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2;
    for (double v : t) s.mean += v;
    s.mean /= (double)n;
    s.best = t[0];
    return s;
}

struct Running {
    Program program;
    HWND main = nullptr, panel = nullptr, list = nullptr;
};

Running StartProgram(const std::string &dir) {
    Running r;
    std::string exe = dir + "LUMVAN32.EXE";
    r.program = Start(exe, "\"" + exe + "\"", dir);
    r.main = WaitWindow(r.program, "LUMVAN32", nullptr, 300000);
    if (r.main) {
        r.panel = FindWindowExA(r.main, nullptr, "#32770", nullptr);
        r.list = r.panel ? GetDlgItem(r.panel, IDC_SCHEME_LIST) : nullptr;
    }
    return r;
}

void StopProgram(Running &r) {
    if (r.main) PostMessageA(r.main, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 0), 0);
    WaitExit(r.program, 20000);
}

// False when the program did not answer in time (a message box waiting for
// an answer, for example).
bool SendToPanel(const Running &r, UINT message, WPARAM wParam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(r.panel, message, wParam, 0, SMTO_NORMAL, kSendTimeoutMs, &result) != 0;
}

int EntryCount(const Running &r) { return (int)SendMessageW(r.list, LB_GETCOUNT, 0, 0); }

// The floor: list the files of both kinds in one walk, read each whole, read
// the scheme names.
std::vector<char> g_buffer;
int g_floorFiles = 0, g_floorSchemes = 0;

void ReadLikeTheFloor(const std::string &dir) {
    g_floorFiles = 0;
    g_floorSchemes = 0;
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA((dir + "*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (fd.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM) ||
                !(EndsWith(fd.cFileName, ".col") || EndsWith(fd.cFileName, ".theme")))
                continue;
            char path[MAX_PATH];
            snprintf(path, sizeof path, "%s%s", dir.c_str(), fd.cFileName);
            HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file == INVALID_HANDLE_VALUE) continue;
            DWORD size = GetFileSize(file, nullptr);
            if (g_buffer.size() < (size_t)size + 1) g_buffer.resize((size_t)size + 1);
            DWORD got = 0;
            if (ReadFile(file, &g_buffer[0], size, &got, nullptr) && got == size) g_floorFiles++;
            CloseHandle(file);
        } while (FindNextFileA(find, &fd));
        FindClose(find);
    }
    static char names[32767];
    GetPrivateProfileStringA("COLOR SCHEMES", nullptr, "", names, sizeof names, "control.ini");
    for (const char *p = names; *p; p += strlen(p) + 1) g_floorSchemes++;
}

struct SpeedResult {
    int files = 0;
    Stats rebuild, floor;
    bool ok = false;
};

SpeedResult MeasureSpeed(int files, int rebuilds) {
    SpeedResult result;
    result.files = files;
    char dirName[32];
    snprintf(dirName, sizeof dirName, "rebuild_%d", files);
    std::string dir = FreshDir(dirName);
    printf("\n%d files: writing them...\n", files);
    if (!MakeProgramDir(dir, files)) return result;
    double start = Now();
    Running r = StartProgram(dir);
    if (!r.list) {
        printf("the program's window or list did not appear\n");
        StopProgram(r);
        return result;
    }
    printf("started with %d entries in %.2f s\n", EntryCount(r), Now() - start);
    // One pass of each untimed, so that both find the files in the cache.
    if (!SendToPanel(r, kRebuildMessage, 0)) {
        printf("the rebuild did not return within %lu s\n", kSendTimeoutMs / 1000);
        StopProgram(r);
        return result;
    }
    ReadLikeTheFloor(dir);
    std::vector<double> rebuildTimes, floorTimes;
    for (int k = 0; k < rebuilds; k++) {
        double t0 = Now();
        bool answered = SendToPanel(r, kRebuildMessage, 0);
        double t1 = Now();
        ReadLikeTheFloor(dir);
        double t2 = Now();
        if (!answered) {
            printf("the rebuild did not return within %lu s\n", kSendTimeoutMs / 1000);
            StopProgram(r);
            return result;
        }
        rebuildTimes.push_back(t1 - t0);
        floorTimes.push_back(t2 - t1);
    }
    int entries = EntryCount(r);
    result.ok = entries == files + kSchemeCount && g_floorFiles == files && g_floorSchemes == kSchemeCount;
    printf("list: %d entries (expected %d); floor read %d files and %d scheme names\n", entries,
           files + kSchemeCount, g_floorFiles, g_floorSchemes);
    result.rebuild = Summarise(rebuildTimes);
    result.floor = Summarise(floorTimes);
    printf("%d rebuilds: median %.1f ms, mean %.1f ms, best %.1f ms\n", rebuilds, result.rebuild.median * 1e3,
           result.rebuild.mean * 1e3, result.rebuild.best * 1e3);
    printf("floor:       median %.1f ms, mean %.1f ms, best %.1f ms\n", result.floor.median * 1e3,
           result.floor.mean * 1e3, result.floor.best * 1e3);
    StopProgram(r);
    RemoveProgramDir(dir);
    return result;
}

struct Resources {
    DWORD gdi = 0, user = 0, gdiError = 0, userError = 0, handles = 0;
    int windows = 0;
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    bool memoryRead = false;
};

BOOL CALLBACK CountChildren(HWND, LPARAM count) {
    (*(int *)count)++;
    return TRUE;
}

struct WindowCount {
    DWORD pid;
    int count;
};

BOOL CALLBACK CountWindowsOf(HWND window, LPARAM lParam) {
    WindowCount *c = (WindowCount *)lParam;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != c->pid) return TRUE;
    c->count++;
    EnumChildWindows(window, CountChildren, (LPARAM)&c->count);
    return TRUE;
}

Resources ReadResources(const Running &r) {
    Resources s;
    SetLastError(0);
    s.gdi = GetGuiResources(r.program.process, GR_GDIOBJECTS);
    s.gdiError = GetLastError();
    SetLastError(0);
    s.user = GetGuiResources(r.program.process, GR_USEROBJECTS);
    s.userError = GetLastError();
    if (!GetProcessHandleCount(r.program.process, &s.handles)) s.handles = 0;
    s.memory.cb = sizeof s.memory;
    s.memoryRead =
        GetProcessMemoryInfo(r.program.process, (PROCESS_MEMORY_COUNTERS *)&s.memory, sizeof s.memory) != 0;
    WindowCount c = {r.program.pid, 0};
    EnumWindows(CountWindowsOf, (LPARAM)&c);
    s.windows = c.count;
    return s;
}

void PrintResources(const char *when, const Resources &s) {
    printf("%-22s GDI %4lu  USER %4lu  handles %4lu  windows %3d  working set %7.1f KB  pagefile %7.1f KB"
           "  private %7.1f KB\n",
           when, s.gdi, s.user, s.handles, s.windows, s.memory.WorkingSetSize / 1024.0,
           s.memory.PagefileUsage / 1024.0, s.memory.PrivateUsage / 1024.0);
}

void PrintDifference(const char *label, double before, double after, const char *unit) {
    printf("  %-13s %10.1f -> %10.1f %s (%+.1f)\n", label, before, after, unit, after - before);
}

bool MeasureResources(int cycles) {
    const int files = 50;
    std::string dir = FreshDir("rebuild_cycles");
    printf("\n%d cycles of select, Open and rebuild, %d files and %d schemes:\n", cycles, files, kSchemeCount);
    if (!MakeProgramDir(dir, files)) return false;
    Running r = StartProgram(dir);
    if (!r.list) {
        printf("the program's window or list did not appear\n");
        StopProgram(r);
        return false;
    }
    const int warmUp = 10;
    Resources atStart = ReadResources(r), afterWarmUp, atEnd;
    double start = Now();
    for (int k = 0; k < warmUp + cycles; k++) {
        if (k == warmUp) afterWarmUp = ReadResources(r);
        SendMessageW(r.list, LB_SETCURSEL, 0, 0);
        if (!SendToPanel(r, WM_COMMAND, MAKEWPARAM(IDOK, 0)) || !SendToPanel(r, kRebuildMessage, 0)) {
            printf("cycle %d: the program did not answer (a message box?)\n", k);
            StopProgram(r);
            return false;
        }
    }
    double seconds = Now() - start;
    atEnd = ReadResources(r);
    int entries = EntryCount(r);
    printf("%d cycles in %.1f s (%.1f ms each); list: %d entries (expected %d)\n", warmUp + cycles, seconds,
           seconds * 1e3 / (warmUp + cycles), entries, files + kSchemeCount);
    // The colors as a new process sees them: those of the files.
    std::vector<COLORREF> seen = DesktopColors();
    ColorSet expected = BenchColors();
    int nearest = 0;
    for (int i = 0; i < kElementCount && i < (int)seen.size(); i++)
        if (seen[i] == (unsigned)expected.value[i]) nearest++;
    printf("desktop colors afterwards: %d of %d elements are the files' colors\n", nearest, kElementCount);

    PrintResources("at start", atStart);
    PrintResources("after 10 cycles", afterWarmUp);
    PrintResources("after all cycles", atEnd);
    if (atEnd.gdi == 0 && atEnd.user == 0)
        printf("GetGuiResources gives 0 for both (last error %lu, %lu): the platform does not count GDI and USER"
               " objects here\n",
               atEnd.gdiError, atEnd.userError);
    if (atEnd.handles == 0) printf("GetProcessHandleCount gives no count for another process here\n");
    if (!atEnd.memoryRead) printf("GetProcessMemoryInfo failed (error %lu)\n", GetLastError());
    printf("from 10 cycles to the end:\n");
    PrintDifference("GDI objects", afterWarmUp.gdi, atEnd.gdi, "");
    PrintDifference("USER objects", afterWarmUp.user, atEnd.user, "");
    PrintDifference("handles", afterWarmUp.handles, atEnd.handles, "");
    PrintDifference("windows", afterWarmUp.windows, atEnd.windows, "");
    PrintDifference("working set", afterWarmUp.memory.WorkingSetSize / 1024.0, atEnd.memory.WorkingSetSize / 1024.0,
                    "KB");
    PrintDifference("pagefile", afterWarmUp.memory.PagefileUsage / 1024.0, atEnd.memory.PagefileUsage / 1024.0,
                    "KB");
    PrintDifference("private", afterWarmUp.memory.PrivateUsage / 1024.0, atEnd.memory.PrivateUsage / 1024.0, "KB");
    bool ok = entries == files + kSchemeCount && nearest == kElementCount;
    StopProgram(r);
    RemoveProgramDir(dir);
    return ok;
}

int Argument(int argc, char **argv, int index, int fallback) {
    if (argc <= index) return fallback;
    int v = atoi(argv[index]);
    return v > 0 ? v : fallback;
}

}  // namespace

int main(int argc, char **argv) {
    setvbuf(stdout, nullptr, _IONBF, 0);  // progress shows while it runs
    int rebuildsSmall = Argument(argc, argv, 1, 21);
    int rebuildsLarge = Argument(argc, argv, 2, 7);
    int cycles = Argument(argc, argv, 3, 1000);

    // The schemes, the association (so that no first-run question comes)
    // and the colors are put back at the end.
    std::string savedSchemes = ReadSection("COLOR SCHEMES", "control.ini");
    char savedAssociation[260];
    GetProfileStringA("extensions", "col", "", savedAssociation, sizeof savedAssociation);
    std::vector<COLORREF> savedColors = DesktopColors();
    WriteSection("COLOR SCHEMES", SchemeSection(), "control.ini");
    WriteProfileStringA("extensions", "col", "LUMVAN32.exe ^.col");

    SpeedResult small = MeasureSpeed(1000, rebuildsSmall);
    SpeedResult large = MeasureSpeed(10000, rebuildsLarge);
    bool resourcesOk = MeasureResources(cycles);

    WriteSection("COLOR SCHEMES", savedSchemes, "control.ini");
    WriteProfileStringA("extensions", "col", savedAssociation[0] ? savedAssociation : nullptr);
    if (savedColors.size() == (size_t)kElementCount) SetDesktopColors(savedColors);

    printf("\nSummary (median of the rebuilds; floor = list, read every file whole, read the scheme names)\n");
    printf("%8s %12s %12s %8s   %s\n", "files", "rebuild ms", "floor ms", "ratio", "(best of each: ms, ms, ratio)");
    for (const SpeedResult *s : {&small, &large}) {
        double ratio = s->floor.median > 0 ? s->rebuild.median / s->floor.median : 0;
        double bestRatio = s->floor.best > 0 ? s->rebuild.best / s->floor.best : 0;
        printf("%8d %12.1f %12.1f %8.2f   (%.1f, %.1f, %.2f)%s\n", s->files, s->rebuild.median * 1e3,
               s->floor.median * 1e3, ratio, s->rebuild.best * 1e3, s->floor.best * 1e3, bestRatio,
               s->ok ? "" : "  (run failed)");
    }
    double growth = small.rebuild.median > 0 ? large.rebuild.median / small.rebuild.median : 0;
    double floorGrowth = small.floor.median > 0 ? large.floor.median / small.floor.median : 0;
    printf("10,000 files against 1,000: rebuild %.2f times, floor %.2f times\n", growth, floorGrowth);
    bool ratioMet = small.ok && large.ok && small.rebuild.median <= 1.2 * small.floor.median &&
                    large.rebuild.median <= 1.2 * large.floor.median;
    bool growthMet = small.ok && large.ok && growth <= 12;
    printf("at most 1.2 times the floor: %s\n", ratioMet ? "met" : "NOT met");
    printf("10,000 files at most 12 times 1,000: %s\n", growthMet ? "met" : "NOT met");
    printf("cycles ran through: %s\n", resourcesOk ? "yes" : "NO");
    return small.ok && large.ok && resourcesOk ? 0 : 1;
}
