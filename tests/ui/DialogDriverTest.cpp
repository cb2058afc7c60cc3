#include <gtest/gtest.h>

#include "DialogDriver.h"

TEST(DialogDriver, FindsReadsAndAnswersAMessageBoxOfAnotherThread)
{
    ui::ModalThread box([] { return static_cast<INT_PTR>(::MessageBoxA(nullptr, "本文ソ", nullptr, MB_OK)); });
    EXPECT_EQ(ui::DismissMessageBox(ui::kDefaultBoxCaption), "本文ソ");
    ASSERT_TRUE(box.Join());
    EXPECT_EQ(box.Result(), IDOK);
}

TEST(DialogDriver, ClosesWhatAFailedTestLeftOpen)
{
    {
        ui::ModalThread box([] { return static_cast<INT_PTR>(::MessageBoxA(nullptr, "x", "残り", MB_OKCANCEL)); });
        ASSERT_NE(box.WaitForDialog("残り"), nullptr);
    }
    EXPECT_EQ(ui::FindDialog("残り"), nullptr);
}
