#pragma once
// The settings store's key path as every part of the suite opens it with CRegSettings, and the
// value names more than one window reads or writes: the settings version, the card delay, the
// sounds folder, the bidding box's place and the game windows' rectangles (the game's name
// followed by RECT_VALUE_SUFFIX).

namespace settings_keys {

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

// The sounds folder holding one sub-folder per voice, and the folder the bidding code reads
// when unset; the shell's default is SOUNDS_FOLDER below the working folder.
constexpr char SOUND_DIR_VALUE[] = "SoundDir";
constexpr char SOUND_DIR_DEFAULT[] = ".";
constexpr char SOUNDS_FOLDER[] = "/sounds";

constexpr char RECT_VALUE_SUFFIX[] = "Rect";

} // namespace settings_keys
