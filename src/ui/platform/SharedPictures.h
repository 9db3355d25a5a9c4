#pragma once

#include <QIcon>
#include <QPixmap>

#include <array>

namespace lettrava {

// The pictures that every window shares: wood wallpapers, the board's default
// wallpaper, letter tiles, picture buttons and their faces, the Sounds page's
// status pictures and the application icon. They are drawn by the project's
// artwork program and compiled into the program; loaded once, on first use.
//
// The small pictures are stored at twice their size and carry a device pixel
// ratio of 2, so they stay sharp on high-density screens.
class SharedPictures {
public:
    enum class Face { NewGame, ContinueGame, HowToPlay, JoinGame, GridFactory };

    static const SharedPictures& instance();

    QPixmap woodA;            // honey oak: the General page, bottom bars, the welcome panel
    QPixmap woodB;            // darker oak: the Sounds page, the word entry and play panels
    QPixmap defaultWallpaper; // walnut planks: the board's wallpaper unless the user chose one
    std::array<QPixmap, 6> tiles;
    QPixmap lowColourTile; // the tile of the plain, 256-colour look
    std::array<QPixmap, 2> pushButtons; // 0 up, 1 pressed
    QPixmap soundReady, soundMissing, soundStop;
    QIcon appIcon;

    QPixmap face(Face f) const;

private:
    SharedPictures();
    std::array<QPixmap, 5> faces_;
};

} // namespace lettrava
