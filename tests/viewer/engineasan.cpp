// The viewer's window tests run the browser engine inside the test process. Under the
// address sanitizer, the engine's own library (built without it) frees some of its objects
// through a base type of another size, and keeps some allocations for the process's life,
// some of them made for it by the font configuration library: these are the engine's, not
// ours. These settings apply to this test program only; a leak is forgiven only when one of
// those two libraries allocated it.
extern "C" const char *__asan_default_options()
{
    return "new_delete_type_mismatch=0:print_suppressions=0";
}

// The list of forgiven leaks is not printed at exit: CI counts any sanitizer output as a failure.
extern "C" const char *__lsan_default_options()
{
    return "print_suppressions=0";
}

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libQt6WebEngineCore.so\n"
           "leak:libfontconfig.so\n";
}
