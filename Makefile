# Two commands set up a fresh Debian 12 machine: `make run` and `make test`.
BUILD_TYPE ?= Debug
BUILD_DIR  ?= build
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build run test bench fuzz package format clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Starts the newest front end that has been built.
run: build
	@scripts/run-newest.sh $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

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

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR) build-bench build-fuzz build-package
