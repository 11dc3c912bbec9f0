# Sourced by the scripts that run the game or its tests: in a sanitizer build (the build
# folder is $1), Mesa rasterises on the drawing thread alone, since its rasteriser threads
# make each run hold about 2.4 GB under AddressSanitizer against about 80 MB without them,
# and LeakSanitizer leaves out the system libraries' own leaks at exit (scripts/lsan.supp).
# Values already in the environment are kept.
if grep -q '^BRASK_SANITIZE:BOOL=ON' "$1/CMakeCache.txt" 2>/dev/null; then
    export LP_NUM_THREADS=${LP_NUM_THREADS:-0}
    lsan_file="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp"
    case ${LSAN_OPTIONS:-} in
        *suppressions=*) ;;
        *) export LSAN_OPTIONS="suppressions=$lsan_file${LSAN_OPTIONS:+:$LSAN_OPTIONS}" ;;
    esac
fi
