#include <gtest/gtest.h>

#include <mbctype.h>

int main(int argc, char** argv)
{
    // As the program does first: multibyte functions follow the ANSI code page.
    _setmbcp(_MB_CP_ANSI);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
