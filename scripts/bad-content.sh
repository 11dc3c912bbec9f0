#!/usr/bin/env bash
# Damages the shipped content one file at a time and plays the end-to-end Battle run against
# it: every file under <build>/RESOURCES is removed, cut to half its length and replaced by
# random bytes of its length, each in a scratch copy of the tree. A run fails when the game
# crashes, hangs past the timeout, shows a box that is not one of its own error boxes, or
# does not reach the main menu and leave by "Exit".
#
#   scripts/bad-content.sh [build folder] [sample size] [jobs] [folder under the build]
#
# With a sample size, only that many files (spread evenly over the sorted list) are damaged;
# without one (or 0), all of them; a folder (default RESOURCES) limits the sweep to the files
# under it, such as RESOURCES/Files. The boxes each run showed and whether it reached the level are
# written to <build>/bad-content/report.txt.
set -u
build=$(cd "${1:-build}" && pwd)
sample=${2:-0}
jobs=${3:-4}
under=${4:-RESOURCES}
timeout_s=${BRASK_BAD_CONTENT_TIMEOUT:-180}
test_program="$build/tests/brask_e2e_tests"
[ -x "$test_program" ] || { echo "no $test_program: build first" >&2; exit 2; }
[ -d "$build/RESOURCES" ] || { echo "no $build/RESOURCES: build first" >&2; exit 2; }
# shellcheck source=scripts/sanitizer-env.sh
. "$(dirname "$0")/sanitizer-env.sh" "$build"

out="$build/bad-content"
rm -rf "$out"
mkdir -p "$out"
mapfile -t files < <(cd "$build" && find "$under" -type f ! -name '.*' | LC_ALL=C sort)
if [ "$sample" -gt 0 ] && [ "$sample" -lt "${#files[@]}" ]; then
    picked=()
    for i in $(seq 0 $((sample - 1))); do picked+=("${files[$((i * ${#files[@]} / sample))]}"); done
    files=("${picked[@]}")
fi

# The texts of the game's own error boxes ("box: [caption] text" in a run's log), with every
# number in them as any whole number, signed or not; any other box fails the run.
n='-?[0-9]+'
own_boxes="^box: \\[[^]]*\\] (File not found|Not a valid MS3D Model|Outdated version number - version 1\\.3\\+ only|Invalid or empty filename|Texture could not be loaded!|Error loading particle script!|Error opening the master list file!|Error opening the config file!|A dialogue of this name is already loaded!|Error opening the dialog file!|This level cannot be read, so it cannot be played\\.|This level holds more than $n records, the most the game plays; it cannot be played\\.|The room of $n x $n cells cannot be played: .*|The vehicle file .* gives no WEIGHT above 0, .*)\$"

# One run: $1 the file, $2 the damage. Prints one line: PASS or FAIL, the damage, the file.
run_one() {
    local file=$1 damage=$2
    local name
    name=$(echo "$damage-$file" | tr '/ ' '__')
    local root="$out/$name"
    mkdir -p "$root"
    # Hard links keep the copy cheap; the damaged file is written anew, never through a link.
    cp -al "$build/RESOURCES" "$root/RESOURCES"
    # The files beside the program, as shipped: only RESOURCES is damaged.
    for beside in options.txt config.cfg; do
        [ -f "$build/$beside" ] && cp "$build/$beside" "$root/"
    done
    local target="$root/$file" size
    size=$(stat -c %s "$build/$file")
    rm -f "$target"
    case $damage in
        remove) ;;
        half) head -c $((size / 2)) "$build/$file" > "$target" ;;
        random) head -c "$size" /dev/urandom > "$target" ;;
    esac
    local log="$root.log" verdict=PASS
    BRASK_E2E_ROOT=$root SDL_VIDEODRIVER=offscreen BRASK_NO_PACING=1 \
        timeout -k 10 "$timeout_s" "$test_program" --gtest_filter='DamagedContent.*' > "$log" 2>&1
    local rc=$?
    [ $rc -eq 0 ] || verdict=FAIL
    # The game takes the terminate signal as a request to quit, which a hung game never reads.
    [ $rc -eq 124 ] || [ $rc -eq 137 ] && verdict="FAIL(hang)"
    grep "^box: " "$log" | grep -qvE "$own_boxes" && verdict="FAIL(box)"
    grep -q "ERROR: .*Sanitizer\|runtime error:" "$log" && verdict="FAIL(sanitizer)"
    local level
    level=$(grep -o "level [A-Za-z ]*reached" "$log" | tail -1)
    echo "$verdict $damage $file ($level)"
    grep "^box: " "$log" | sed 's/^/    /'
    [ "${verdict%%(*}" = PASS ] && rm -rf "$root" "$log"
    return 0
}
export -f run_one
export build out test_program timeout_s own_boxes

for file in "${files[@]}"; do
    for damage in remove half random; do printf '%s\0%s\0' "$file" "$damage"; done
done | xargs -0 -n 2 -P "$jobs" bash -c 'run_one "$0" "$1"' > "$out/report.txt"

total=$(grep -c '^[PF]' "$out/report.txt")
failed=$(grep -c '^FAIL' "$out/report.txt")
grep '^FAIL' "$out/report.txt"
echo "$total runs, $failed failed; report in $out/report.txt"
[ "$failed" -eq 0 ]
