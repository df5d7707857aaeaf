#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>

#include "app/IniFile.h"
#include "common/Utf.h"
#include "common/WhiteSpace.h"
#include "skin/SkinIni.h"

namespace {

// What the layout reader gives: the value, or the empty text when it is missing.
std::u16string LayoutValue(const std::string& text, const std::string& section,
                           const std::string& key) {
    SkinIni ini;
    ini.Parse(text);
    return ini.Value(Utf8ToUtf16(section), Utf8ToUtf16(key));
}

std::optional<std::string> SettingsValue(const std::string& text, const std::string& section,
                                         const std::string& key) {
    IniFile ini;
    ini.Parse(text);
    return ini.Value(section, key);
}

// The settings file and the layout files are read by the same rules.
TEST(IniText, BothReadersAgree) {
    const struct {
        const char* text;
        const char* section;
        const char* key;
        std::optional<std::string> value;  // nullopt: missing
    } cases[] = {
        {"[S]\nk=v\n", "S", "k", "v"},
        {"[s]\nK=v\n", "S", "k", "v"},
        // Every white space the C library knows is trimmed, off lines, names and values.
        {" \t[\v S \f]\r\n\fk\t=\v v \r\n", "S", "k", "v"},
        {"[S]\nk=\xC2\xA0v\n", "S", "k", "\xC2\xA0v"},  // no-break space is no white space
        {"[S]\r\nk=a\rb\r\n", "S", "k", "a\rb"},
        {"[S]\nk = a  b \n", "S", "k", "a  b"},
        // One pair of matching quotes comes off, after trimming; what they enclose stays.
        {"[S]\nk=\" v \"\n", "S", "k", " v "},
        {"[S]\nk= 'v' \n", "S", "k", "v"},
        {"[S]\nk=\"\"v\"\"\n", "S", "k", "\"v\""},
        {"[S]\nk=\"v'\n", "S", "k", "\"v'"},
        {"[S]\nk=\"\n", "S", "k", "\""},
        {"[S]\nk=\"\"\n", "S", "k", ""},
        // The first of duplicates: key, and section (a later one of that name is not read).
        {"[S]\nk=1\nK=2\n", "S", "k", "1"},
        {"[S]\nk=1\n[s]\nk=2\n", "S", "k", "1"},
        {"[S]\nj=1\n[S]\nk=2\n", "S", "k", std::nullopt},
        // Lines that hold no key.
        {"k=1\n[S]\n", "S", "k", std::nullopt},
        {"[S]\n;k=1\n", "S", "k", std::nullopt},
        {"[S]\n  ; k=1\n", "S", "; k", std::nullopt},
        {"[S]\nk\n", "S", "k", std::nullopt},
        // The name ends at the first '=' or ']'.
        {"[S]\nk==1\n", "S", "k", "=1"},
        {"[S]\n=1\n", "S", "", "1"},
        {"[S] tail\nk=1\n", "S", "k", "1"},
        {"[S\nk=1\n", "S", "k", "1"},
        {"[S]\nk=1\n[]\nj=2\n", "", "j", "2"},
        {"[S]\nk=1\n[\nj=2\n", "S", "j", std::nullopt},
        // Names are compared as given, folding A-Z only.
        {"[S]\nk=1\n", " S", "k", std::nullopt},
        {"[S]\nk=1\n", "S", "k ", std::nullopt},
        {"[\xC3\x84]\nk=1\n", "\xC3\xA4", "k", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SettingsValue(c.text, c.section, c.key), c.value) << c.text;
        EXPECT_EQ(LayoutValue(c.text, c.section, c.key), Utf8ToUtf16(c.value.value_or("")))
            << c.text;
    }
}

// The writer takes a name only when both readers find the value under it again.
TEST(IniText, WhatTheWriterAcceptsReadsBack) {
    const char* names[] = {"a",  "a b", "a;b", "a]b", "a=b",      ";a",  "[a",
                           " a", "a\t", "a\v", "",    "\xC3\x84", "a\rb"};
    for (const char* section : names) {
        for (const char* key : names) {
            IniFile ini;
            ini.Parse("[x]\ny=1\n");
            const std::string before = ini.Serialise();
            if (!ini.SetValue(section, key, "v")) {
                EXPECT_EQ(ini.Serialise(), before);
                continue;
            }
            const std::string text = ini.Serialise();
            EXPECT_EQ(SettingsValue(text, section, key), "v") << text;
            EXPECT_EQ(LayoutValue(text, section, key), u"v") << text;
            EXPECT_EQ(SettingsValue(text, "x", "y"), "1") << text;
        }
    }
}

TEST(WhiteSpace, IsTheSetOfTheCLibrary) {
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(IsWhiteSpace(char(c)), std::isspace(c) != 0) << c;
        EXPECT_EQ(IsWhiteSpace(char16_t(c)), std::isspace(c) != 0) << c;
    }
    EXPECT_FALSE(IsWhiteSpace(u'\u3000'));
    EXPECT_EQ(TrimWhiteSpace(u" \t\n\v\f\ra b\r\n"), u"a b");
}

}  // namespace
