#include <gtest/gtest.h>

#include <windows.h>

#include "fsutil/ErrorText.h"

TEST(GetSystemErrorText, CutsTheFinalLineBreak)
{
    const std::string text = GetSystemErrorText(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text, "ファイルが見つかりません。");
}

TEST(GetSystemErrorText, NamesTheCodeWhenTheSystemHasNoText)
{
    const DWORD code = 0x2345678;
    const std::string text = GetSystemErrorText(code);
    EXPECT_NE(text.find(std::to_string(code)), std::string::npos) << text;
}
