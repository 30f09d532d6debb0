// Preloaded into every process of the sanitizer test run. Mesa unloads its GL driver when SDL shuts down,
// before the leak check at exit; what the driver still held then looks lost, and its frames can no longer
// be named for a suppression. Keeping every library loaded to the end leaves the driver's memory reachable,
// so the leak check judges the game's own allocations only. Built without sanitizers: it also goes into the
// X server and the other tools the scripted tests start.
extern "C" int dlclose(void*)
{
    return 0;
}

// Loaded ahead of the sanitizer runtime, which would otherwise refuse to start.
extern "C" const char* __asan_default_options()
{
    return "verify_asan_link_order=0";
}
