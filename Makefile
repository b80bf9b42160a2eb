# Thin wrapper over the CMake presets; see README.md.
#   make run     installs what is missing, builds and starts Tintwright
#   make check   installs what is missing, builds and runs every test
#   make check-sanitize   the same suite under ASan + UBSan (build-sanitize/)
#   make fuzz    runs every libFuzzer target for a minute (clang, build-fuzz/)
#   make fuzz-smoke   the same for a few seconds each, from the committed corpus
#   make bench   builds and runs the micro-benchmarks
#   make package   builds the Debian package (build/tintwright_<version>_<arch>.deb)
#   make bench-startup   times start-up to the main window against a bare Qt window

JOBS ?= $(shell nproc)
WERROR := $(if $(CI),-DTW_WERROR=ON,)

.PHONY: run check check-sanitize fuzz fuzz-smoke fuzz-build package bench bench-startup deps build clean

deps:
	@./scripts/install-deps.sh

build: deps
	cmake --preset dev $(WERROR) >/dev/null
	cmake --build --preset dev -j $(JOBS)

run: build
	./build/src/tintwright

check: build
	ctest --preset dev -j $(JOBS)

check-sanitize: deps
	cmake --preset sanitize $(WERROR) >/dev/null
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

fuzz-build: deps
	cmake --preset fuzz $(WERROR) >/dev/null
	cmake --build --preset fuzz -j $(JOBS)

fuzz: fuzz-build
	tests/fuzz/run.sh 60 build-fuzz

fuzz-smoke: fuzz-build
	tests/fuzz/run.sh 5 build-fuzz
package: build
	cmake --build --preset dev --target package

bench: build
	./build/bench/tw_bench --benchmark_min_time=0.2
	./build/bench/tw_bench_desktop --benchmark_min_time=0.2
	./build/bench/tw_bench_picker --benchmark_min_time=0.2

bench-startup: build
	python3 -B bench/startup/measure.py --app build/src/tintwright \
		--floor build/bench/startup/startup_floor --runs 20

clean:
	rm -rf build build-sanitize build-fuzz
