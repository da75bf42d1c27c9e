# SPDX-FileCopyrightText: 2026 The Zorbitan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands: `make run` starts the game, `make test` runs every test.
# Both install any missing Debian packages first, then configure and build with CMake.
#
# `make test` runs, in this order: the static checks, a short fuzzing of the saved-game
# reader, the whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer, and the
# whole suite as the game ships. `make soak` plays a long soak of random games and answers a
# few hundred cards by mouse in real windows; `make fuzz` fuzzes for longer; `make stress`
# runs the whole-program tests again and again under a CPU load; `make fresh-machine` runs
# `make test` on a brand-new Debian root; `make bench` measures; `make ratio` weighs the
# tests against the game; `make mutate` looks for faults the tests miss
# (tools/mutate/mutate.py --help).

BUILD_DIR ?= build
SANITIZE_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
# `make test` fuzzes for this many inputs, the same ones each time; `make fuzz` for this long.
FUZZ_RUNS ?= 100000
FUZZ_SECONDS ?= 600
STRESS_ROUNDS ?= 10
SOAK_GAMES ?= 100000
SOAK_ANSWERS ?= 500
# A mutation run: the seed picks the sample, the minutes bound it, ONLY narrows it to
# files or folders, NICE is its niceness, MUTATE_ARGS passes anything else (--per-folder N,
# --report).
SEED ?= 1
MINUTES ?= 60
ONLY ?=
NICE ?= 19
MUTATE_ARGS ?=
# No test in `make test` should come near this; the soak's long runs get an hour.
TEST_TIMEOUT ?= 600
JOBS ?= $(shell nproc)
SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)
# GCC 12's leak checker can crash reading the thread-local storage of threads Qt started
# and ended (it reports "Tracer caught signal 11"); its interception of that storage is
# not needed to find leaks.
SANITIZER_OPTIONS = ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure build run test lint fuzz-build fuzz-check fuzz sanitize soak stress fresh-machine bench \
	ratio mutate clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/bin/zorbitan

test: build lint fuzz-check sanitize
	@echo "== The whole suite"
	@cd $(BUILD_DIR) && ctest --output-on-failure --timeout $(TEST_TIMEOUT) -j $(JOBS)

lint: build
	@echo "== Static checks: licences, clang-format and clang-tidy"
	@reuse lint --quiet || reuse lint
	@cmp -s COPYING LICENSES/GPL-3.0-or-later.txt || { echo "COPYING is not the text of LICENSES/GPL-3.0-or-later.txt"; exit 1; }
	@clang-format --dry-run --Werror $(SOURCES)
	@run-clang-tidy -p $(BUILD_DIR) -j $(JOBS) -quiet '$(CURDIR)/(core|screens|services|app|tools)/.*\.cpp$$' >$(BUILD_DIR)/clang-tidy.log 2>&1 \
		|| { grep -E 'warning:|error:' $(BUILD_DIR)/clang-tidy.log; exit 1; }
	@echo "clang-tidy: no findings"

fuzz-build: deps
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DZORBITAN_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)

fuzz-check: fuzz-build
	@echo "== The saved-game reader fuzzed for $(FUZZ_RUNS) inputs"
	@tests/fuzz/run.sh $(FUZZ_DIR) -runs=$(FUZZ_RUNS) -seed=1

fuzz: fuzz-build
	@echo "== The saved-game reader fuzzed for $(FUZZ_SECONDS) s"
	@tests/fuzz/run.sh $(FUZZ_DIR) -max_total_time=$(FUZZ_SECONDS)

sanitize: deps
	@echo "== The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer"
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORBITAN_SANITIZE=ON >/dev/null
	@$(SANITIZER_OPTIONS) cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@cd $(SANITIZE_DIR) && $(SANITIZER_OPTIONS) ctest --output-on-failure --timeout $(TEST_TIMEOUT) -j $(JOBS)

soak: build
	@ZORBITAN_SOAK_GAMES=$(SOAK_GAMES) $(BUILD_DIR)/bin/core_tests --gtest_filter=GameScreen.RandomPlayKeepsTheRules
	@echo "== $(SOAK_ANSWERS) answer clicks in a real window, once without and once with a window manager"
	@cd $(BUILD_DIR) && ZORBITAN_ANSWERS=$$(( $(SOAK_ANSWERS) / 2 )) ZORBITAN_TEST_SECONDS=3400 ctest --output-on-failure --timeout 3600 -j 2 -R 'e2e[.]play'

stress: build
	@tools/install-deps.sh stress-ng
	@tools/stress.sh $(BUILD_DIR) $(STRESS_ROUNDS)

fresh-machine:
	@tools/install-deps.sh mmdebstrap git
	@tools/fresh-machine.sh

# Non-blank lines of the files given on standard input.
count_lines = xargs -r cat | grep -c -v -E '^\s*$$'
# The tests (every file of C++, shell, Python and CMake under tests/) against the rest of
# the project's code in those languages and the Makefile; the aim is 25 to 35 %.
ratio:
	@code=$$(git ls-files | grep -v '^tests/' | grep -E '\.(cpp|h|sh|py)$$|CMakeLists\.txt$$|^Makefile$$|^\.ci/run$$' | $(count_lines)); \
	tests=$$(git ls-files tests | grep -E '\.(cpp|h|sh|py)$$|CMakeLists\.txt$$' | $(count_lines)); \
	tests_cpp=$$(git ls-files tests | grep -E '\.(cpp|h)$$' | $(count_lines)); \
	echo "code (all but tests/): $$code lines"; \
	echo "tests (tests/): $$tests lines, $$tests_cpp of them C++"; \
	awk -v t=$$tests -v c=$$code 'BEGIN { r = 100 * t / c; printf "tests are %.1f %% of the code (aim: 25 to 35 %%)\n", r; exit (r < 25 || r > 35) }'

# Not part of `make test`: every mutant is a build and a test run, at the lowest priority
# (NICE=19) unless a busy machine would starve it.
# It mutates a copy of the sources; the checkout must come out of it as it went in.
mutate: deps
	@tools/install-deps.sh ccache
	@before=$$(git diff | sha1sum); \
	python3 tools/mutate/mutate.py --seed $(SEED) --minutes $(MINUTES) --nice $(NICE) $(if $(ONLY),--only $(ONLY)) $(MUTATE_ARGS); \
	status=$$?; [ "$$(git diff | sha1sum)" = "$$before" ] || { echo "mutate: the checkout changed" >&2; exit 1; }; exit $$status

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) build-mutate

bench: build
	@bench/run.sh $(BUILD_DIR)/bin
