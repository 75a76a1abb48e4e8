#include "tempfiles.h"

#include <windows.h>
#include <stdint.h>

#include "../core/capacity.h"
#include "../core/mbtext.h"
#include "../core/tempname.h"

// The low 32 bits of a process's start time: with its id, what tells it
// from a later process that has been given the same id.
static uint32_t ProcessStart(HANDLE process) {
    FILETIME created, exited, kernel, user;
    return GetProcessTimes(process, &created, &exited, &kernel, &user) ? created.dwLowDateTime : 0;
}

static bool WriterRuns(uint32_t pid, uint32_t start) {
    if (pid == GetCurrentProcessId()) return start == ProcessStart(GetCurrentProcess());
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, pid);
    // A process this one may not look at is taken as running: its file stays.
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    bool runs = WaitForSingleObject(process, 0) == WAIT_TIMEOUT && ProcessStart(process) == start;
    CloseHandle(process);
    return runs;
}

static bool JoinPath(const char *dir, const char *name, char *out, size_t cap) {
    bool separated = !dir[0] || EndsWithChar(dir, '\\') || EndsWithChar(dir, ':');
    return CopyText(out, cap, dir) && (separated || AppendText(out, cap, "\\")) && AppendText(out, cap, name);
}

void SweepDeadTempFiles(const char *dir) {
    char pattern[kFullPathCap];
    if (!JoinPath(dir, kTempNamePattern, pattern, sizeof pattern)) return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        uint32_t pid, start;
        char path[kFullPathCap];
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !ParseTempName(found.cFileName, &pid, &start) ||
            WriterRuns(pid, start) || !JoinPath(dir, found.cFileName, path, sizeof path))
            continue;
        // An open that shares nothing fails while any other program holds the
        // file; the file goes when this handle closes.
        HANDLE file = CreateFileA(path, DELETE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

bool MakeOwnTempFile(const char *dir, char *out, size_t cap) {
    static unsigned s_number;
    SweepDeadTempFiles(dir);
    uint32_t pid = GetCurrentProcessId(), start = ProcessStart(GetCurrentProcess());
    for (unsigned tries = 0; tries <= 0xFFFF; tries++) {
        char name[32], path[kFullPathCap];
        if (!FormatTempName(pid, start, ++s_number, name, sizeof name) || !JoinPath(dir, name, path, sizeof path))
            return false;
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            if (CopyText(out, cap, path)) return true;
            DeleteFileA(path);
            return false;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    }
    return false;
}
