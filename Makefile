# make run: install what the program needs that is missing, build the program alone (no tests), start it.
# make test: the same plus the tools only the tests use, build everything, run every test (each
# benchmark briefly too).
# make bench: the tools too (the start-up bench runs an X server), build, then run the benchmarks in
# full (times to the next question drawn, start-up against an empty window).
BUILD ?= build
JOBS  ?= $(shell nproc)
SUDO  := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# What building and running the program needs (CUPS's library: it asks whether a print job arrived;
# XKB's: it tells a held key from repeated presses).
PACKAGES := cmake g++ make pkgconf qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-speech-dev \
	qt6-speech-speechd-plugin libqt6svgwidgets6 speech-dispatcher \
	speech-dispatcher-espeak-ng espeak-ng fonts-liberation fonts-comic-neue fonts-ecolier-court \
	qt6-translations-l10n libxcb-xkb-dev libcups2-dev
# Qt's TextToSpeech CMake package needs its QmlIntegration, which this one holds.
PACKAGES += qt6-declarative-dev
# What only the tests use: an X server and its tools for the end-to-end runs, a window manager,
# ImageMagick to read screenshots, a private print server with a PDF queue and poppler to read what
# it printed, Python for the include check.
TEST_PACKAGES := xvfb xauth xdotool x11-utils imagemagick openbox cups cups-client \
	printer-driver-cups-pdf poppler-utils python3

# $(1): the packages to have; those missing are installed.
define install_missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
endef

.PHONY: deps test-deps build run test bench install clean
deps:
	$(call install_missing,$(PACKAGES))
test-deps:
	$(call install_missing,$(PACKAGES) $(TEST_PACKAGES))

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

# The program and what it needs at run time (its folder with the pictures and the guide).
run: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target zanfroni -j$(JOBS)
	./$(BUILD)/app/zanfroni

test: test-deps build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Every benchmark runs, then the target fails if one did (start-up over its goal, say).
bench: test-deps build
	@fallito=0; for b in $(BUILD)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then QT_QPA_PLATFORM=offscreen "$$b" || fallito=1; fi; \
	done; exit $$fallito

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD)
