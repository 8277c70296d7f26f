# The two commands of the README: `make run` and `make test`. Both install what is missing.
# `make info` prints the demo project's pages.
JOBS ?= $(shell nproc)
BUILD := build
ASAN_BUILD := build-asan
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
# The compiler cache (when installed) is shared by checkouts in other folders.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
SAN_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1 \
           LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
           UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
           QT_QPA_PLATFORM=offscreen ZTV_AUDIO=fake

.PHONY: deps build run play info test build-test fuzz format clean deb screenshots

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DZTV_BUILD_TESTS=OFF
	cmake --build $(BUILD) -j$(JOBS)

DEMO := $(CURDIR)/$(BUILD)/app/exemples/demo

# The authoring program with the demo project open (needs a desktop session: DISPLAY or
# WAYLAND_DISPLAY).
run: build
	$(BUILD)/app/Zentrovale $(DEMO)/demo.PZV

# The player on the demo project (on a virtual screen for a few seconds when there is no
# desktop session).
play: build
	scripts/run-player.sh $(BUILD)/app/ztvplay $(DEMO)/demo.ZTV

info: build
	$(BUILD)/app/ztvtool info $(DEMO)/demo.PZV

build-test: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZTV_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)

test: build-test
	cd $(ASAN_BUILD) && $(SAN_ENV) ctest --output-on-failure -j$(JOBS)

# libFuzzer programs (clang), each run FUZZ_SECONDS; FUZZ_TARGETS="gif jpeg" runs only those.
fuzz:
	@scripts/install-deps.sh --fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZTV_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzzers
	scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# A Debian package of the Release build, with /usr as prefix: build/zentrovale_*.deb.
deb: build
	cd $(BUILD) && cpack -G DEB

# The documentation's pictures (docs/screenshots/), taken on a virtual screen.
screenshots: build
	cmake --build $(BUILD) -j$(JOBS) --target ztvshots
	scripts/screenshots.sh $(BUILD) docs/screenshots

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
