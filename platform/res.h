#pragma once
// Everything of the layer's resource module.

#include "platform/res/CDialogTemplate.h"
#include "platform/res/CMenuTemplate.h"
#include "platform/res/dialogunits.h"
#include "platform/res/resources.h"
#include "platform/res/styles.h"
