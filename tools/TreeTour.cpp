// Opens the folder tree at a folder with Japanese names on P: and asks
// scripts/screenshots.sh to photograph it: it writes "name x y width
// height" to the request file (the one argument) and waits until the script
// has removed it. The folders are gone again at the end.
#include <windows.h>
#include <mbctype.h>

#include <string>

#include "ShotRequest.h"
#include "TestFolder.h"
#include "TreeDialog.h"

namespace {

const char kWork[] = "P:\\作業";

void MakeFolders(const std::string& root)
{
    for (const char* relative : {"", "\\プロジェクト", "\\プロジェクト\\ソース", "\\プロジェクト\\ソース\\出力",
                                 "\\プロジェクト\\資料", "\\プロジェクト\\ﾃｽﾄ", "\\画像", "\\表計算"})
        ::CreateDirectoryA((root + relative).c_str(), nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    _setmbcp(_MB_CP_ANSI);
    if (argc != 2)
        return 2;
    MakeFolders(kWork);
    bool shot = false;
    {
        TreeDialog dlg(std::string(kWork) + "\\プロジェクト\\ソース", "処理開始ﾌｫﾙﾀﾞの選択");
        ::Sleep(300);
        shot = RequestShot(argv[1], "folder-tree", dlg.Dialog());
        dlg.Close(IDCANCEL);
    }
    RemoveTree(kWork);
    return shot ? 0 : 1;
}
