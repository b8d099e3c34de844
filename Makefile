# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
RELEASE_BUILD ?= build-release
FUZZ_SECONDS ?= 600
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
# The project's own builds treat warnings as errors; packagers' builds do not.
WERROR      = -DQUADRIVEL_WERROR=ON
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR) $(LAUNCHER)
# ccache speeds up every build when the machine has it; paths below the checkout are kept
# relative, so another clone of the project shares the cache.
LAUNCHER    = $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR := $(CURDIR)

.PHONY: run test build asan fuzz-build fuzz release install package bench bootstrap format clean \
        doc-pictures

bootstrap:
	@scripts/bootstrap

# Configured again when this file changes, so new options reach existing build folders.
$(BUILD)/build.ninja: Makefile
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	touch $@

build: bootstrap $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/shell/quadrivel examples/sample.qdvl

$(ASAN_BUILD)/build.ninja: Makefile
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUADRIVEL_SANITIZE=ON -DQUADRIVEL_BENCH=OFF \
	  $(WERROR) $(LAUNCHER)
	touch $@

asan: bootstrap $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

$(FUZZ_BUILD)/build.ninja: Makefile
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUADRIVEL_FUZZ=ON -DQUADRIVEL_TESTS=OFF -DQUADRIVEL_BENCH=OFF -DQUADRIVEL_PROGRAMS=OFF $(WERROR) $(LAUNCHER)
	touch $@

fuzz-build: bootstrap $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Every reader of outside data, under ASan and UBSan, from its seed corpus, for FUZZ_SECONDS
# each (default 10 minutes).
fuzz: fuzz-build
	scripts/run-fuzzers $(FUZZ_BUILD)/fuzz $(FUZZ_SECONDS)

# The programs as installed and packaged: optimised, without tests.
$(RELEASE_BUILD)/build.ninja: Makefile
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUADRIVEL_TESTS=OFF \
	  -DQUADRIVEL_BENCH=OFF $(WERROR) $(LAUNCHER)
	touch $@

release: bootstrap $(RELEASE_BUILD)/build.ninja
	cmake --build $(RELEASE_BUILD) -j $(JOBS)

# make install PREFIX=/opt/quadrivel; a system prefix needs root (sudo make install).
install: release
	cmake --install $(RELEASE_BUILD) --prefix $(PREFIX)

# A .deb in $(RELEASE_BUILD), installing to /usr.
package: release
	cd $(RELEASE_BUILD) && cpack

test: build asan fuzz-build release
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	scripts/run-fuzzers $(FUZZ_BUILD)/fuzz 60 -seed=1 -runs=3000

bench: build
	for b in $(BUILD)/bench/bench_*; do if [ -f $$b ]; then $$b || exit 1; fi; done

# The pictures of the README and the guide, made by the programs on a virtual screen (needs
# xvfb, xdotool and imagemagick; make test does not).
doc-pictures: bootstrap $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target quadrivel quadrivel-cli
	scripts/make-doc-pictures $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(RELEASE_BUILD)
