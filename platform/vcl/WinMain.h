// The program's main routine. The layer's main() makes Application, then calls it and
// returns its result, as a VCL program's WinMain runs with Application already there.
#pragma once

int WinMain();
