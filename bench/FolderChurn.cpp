// Makes and removes a folder in its working folder until a file named "stop"
// appears there; its exit status is the number of folders it made.
#include <windows.h>

int main()
{
    int made = 0;
    while (::GetFileAttributesA("stop") == INVALID_FILE_ATTRIBUTES) {
        made += ::CreateDirectoryA("Churn", nullptr) != 0;
        ::RemoveDirectoryA("Churn");
        ::Sleep(0);
    }
    // Its caller removes the working folder as soon as this process ends.
    ::SetCurrentDirectoryA("C:\\");
    return made;
}
