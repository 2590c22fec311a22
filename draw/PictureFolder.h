// The program's picture folder: the pictures are read from it by the windows and orlun-cli.
#pragma once

#include <QString>

namespace orlun::draw {

// The "images" folder beside the program in the build tree, or share/orlun/images once
// installed; ends in "/". Needs the application object.
QString PictureFolder();

} // namespace orlun::draw
