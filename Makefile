# The two entry points: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BIN_DIR := $(BUILD_DIR)/bin
PREFIX ?= /usr/local

.PHONY: deps configure build run test bench install package fuzz clean

deps:
	bash scripts/setup-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "Stacklinks needs a desktop session (X11 or Wayland): no display found." >&2; \
	  exit 1; \
	fi
	cd $(BIN_DIR) && ./stacklinks

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BIN_DIR)/bench_*; do [ -x "$$b" ] && "$$b"; done

# Installs the game under PREFIX: bin/, share/stacklinks/, the menu entry, icons and metainfo.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package $(BUILD_DIR)/stacklinks_<version>_<arch>.deb (dpkg-dev works out its
# library dependencies).
package: build
	bash scripts/setup-deps.sh dpkg-dev
	cd $(BUILD_DIR) && cpack -G DEB

# Runs every fuzz harness for FUZZ_SECONDS seconds (default 60); see scripts/fuzz.sh.
FUZZ_SECONDS ?= 60
fuzz:
	FUZZ_SECONDS=$(FUZZ_SECONDS) bash scripts/fuzz.sh

clean:
	rm -rf $(BUILD_DIR) build-fuzz
