// SDL's video subsystem keeps what the system libraries it loads allocate (X,
// fonts, D-Bus) until the process ends, which the leak checker reports from
// modules it cannot name. The sanitizers' other checks stay on for the window
// tests; the designer's model is leak-checked in tools_tests. (Leak checking is
// on by default everywhere else, so the test preset does not name it: options
// given in the environment would override these.)
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
