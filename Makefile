# Everything starts here on a fresh Debian 12 machine: `make run` or `make test`.
BUILD ?= build
JOBS ?= 2

# What building, running and testing the game needs from Debian.
BUILD_DEPS = build-essential cmake pkg-config qt6-base-dev qt6-svg-dev libcanberra-dev libcups2-dev librsvg2-bin
RUN_DEPS = libqt6svg6 qt6-translations-l10n libcanberra0 libcanberra-pulse sound-theme-freedesktop \
           libcups2 fonts-liberation fonts-comic-neue fonts-dancingscript fonts-dejavu-core
TEST_DEPS = poppler-utils xvfb xauth xdotool x11-utils pulseaudio pulseaudio-utils sox \
            cups cups-client cups-bsd printer-driver-cups-pdf ghostscript \
            desktop-file-utils appstream dbus
DEPS = $(BUILD_DEPS) $(RUN_DEPS) $(TEST_DEPS)

SUDO = $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: deps build run test check bench package screenshots clean

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

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	cmake --build $(BUILD) -j$(JOBS) --target bench_tools
	$(BUILD)/bench/run-bench.sh $(BUILD)

# The package installs under /usr, and the program is built to look for its sounds there.
package: build
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && cpack -G DEB

# A picture of every screen, taken on a private X server, in $(BUILD)/screenshots.
screenshots: build
	bash tests/desk/screenshots.sh $(BUILD) $(BUILD)/screenshots

clean:
	rm -rf $(BUILD)
