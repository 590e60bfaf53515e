#pragma once
// The enumeration belongs to the picture objects of the gdi layer.
#include "platform/gdi/PictureTypeConstants.h"
