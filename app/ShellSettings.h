#pragma once
// The settings store's key path as the application shell opens it, and the shell's own value
// names: the settings version, the card delay, the sounds folder and the game windows'
// rectangles (the game's name followed by RECT_VALUE_SUFFIX).

namespace shell_settings {

constexpr char ROOT_KEY[] = "Software";
constexpr char MAKER_KEY[] = "Orvel";
constexpr char SUITE_KEY[] = "velm";

constexpr char VERSION_VALUE[] = "version";
constexpr int VERSION_DEFAULT = 10;
// The version this program writes; older settings lose their saved bidding-box place.
constexpr int SETTINGS_VERSION = 12;
constexpr char BID_RECT_VALUE[] = "BidRect";

constexpr char CARD_DELAY_VALUE[] = "CardDelay";
// Milliseconds between the steps of a card movement when nothing is stored.
constexpr int CARD_DELAY_DEFAULT = 10;

constexpr char SOUND_DIR_VALUE[] = "SoundDir";
// The sounds folder's name below the working folder.
constexpr char SOUNDS_FOLDER[] = "/sounds";

constexpr char RECT_VALUE_SUFFIX[] = "Rect";

} // namespace shell_settings
