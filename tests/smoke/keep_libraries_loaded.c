/* Preloaded into the sanitizer build's smoke run only. The GL driver and the other
 * libraries that SDL opens are unloaded at exit, after which LeakSanitizer can no longer
 * tell whose memory it finds; keeping them loaded lets it judge what stays reachable
 * from them, so what it still reports is the game's own. */
int dlclose(void* handle) {
    (void)handle;
    return 0;
}
