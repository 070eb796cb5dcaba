#pragma once
// The settings store's key path as the bidding code opens it, and its own value names.

namespace bidding_settings {

constexpr char ROOT_KEY[] = "Software";
constexpr char MAKER_KEY[] = "Orvel";
constexpr char SUITE_KEY[] = "velm";

// The sounds folder holding one sub-folder per voice, and the folder read when unset.
constexpr char SOUND_DIR_VALUE[] = "SoundDir";
constexpr char SOUND_DIR_DEFAULT[] = ".";

} // namespace bidding_settings
