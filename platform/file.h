#pragma once
// Everything of the layer's file module: whole files read, and written without ever being
// left half written; a file-size limit that fails a write instead of ending the program.

#include "platform/file/FileSizeSignal.h"
#include "platform/file/WholeFile.h"
