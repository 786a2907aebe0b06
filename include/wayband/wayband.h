// The umbrella header of the Wayband control library.
#pragma once

#include "wayband/version.h"
