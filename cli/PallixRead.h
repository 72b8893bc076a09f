// SPDX-License-Identifier: MIT

#pragma once

#include "Pallix400.h"

// pallix-read: the window's reading from the command line, for scripts and
// logs. The status log of the adapter goes to standard error, each reading to
// standard output as soon as it is taken. Returns the exit status. The run
// owns its adapter, on `driver`.
int RunPallixRead(int argc, char* argv[], Pallix400 driver = Pallix400());
