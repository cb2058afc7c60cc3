#include "BenchTree.h"

#include <windows.h>

#include <utility>

#include "TestFolder.h"
#include "win/Handle.h"

const std::vector<std::string> kBuildPatterns = {"*.bsc", "*.idb", "*.obj", "*.pdb", "*.exp", "*.pch",
                                                 "*.res", "*.sbr", "*.aps", "*.ncb", "*.ilk"};
const char kBuildEntry[] = "*.bsc/*.idb/*.obj/*.pdb/*.exp/*.pch/*.res/*.sbr/*.aps/*.ncb/*.ilk";

namespace {

const std::vector<std::string> kKeptExtensions = {".cpp", ".h",   ".txt", ".c",   ".rc", ".ico",
                                                  ".bmp", ".def", ".mak", ".ini", ".rs"};
constexpr int kFilesPerFolder = 20;
constexpr int kMaxDepth = 8;

void MakeFile(const std::string& path)
{
    win::Handle(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

} // namespace

// The same seed every time, so every tree of one size is the same tree.
void MakeTree(const std::string& root, int folders)
{
    ::CreateDirectoryA(root.c_str(), nullptr);
    std::vector<std::pair<std::string, int>> made = {{root, 0}};
    unsigned seed = 12345;
    for (int i = 1; i < folders; ++i) {
        seed = seed * 1103515245 + 12345;
        const auto& parent = made[(seed >> 8) % made.size()];
        if (parent.second >= kMaxDepth) {
            --i;
            continue;
        }
        const std::string path = parent.first + "\\dir" + std::to_string(i);
        ::CreateDirectoryA(path.c_str(), nullptr);
        made.emplace_back(path, parent.second + 1);
    }
    for (const auto& folder : made) {
        for (int f = 0; f < kFilesPerFolder; ++f) {
            const size_t kind = static_cast<size_t>(f / 2) % kBuildPatterns.size();
            const std::string ext = f % 2 ? kKeptExtensions[kind] : kBuildPatterns[kind].substr(1);
            MakeFile(folder.first + "\\file" + std::to_string(f) + ext);
        }
    }
}

void CopyTree(const std::string& from, const std::string& to)
{
    RunLinux("rm -rf " + UnixPath(to) + " && cp -a " + UnixPath(from) + " " + UnixPath(to));
}
