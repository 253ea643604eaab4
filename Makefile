# SPDX-License-Identifier: GPL-3.0-or-later
# Everything starts here on a fresh Debian 12 machine: `make run` or `make test`.
BUILD ?= build
JOBS ?= 2

# What building, running and testing the game needs from Debian.
BUILD_DEPS = build-essential cmake pkg-config qt6-base-dev qt6-svg-dev libcanberra-dev libcups2-dev librsvg2-bin
RUN_DEPS = libqt6svg6 qt6-translations-l10n libcanberra0 libcanberra-pulse sound-theme-freedesktop \
           libcups2 fonts-liberation fonts-comic-neue fonts-dancingscript fonts-dejavu-core
TEST_DEPS = poppler-utils xvfb xauth xdotool x11-utils pulseaudio pulseaudio-utils sox \
            cups cups-client cups-bsd printer-driver-cups-pdf ghostscript \
            desktop-file-utils appstream dbus lintian weston qt6-wayland \
            at-spi2-core python3-pyatspi orca speech-dispatcher speech-dispatcher-espeak-ng procps \
            x11-xkb-utils clang-format
# The bench's start-up timer watches the X server's drawing (DAMAGE extension).
BENCH_DEPS = libxdamage-dev
DEPS = $(BUILD_DEPS) $(RUN_DEPS) $(TEST_DEPS)

SUDO = $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: deps build run test asan-build sanitize tsan-build tsan check bench package screenshots format format-check clean

deps:
	@missing="$$(for p in $(DEPS); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done)"; \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/brendelquiz

# Every ctest call: a selection that matches no test fails rather than passing with nothing
# run; each call writes its results to a file of its own, ctest-<what>.xml, from which the
# last line of `make test` counts the skipped tests by name (under CI=true a skip fails).
CTEST = ctest --no-tests=error --output-on-failure -j$(JOBS)
SKIP_SUMMARY = bash tests/skip-summary.sh

# The sanitizer builds are made while the normal build's tests run, with the processor only
# when the tests leave it idle (SCHED_IDLE; where that is refused, at the lowest nice level):
# the screen reader and the tests that measure time wait on their servers and on keys most of
# the time, and a compiler of that class never keeps them from the processor.
IDLE = $(shell chrt --idle 0 true 2>/dev/null && echo chrt --idle 0 || echo nice -n 19)

test: build
	rm -f $(BUILD)/ctest-*.xml $(BUILD)-asan/ctest-*.xml $(BUILD)-tsan/ctest-*.xml
	$(MAKE) --no-print-directory format-check
	@$(IDLE) $(MAKE) --no-print-directory asan-build tsan-build >$(BUILD)/sanitizer-builds.log 2>&1 & builds=$$!; \
	echo "building $(BUILD)-asan and $(BUILD)-tsan meanwhile (log: $(BUILD)/sanitizer-builds.log)"; \
	(cd $(BUILD) && $(CTEST) --output-junit ctest-all.xml); tested=$$?; \
	wait $$builds || { tail -n 40 $(BUILD)/sanitizer-builds.log; exit 1; }; exit $$tested
	$(MAKE) --no-print-directory sanitize
	$(MAKE) --no-print-directory tsan
	$(SKIP_SUMMARY) $(BUILD)/ctest-*.xml $(BUILD)-asan/ctest-*.xml $(BUILD)-tsan/ctest-*.xml

# The quick loop while changing the game: builds what the in-process tests need and runs
# them, on the normal build (about a minute after a change to one file).
check:
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS) --target unit_tests
	cd $(BUILD) && $(CTEST) -L unit

# The C++ sources keep the style written down in .clang-format: `make format` applies it,
# and `make test` fails on a file formatted otherwise.
CXX_SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null || find app platform catalogue quiz ending tests bench resources -name '*.cpp' -o -name '*.h')

format: deps
	clang-format -i $(CXX_SOURCES)

format-check: deps
	clang-format --dry-run --Werror $(CXX_SOURCES)

# Every test once more, the random player included, on a build with AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer: a memory error, undefined behaviour or a
# leak anywhere fails the run. Leaks in other people's libraries are named, with the reason,
# in tests/sanitizer/lsan.supp. The packaging test is left out: it judges the Debian package,
# which is made from the plain build; a sanitizer build is never shipped. So is the screen
# reader test: a sanitizer build answers keys so slowly that the accessibility bus now and then
# gives up on it (25 s NoReply per key) and the run fails for the machine's sake, not the game's;
# the same accessibility code is walked in-process on this build by the accessibility test.
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1 \
                UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
                LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0

asan-build: deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBQ_SANITIZE=ON
	cmake --build $(BUILD)-asan -j$(JOBS)

sanitize: asan-build
	cd $(BUILD)-asan && $(SANITIZER_ENV) $(CTEST) --output-junit ctest-asan.xml -E '^(packaging|screen_reader)$$'

# Every in-process test (each tst_*.cpp, the random player's games among them, and the theme
# contrast check) once more on a build with ThreadSanitizer: the certificate drawn on the
# worker, the sound thread and whatever else runs beside the game; any data race or
# lock-order inversion fails the run. Qt and GLib are not built with it; what it cannot see
# into there is named, library by library with the reason, in tests/sanitizer/tsan.supp. The
# tests start tools (pdftotext, pulseaudio) by fork and exec from a program with threads.
# They run with the address space laid out the same every time (setarch -R): this
# ThreadSanitizer expects every mapping in fixed ranges, and a randomised layout now and then
# put a mapping across the edge of one, which ended a run with a failed allocation of its own.
# Where the kernel refuses that, they run as they are.
TSAN_TESTS = $(sort $(basename $(notdir $(wildcard tests/tst_*.cpp)))) theme_contrast
TSAN_LAYOUT = $(shell setarch $$(uname -m) -R true 2>/dev/null && echo setarch $$(uname -m) -R)
TSAN_ENV = TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:die_after_fork=0:suppressions=$(CURDIR)/tests/sanitizer/tsan.supp \
           BQ_RANDOM_SEEDS=1-2 BQ_RANDOM_ACTIONS=4000 QTEST_FUNCTION_TIMEOUT=600000

tsan-build: deps
	cmake -S . -B $(BUILD)-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBQ_SANITIZE_THREAD=ON
	$(TSAN_ENV) cmake --build $(BUILD)-tsan -j$(JOBS) --target $(TSAN_TESTS)

tsan: tsan-build
	cd $(BUILD)-tsan && $(TSAN_ENV) $(TSAN_LAYOUT) $(CTEST) --output-junit ctest-tsan.xml -R '^($(subst $(eval) ,|,$(TSAN_TESTS)))$$'

bench: DEPS += $(BENCH_DEPS)
bench: build
	cmake --build $(BUILD) -j$(JOBS) --target bench_tools
	bash bench/run-bench.sh $(BUILD)

# The Debian package, made from the build: the program finds its sounds relative to itself,
# so the same build installs under /usr as under any other prefix.
package: build
	cd $(BUILD) && cpack -G DEB

# A picture of every screen, taken on a private X server, in $(BUILD)/screenshots;
# with THEME=dark under a dark desktop palette, in $(BUILD)/screenshots-dark.
THEME ?= light
screenshots: build
	BQ_SCREENSHOT_THEME=$(THEME) bash tests/desk/screenshots.sh $(BUILD) $(BUILD)/screenshots$(if $(filter dark,$(THEME)),-dark)

clean:
	rm -rf $(BUILD)
