// The color-set editor in the running program, in the edition the locale gives: opened from the list's context menu, an
// element picked in the scene, a color set through the system's chooser and saved into the file changed meanwhile on
// disk (after a question: one line added, every other byte kept); Apply, then Cancel: the desktop's nineteen colors
// are back. Opened from the system menu on a control-panel scheme, Save goes through Save As and the scheme store stays
// as it was.
#include "app.h"
#include "core/scene.h"
#include "platform/gdi.h"

// Clicks where the scene shows an element, laid out as the program lays it out: its words (from the program's
// resources, in the edition's language) measured in the system font, in the system's drawing style.
static void ClickOnElement(const std::string &exe, HWND scene, int element) {
    HMODULE program = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    RECT client;
    GetClientRect(scene, &client);
    WindowDC dc(scene);
    Selection system(dc.Get(), GetStockObject(SYSTEM_FONT));  // the editor's dialogs name no font
    TEXTMETRICA font = {};
    GetTextMetricsA(dc.Get(), &font);
    int widths[kSceneWordCount] = {};
    for (int i = 0; i < kSceneWordCount; i++) {
        char word[64] = "";
        SIZE size = {};
        LoadStringA(program, SceneWordStringId(i) + (GetACP() == 932 ? IDS_JAPANESE_OFFSET : 0), word, sizeof word);
        GetTextExtentPoint32A(dc.Get(), word, (int)strlen(word), &size);
        widths[i] = size.cx;
    }
    FreeLibrary(program);
    BOOL gradient = FALSE, flat = FALSE;
    SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &gradient, 0);
    SystemParametersInfoA(SPI_GETFLATMENU, 0, &flat, 0);
    const SceneLayout layout = LayOutScene(client.right, client.bottom, font.tmHeight, widths, {!!gradient, !!flat});
    PostMessageA(scene, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(layout.sample[element].x, layout.sample[element].y));
}

// Chooses an item of the list's context menu, opened on its first entry, by the item's key.
static void ContextMenu(const App &app, char key) {
    int height = (int)SendMessageW(app.list, LB_GETITEMHEIGHT, 0, 0);
    PostMessageA(app.list, WM_RBUTTONUP, 0, MAKELPARAM(5, height / 2));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (menu = WindowOf(app.program, "#32768")) != nullptr; }));
    PostMessageA(menu, WM_CHAR, key, 0);
}

static void EditorRoads() {
    ProgramDir p = PrepareProgram();
    const std::string list =
        "[WindowsSystemColors] VER01.00\r\n[ENGLISH]\r\nDusk\r\n[ListOfColors]\r\nWindow= 4 5 6\r\n";
    const std::string paper = "[WallPaper]\r\nWallpaper= lvtile.bmp\r\nTileWallpaper= 1\r\n";
    WriteBytes(p.dir + "dusk.col", list + paper);
    SetProfile("COLOR SCHEMES", nullptr, nullptr, "control.ini"), SetScheme("Zeta", "FF");
    SetDesktopColors(StartingColors());
    App app = StartApp(p);
    ContextMenu(app, 'e');  // Edit, on dusk.col
    HWND editor = WaitDialogWith(app.program, IDC_EDIT_SCENE), elements = GetDlgItem(editor, IDC_EDIT_ELEMENTS);
    ClickOnElement(p.exe, GetDlgItem(editor, IDC_EDIT_SCENE), kColorMenu);
    EXPECT_TRUE(WaitFor([&] { return SendMessageW(elements, LB_GETCURSEL, 0, 0) == kColorMenu; }));
    EXPECT_NE("", TextOf(GetDlgItem(editor, IDC_EDIT_KEPT))) << "the file keeps the desktop's menu color";
    PickColor(app, editor);
    // Changed on disk meanwhile: written over after a question, that change kept.
    const std::string changed = list + "Scrollbar= 1 1 1\r\n";
    WriteBytes(p.dir + "dusk.col", changed + paper);
    PostCommand(editor, IDC_EDIT_SAVE);
    Box asked = WaitBox(app.program);
    EXPECT_NE(std::string::npos, asked.text.find(p.dir + "dusk.col")) << asked.text;
    Answer(asked, IDYES);
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(p.dir + "dusk.col") == changed + "Menu= 10 20 30\r\n" + paper; }))
        << ReadBytes(p.dir + "dusk.col");
    PostCommand(editor, IDC_EDIT_APPLY);
    EXPECT_TRUE(WaitFor([&] { return DesktopColors() == StartingColors({{4, 0x1E140A}, {5, 0x060504}}); }));
    PostCommand(editor, IDCANCEL);
    EXPECT_TRUE(WaitFor([&] { return DesktopColors() == StartingColors(); })) << "Cancel takes the Apply back";
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(editor); }));
    editor = OpenEditor(app, "[SYSTEM]\tZeta");
    PostCommand(editor, IDC_EDIT_SAVE);
    HWND saveAs = WaitDialogWith(app.program, IDC_FILENAME);
    EXPECT_NE(nullptr, saveAs) << "Save on a scheme is Save As";
    EXPECT_EQ("Zeta.col Zeta", TextOf(GetDlgItem(saveAs, IDC_FILENAME)) + " " +
                                   TextOf(GetDlgItem(saveAs, IDC_TITLE_ENGLISH))) << "the scheme's own name proposed";
    ASSERT_TRUE(Close(saveAs, IDCANCEL));
    PostCommand(editor, IDCANCEL);
    EXPECT_EQ(0, ExitApp(app));
    EXPECT_EQ("FF", Scheme("Zeta"));
}

