// Built into every program of a sanitizer build, so that a test, a program a test starts and the build's
// own tools all run under the same rules, however they are started. Options given in the environment
// (ASAN_OPTIONS, LSAN_OPTIONS, UBSAN_OPTIONS) still add to these and win where they differ.

#define TANDORA_SANITIZER_HOOK extern "C" __attribute__((visibility("default"), used)) const char*

TANDORA_SANITIZER_HOOK __asan_default_options() {
    return "detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1";
}

// Leaks are only ever suppressed in libraries that are not ours; see lsan.supp.
TANDORA_SANITIZER_HOOK __lsan_default_options() {
    return "suppressions=" TANDORA_LSAN_SUPPRESSIONS;
}

TANDORA_SANITIZER_HOOK __ubsan_default_options() {
    return "halt_on_error=1:print_stacktrace=1";
}
