#pragma once
// The creator's toolbar as the main window holds it: our self-drawn toolbar
// widget with the creator's buttons, wired to the window through its host.

#include <memory>

#include "app/shell_host.h"

namespace lumigram {

class TMultiTimer;

// A factory for TStartOptions::Toolbar. The multi-timer drives the
// toolbar's ticks and must outlive the main window.
TToolbarFactory CreatorToolbarFactory(TMultiTimer& timer);

}  // namespace lumigram
