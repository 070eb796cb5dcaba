#pragma once
// Everything of the layer's socket module.

#include "platform/net/CAsyncSocket.h"
#include "platform/net/CSocket.h"
#include "platform/net/netdefs.h"
