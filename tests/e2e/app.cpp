#include "app.h"

int main(int argc, char **argv) { return testing::InitGoogleTest(&argc, argv), RUN_ALL_TESTS(); }

ProgramDir PrepareProgram(const std::string &exeName, const std::vector<std::string> &samples,
                          const std::string &suffix) {
    ProgramDir p = {FreshDir(suffix), ""};
    const char *program = getenv("LV_PROGRAM");  // another build to test, such as the 32-bit one
    std::string from = program ? program : DriverDir() + "LUMVAN32.EXE";
    EXPECT_TRUE(CopyFileA(from.c_str(), (p.exe = p.dir + exeName).c_str(), FALSE)) << from;
    for (const std::string &s : samples)
        CopyFileA((DriverDir() + "..\\..\\samples\\" + s).c_str(), (p.dir + s).c_str(), FALSE);
    SetProfile("extensions", "col", (exeName.substr(0, exeName.find_last_of('.')) + ".exe ^.col").c_str());
    return p;
}

std::string RunWith(const ProgramDir &p, const std::wstring &argument, const std::string &dir, bool box) {
    Program run = Start(p.exe, L"\"" + Wide(p.exe) + L"\" " + argument, dir);
    Box shown = box ? WaitBox(run) : Box();
    if (shown.window) Answer(shown, IDOK);
    return shown.text + (shown.window ? " | " + shown.caption + (shown.owner ? " | owned" : "") + " | " : "") +
           std::to_string(WaitExit(run));
}

App StartApp(const ProgramDir &p, const std::string &from) {
    App app = {Start(p.exe, "\"" + p.exe + "\"", from.empty() ? p.dir : from), nullptr, nullptr};
    std::string name = p.exe.substr(p.exe.find_last_of('\\') + 1);  // the class: the base name, cut to 15 bytes
    app.main = WaitWindow(app.program, name.substr(0, std::min(name.find_last_of('.'), (size_t)15)).c_str());
    app.list = GetDlgItem(FindWindowExA(app.main, nullptr, "#32770", nullptr), IDC_SCHEME_LIST);
    return Settle(app.main), app;
}

int ExitApp(App &app) { return PostCommand(app.main, IDM_EXIT), WaitExit(app.program); }

HWND OpenDialog(const App &app, int command, const char *caption) {
    return PostCommand(app.main, command), WaitWindow(app.program, "#32770", caption);
}

static int IndexOf(HWND list, const std::string &entry) {
    std::vector<std::string> e = ListEntries(list);
    auto at = std::find(e.begin(), e.end(), entry);
    return at == e.end() ? -1 : (int)(at - e.begin());
}

bool Listed(const App &app, const std::string &entry) { return IndexOf(app.list, entry) >= 0; }
void Select(HWND list, const std::string &entry) { SendMessageW(list, LB_SETCURSEL, IndexOf(list, entry), 0); }

void AnswerBoxes(const App &app, const Boxes &boxes) {
    for (const auto &b : boxes) {
        Box box = WaitBox(app.program, 20000);
        EXPECT_EQ(b.first, box.text);
        Answer(box, b.second);
    }
    Settle(app.main);
}

void Choose(const App &app, int command, const std::string &entry, const Boxes &boxes) {
    if (!entry.empty()) Select(app.list, entry);
    PostCommand(app.main, command), AnswerBoxes(app, boxes);
}

HWND OpenEditor(const App &app, const std::string &entry) {
    Select(app.list, entry);
    PostMessageA(app.main, WM_SYSCOMMAND, IDM_SYSMENU_EDIT, 0);
    return WaitDialogWith(app.program, IDC_EDIT_SCENE);
}

void PickColor(const App &app, HWND editor) {
    PostCommand(editor, IDC_EDIT_COLOR);
    HWND chooser = WaitDialogWith(app.program, 706);  // its Red, Green and Blue fields: 706 to 708
    for (int field : {706, 707, 708}) SetTextOf(GetDlgItem(chooser, field), std::to_string(10 * (field - 705)));
    EXPECT_TRUE(Close(chooser, IDOK));
}

std::string Scheme(const char *name) { return Profile("COLOR SCHEMES", name, "control.ini"); }
void SetScheme(const char *name, const char *line) { SetProfile("COLOR SCHEMES", name, line, "control.ini"); }

std::vector<COLORREF> StartingColors(const std::vector<std::pair<int, COLORREF>> &changes, unsigned count) {
    std::vector<COLORREF> c;
    for (unsigned i = 0; i < count; i++) c.push_back((0x00302010u + i * 0x000A0B07u) & 0xFFFFFFu);  // colors, no more
    for (const auto &change : changes) c[change.first] = change.second;
    return c;
}

std::string ColFile(const std::string &english, const std::string &lines) {
    return "[WindowsSystemColors] VER01.00\r\n[ENGLISH]\r\n" + english + "\r\n[ListOfColors]\r\n" + lines;
}
