#pragma once
// Positions of the pictures in the tree's bitmap strip.
enum TreePicture {
    kPictureFixed = 0,
    kPictureRemovable = 1,
    kPictureCdRom = 2,
    kPictureRemote = 3,
    kPictureRamDisk = 4,
    kPictureFolder = 5,
    kPictureOpenFolder = 6,
};
