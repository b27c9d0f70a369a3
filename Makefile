# The two entry points: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BIN_DIR := $(BUILD_DIR)/bin
PREFIX ?= /usr/local

.PHONY: deps configure build run test sanitize tsan bench install package fuzz clean

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

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer in a folder of its own
# (no benchmarks). The tools the build runs are instrumented too. The first report fails it.
# g++ leaves out-of-range float-to-integer conversions out of "undefined", hence float-cast-overflow.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer -g -O1
SANITIZE_ENV := QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:suppressions=$(CURDIR)/tests/sanitize/asan.supp \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0

sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
	  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
	$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ctest --output-on-failure -j 2

# The window tests that start worker threads (the worker runner, creations, list tools, dictionary
# reads, and the meanings read that every Form1 start begins) under ThreadSanitizer, in a folder
# of their own; part of CI. Workers hand data over only through std::thread, std::mutex and the
# join, which it follows; tests/sanitize/tsan.supp leaves out only what Qt, whose own code is not
# instrumented, does inside itself.
TSAN_DIR ?= build-tsan
TSAN_FLAGS := -fsanitize=thread -fno-omit-frame-pointer -g -O1
TSAN_TESTS := WorkerThread|CreationJob|ListToolJob|DictionaryTest|CreationTest|HelpToolCommands|Form1Test|NavigationTest
TSAN_ENV := QT_QPA_PLATFORM=offscreen \
  TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$(CURDIR)/tests/sanitize/tsan.supp

tsan: deps
	cmake -S . -B $(TSAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ \
	  -DCMAKE_CXX_FLAGS="$(TSAN_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(TSAN_FLAGS)" \
	  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
	$(TSAN_ENV) cmake --build $(TSAN_DIR) -j $(JOBS) --target gui_tests
	cd $(TSAN_DIR) && $(TSAN_ENV) ctest --output-on-failure -j 2 -R '$(TSAN_TESTS)'

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
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(TSAN_DIR) build-fuzz
