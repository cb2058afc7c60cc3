#include "BenchProcess.h"

#include "DialogDriver.h"
#include "win/Handle.h"

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now;
}

double SecondsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return double(Now().QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

namespace {

void ReadAvailable(HANDLE pipe, std::string& output)
{
    char buffer[4096];
    DWORD available = 0, got = 0;
    while (::PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available &&
           ::ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got)
        output.append(buffer, got);
}

} // namespace

double TimeProcess(std::string commandLine, std::string& output)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readPipe, writePipe;
    ::CreatePipe(&readPipe, &writePipe, &inherit, 0);
    ::SetHandleInformation(readPipe, HANDLE_FLAG_INHERIT, 0);
    win::Handle reader(readPipe), writer(writePipe);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writer.Get();
    startup.hStdError = writer.Get();
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    const LARGE_INTEGER start = Now();
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &process))
        return -1;
    win::Handle thread(process.hThread), child(process.hProcess);
    writer.Reset();
    while (::WaitForSingleObject(child.Get(), 0) == WAIT_TIMEOUT) {
        ::Sleep(ui::kPollMs);
        ReadAvailable(reader.Get(), output);
    }
    const double seconds = SecondsSince(start);
    ReadAvailable(reader.Get(), output);
    return seconds;
}
