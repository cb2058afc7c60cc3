// Creates and deletes one folder in a tight loop until it is killed: a
// drive whose folders never stop changing.
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    for (;;) {
        ::CreateDirectoryA(argv[1], nullptr);
        ::RemoveDirectoryA(argv[1]);
    }
}
