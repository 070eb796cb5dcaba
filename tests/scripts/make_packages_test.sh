#!/usr/bin/env bash
# `make run` asks the package manager only for what building and running the suite needs, and
# configures a build without GoogleTest or Google Benchmark; `make test` adds the test
# packages and switches the tests on. The package manager, cmake, ctest and the program are
# fakes that write down how they were called.
set -euo pipefail
source_dir=$(cd "${1:-$(dirname "$0")/../..}" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/orvel-make-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
calls=$work/calls
fakes=$work/bin
mkdir -p "$fakes" "$work/build/app"

fake() { printf '#!/usr/bin/env bash\n%s\n' "$2" > "$fakes/$1"; chmod +x "$fakes/$1"; }
fake apt-get 'echo "apt-get $*" >> "$CALLS"'
fake sudo 'exec "$@"'
fake cmake 'echo "cmake $*" >> "$CALLS"'
fake ctest 'echo "ctest $*" >> "$CALLS"'
# Every package missing, unless the test says all are there.
fake dpkg-query '[ -n "${ALL_INSTALLED:-}" ] && printf "install ok installed"; true'
printf '#!/usr/bin/env bash\necho program >> "$CALLS"\n' > "$work/build/app/orvelbridge"
chmod +x "$work/build/app/orvelbridge"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# Runs one make goal with the fakes first on PATH; leaves its calls in $calls.
run_make() {
  : > "$calls"
  CALLS=$calls PATH="$fakes:$PATH" make --no-print-directory -C "$source_dir" "$@" BUILD="$work/build" \
    > "$work/make.log" 2>&1 || { cat "$work/make.log" >&2; fail "make $* failed"; }
}
installed() { sed -n 's/^apt-get install -y -qq --no-install-recommends //p' "$calls" | tr ' ' '\n'; }
has_package() { installed | grep -qx "$1"; }
configure_line() { grep -m1 '^cmake -S' "$calls" || true; }

run_make run
for p in cmake libsdl2-dev libsdl2-ttf-dev fonts-dejavu-core; do
  has_package "$p" || fail "make run did not ask for $p"
done
for p in libgtest-dev libbenchmark-dev clang libclang-rt-14-dev xvfb openbox xdotool imagemagick; do
  has_package "$p" && fail "make run asked for $p, which only tests, benchmarks or CI need"
done
configure_line | grep -q -e '-DORVEL_TESTS=ON' -e '-DORVEL_BENCH=ON' \
  && fail "make run switched tests or benchmarks on: $(configure_line)"
grep -qx program "$calls" || fail "make run did not start the program"

run_make test
for p in cmake libgtest-dev libbenchmark-dev; do
  has_package "$p" || fail "make test did not ask for $p"
done
for p in clang xvfb openbox; do
  has_package "$p" && fail "make test asked for $p, which only CI needs"
done
configure_line | grep -q -e '-DORVEL_TESTS=ON' || fail "make test did not switch the tests on: $(configure_line)"
grep -q '^ctest' "$calls" || fail "make test did not run ctest"

ALL_INSTALLED=1 run_make run
grep -q '^apt-get' "$calls" && fail "make run called apt-get with every package installed"

# The real configure of a fresh build folder, as make run does it, with GoogleTest and Google
# Benchmark made unfindable.
cmake -S "$source_dir" -B "$work/configured" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON > "$work/configure.log" 2>&1 \
  || { cat "$work/configure.log" >&2; fail "a build for playing needs GoogleTest or Google Benchmark"; }

[ "$failures" -eq 0 ] && echo "make run and make test ask for their own packages"
exit "$failures"
