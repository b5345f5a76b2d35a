// Picture files and compiled-in picture resources.
#pragma once

#include <string>
#include <vector>

namespace sv::ui {

// 0 when the file holds a picture the program can show (GIF, PNG, BMP or JPEG), 53 when it
// does not exist, 481 when it is not a picture.
int pictureFileError(const std::string& path);

// The size in pixels of a picture file (GIF, PNG, BMP or JPEG); false when unreadable.
bool pictureFileSize(const std::string& path, int& width, int& height);

// The size in pixels of a compiled-in picture; false for an unknown name.
bool resourcePictureSize(const std::string& name, int& width, int& height);

// The names of the pictures compiled into the program ("CAM11", "FENETRE", ...).
const std::vector<std::string>& resourcePictureNames();
bool isResourcePicture(const std::string& name);

}  // namespace sv::ui
