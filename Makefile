# make run        installs what is missing, builds, starts loopbeam
# make test       installs what is missing, builds, runs the whole test suite
# make bench      builds and runs the benchmarks
# make screenshot drives a design under Xvfb and saves PNGs in build/screenshots/

PRESET   := release
BUILD    := build/$(PRESET)
PACKAGES := cmake make g++ libgtest-dev libbenchmark-dev qt6-base-dev xvfb xauth \
            fonts-liberation fonts-dejavu-core fonts-comic-neue

MAKEFLAGS += --no-print-directory

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps install-missing configure build run test bench screenshot clean

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
	cmake --build --preset $(PRESET)

run: build
	$(BUILD)/loopbeam

test: build
	ctest --preset $(PRESET)

bench: build
	$(BUILD)/bench/design_bench

screenshot: build
	xvfb-run -a -s "-screen 0 1024x768x24" $(BUILD)/loopbeam-screenshot build/screenshots
	@ls build/screenshots/*.png

clean:
	rm -rf build
