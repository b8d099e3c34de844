# The two commands of the README: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
JOBS       ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build asan fuzz-build fuzz bench bootstrap format clean

bootstrap:
	@scripts/bootstrap

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: bootstrap $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/quadrivel examples/sample.qdvl

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUADRIVEL_SANITIZE=ON -DQUADRIVEL_BENCH=OFF

asan: bootstrap $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

$(FUZZ_BUILD)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUADRIVEL_FUZZ=ON -DQUADRIVEL_TESTS=OFF -DQUADRIVEL_BENCH=OFF -DQUADRIVEL_PROGRAMS=OFF

fuzz-build: bootstrap $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Every reader of outside data, under ASan and UBSan, from its seed corpus, for FUZZ_SECONDS
# each (default 10 minutes).
fuzz: fuzz-build
	scripts/run-fuzzers $(FUZZ_BUILD)/fuzz $(FUZZ_SECONDS)

test: build asan fuzz-build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	scripts/run-fuzzers $(FUZZ_BUILD)/fuzz 60 -seed=1 -runs=3000

bench: build
	for b in $(BUILD)/bench/bench_*; do if [ -f $$b ]; then $$b || exit 1; fi; done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
