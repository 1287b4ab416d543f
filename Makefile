# Two commands set up a fresh Debian 12 machine: `make run` and `make test`.
BUILD_TYPE ?= Debug
BUILD_DIR  ?= build
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build run test test-sanitize bench fuzz package format format-check clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Starts the creator.
run: build
	@$(BUILD_DIR)/bin/lumigram-creator

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The core libraries' tests and the fuzz seed replays, built with
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/; the first
# report stops the test that made it.
SANITIZE_DIR   ?= build-asan
SANITIZE_TESTS ?= tests/util tests/storage tests/lang tests/imaging tests/frames tests/card \
                  tests/media tests/editor fuzz
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMIGRAM_SANITIZE=ON \
	  $(CMAKE_ARGS) >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS) --target $(addsuffix /all,$(SANITIZE_TESTS))
	@set -e; for dir in $(SANITIZE_TESTS); do \
	  echo "== $$dir"; \
	  (cd $(SANITIZE_DIR)/$$dir && \
	   ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_leaks=1 \
	   UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	   ctest --output-on-failure -j $(JOBS)); \
	done

bench:
	@scripts/install-deps.sh --bench
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMIGRAM_TESTS=OFF -DLUMIGRAM_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench/*_bench; do echo "== $$b"; $$b; done

# A Debian package of a release build, in build-package/.
package:
	@scripts/install-deps.sh
	@cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMIGRAM_TESTS=OFF >/dev/null
	@cmake --build build-package -j $(JOBS)
	@cd build-package && cpack -G DEB
	@ls build-package/*.deb

# Builds every fuzzer with clang and runs each one briefly.
FUZZ_SECONDS ?= 20
# Every library is instrumented too, so libFuzzer sees coverage inside the readers.
FUZZ_FLAGS = -fsanitize=fuzzer-no-link,address,undefined
fuzz:
	@scripts/install-deps.sh --fuzz
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_FLAGS="$(FUZZ_FLAGS)" -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" \
	  -DLUMIGRAM_TESTS=OFF -DLUMIGRAM_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@scripts/run-fuzzers.sh build-fuzz $(FUZZ_SECONDS)

format: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails on the first file that differs from the committed .clang-format.
format-check: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR) build-bench build-fuzz build-package
