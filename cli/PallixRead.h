#pragma once

// pallix-read: the window's reading from the command line, for scripts and
// logs. The status log of the adapter goes to standard error, each reading to
// standard output as soon as it is taken. Returns the exit status.
int RunPallixRead(int argc, char* argv[]);
