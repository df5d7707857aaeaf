#include <gtest/gtest.h>

#include "skin/SkinIni.h"
#include "support/TempDir.h"

namespace {

TEST(SkinIni, SectionsAndKeysIgnoreCaseAndValuesAreTrimmed) {
    SkinIni ini;
    ini.Parse(
        "; a layout\r\n"
        "[Screen]\r\n"
        "  mask =  warning\\mask.bmp  \r\n"
        "Normal=\"quoted value\"\r\n"
        "[BUTTONPOS]\r\n"
        "1=OK,10,20,80,24,Close\r\n"
        "1=second,0,0,0,0,ignored\r\n");
    EXPECT_EQ(ini.Value(u"SCREEN", u"Mask"), u"warning\\mask.bmp");
    EXPECT_EQ(ini.Value(u"screen", u"NORMAL"), u"quoted value");
    // The first of two equal keys counts, as the profile functions read it.
    EXPECT_EQ(ini.Value(u"buttonpos", u"1"), u"OK,10,20,80,24,Close");
    EXPECT_EQ(ini.Value(u"BUTTONPOS", u"2"), u"");
    EXPECT_EQ(ini.Value(u"MISSING", u"1"), u"");
}

TEST(SkinIni, KeysBeforeAnySectionAndLinesWithoutEqualsAreIgnored) {
    SkinIni ini;
    ini.Parse("Mask=outside\n[SCREEN]\njunk line\nOver=over.bmp\n");
    EXPECT_EQ(ini.Value(u"", u"Mask"), u"");
    EXPECT_EQ(ini.Value(u"SCREEN", u"junk line"), u"");
    EXPECT_EQ(ini.Value(u"SCREEN", u"Over"), u"over.bmp");
}

TEST(SkinIni, ReadsUtf8WithMarkAndUtf16) {
    SkinIni utf8;
    utf8.Parse("\xEF\xBB\xBF[S]\nk=Gr\xC3\xBC\xC3\x9F\n");
    EXPECT_EQ(utf8.Value(u"S", u"k"), u"Grüß");

    const std::u16string text = u"[S]\r\nk=Grüß\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    SkinIni utf16;
    utf16.Parse(bytes);
    EXPECT_EQ(utf16.Value(u"s", u"K"), u"Grüß");
}

TEST(SkinIni, ValuesAreHeldToTheReadBuffer) {
    SkinIni ini;
    ini.Parse("[S]\nk=" + std::string(5000, 'x') + "\n");
    EXPECT_EQ(ini.Value(u"S", u"k").size(), SkinIni::kValueUnits - 1);
}

TEST(ReadSkinString, ReadsAFileAndGivesEmptyForAMissingOne) {
    TempDir dir;
    const std::string text = "[BUTTONPOS]\n3=close,1,2,3,4,Close\n";
    WriteAll(dir.Path() / "skin_x.ini", text.data(), text.size());
    EXPECT_EQ(ReadSkinString(dir.Path() / "skin_x.ini", u"ButtonPos", u"3"),
              u"close,1,2,3,4,Close");
    EXPECT_EQ(ReadSkinString(dir.Path() / "absent.ini", u"BUTTONPOS", u"3"), u"");
}

}  // namespace
