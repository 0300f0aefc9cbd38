#include "desktop/widgets/picture_lookup.h"

#include <QCoreApplication>
#include <cmath>
#include <memory>
#include <optional>

#include "desktop/form/window_icon.h"
#include "rod_pictures.h"

namespace {

const std::string kIconName = "icon32";
constexpr int kIconSize = 32;

// The window icon drawn at the ratio's size, so that it stays sharp on dense screens.
QPixmap paintIconPicture(double ratio) {
    QPixmap icon = paintAbacusIcon(static_cast<int>(std::lround(kIconSize * ratio)));
    icon.setDevicePixelRatio(ratio);
    return icon;
}

std::unique_ptr<PictureCache> sharedCache;

// Lets the kept pixmaps go while the application that made them still exists.
void forgetSharedCache() { sharedCache.reset(); }

}  // namespace

QPixmap PictureCache::picture(const std::string& name, double ratio) {
    const std::optional<RodPicture> rod = rodPictureNamed(name);
    if (!rod && name != kIconName) return {};
    std::string key = name;
    if (rod) key.front() = rod->family;
    auto [kept, added] = painted_.try_emplace({std::move(key), ratio});
    if (added)
        kept->second =
            rod ? QPixmap::fromImage(paintRodPicture(*rod, ratio)) : paintIconPicture(ratio);
    return kept->second;
}

QPixmap pictureNamed(const std::string& name, double ratio) {
    if (!sharedCache) {
        sharedCache = std::make_unique<PictureCache>();
        qAddPostRoutine(forgetSharedCache);
    }
    return sharedCache->picture(name, ratio);
}
