// The umbrella header of the Wayband control library.
#pragma once

#include "wayband/alpha_icon_sizes.h"
#include "wayband/event.h"
#include "wayband/version.h"
