// The viewer's window tests run the browser engine inside the test process. Under the
// address sanitizer, the engine's own library (built without it) frees some of its objects
// through a base type of another size, and keeps some allocations for the process's life:
// both are the engine's, not ours. These settings apply to this test program only; a leak
// is forgiven only when the engine's library allocated it.
extern "C" const char *__asan_default_options()
{
    return "new_delete_type_mismatch=0";
}

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libQt6WebEngineCore.so\n";
}
