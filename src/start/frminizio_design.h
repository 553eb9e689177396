#pragma once

#include "platform/design.h"

// The design of the start screen: the title block, the table buttons, the three commands, the
// two (hidden) curtain panels, the curtain timer and the "Autore" menu.
platform::FormDesign DisegnoFrmInizio();
