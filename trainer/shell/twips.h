#pragma once

// The twips helpers live with the platform services, shared by both programs' windows.
#include "platform/twips.h"

namespace shell {

using platform::kTwipsPerPixel;
using platform::twips;
using platform::twipsToPixels;

}  // namespace shell
