#pragma once
// Everything of the layer's base module: types, text, geometry, assertions, the generator.

#include "platform/base/CString.h"
#include "platform/base/assert.h"
#include "platform/base/geometry.h"
#include "platform/base/ids.h"
#include "platform/base/random.h"
#include "platform/base/runtime.h"
#include "platform/base/types.h"
