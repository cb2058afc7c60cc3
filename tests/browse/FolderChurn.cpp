// Creates and deletes a folder in its working folder as fast as it can until
// a file named "stop" appears there; its exit status is the number of folders
// it made.
#include <windows.h>

int main()
{
    int made = 0;
    while (::GetFileAttributesA("stop") == INVALID_FILE_ATTRIBUTES) {
        made += ::CreateDirectoryA("Churn", nullptr) != 0;
        ::RemoveDirectoryA("Churn");
        ::Sleep(0);
    }
    // A folder that is a process's current one cannot be removed, and the
    // caller removes this one as soon as it sees this process end.
    ::SetCurrentDirectoryA("C:\\");
    return made;
}
