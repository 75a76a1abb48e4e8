#include "files.h"

#include "../core/mbtext.h"
#include "../core/picture.h"
#include "tempfiles.h"

static const LONGLONG kLargestFileText = 0x7FFFFFFF;

void FileText::Take(HLOCAL newBlock, char *newText, DWORD newSize) {
    if (block) {
        LocalUnlock(block);
        LocalFree(block);
    }
    block = newBlock, text = newText, size = newSize, converted = false;
}

FileReadResult LoadWholeFile(const char *path, FileText *out) {
    out->Take(nullptr, nullptr, 0);
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return kFileCantOpen;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        return kFileCantOpen;
    }
    if (size.QuadPart >= kLargestFileText) {  // more than one block can hold
        CloseHandle(file);
        return kFileNoMemory;
    }
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE, (SIZE_T)size.QuadPart + 1);
    if (!block) {
        CloseHandle(file);
        return kFileNoMemory;
    }
    char *text = (char *)LocalLock(block);
    DWORD got = 0;
    if (!ReadFile(file, text, (DWORD)size.QuadPart, &got, nullptr)) got = 0;
    CloseHandle(file);
    text[got] = '\0';
    out->Take(block, text, got);
    return kFileRead;
}

// A new empty temporary file in the directory of target.
static bool MakeTempBeside(const char *target, char *tempName, size_t tempCap) {
    char dir[MAX_PATH];
    size_t dirLen = DirPartLength(target);
    if (dirLen == 0) {
        if (!CopyText(dir, sizeof dir, ".")) return false;
    } else if (!CopyBytes(dir, sizeof dir, target, dirLen)) {
        return false;
    }
    char made[MAX_PATH];
    if (!MakeOwnTempFile(dir, made, sizeof made)) return false;
    if (!CopyText(tempName, tempCap, made)) {
        DeleteFileA(made);
        return false;
    }
    return true;
}

// True when nothing is at path, or a file that may be written over: the
// rename would replace a read-only file under some systems, never under
// others.
static bool MayReplace(const char *path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes == INVALID_FILE_ATTRIBUTES ||
           !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

// Renames temp over path. A file another program has open for a moment
// (a reader, a virus scanner, an indexer) is waited for, half a second at
// most.
static bool RenameOver(const char *temp, const char *path) {
    for (int tries = 0;; tries++) {
        if (MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        DWORD error = GetLastError();
        bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
        if (!busy || tries == 20 || !MayReplace(path)) return false;
        Sleep(25);
    }
}

bool WriteFileReplacing(const char *path, const void *data, size_t size) {
    char temp[MAX_PATH];
    if (!MayReplace(path) || !MakeTempBeside(path, temp, sizeof temp)) return false;
    HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = file != INVALID_HANDLE_VALUE;
    if (ok) {
        DWORD written = 0;
        ok = WriteFile(file, data, (DWORD)size, &written, nullptr) && written == size;
        ok = FlushFileBuffers(file) && ok;
        ok = CloseHandle(file) && ok;
    }
    if (ok) ok = RenameOver(temp, path);
    if (!ok) DeleteFileA(temp);
    return ok;
}

ImportStep CopyFileReplacing(const char *source, const char *destination, char *tempName, size_t tempCap) {
    if (tempCap) tempName[0] = '\0';
    if (!MayReplace(destination)) return kImportTargetReadOnly;
    char temp[MAX_PATH];
    if (!MakeTempBeside(destination, temp, sizeof temp)) return kImportNoTemp;
    CopyTextCut(tempName, tempCap, temp);
    if (!CopyFileA(source, temp, FALSE)) {
        DeleteFileA(temp);
        return kImportCopyFailed;
    }
    if (!RenameOver(temp, destination)) {
        DeleteFileA(temp);
        return kImportRenameFailed;
    }
    return kImportDone;
}

bool SearchFileFullPath(const char *name, char *fullPath, size_t cap) {
    char found[MAX_PATH];
    char *filePart = nullptr;
    if (!name[0]) return false;
    DWORD n = SearchPathA(nullptr, name, nullptr, sizeof found, found, &filePart);
    if (n == 0 || n >= sizeof found) return false;
    DWORD attributes = GetFileAttributesA(found);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    return CopyText(fullPath, cap, found);
}

bool FileExists(const char *name) {
    // The name as it will be opened: a bare name means the current
    // directory, never a file of the same name elsewhere on the search path.
    DWORD attributes = GetFileAttributesA(name);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DeleteFileNamed(const char *path) { return DeleteFileA(path) != 0; }

bool IsPictureFile(const char *path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    unsigned char head[kPictureHeadBytes];
    DWORD got = 0;
    // A device (a console, a port) is never read: it could wait for ever.
    bool picture = GetFileType(file) == FILE_TYPE_DISK && ReadFile(file, head, sizeof head, &got, nullptr) &&
                   LooksLikePicture(head, got);
    CloseHandle(file);
    return picture;
}
