# Two entry points for a fresh Debian machine: `make run` and `make test`.
# Both install what is missing, configure and build in build/.

BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all setup configure build run test repeat bench sanitize tsan debug fuzz install package clean

all: build

setup:
	@./scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then \
		./$(BUILD_DIR)/src/game/corvana; \
	else \
		echo "corvana: no display available (DISPLAY is not set); playing a computer game in the terminal instead."; \
		./$(BUILD_DIR)/tools/cli/corvana-cli selfplay --level 4; \
	fi

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite REPEAT times in a row (20 by default), each pass in full, stopping at the first
# failure; LOADED=1 keeps every core busy meanwhile. Another build folder: scripts/repeat-tests.sh.
REPEAT ?= 20
repeat: build
	@JOBS=$(JOBS) ./scripts/repeat-tests.sh $(if $(LOADED),--loaded) $(BUILD_DIR) $(REPEAT)

bench: build
	./$(BUILD_DIR)/tools/cli/corvana-cli bench

# Installs into PREFIX (default /usr/local).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)
	-update-desktop-database -q $(PREFIX)/share/applications 2>/dev/null
	-update-mime-database $(PREFIX)/share/mime 2>/dev/null

# A Debian package in build-package/ (corvana_VERSION_ARCH.deb). It may be installed on other
# machines, so it is built for any x86-64 processor, not for this one's (CORVANA_HOST_CPU).
package:
	@$(MAKE) build BUILD_DIR=build-package CMAKE_FLAGS=-DCORVANA_HOST_CPU=OFF
	cd build-package && cpack

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, assertions on.
sanitize:
	@$(MAKE) test BUILD_DIR=build-sanitize BUILD_TYPE=RelWithDebInfo CMAKE_FLAGS=-DCORVANA_SANITIZE=ON

# The whole suite under ThreadSanitizer, assertions on. Qt itself is not instrumented, so its own
# accesses are not tracked (ignore_noninstrumented_modules); what remains of it is listed in
# tests/tsan.supp. The build runs the generator, so it runs under the same options. The network
# test starts a second copy through QProcess, whose child only executes the program after its fork
# (die_after_fork=0 lets it).
TSAN_OPTIONS_ALL = ignore_noninstrumented_modules=1 suppressions=$(CURDIR)/tests/tsan.supp halt_on_error=1 second_deadlock_stack=1 die_after_fork=0
tsan:
	@TSAN_OPTIONS="$(TSAN_OPTIONS_ALL)" $(MAKE) test BUILD_DIR=build-tsan BUILD_TYPE=RelWithDebInfo \
		CMAKE_FLAGS=-DCORVANA_TSAN=ON

# The whole suite in a debug build: no optimisation, assertions on.
debug:
	@$(MAKE) test BUILD_DIR=build-debug BUILD_TYPE=Debug

# The libFuzzer harnesses (clang, AddressSanitizer and UndefinedBehaviorSanitizer), built in
# build-fuzz/ and run one after the other for FUZZ_SECONDS each. Only this target installs clang.
FUZZ_SECONDS ?= 60
fuzz:
	@./scripts/setup.sh --fuzz
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANA_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target corvana-fuzz
	@./scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) build-sanitize build-tsan build-debug build-fuzz
