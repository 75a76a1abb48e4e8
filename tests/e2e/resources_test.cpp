// The built executable carries every resource of the program, by name and
// tagged Japanese (0x411), and the string table has exactly its entries.
#include <algorithm>
#include <iterator>

#include "fixture.h"

namespace {

const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

struct NamedResource {
    LPCSTR type;
    const char *name;
};

TEST(Resources, EveryNamedResourceIsInTheExecutable) {
    HMODULE exe = LoadLibraryExA((DriverDir() + "LUMVAN32.EXE").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(exe);
    const NamedResource resources[] = {
        {RT_MENU, "lumvmenu"},         {RT_MENU, "lumvenglish"},     {RT_DIALOG, "ENGPANELDLG"},
        {RT_DIALOG, "JPNPANELDLG"},    {RT_DIALOG, "ENGADD"},        {RT_DIALOG, "JPNADD"},
        {RT_DIALOG, "SAVEASENGLISH"},  {RT_DIALOG, "SAVEASVELTINA"}, {RT_DIALOG, "SAVEASLUMIVANE"},
        {RT_ACCELERATOR, "LumvAccel"}, {RT_GROUP_ICON, "LUMVICON"},  {RT_BITMAP, "LVLOGO"},
    };
    for (const NamedResource &r : resources)
        EXPECT_TRUE(FindResourceExA(exe, r.type, r.name, kJapanese)) << r.name;
    FreeLibrary(exe);
}

TEST(Resources, StringTableHoldsIdsTwoToFortyNineWithItsGaps) {
    HMODULE exe = LoadLibraryExA((DriverDir() + "LUMVAN32.EXE").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(exe);
    const int absent[] = {0, 1, 8, 11, 16, 21, 26, 27, 28, 32, 39, 47, 50};
    for (int id = 0; id <= 50; id++) {
        bool shouldExist = std::find(std::begin(absent), std::end(absent), id) == std::end(absent);
        wchar_t text[256];
        int n = LoadStringW(exe, id, text, 256);
        EXPECT_EQ(shouldExist, n > 0) << "string " << id;
    }
    char title[13];
    EXPECT_EQ(8, LoadStringA(exe, 42, title, sizeof title));
    EXPECT_STREQ("Lumivane", title);
    FreeLibrary(exe);
}

TEST(Resources, AcceleratorTurnsReturnIntoOpen) {
    HMODULE exe = LoadLibraryExA((DriverDir() + "LUMVAN32.EXE").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(exe);
    HRSRC found = FindResourceExA(exe, RT_ACCELERATOR, "LumvAccel", kJapanese);
    ASSERT_TRUE(found);
    ASSERT_EQ(8u, SizeofResource(exe, found));
    const WORD *entry = (const WORD *)LockResource(LoadResource(exe, found));
    const WORD expected[4] = {0x0081, 0x000D, 410, 0};
    for (int i = 0; i < 4; i++) EXPECT_EQ(expected[i], entry[i]) << "word " << i;
    FreeLibrary(exe);
}

}  // namespace
