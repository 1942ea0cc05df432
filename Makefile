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

.PHONY: run test install build

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
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)
