# Two commands for a fresh Debian 12 machine (as root):
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
BUILD    ?= build
JOBS     ?= $(shell nproc)
PACKAGES := cmake g++ make ninja-build pkg-config \
            qt6-base-dev libqt6sql6-sqlite qt6-qpa-plugins libgl-dev \
            libgtest-dev libgmock-dev libbenchmark-dev sqlite3 fonts-dejavu-core \
            qt6-svg-dev fonts-liberation2 poppler-utils
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# ccache, where it is installed, only makes rebuilds quicker; nothing needs it.
# Paths below the checkout's parent folder are hashed relative, so two
# checkouts (or a fresh clone) share what is cached.
CCACHE   := $(shell command -v ccache 2>/dev/null)
LAUNCHER := $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE))
export CCACHE_BASEDIR  ?= $(abspath $(CURDIR)/..)
export CCACHE_NOHASHDIR ?= 1

.PHONY: run test install build test-sanitize build-release

run: build
	./$(BUILD)/kelvora

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# apt-get update runs only when a package is missing.
install:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

build: install
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)
	cmake --build $(BUILD) -j $(JOBS)

# The whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer,
# in a build folder of its own; a finding fails the test that met it. -O1 keeps
# the sanitized tests quick, and the benchmarks (which would time nothing
# useful there) are left out. LeakSanitizer stays on: the widget tests under
# the offscreen platform run clean with it, so nothing needs to be excused.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ENV   := ASAN_OPTIONS=strict_string_checks=1:detect_stack_use_after_return=1 \
                  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
test-sanitize: install
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DKELVORA_SANITIZE=ON \
	  -DKELVORA_BENCHMARKS=OFF $(LAUNCHER)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

# The optimised build type (-O3) builds with warnings as errors too.
RELEASE_BUILD ?= build-release
build-release: install
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(LAUNCHER)
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
