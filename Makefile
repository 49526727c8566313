# make run: install what is missing, build the program alone (no tests), start it.
# make test: install what is missing, build, run every test (each benchmark briefly too).
# make bench: build, then run the benchmarks in full (times to the next question drawn, start-up).
BUILD ?= build
JOBS  ?= $(shell nproc)
SUDO  := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := cmake g++ make qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-speech-dev \
	qt6-speech-speechd-plugin libqt6svgwidgets6 speech-dispatcher \
	speech-dispatcher-espeak-ng espeak-ng fonts-liberation fonts-comic-neue fonts-ecolier-court \
	qt6-translations-l10n xvfb xauth xdotool x11-utils imagemagick \
	pkgconf libxcb-xkb-dev openbox python3 libcups2-dev cups cups-client printer-driver-cups-pdf \
	poppler-utils
# Qt's TextToSpeech CMake package needs its QmlIntegration, which this one holds.
PACKAGES += qt6-declarative-dev

.PHONY: deps build run test bench install clean
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

# The program and what it needs at run time (its folder with the pictures and the guide).
run: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target zanfroni -j$(JOBS)
	./$(BUILD)/app/zanfroni

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Every benchmark runs, then the target fails if one did (start-up over its goal, say).
bench: build
	@fallito=0; for b in $(BUILD)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then QT_QPA_PLATFORM=offscreen "$$b" || fallito=1; fi; \
	done; exit $$fallito

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD)
