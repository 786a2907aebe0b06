// The umbrella header of the Wayband control library.
#pragma once

#include "wayband/event.h"
#include "wayband/version.h"
