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
    block = newBlock, text = newText, size = newSize;
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

bool WriteFileReplacing(const char *path, const void *data, size_t size) {
    char temp[MAX_PATH];
    if (!MakeTempBeside(path, temp, sizeof temp)) return false;
    HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = file != INVALID_HANDLE_VALUE;
    if (ok) {
        DWORD written = 0;
        ok = WriteFile(file, data, (DWORD)size, &written, nullptr) && written == size;
        ok = FlushFileBuffers(file) && ok;
        ok = CloseHandle(file) && ok;
    }
    if (ok) ok = MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok) DeleteFileA(temp);
    return ok;
}

ImportStep CopyFileReplacing(const char *source, const char *destination, char *tempName, size_t tempCap) {
    if (tempCap) tempName[0] = '\0';
    char temp[MAX_PATH];
    if (!MakeTempBeside(destination, temp, sizeof temp)) return kImportNoTemp;
    CopyTextCut(tempName, tempCap, temp);
    if (!CopyFileA(source, temp, FALSE)) {
        DeleteFileA(temp);
        return kImportCopyFailed;
    }
    if (!MoveFileExA(temp, destination, MOVEFILE_REPLACE_EXISTING)) {
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
