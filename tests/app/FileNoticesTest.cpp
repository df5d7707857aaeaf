#include <gtest/gtest.h>

#include "app/FileNotices.h"

namespace {

const FileNoticeTexts kTexts{u"UNREADABLE:", u"SET ASIDE:", u"kept as"};

TEST(FileNotices, NothingToTellIsEmpty) {
    EXPECT_TRUE(LoadProblemText({}, kTexts).empty());
}

TEST(FileNotices, EachFileIsNamedUnderItsLead) {
    const FileProblems problems = {
        {FileProblem::Unreadable, "/h/Config/Config.data", std::nullopt},
        {FileProblem::TooLarge, "/h/Config/Profile.data", "/h/Config/Profile.data.bad"},
        {FileProblem::Unreadable, "/h/Config/macro.data", std::nullopt},
    };
    EXPECT_EQ(LoadProblemText(problems, kTexts),
              u"UNREADABLE:\n/h/Config/Config.data\n/h/Config/macro.data\n"
              u"SET ASIDE:\n/h/Config/Profile.data kept as Profile.data.bad");
}

// Twelve buttons with the longest paths a record holds still fit the dialog, and every one
// of them keeps its file name.
TEST(FileNotices, EveryProgramIsNamedWithinTheDialogsBuffer) {
    std::vector<std::u16string> programs;
    for (int i = 0; i < 12; ++i) {
        programs.push_back(u"/" + std::u16string(1900, u'd') + u"/tool" +
                           std::u16string(1, char16_t(u'a' + i)));
    }
    programs.push_back(u"/usr/bin/short");
    const std::u16string text = ProgramImportText(u"LEAD:", programs, u"IMPORT?");
    EXPECT_LE(text.size(), 999u);
    EXPECT_TRUE(text.starts_with(u"LEAD:\n/ddd"));
    EXPECT_TRUE(text.ends_with(u"\n/usr/bin/short\nIMPORT?"));
    for (int i = 0; i < 12; ++i) {
        EXPECT_NE(text.find(u"d/tool" + std::u16string(1, char16_t(u'a' + i)) + u"\n"),
                  std::u16string::npos)
            << i;
    }
}

}  // namespace
