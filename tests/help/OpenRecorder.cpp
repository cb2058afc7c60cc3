// Stands in for the web browser: the help test makes it the program that
// opens .html files. Appends the file it was asked to open to the record
// file. Arguments: the record file, the file to open.
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    std::ofstream(argv[1], std::ios::app | std::ios::binary) << argv[2] << '\n';
    return 0;
}
