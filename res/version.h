// Purgox's version: the one place its numbers are written. The .rc takes
// them for the version information and the about box, CMake for the
// manifest and the name of the release archive. Plain #defines only, since
// windres and CMake read this file too.
#ifndef PURGOX_RES_VERSION_H
#define PURGOX_RES_VERSION_H

#define PURGOX_VERSION_MAJOR 1
#define PURGOX_VERSION_MINOR 0
#define PURGOX_VERSION_PATCH 0
#define PURGOX_VERSION_BUILD 1

#define PURGOX_STRINGIZE_(x) #x
#define PURGOX_STRINGIZE(x) PURGOX_STRINGIZE_(x)

// "1, 0, 0, 1": the form the version information has always shown.
#define PURGOX_VERSION_FILE_TEXT                                              \
    PURGOX_STRINGIZE(PURGOX_VERSION_MAJOR) ", "                               \
    PURGOX_STRINGIZE(PURGOX_VERSION_MINOR) ", "                               \
    PURGOX_STRINGIZE(PURGOX_VERSION_PATCH) ", "                               \
    PURGOX_STRINGIZE(PURGOX_VERSION_BUILD)

// "1.00": major, then minor and patch as one digit each, as the about box
// and the archive name show it.
#define PURGOX_VERSION_SHORT_TEXT                                             \
    PURGOX_STRINGIZE(PURGOX_VERSION_MAJOR) "."                                \
    PURGOX_STRINGIZE(PURGOX_VERSION_MINOR)                                    \
    PURGOX_STRINGIZE(PURGOX_VERSION_PATCH)

#endif // PURGOX_RES_VERSION_H
