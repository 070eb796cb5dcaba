#pragma once
// Everything of the layer's registry module: the registry calls over the settings file.

#include "platform/reg/registry.h"
