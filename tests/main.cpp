#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <mbctype.h>

int main(int argc, char** argv)
{
    // As the program does first: multibyte functions follow the ANSI code page.
    _setmbcp(_MB_CP_ANSI);
    // Under Wine a crash would end the process with exit code 0: a pass.
    ::SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* info) -> LONG {
        std::fprintf(stderr, "unhandled exception %08lx\n", info->ExceptionRecord->ExceptionCode);
        std::fflush(stderr);
        ::TerminateProcess(::GetCurrentProcess(), 3);
        return EXCEPTION_EXECUTE_HANDLER;
    });
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
