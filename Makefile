# make run        installs what is missing, builds, starts loopbeam
# make test       installs what is missing, builds, runs the whole test suite
# make bench      builds and runs the benchmarks
# make screenshot drives a design under Xvfb and saves PNGs in build/screenshots/
# make test-sanitize  the whole suite built with AddressSanitizer, UBSan and LeakSanitizer
# make package    builds the .deb in build/release/
# make fuzz       runs each libFuzzer target for FUZZ_SECONDS (default 60) from the seed corpus

PRESET   := release
BUILD    := build/$(PRESET)
PACKAGES := cmake make g++ libgtest-dev libbenchmark-dev qt6-base-dev qt6-charts-dev qt6-svg-dev xvfb xauth \
            cups printer-driver-cups-pdf poppler-utils python3 xdotool imagemagick \
            dpkg-dev desktop-file-utils appstream pkg-config libxcb1-dev clang-format \
            fonts-liberation fonts-dejavu-core fonts-comic-neue openbox icewm x11-utils nec2c \
            dbus at-spi2-core python3-pyatspi libeigen3-dev libboost-dev locales \
            python3-scikit-rf libnlopt-cxx-dev

MAKEFLAGS += --no-print-directory

FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_TARGETS  := parse_fuzz text_forms_fuzz handlers_fuzz measured_fuzz
FUZZ_SECONDS  ?= 60

# Build and test jobs: every core unless told otherwise (make JOBS=1 test).
JOBS ?= $(shell nproc)

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps install-missing configure build run test bench screenshot package test-sanitize fuzz clean

# Installs only the packages that are not installed yet.
deps:
	@$(MAKE) install-missing WANTED="$(PACKAGES)"

install-missing:
	@missing=""; for p in $(WANTED); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake --preset $(PRESET) >/dev/null

build: configure
	cmake --build --preset $(PRESET) --parallel $(JOBS)

run: build
	$(BUILD)/loopbeam

test: build
	ctest --preset $(PRESET) --parallel $(JOBS)

bench: build
	$(BUILD)/bench/design_bench
	$(BUILD)/bench/nec_bench
	tools/on_xvfb.sh bash bench/startup_ratio.sh $(BUILD)/bench $(BUILD)/loopbeam

screenshot: build
	LOOPBEAM_SCREEN=1280x800x24 tools/on_xvfb.sh $(BUILD)/loopbeam-screenshot build/screenshots
	@ls build/screenshots/*.png

package: build
	cd $(BUILD) && cpack

test-sanitize: deps
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize --parallel $(JOBS)
	ctest --preset sanitize --parallel $(JOBS)

# Each target runs on a copy of its committed seeds; what it finds stays in build/fuzz.
fuzz: deps
	@$(MAKE) install-missing WANTED="$(FUZZ_PACKAGES)"
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz --parallel $(JOBS)
	@mkdir -p build/fuzz/artifacts
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build/fuzz/corpus/$$t && cp -n fuzz/corpus/$$t/* build/fuzz/corpus/$$t/; \
	  echo "== $$t for $(FUZZ_SECONDS) s"; \
	  build/fuzz/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=build/fuzz/artifacts/$$t- build/fuzz/corpus/$$t 2>&1 \
	    | grep -E '^stat::(number_of_executed_units|average_exec_per_sec)|ERROR|property failed|Test unit written' \
	    || true; \
	done
	@if ls build/fuzz/artifacts/* >/dev/null 2>&1; then echo "Failing inputs in build/fuzz/artifacts/"; exit 1; fi

clean:
	rm -rf build
