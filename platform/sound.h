#pragma once
// Everything of the layer's sound module.

#include "platform/sound/PlaySound.h"
