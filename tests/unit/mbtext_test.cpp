// Path and text helpers over Shift-JIS text: ソ (0x83 0x5C) and 表 (0x95 0x5C)
// end in the byte of '\', which must never be taken for a separator.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "core/mbtext.h"
#include "test_support.h"

namespace {

using MbTextTest = ShiftJisTest;

TEST_F(MbTextTest, JapaneseLiteralsAreShiftJis) {
    // Every other case here depends on the test build turning these
    // literals into Shift-JIS with a trail byte of 0x5C.
    EXPECT_EQ(std::string("\x83\x5C"), std::string("ソ"));
    EXPECT_EQ(std::string("\x95\x5C"), std::string("表"));
}

TEST_F(MbTextTest, FindChar) {
    struct Case {
        const char *text;
        char c;
        long expected;  // offset, or -1 for none
    } cases[] = {
        {"abc", 'b', 1},
        {"abc", 'x', -1},
        {"abc", '\0', 3},
        {"", '\0', 0},
        {"", 'a', -1},
        {"a\r\nb", '\n', 2},
        {"ソ", '\\', -1},
        {"表", '\\', -1},
        {"ソ\\x", '\\', 2},
        {"C:\\表\\a", '\\', 2},
        {"表ソ", '\0', 4},
        {"a\x83", '\0', 2},  // a lead byte without its trail byte at the end
    };
    for (const Case &c : cases) {
        const char *found = FindChar(c.text, c.c);
        long got = found ? (long)(found - c.text) : -1;
        EXPECT_EQ(c.expected, got) << "FindChar(\"" << c.text << "\", " << (int)c.c << ")";
    }
}

TEST_F(MbTextTest, HasExtension) {
    struct Case {
        const char *name;
        bool expected;
    } cases[] = {
        {".col", true},
        {"a.b", true},
        {"sunset.col", true},
        {"abc", false},
        {"dir.x\\name", false},
        {"C:name", false},
        {"C:a.b", true},
        {"", false},
        {"a.b\\", false},
        {"a.ソ", true},     // the trail byte of ソ is no separator
        {"a.表", true},
        {"表.col", true},
        {"ソ\\name", false},  // a real '\' after ソ still is one
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.expected, HasExtension(c.name)) << "HasExtension(\"" << c.name << "\")";
}

TEST_F(MbTextTest, SplitPathAndDirPartLength) {
    struct Case {
        const char *path;
        const char *dir;
        const char *file;
    } cases[] = {
        {"C:name", "C:", "name"},
        {"C:\\LV\\sunset.col", "C:\\LV\\", "sunset.col"},
        {"sunset.col", "", "sunset.col"},
        {"", "", ""},
        {"\\", "\\", ""},
        {"C:\\LV\\", "C:\\LV\\", ""},
        {"a:b:c", "a:b:", "c"},
        {"ソ", "", "ソ"},
        {"C:\\ソフト\\表", "C:\\ソフト\\", "表"},
        {"C:\\表\\ソ.col", "C:\\表\\", "ソ.col"},
        {"表:ソ", "表:", "ソ"},
    };
    for (const Case &c : cases) {
        char dir[132] = "unchanged", file[132] = "unchanged";
        EXPECT_TRUE(SplitPath(c.path, dir, sizeof dir, file, sizeof file)) << "SplitPath(\"" << c.path << "\")";
        EXPECT_STREQ(c.dir, dir) << "directory part of \"" << c.path << "\"";
        EXPECT_STREQ(c.file, file) << "file name of \"" << c.path << "\"";
        EXPECT_EQ(strlen(c.dir), DirPartLength(c.path)) << "DirPartLength(\"" << c.path << "\")";
        EXPECT_STREQ(c.file, FileNamePart(c.path)) << "FileNamePart(\"" << c.path << "\")";
    }
}

TEST_F(MbTextTest, SplitPathThatDoesNotFitEmptiesBothParts) {
    struct Case {
        const char *path;
        size_t dirCap, fileCap;
        bool ok;
    } cases[] = {
        {"C:\\LV\\a.col", 7, 6, true},  // both fit exactly
        {"C:\\LV\\a.col", 6, 6, false},
        {"C:\\LV\\a.col", 7, 5, false},
        {"C:\\表\\ソ", 7, 3, true},
        {"C:\\表\\ソ", 6, 3, false},
        {"C:\\表\\ソ", 7, 2, false},
    };
    for (const Case &c : cases) {
        char dir[16] = "old", file[16] = "old";
        bool ok = SplitPath(c.path, dir, c.dirCap, file, c.fileCap);
        EXPECT_EQ(c.ok, ok) << "SplitPath(\"" << c.path << "\", " << c.dirCap << ", " << c.fileCap << ")";
        if (!ok) {
            EXPECT_STREQ("", dir) << c.path;
            EXPECT_STREQ("", file) << c.path;
        }
    }
}

TEST_F(MbTextTest, ModuleBaseName) {
    struct Case {
        const char *path;
        bool ok;
        const char *base;
    } cases[] = {
        {"C:\\A.B\\PROG", true, "A"},  // no extension: the directory's '.' is taken
        {"C:\\TOOLS\\LUMVAN32.EXE", true, "LUMVAN32"},
        {"C:\\TOOLS\\lumvan32.exe", true, "lumvan32"},
        {"LUMVAN32.EXE", true, "LUMVAN32"},
        {"C:LUMVAN32.EXE", true, "LUMVAN32"},
        {"C:\\x.y.exe", true, "x.y"},
        {"C:\\ソフト\\LUMVAN32.EXE", true, "LUMVAN32"},
        {"C:\\DIR\\表.EXE", true, "表"},
        {"C:\\ソ.EXE", true, "ソ"},
        {"C:\\TOOLS\\PROG", false, ""},
        {"", false, ""},
        {"C:\\TOOLS\\ABCDEFGHIJKLMNOP.EXE", false, ""},  // 16 bytes do not fit 16 with the NUL
        {"C:\\TOOLS\\ABCDEFGHIJKLMNO.EXE", true, "ABCDEFGHIJKLMNO"},
    };
    for (const Case &c : cases) {
        char base[16] = "";
        bool ok = ModuleBaseName(c.path, base, sizeof base);
        EXPECT_EQ(c.ok, ok) << "ModuleBaseName(\"" << c.path << "\")";
        if (c.ok) {
            EXPECT_STREQ(c.base, base) << "ModuleBaseName(\"" << c.path << "\")";
        }
    }
}

TEST_F(MbTextTest, WallpaperNamePart) {
    struct Case {
        const char *value;
        const char *name;
    } cases[] = {
        {"C:\\WINDOWS\\sunset.bmp", "sunset.bmp"},
        {"sunset.bmp", "sunset.bmp"},
        {"C:sunset.bmp", "sunset.bmp"},
        {"(none)", "(none)"},
        {"C:\\WINDOWS\\", ""},
        {"C:\\ソフト\\表.bmp", "表.bmp"},
        {"C:\\壁紙ソ.bmp", "壁紙ソ.bmp"},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_STREQ(c.name, WallpaperNamePart(c.value)) << "WallpaperNamePart(\"" << c.value << "\")";
}

TEST_F(MbTextTest, EndsWithChar) {
    struct Case {
        const char *text;
        char c;
        bool expected;
    } cases[] = {
        {"C:\\", '\\', true},
        {"C:\\TOOLS", '\\', false},
        {"\\", '\\', true},
        {"", '\\', false},
        {"C:\\ソ", '\\', false},
        {"C:\\表", '\\', false},
        {"C:\\ソ\\", '\\', true},
        {"a.col", 'l', true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.expected, EndsWithChar(c.text, c.c)) << "EndsWithChar(\"" << c.text << "\", '" << c.c << "')";
}

TEST(MbTextSingleByte, StepsByteByByteOutsideCodePage932) {
    // With code page 1252 the bytes of ソ are two characters, and the second
    // is a backslash: the choice of code page must reach the helpers.
    SetTextCodePage(1252);
    EXPECT_EQ(5u, DirPartLength("C:\\ソ"));
    EXPECT_TRUE(EndsWithChar("C:\\ソ", '\\'));
    SetTextCodePage(932);
    EXPECT_EQ(3u, DirPartLength("C:\\ソ"));
    EXPECT_FALSE(EndsWithChar("C:\\ソ", '\\'));
    SetTextCodePage(1252);
}

const char *StuckStepper(const char *p) { return p; }

TEST(MbTextPlatformStepper, StepperThatDoesNotAdvanceStillEndsTheScan) {
    SetNextCharFunction(StuckStepper);
    EXPECT_EQ(nullptr, FindChar("abc", 'x'));
    EXPECT_EQ(3u, DirPartLength("C:\\x"));
    SetTextCodePage(1252);  // back to the built-in stepping
}

// Fills a buffer with a pattern so that any byte written is seen.
struct Buffer {
    char bytes[16];
    Buffer(const char *start) {
        memset(bytes, 'Z', sizeof bytes);
        memcpy(bytes, start, strlen(start) + 1);
    }
    bool operator==(const Buffer &o) const { return memcmp(bytes, o.bytes, sizeof bytes) == 0; }
};

TEST(BoundedCopy, CopyWholeOrLeaveUnchanged) {
    enum Op { kCopy, kAppend, kBytes };
    struct Case {
        const char *name;
        Op op;
        const char *start;  // the buffer's text before the call
        const char *src;
        size_t len;  // for CopyBytes
        size_t cap;
        bool ok;
        const char *expected;
    } cases[] = {
        {"copy fits exactly", kCopy, "old", "abcd", 0, 5, true, "abcd"},
        {"copy one byte short", kCopy, "old", "abcd", 0, 4, false, "old"},
        {"copy into no room", kCopy, "old", "a", 0, 0, false, "old"},
        {"copy empty", kCopy, "old", "", 0, 1, true, ""},
        {"append fits exactly", kAppend, "ab", "cd", 0, 5, true, "abcd"},
        {"append one byte short", kAppend, "ab", "cd", 0, 4, false, "ab"},
        {"append to a full buffer", kAppend, "abc", "", 0, 4, true, "abc"},
        {"append without a NUL in cap", kAppend, "abc", "d", 0, 3, false, "abc"},
        {"bytes fit exactly", kBytes, "old", "abcdef", 3, 4, true, "abc"},
        {"bytes one short", kBytes, "old", "abcdef", 3, 3, false, "old"},
        {"bytes none", kBytes, "old", "abcdef", 0, 1, true, ""},
    };
    for (const Case &c : cases) {
        Buffer buf(c.start);
        bool ok = c.op == kCopy     ? CopyText(buf.bytes, c.cap, c.src)
                  : c.op == kAppend ? AppendText(buf.bytes, c.cap, c.src)
                                    : CopyBytes(buf.bytes, c.cap, c.src, c.len);
        EXPECT_EQ(c.ok, ok) << c.name;
        Buffer expected(c.start);
        if (c.ok) memcpy(expected.bytes, c.expected, strlen(c.expected) + 1);
        EXPECT_TRUE(expected == buf) << c.name << ": expected \"" << expected.bytes << "\", got \""
                                     << std::string(buf.bytes, strnlen(buf.bytes, sizeof buf.bytes)) << "\"";
        // Nothing is written beyond cap.
        for (size_t i = c.cap; i < sizeof buf.bytes; i++)
            if (buf.bytes[i] != expected.bytes[i]) ADD_FAILURE() << c.name << ": byte " << i << " written";
    }
}

TEST_F(MbTextTest, CopyTextCutKeepsDoubleByteCharactersWhole) {
    struct Case {
        const char *src;
        size_t cap;
        const char *expected;
    } cases[] = {
        {"abc", 10, "abc"},
        {"abc", 4, "abc"},
        {"abc", 3, "ab"},
        {"abc", 1, ""},
        {"aソb", 3, "a"},  // ソ needs two bytes, only one is left
        {"aソb", 4, "aソ"},
        {"表表", 4, "表"},
        {"表表", 5, "表表"},
        {"表", 2, ""},
        {"ソソソ", 6, "ソソ"},
    };
    for (const Case &c : cases) {
        char out[16];
        memset(out, 'Z', sizeof out);
        CopyTextCut(out, c.cap, c.src);
        EXPECT_STREQ(c.expected, out) << "CopyTextCut(\"" << c.src << "\", " << c.cap << ")";
        for (size_t i = c.cap; i < sizeof out; i++)
            if (out[i] != 'Z') ADD_FAILURE() << "CopyTextCut(\"" << c.src << "\", " << c.cap << ") wrote byte " << i;
    }
}

TEST(CompareNoCaseAscii, FoldsOnlyAsciiLetters) {
    struct Case {
        const char *a, *b;
        int sign;
    } cases[] = {
        {"LUMVAN32", "lumvan32", 0},
        {"LumVan32", "LUMVAN32", 0},
        {"LUMVAN32A", "LUMVAN32", 1},
        {"LUMVAN3", "LUMVAN32", -1},
        {"", "", 0},
        {"\xC0", "\xE0", -1},  // not letters in ASCII: compared as they are
    };
    for (const Case &c : cases) {
        int got = CompareNoCaseAscii(c.a, c.b);
        int sign = got < 0 ? -1 : got > 0 ? 1 : 0;
        EXPECT_EQ(c.sign, sign) << "CompareNoCaseAscii(\"" << c.a << "\", \"" << c.b << "\")";
    }
}

}  // namespace
