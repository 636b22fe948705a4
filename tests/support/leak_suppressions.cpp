// Leak checking in the test executables ignores fontconfig: it keeps font
// patterns in caches that live until the process ends and that the leak
// checker, unable to unwind through the library, reports as lost. Leaks of
// our own code are still reported.
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
