# make run   installs what is missing, builds, starts loopbeam
# make test  installs what is missing, builds, runs the whole test suite
# make bench builds and runs the benchmarks

PRESET   := release
BUILD    := build/$(PRESET)
PACKAGES := cmake make g++ libgtest-dev libbenchmark-dev

MAKEFLAGS += --no-print-directory

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build run test bench clean

# Installs only the packages that are not installed yet.
deps:
	@missing=""; for p in $(PACKAGES); do \
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
	$(BUILD)/loopbeam-cli --freq 14.2 --elements 3 --awg 14 --type standard --coax RG-11

test: build
	ctest --preset $(PRESET)

bench: build
	$(BUILD)/bench/design_bench

clean:
	rm -rf build
