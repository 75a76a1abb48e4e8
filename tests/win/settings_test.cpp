// What the program keeps in win.ini and control.ini, against Wine's real profile files.
#include "../../app/startup.h"
#include "../../colors/schemes.h"
#include "../../colors/syscolors.h"
#include "../../commands/fix.h"
#include "../../commands/install.h"
#include "../../core/mbtext.h"
#include "../../core/tempname.h"
#include "../../platform/tempfiles.h"
#include "script.h"

// A whole set: what it names, in one call, and nothing else; a color the desktop did not take (some Wine keeps no
// ButtonAlternateFace) is never reported as applied.
TEST(Settings, WholeSetAppliedAsTheDesktopTakesIt) {
    const WholeColorSet before = DesktopWholeColors();
    const int32_t face = RGB(1, 2, 3), bar = RGB(4, 5, 6);
    WholeColorSet set = WholeKept;
    set.value[kColorButtonAlternateFace] = face, set.value[kColorMenuBar] = bar;
    const WholeColorSet taken = ApplyColors(set), after = DesktopWholeColors();
    ApplyColors(before);
    EXPECT_EQ(bar, taken.value[kColorMenuBar]);
    EXPECT_EQ(bar, after.value[kColorMenuBar]);
    const int32_t faceShown = after.value[kColorButtonAlternateFace];
    EXPECT_EQ(faceShown == face ? face : kKeepColor, taken.value[kColorButtonAlternateFace]);
    for (int i = 0; i < kColorButtonAlternateFace; i++) {
        EXPECT_EQ(kKeepColor, taken.value[i]) << i;
        EXPECT_EQ(before.value[i], after.value[i]) << i;
    }
}

// Built from the whole base name; a value too long to be read back whole is never written.
TEST(Settings, AssociationIsKeptOrWrittenWhole) {
    const std::string longest(119, 'L');  // its value fills the 129 bytes it is read back into
    struct { std::string baseName; const char *stored; std::string after; } cases[] = {
        // base name     stored value       value after the start-up
        {"LUMVAN32",     "LUMVAN32.exe",    "LUMVAN32.exe"},  // a leading part of the value: ours
        {"LUMVAN32",     "lumvan32.exe ^.col", "LUMVAN32.exe ^.col"},  // another case: another program
        {"LUMVAN32",     "",                "LUMVAN32.exe ^.col"},
        {longest,        "keep.exe ^.col",  longest + ".exe ^.col"},
        {longest + "L",  "keep.exe ^.col",  "keep.exe ^.col"},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        SetProfile("extensions", "col", c.stored);
        EXPECT_EQ(c.after != c.stored, RegisterColAssociation(c.baseName.c_str())) << "row " << i;
        EXPECT_EQ(c.after, Profile("extensions", "col")) << "row " << i;
    }
}

TEST(Settings, WorkDirHolds127BytesAndItsBackslash) {
    std::string dir = FreshDir(), fits = dir + std::string(127 - dir.size(), 'w');
    struct { std::string current; bool taken; std::string workDir; } cases[] = {
        // current directory  taken  WorkDir (C:\KEEP\ before)
        {"C:\\",              true,  "C:\\"},
        {fits,                true,  fits + "\\"},
        {fits + "w",          false, "C:\\KEEP\\"},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        CreateDirectoryA(c.current.c_str(), nullptr);
        ASSERT_TRUE(SetCurrentDirectoryA(c.current.c_str())) << "row " << i;
        CopyText(g_addState.WorkDir, sizeof g_addState.WorkDir, "C:\\KEEP\\");
        EXPECT_EQ(c.taken, InitWorkDir()) << "row " << i;
        EXPECT_EQ(c.workDir, g_addState.WorkDir) << "row " << i;
    }
    SetCurrentDirectoryA("C:\\");
}

// A profile file that cannot be written: a directory stands in its place.
struct Blocked {
    std::string path;
    explicit Blocked(const char *name) : path(std::string("C:\\windows\\") + name) {
        MoveFileA(path.c_str(), (path + ".saved").c_str()), CreateDirectoryA(path.c_str(), nullptr);
    }
    ~Blocked() { RemoveDirectoryA(path.c_str()), MoveFileA((path + ".saved").c_str(), path.c_str()); }
};

// Fix writes what it can and tells which file it could not write; a scheme that cannot be written is answered No, so
// that Install all goes on.
TEST(Settings, FailedWritesAreTold) {
    struct { Edition edition; const char *blocked; std::string told; const char *current; } cases[] = {
        {kEditionEnglish, "win.ini", "Can't write the settings into win.ini", ""},
        {kEditionPrimary, "control.ini", "control.iniに設定を書き込めません。", "Sunset"}};
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        UseEdition(c.edition);
        SetProfile("CURRENT", "COLOR SCHEMES", "Sunset", "control.ini");
        ScriptBoxes({IDYES});
        {
            Blocked block(c.blocked);
            FixWithCurrentColorCommand(CommandArgs{nullptr, nullptr, nullptr});
        }
        EXPECT_EQ(c.told, ShownTexts().back()) << "row " << i;
        EXPECT_EQ((UINT)(MB_OK | MB_ICONHAND), g_shown.back().type);
        EXPECT_EQ(c.current, Profile("CURRENT", "COLOR SCHEMES", "control.ini")) << "row " << i;
    }
    Blocked block("control.ini");
    ScriptBoxes();
    EXPECT_EQ(kInstallSkipped, WriteScheme(GreetingColors, "blocked.col"));
    EXPECT_EQ(std::vector<std::string>{"control.iniに設定を書き込めません。"}, ShownTexts());
}

