# SPDX-License-Identifier: GPL-3.0-or-later
# Two entry points for a fresh Debian 12 machine:
#   make run   installs what is needed, builds the program (only what it runs) and starts it
#   make test  installs what is needed, builds and runs every test (plain and sanitized)
# Each build has its folder: the tests' builds take other flags, so they never rebuild `make run`'s.
BUILD      ?= build
TEST_BUILD ?= build-test
SAN_BUILD  ?= build-san
FUZZ_BUILD ?= build-fuzz
RELEASE_BUILD ?= build-release
FUZZ_SECONDS ?= 30
JOBS       ?= $(shell nproc)
GENERATOR  := -G Ninja
# Compiler warnings stop the test builds (CI, developers); `make build` alone, as a user or packager
# runs it, only reports them.
WERROR     ?= OFF
test test-plain test-san test-fuzz test-release: WERROR = ON
# The test builds keep only the line tables of debug information (-g1): enough for backtraces and
# the sanitizers' reports, and compiled in a quarter less time than full debug information.
TEST_DEBUG_INFO ?= -g1

.PHONY: deps configure build run test test-plain test-san test-fuzz test-release test-long format-check bench screenshots package clean

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOLCALC_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The window with what it needs at run time (its on-demand module, the catalogue and the help
# beside it), not the tests and benchmarks.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target volcalc_runnable
	./$(BUILD)/ui/volcalc

test: deps format-check test-plain test-release test-san test-fuzz

# The benchmarks are compiled here too (not run), so that a change cannot leave them broken.
test-plain: deps
	cmake -S . -B $(TEST_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOLCALC_WERROR=$(WERROR) \
	  -DVOLCALC_BENCH=ON "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 $(TEST_DEBUG_INFO) -DNDEBUG"
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# LeakSanitizer's tracer crashes reading the thread-local storage of the module loaded on first use
# since it carries the cutting planner's solver), so thread-local storage is not scanned.
test-san: deps
	cmake -S . -B $(SAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DVOLCALC_SANITIZE=ON -DVOLCALC_WERROR=$(WERROR) \
	  -DCMAKE_CXX_FLAGS_DEBUG=$(TEST_DEBUG_INFO)
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:use_tls=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# The optimized build as a packager makes it, warnings fatal: the core, the command line, its install
# without the windows and the tests, whose own code is compiled unoptimized there (the windows are
# compiled by every other build).
test-release: deps
	cmake -S . -B $(RELEASE_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DVOLCALC_WERROR=$(WERROR) \
	  -DVOLCALC_GUI=OFF
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	cd $(RELEASE_BUILD) && ctest --output-on-failure -j $(JOBS)

# Each libFuzzer target runs for FUZZ_SECONDS from the seed corpus in tests/fuzz/corpus, JOBS targets
# at a time.
test-fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOLCALC_FUZZ=ON -DVOLCALC_WERROR=$(WERROR)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	bash tests/fuzz/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(JOBS)

# The long randomized run of the real window (the test command runs a short one).
STEPS ?= 30000
test-long: build
	bash tests/ui/long-random-run.sh $(BUILD) $(STEPS) $(SEED)

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# The benchmarks are off in every other build; this one turns them on in build/ and keeps them there.
bench: deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOLCALC_WERROR=$(WERROR) -DVOLCALC_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)
	bash bench/run-benchmarks.sh $(BUILD)

# The portable archive (one folder that runs where it is unpacked) and the Debian package, which
# Debian's own checks must pass without errors or warnings where lintian is installed.
package: build
	cd $(BUILD) && cpack
	if command -v lintian >/dev/null; then lintian --fail-on error,warning $(BUILD)/*.deb; fi

screenshots: build
	bash tools/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(RELEASE_BUILD)
