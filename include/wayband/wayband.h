// The umbrella header of the Wayband control library.
#pragma once

#include "wayband/alpha_icon_sizes.h"
#include "wayband/container_inspection.h"
#include "wayband/container_interface.h"
#include "wayband/error.h"
#include "wayband/event.h"
#include "wayband/inspection.h"
#include "wayband/interface_description.h"
#include "wayband/norvale_container.h"
#include "wayband/picture.h"
#include "wayband/shortcut_panel.h"
#include "wayband/shortcut_panels.h"
#include "wayband/std_font.h"
#include "wayband/variant.h"
#include "wayband/version.h"
#include "wayband/wayband_control.h"
