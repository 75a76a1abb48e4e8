// A key set in a profile file's text: every other byte kept; the program's temporary file names.
#include "core/profile_text.h"
#include "core/tempname.h"
#include "test_support.h"

TEST_F(ShiftJisTest, ProfileKeySetInPlace) {
    struct { const char *text, *section, *key, *value; ProfileEdit edit; const char *after; } cases[] = {
        // text                                   section  key    value     edit   text after ("": as before)
        {"; top\r\n[a]\r\nx=1\r\n\r\n[B]\r\n k = old \r\ny=2", "b", "K", "new", kProfileEdited,
         "; top\r\n[a]\r\nx=1\r\n\r\n[B]\r\n k=new \r\ny=2"},
        {"[a]\r\nx=1\r\n\r\n[b]\r\n",             "a",     "y",   "2",      kProfileEdited,
         "[a]\r\nx=1\r\ny=2\r\n\r\n[b]\r\n"},
        {"[a]\r\nx=1",                            "c",     "k",   "v",      kProfileEdited,
         "[a]\r\nx=1\r\n\r\n[c]\r\nk=v\r\n"},
        {"[a]",                                   " a ",   "k",   "  v",    kProfileEdited,  "[a]\r\nk=v\r\n"},
        {"",                                      "s",     "k",   "v",      kProfileEdited,  "[s]\r\nk=v\r\n"},
        {"[a]\r\n[A]\r\nx=1\r\n",                 "A",     "x",   "2",      kProfileEdited,
         "[a]\r\nx=2\r\n[A]\r\nx=1\r\n"},  // the first section of the name, as the platform reads
        {"[a]\nflag\n",                           "a",     "FLAG", "1",     kProfileEdited,  "[a]\nflag=1\n"},
        {"[\x83\x61]\r\n",                        "\x83\x41", "k", "v",     kProfileEdited,
         "[\x83\x61]\r\n\r\n[\x83\x41]\r\nk=v\r\n"},  // trail bytes are no letters
        {"[a]\nx= 1 \n",                          "a",     "x",   "1",      kProfileUnchanged, ""},
        {"[a]\r\n",                               "a",     "x=y", "1",      kProfileUnwritable, ""},
        {"[a]\r\n",                               "a",     "x",   "1\r\n[b]", kProfileUnwritable, ""},
        {"[a]\r\n",                               "a]",    "x",   "1",      kProfileUnwritable, ""},
        {"\xEF\xBB\xBF[a]\r\n",                   "a",     "x",   "1",      kProfileNotCodePage, ""},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        const auto &c = cases[i];
        std::string out = "untouched";
        EXPECT_EQ(c.edit, SetProfileKey(c.text, c.section, c.key, c.value, &out)) << "row " << i;
        EXPECT_EQ(c.edit == kProfileEdited ? c.after : "untouched", out) << "row " << i;
    }
}

TEST(TempNames, OnlyTheProgramsOwnAreKnown) {
    char name[32];
    uint32_t pid = 0, start = 0;
    ASSERT_TRUE(FormatTempName(0x4D2, 0x1A2B3C4D, 0x10001, name, sizeof name));
    EXPECT_STREQ("LUMV000004D2-1A2B3C4D-0001.tmp", name);
    EXPECT_TRUE(ParseTempName(name, &pid, &start) && pid == 0x4D2 && start == 0x1A2B3C4D);
    EXPECT_FALSE(FormatTempName(1, 2, 3, name, 30));
    // the platform's own temporary names, and names like the program's that it did not make
    for (const char *other : {"LUM4D2.tmp", "LUMV000004d2-1A2B3C4D-0001.tmp", "LUMV000004D2-1A2B3C4D-0001.tmp.bak"})
        EXPECT_FALSE(ParseTempName(other, &pid, &start)) << other;
}
