#pragma once
// The pictures a picture box can be told to show, by name.

#include <QPixmap>
#include <string>

// The picture called `name`; a null pixmap when there is none by that name.
QPixmap pictureNamed(const std::string& name);
