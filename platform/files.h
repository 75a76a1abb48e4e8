// Files: read whole, written and copied through a temporary file that
// replaces the target in one rename.
#pragma once
#include <windows.h>
#include <stddef.h>

enum FileReadResult { kFileRead, kFileCantOpen, kFileNoMemory };
// The whole text of a file in one movable block, locked, with a NUL after
// its bytes; the block is freed when the FileText goes.
struct FileText {
    HLOCAL block = nullptr;
    char *text = nullptr;
    DWORD size = 0;
    bool converted = false;  // the bytes on disk were in another encoding
    FileText() = default;
    ~FileText() { Take(nullptr, nullptr, 0); }
    FileText(const FileText &) = delete;
    FileText &operator=(const FileText &) = delete;
    // Frees the block held and holds this one (locked, as read) instead.
    void Take(HLOCAL newBlock, char *newText, DWORD newSize);
};
FileReadResult LoadWholeFile(const char *path, FileText *out);

// Writes data to a temporary file beside path, flushes it and renames it over
// path in one step. On any failure path is as it was and the temporary file
// is gone. A read-only file (or a directory) at path is never replaced.
bool WriteFileReplacing(const char *path, const void *data, size_t size);
// Copies source over destination the same way: through a temporary file in
// the destination's directory, then one rename. The result tells what failed.
enum ImportStep { kImportDone, kImportTargetReadOnly, kImportNoTemp, kImportCopyFailed, kImportRenameFailed };
ImportStep CopyFileReplacing(const char *source, const char *destination, char *tempName, size_t tempCap);

// True when the file exists at that name, as the file operations will open
// it (a bare name in the current directory).
bool FileExists(const char *name);
// The platform's file search: a bare name is looked for in the program's
// directory, the current directory, the system directories, the Windows
// directory and PATH. The full path found.
bool SearchFileFullPath(const char *name, char *fullPath, size_t cap);
bool DeleteFileNamed(const char *path);
// True when path is a file on a disk (not a device) that begins as a picture
// the desktop can show does.
bool IsPictureFile(const char *path);