TEST(Editor, EditsSavesAndTakesAnApplyBack) { EditorRoads(); }
TEST(EditorJapanese, EditsSavesAndTakesAnApplyBack) { EditorRoads(); }

// Two applies from the list, then Undo Apply from the system menu and from the list's context menu by its key: each
// earlier desktop in turn. In the editor, Apply, then OK: the colors stay when the editor closes. Save into a read-only
// file: the can't-save message, the file's bytes and attribute kept. Save into a file removed meanwhile: a question
// first, then the file again, and the entry saved still selected in the list.
static void UndoesKeepsAndRefuses() {
    ProgramDir p = PrepareProgram();
    const std::string file = ColFile("Dusk", "Window= 4 5 6\r\n");
    const std::string readOnly = p.dir + "ro.col", gone = p.dir + "gone.col";
    WriteBytes(p.dir + "a.col", ColFile("A", "Background= 1 2 3\r\n"));
    WriteBytes(p.dir + "b.col", ColFile("B", "Background= 4 5 6\r\n"));
    for (const char *name : {"gone.col", "ro.col"}) WriteBytes(p.dir + name, file);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    SetDesktopColors(StartingColors());
    App app = StartApp(p);
    Choose(app, IDM_OPEN, "(a.col)\tA", {});
    Choose(app, IDM_OPEN, "(b.col)\tB", {});
    EXPECT_EQ(StartingColors({{1, 0x060504}}), DesktopColors());
    PostMessageA(app.main, WM_SYSCOMMAND, IDM_SYSMENU_UNDO, 0);
    EXPECT_TRUE(WaitFor([&] { return DesktopColors() == StartingColors({{1, 0x030201}}); }));
    ContextMenu(app, 'u');  // Undo Apply
    EXPECT_TRUE(WaitFor([&] { return DesktopColors() == StartingColors(); }));
    HWND editor = OpenEditor(app, "(a.col)\tA");
    PostCommand(editor, IDC_EDIT_APPLY);
    ASSERT_TRUE(Close(editor, IDOK));
    EXPECT_EQ(StartingColors({{1, 0x030201}}), DesktopColors()) << "OK keeps what Apply put on the desktop";
    editor = OpenEditor(app, "(ro.col)\tDusk");
    PickColor(app, editor);
    PostCommand(editor, IDC_EDIT_SAVE);
    Box refused = WaitBox(app.program);
    EXPECT_EQ(GetACP() == 932 ? readOnly + "をセーブできません。" : "Can't save file: " + readOnly, refused.text);
    Answer(refused, IDOK);
    EXPECT_EQ(file, ReadBytes(readOnly));
    EXPECT_EQ((DWORD)FILE_ATTRIBUTE_READONLY, GetFileAttributesA(readOnly.c_str()) & FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(Close(editor, IDCANCEL));
    editor = OpenEditor(app, "(gone.col)\tDusk");
    PickColor(app, editor);
    DeleteFileA(gone.c_str());
    PostCommand(editor, IDC_EDIT_SAVE);
    Box asked = WaitBox(app.program);
    EXPECT_NE(std::string::npos, asked.text.find(gone)) << asked.text;
    EXPECT_EQ("<missing>", ReadBytes(gone)) << "asked before anything is written";
    Answer(asked, IDYES);
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(gone) == file + "Scrollbar= 10 20 30\r\n"; })) << ReadBytes(gone);
    Settle(app.main);
    EXPECT_EQ("(gone.col)\tDusk", ListEntries(app.list).at(SendMessageW(app.list, LB_GETCURSEL, 0, 0)));
    ASSERT_TRUE(Close(editor, IDCANCEL));
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(0, ExitApp(app));
}

TEST(Editor, UndoesAppliesKeepsWhatOkSaysAndRefusesToOverwrite) { UndoesKeepsAndRefuses(); }
TEST(EditorJapanese, UndoesAppliesKeepsWhatOkSaysAndRefusesToOverwrite) { UndoesKeepsAndRefuses(); }
