#pragma once
// The pictures a picture box can be told to show, by name: the abacus rods ("A35", letter
// case ignored) and the window icon ("icon32"), painted for the screen's device pixel ratio
// when first asked for and kept for the next time.

#include <QPixmap>
#include <map>
#include <string>
#include <utility>

// Painted pictures, kept by name and device pixel ratio.
class PictureCache {
  public:
    // The picture called `name` at `ratio` device pixels per pixel; a null pixmap when
    // there is none by that name.
    QPixmap picture(const std::string& name, double ratio);

  private:
    std::map<std::pair<std::string, double>, QPixmap> painted_;
};

// The picture called `name` from the program's one cache; a null pixmap when there is none.
QPixmap pictureNamed(const std::string& name, double ratio = 1.0);
