#include "win_fixture.h"

#include <stdio.h>

#include "../../core/mbtext.h"

void UseEdition(int edition) {
    ResetAppGlobals();
    g_app.edition = (Edition)edition;
    const char *title = edition == 0 ? "るみべいん" : edition == 1 ? "ヴェルティナ" : "Lumivane";
    CopyText(g_app.TitleString, sizeof g_app.TitleString, title);
    CopyText(g_app.BaseName, sizeof g_app.BaseName, edition == 0 ? "LUMVAN32" : "LVTEST");
}

std::string TestDir(const std::string &name) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string dir = std::string(temp) + "lvwin_" + name + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                std::string f = dir + fd.cFileName;
                SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(f.c_str());
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    return dir;
}

std::string ReadFileBytes(const std::string &path) {
    FILE *f = fopen(path.c_str(), "rb");
    if (!f) return std::string("<missing>");
    std::string s;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    fclose(f);
    return s;
}

bool WriteFileBytes(const std::string &path, const std::string &bytes) {
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

bool PathExists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

int CountFiles(const std::string &pattern) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return 0;
    int n = 0;
    do n++;
    while (FindNextFileA(h, &fd));
    FindClose(h);
    return n;
}

bool JapaneseCodePage() { return GetACP() == 932; }

std::string CurrentTestName() {
    const testing::TestInfo *info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char &c : name)
        if (c == '/') c = '_';
    return name;
}
