#include "ui/platform/SharedPictures.h"

#include "ui/platform/UiResources.h"

namespace lettrava {

namespace {
QPixmap load(const char* name, qreal ratio)
{
    QPixmap p(QStringLiteral(":/pictures/") + QLatin1String(name));
    p.setDevicePixelRatio(ratio);
    return p;
}
} // namespace

const SharedPictures& SharedPictures::instance()
{
    static const SharedPictures pictures;
    return pictures;
}

SharedPictures::SharedPictures()
{
    initialiseUiResources();
    woodA = load("wood_a.png", 2);
    woodB = load("wood_b.png", 2);
    defaultWallpaper = load("wallpaper_default.png", 2);
    static const char* tileNames[6] = {"tile1.png", "tile2.png", "tile3.png", "tile4.png", "tile5.png", "tile6.png"};
    for (std::size_t i = 0; i < tiles.size(); ++i)
        tiles[i] = load(tileNames[i], 4);
    lowColourTile = load("tile_low.png", 4);
    pushButtons[0] = load("button_up.png", 2);
    pushButtons[1] = load("button_down.png", 2);
    soundReady = load("sound_ready.png", 2);
    soundMissing = load("sound_missing.png", 2);
    soundStop = load("sound_stop.png", 2);
    faces_[0] = load("face_new.png", 2);
    faces_[1] = load("face_continue.png", 2);
    faces_[2] = load("face_howto.png", 2);
    faces_[3] = load("face_join.png", 2);
    faces_[4] = load("face_factory.png", 2);
    for (int size : {16, 32, 48, 64, 128, 256})
        appIcon.addFile(QStringLiteral(":/icons/lettrava-%1.png").arg(size), QSize(size, size));
}

QPixmap SharedPictures::face(Face f) const { return faces_[static_cast<std::size_t>(f)]; }

} // namespace lettrava
