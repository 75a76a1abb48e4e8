// What users see of the program: its version resource read back with the version API, in Japanese and in English,
// agreeing with every edition's About text; the caption buttons of its windows; and the access keys of its dialogs
// and menus.
#include <map>

#include "../../controls/scene.h"
#include "../../platform/gdi.h"
#include "../../core/resource.h"
#include "script.h"

TEST(Resources, VersionAgreesWithTheAboutTexts) {
    const std::string exe = DriverDir() + "LUMVAN32.EXE";
    std::vector<char> info(GetFileVersionInfoSizeA(exe.c_str(), nullptr));
    ASSERT_TRUE(!info.empty() && GetFileVersionInfoA(exe.c_str(), 0, (DWORD)info.size(), info.data())) << exe;
    auto value = [&](const std::string &block, const char *key) {
        char *text = nullptr;
        UINT length = 0;
        std::string path = "\\StringFileInfo\\" + block + "\\" + key;
        return VerQueryValueA(info.data(), path.c_str(), (void **)&text, &length) && text ? std::string(text) : "-";
    };
    const int lines[] = {IDS_ABOUT_PRIMARY_2, IDS_ABOUT_SIBLING_2, IDS_ABOUT_ENGLISH_2};  // each ends in the version
    char about[3][128];
    for (int i = 0; i < 3; i++) LoadStringA(nullptr, lines[i], about[i], sizeof about[i]);
    for (const char *block : {"041103A4", "040904E4"}) {  // Japanese in code page 932, English in 1252
        const std::string version = value(block, "FileVersion");
        EXPECT_EQ("Lumivane|LUMVAN32.EXE|" + version, value(block, "ProductName") + "|" +
                  value(block, "OriginalFilename") + "|" + value(block, "ProductVersion")) << block;
        for (const std::string text : about)
            EXPECT_EQ(" " + version, text.substr(text.size() - std::min(text.size(), version.size() + 1))) << text;
    }
}

// The caption buttons in every window and picture: Wine draws them with Marlett, which the prefix must hold. The close
// box is then a cross, the same mirrored left to right; without Marlett it is the letter "r" of another font.
TEST(Resources, CloseBoxIsACrossNotALetter) {
    const int w = 24, h = 22;
    WindowDC screen(nullptr);
    MemoryDC memory(CreateCompatibleDC(screen.Get()));
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), w, h));
    HDC dc = memory.Get();
    Selection drawn(dc, bitmap.Get());
    RECT r = {0, 0, w, h};
    DrawFrameControl(dc, &r, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    std::string picture;  // inside the button's 3-D edges: whatever is not its face is the glyph
    int inked = 0, unmirrored = 0;
    for (int y = 3; y < h - 3; y++, picture += '\n')
        for (int x = 3; x < w - 3; x++) {
            bool here = GetPixel(dc, x, y) != face;
            picture += here ? '#' : '.';
            inked += here;
            unmirrored += here != (GetPixel(dc, w - 1 - x, y) != face);
        }
    EXPECT_TRUE(inked > 8 && unmirrored == 0) << picture;
}

// The key a label gives, in upper case: the letter after '&' ("&&" is an ampersand), or after 0x1E in the Japanese
// menus' "(" 0x1E letter 0x1F kana ")"; 0 for none.
static char AccessKey(const std::string &text) {
    for (size_t i = 0; i + 1 < text.size(); i++) {
        if (text[i] == '&' && text[i + 1] == '&') i++;
        else if (text[i] == '&' || text[i] == '\036') return (char)toupper((unsigned char)text[i + 1]);
    }
    return 0;
}

// "first / second" for each key two of the texts share.
static std::string KeysTwice(const std::vector<std::string> &texts) {
    std::map<char, std::string> seen;
    std::string twice;
    for (const std::string &t : texts) {
        char key = AccessKey(t);
        if (key && seen.count(key)) twice += seen[key] + " / " + t + "; ";
        if (key) seen[key] = t;
    }
    return twice;
}

static void CheckMenuKeys(HMENU menu, const std::string &where) {
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); i++) {
        char text[256] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        items.push_back(text);
        if (HMENU popup = GetSubMenu(menu, i)) CheckMenuKeys(popup, where + " > " + text);
    }
    EXPECT_EQ("", KeysTwice(items)) << where;
}

// Every dialog template and menu of every edition: within a dialog, or a menu's one level, no access key twice.
TEST(Resources, NoAccessKeyTwice) {
    ASSERT_TRUE(RegisterSceneClass());
    std::map<LPCSTR, std::vector<std::string>> names = {{RT_DIALOG, {}}, {RT_MENU, {}}};
    for (auto &kind : names)
        EnumResourceNamesA(nullptr, kind.first, [](HMODULE, LPCSTR, LPSTR name, LONG_PTR list) {
            if (!IS_INTRESOURCE(name)) ((std::vector<std::string> *)list)->push_back(name);
            return TRUE;
        }, (LONG_PTR)&kind.second);
    EXPECT_FALSE(names[RT_DIALOG].empty() || names[RT_MENU].empty());
    HWND parent = CreateWindowA("static", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    for (const std::string &name : names[RT_DIALOG]) {
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), name.c_str(), parent,
                                         [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        std::vector<std::string> labels;
        for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) labels.push_back(TextOf(c));
        EXPECT_TRUE(dialog && !labels.empty()) << name;
        EXPECT_EQ("", KeysTwice(labels)) << name;
        DestroyWindow(dialog);
    }
    for (const std::string &name : names[RT_MENU]) {
        HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), name.c_str());
        CheckMenuKeys(menu, name);
        DestroyMenu(menu);
    }
    DestroyWindow(parent);
}
