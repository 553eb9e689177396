#pragma once

#include "platform/design.h"

// The design of the exercise screen: every control with its kind, container, geometry,
// caption, font, colours, states and focus order, at the moment the window is created.
platform::FormDesign DisegnoFrmOperativo();
