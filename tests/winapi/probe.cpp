// A tiny library that says where it was built to stand: the tests plant copies of it in
// several folders under one name and see which one the search finds.
#ifndef PROBE_PLACE
#error PROBE_PLACE must name the place
#endif
extern "C" __attribute__((visibility("default"))) const char *ProbePlace() { return PROBE_PLACE; }
