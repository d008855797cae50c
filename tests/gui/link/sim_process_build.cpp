// The window tests drive the same simulated radio as the end-to-end tests, through the same
// helper; it is compiled into this suite as well.
#include "e2e/link/sim_process.cpp"