// Names the profile would take for another key, a section or a comment are refused.
TEST(Settings, SchemeNamesTheProfileCannotHoldAreRefused) {
    UseEdition(kEditionEnglish);
    for (const char *name : {"a=b.col", "[x].col", ";c.col"}) {
        ScriptBoxes();
        EXPECT_EQ(kInstallSkipped, InstallFileEntry((std::string("(") + name + ")\tTitle").c_str())) << name;
        EXPECT_EQ(std::vector<std::string>{"Can't install this file name into system: " + std::string(name)},
                  ShownTexts());
        EXPECT_EQ("", Profile("COLOR SCHEMES", "a", "control.ini") + Profile("x", nullptr, "control.ini")) << name;
    }
}

// Another program's hold on the settings, from a thread of its own: taken, then let go when asked, or never (the
// thread ends holding it, which leaves the lock abandoned).
struct Holder {
    HANDLE held = CreateEventA(nullptr, TRUE, FALSE, nullptr), letGo = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread;
    explicit Holder(bool lettingGo) : thread(CreateThread(nullptr, 0, Hold, lettingGo ? this : nullptr, 0, nullptr)) {
        if (lettingGo) WaitForSingleObject(held, INFINITE);
        else WaitForSingleObject(thread, INFINITE);
    }
    ~Holder() { SetEvent(letGo), WaitForSingleObject(thread, INFINITE); }
    static DWORD WINAPI Hold(void *holder) {
        HANDLE lock = CreateMutexA(nullptr, FALSE, "Lumivane.ProfileLock");
        WaitForSingleObject(lock, INFINITE);
        if (holder) SetEvent(((Holder *)holder)->held), WaitForSingleObject(((Holder *)holder)->letGo, INFINITE);
        if (holder) ReleaseMutex(lock);
        return CloseHandle(lock), 0;
    }
};

// A holder that does not let go: the command waits once, writes nothing, and says so once.
TEST(Settings, LockedSettingsAreNeverWritten) {
    UseEdition(kEditionEnglish);
    SetProfile("CURRENT", "COLOR SCHEMES", "Sunset", "control.ini"), SetProfile("colors", "Background", "1 2 3");
    {
        Holder holder(true);
        ScriptBoxes({IDYES});
        ProfileCommand command;
        FixWithCurrentColorCommand(CommandArgs{nullptr, nullptr, nullptr});
    }
    EXPECT_EQ("The settings are locked by another program. Nothing was written into win.ini", ShownTexts().back());
    EXPECT_EQ(2u, g_shown.size()) << "the question, then one word of the lock";
    EXPECT_EQ("Sunset|1 2 3",
              Profile("CURRENT", "COLOR SCHEMES", "control.ini") + "|" + Profile("colors", "Background"));
}

// A write puts a whole new file in place, every other byte kept, and leaves no temporary file; nothing is put back
// later, not even a copy an earlier version left beside an emptied file with the lock abandoned. (A key the platform
// keeps in the registry goes there: the colors Fix records survive a restart of Wine, in scripts/test.)
TEST(Settings, ProfilesAreWrittenWholeAndNeverTakenBack) {
    const std::string control = "C:\\windows\\control.ini", copy = control + ".lv-backup";
    WriteBytes(control, "; kept\n[CURRENT]\nCOLOR SCHEMES=Sunset\n"), WriteBytes(copy, "[CURRENT]\r\nx=Old\r\n");
    EXPECT_EQ(kProfileWritten, WritePrivateProfileText("CURRENT", "COLOR SCHEMES", "Kept", "control.ini"));
    EXPECT_EQ("; kept\n[CURRENT]\nCOLOR SCHEMES=Kept\n", ReadBytes(control));
    EXPECT_EQ(0, CountFiles("C:\\windows\\LUMV*.tmp"));
    WriteBytes(control, "");
    Holder ended(false);
    EXPECT_EQ(kProfileWritten, WritePrivateProfileText("CURRENT", "x", "New", "control.ini"));
    EXPECT_EQ("[CURRENT]\r\nx=New\r\n|[CURRENT]\r\nx=Old\r\n", ReadBytes(control) + "|" + ReadBytes(copy));
    DeleteFileA(copy.c_str());
}

// Leftovers of a writer that has ended go; this process's own, one another program holds open, and names not of the
// program's form stay.
TEST(Settings, TempFilesOfEndedWritersAreSwept) {
    std::string dir = FreshDir();
    char own[MAX_PATH], ended[32], held[32];
    ASSERT_TRUE(MakeOwnTempFile(dir.c_str(), own, sizeof own));
    FormatTempName(GetCurrentProcessId(), 0, 1, ended, sizeof ended);  // this id, another start: an ended process
    FormatTempName(GetCurrentProcessId(), 0, 2, held, sizeof held);
    for (const char *name : {(const char *)ended, (const char *)held, "LUM1A2B.tmp"}) WriteBytes(dir + name, "left");
    const DWORD all = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE open = CreateFileA((dir + held).c_str(), GENERIC_READ, all, nullptr, OPEN_EXISTING, 0, nullptr);
    SweepDeadTempFiles(dir.c_str());
    CloseHandle(open);
    std::string after = ReadBytes(own) + "|" + ReadBytes(dir + ended) + "|" + ReadBytes(dir + held);
    EXPECT_EQ("|<missing>|left|left", after + "|" + ReadBytes(dir + "LUM1A2B.tmp"));
}
