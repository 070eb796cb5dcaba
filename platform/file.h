#pragma once
// Everything of the layer's file module: whole files read, and written without ever being
// left half written.

#include "platform/file/WholeFile.h"
