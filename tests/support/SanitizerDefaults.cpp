// Sanitizer settings built into every test program and test driver, so that ctest, a debugger
// and the test discovery at build time all run with them.
extern "C" const char *__asan_default_options()
{
    return "detect_leaks=1:abort_on_error=0:halt_on_error=1";
}

extern "C" const char *__ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}

// Qt and the system libraries below it keep some allocations until the process ends; leaks in
// our own code are still reported.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libQt6\n"
           "leak:libfontconfig\n"
           "leak:libfreetype\n"
           "leak:libdbus\n"
           "leak:libglib\n"
           "leak:libgobject\n"
           "leak:libgio\n"
           "leak:libpulse\n"
           "leak:libgst\n"
           "leak:libicu\n";
}
