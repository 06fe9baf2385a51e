# make run  -- install what is missing, build, generate the assets and start the game in build/run/
# make test -- the same set-up, then one sanitizer build of the test suite and the fuzz targets, the
#              whole test suite, headless, and a short run of every fuzz target (a few seconds each)
# make fuzz  -- every fuzz target for FUZZ_SECONDS, FUZZ_JOBS targets at a time; new crashing inputs are
#              minimised into tests/fuzz/<name>/
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600
FUZZ_JOBS ?= $(JOBS)
SMOKE_SECONDS ?= 3
SMOKE_JOBS ?= $(JOBS)
FUZZ_TARGETS ?=
# The benchmarks run in the release build (make run builds them); TEST_BENCH=ON builds them in make
# test's build too, as a check that they compile and link against the sanitized game.
TEST_BENCH ?= OFF

.PHONY: deps build run test clean fuzz-build fuzz-smoke fuzz test-suite test-build test-ctest test-rest smoke-run

# The sanitizer and fuzz builds use Ninja where it is installed: a build folder made before keeps the
# generator it was made with.
generator = $(if $(wildcard $(1)/CMakeCache.txt),,$(if $(shell command -v ninja),-G Ninja))

deps:
	@bash tools/install_deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)

run: build
	cd build/run && ../gen_fixture . && ../oxa

# make test builds once, in build/test, with clang: AddressSanitizer and UndefinedBehaviorSanitizer,
# warnings as errors, and the fuzz targets, which link the same compiled game libraries as the tests
# (the libraries carry the fuzzer's coverage). The test programs and what the suite runs are built
# first; then the suite runs while the rest of the build (the fuzz targets and their seeds, the
# game and its tools) goes on beside it at a lower priority (output in build/test/rest-build.log),
# and the short fuzz run starts as soon as that is done, sharing the cores with the suite.
test: deps test-build
	@$(MAKE) --no-print-directory -j2 test-ctest test-rest

test-suite: test

test-build:
	@mkdir -p build
	cmake -S . -B build/test $(call generator,build/test) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DOXA_SANITIZE=ON -DOXA_WERROR=ON -DOXA_FUZZ=ON -DOXA_BENCH=$(TEST_BENCH)
	MAKEFLAGS= cmake --build build/test -j $(JOBS) --target oxa_suite

test-ctest:
	cd build/test && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS) \
	  || { bash ../../tools/failed_tests.sh Testing/Temporary/LastTest.log; exit 1; }

test-rest:
	@echo "Building the fuzz targets and the rest beside the tests (output in build/test/rest-build.log)"
	@MAKEFLAGS= nice -n 10 cmake --build build/test -j $(JOBS) > build/test/rest-build.log 2>&1 \
	  || { tail -40 build/test/rest-build.log; echo "The build failed: see build/test/rest-build.log"; exit 1; }
	@echo "The fuzz targets are built"
	SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy bash fuzz/run.sh smoke build/test $(SMOKE_SECONDS) $(SMOKE_JOBS) $(FUZZ_TARGETS)

# The fuzz targets and the game library built by clang with libFuzzer and the sanitizers, optimised
# for long runs (make fuzz).
fuzz-build: deps
	cmake -S . -B build/fuzz $(call generator,build/fuzz) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DOXA_FUZZ=ON -DOXA_TESTS=OFF -DOXA_BENCH=OFF
	MAKEFLAGS= cmake --build build/fuzz -j $(JOBS) --target fuzz_all

fuzz-smoke: fuzz-build
	@$(MAKE) --no-print-directory smoke-run

smoke-run:
	SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy bash fuzz/run.sh smoke build/fuzz $(SMOKE_SECONDS) $(SMOKE_JOBS) $(FUZZ_TARGETS)

fuzz: fuzz-build
	SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy bash fuzz/run.sh long build/fuzz $(FUZZ_SECONDS) $(FUZZ_JOBS) $(FUZZ_TARGETS)

clean:
	rm -rf build
