#pragma once
// The tours ask scripts/screenshots.sh for a picture by writing "name x y
// width height" into a request file, which the script removes once the
// picture is taken.
#include <windows.h>

#include <string>

// Asks for a picture of the window as docs/help/<name>.png; answers whether
// it was taken in time.
bool RequestShot(const std::string& requestFile, const char* name, HWND window);
