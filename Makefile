# make run  -- install what is missing, build, generate the assets and start the game in build/run/
# make test -- the same set-up, then a sanitizer build and the whole test suite, headless, and a
#              short run of every fuzz target (a few seconds each)
# make fuzz  -- every fuzz target for FUZZ_SECONDS, FUZZ_JOBS targets at a time; new crashing inputs are
#              minimised into tests/fuzz/<name>/
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600
FUZZ_JOBS ?= $(JOBS)
SMOKE_SECONDS ?= 3
SMOKE_JOBS ?= $(JOBS)
FUZZ_TARGETS ?=

.PHONY: deps build run test clean fuzz-build fuzz-smoke fuzz asan-suite asan-build asan-ctest fuzz-compile smoke-run \
        test-smoke

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

# The fuzz build runs beside the sanitizer build and the suite, at a lower priority: it takes the
# cores they leave idle (links, the last long tests) and writes its output to build/fuzz-build.log.
# Each build runs its own JOBS compilers, outside the job slots of the make that runs the two sides.
# The fuzz targets copy their good files from the sanitizer build's working folder, and their seeds
# are made from it once that build has made it. The smoke run starts as soon as both builds are done,
# beside the test suite, which it shares the cores with.
test: deps
	@mkdir -p build
	@$(MAKE) --no-print-directory -j2 asan-ctest test-smoke FUZZ_LOG=build/fuzz-build.log FUZZ_NICE="nice -n 10" \
	  FUZZ_WORKDIR=$(CURDIR)/build/asan/run FUZZ_BUILD_TARGET=fuzz_targets

test-smoke: asan-build fuzz-compile
	@MAKEFLAGS= cmake --build build/fuzz --target fuzz_corpus >> build/fuzz-build.log 2>&1 \
	  || { tail -20 build/fuzz-build.log; echo "The fuzz seeds could not be made: see build/fuzz-build.log"; exit 1; }
	@$(MAKE) --no-print-directory smoke-run

asan-suite: asan-ctest

asan-build:
	cmake -S . -B build/asan $(call generator,build/asan) -DCMAKE_BUILD_TYPE=Debug -DOXA_SANITIZE=ON -DOXA_WERROR=ON
	MAKEFLAGS= cmake --build build/asan -j $(JOBS)

asan-ctest: asan-build
	cd build/asan && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS) \
	  || { bash ../../tools/failed_tests.sh Testing/Temporary/LastTest.log; exit 1; }

# The fuzz targets and the game library built by clang with libFuzzer and the sanitizers.
fuzz-build: deps
	@$(MAKE) --no-print-directory fuzz-compile

FUZZ_LOG ?=
FUZZ_NICE ?=
FUZZ_WORKDIR ?=
FUZZ_BUILD_TARGET ?= fuzz_all
fuzz-compile:
ifeq ($(FUZZ_LOG),)
	$(FUZZ_NICE) cmake -S . -B build/fuzz $(call generator,build/fuzz) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DOXA_FUZZ=ON -DOXA_TESTS=OFF -DOXA_BENCH=OFF -DOXA_FUZZ_WORKDIR=$(FUZZ_WORKDIR)
	MAKEFLAGS= $(FUZZ_NICE) cmake --build build/fuzz -j $(JOBS) --target $(FUZZ_BUILD_TARGET)
else
	@echo "Building the fuzz targets beside the tests (output in $(FUZZ_LOG))"
	@$(MAKE) --no-print-directory fuzz-compile FUZZ_LOG= > $(FUZZ_LOG) 2>&1 \
	  || { tail -40 $(FUZZ_LOG); echo "The fuzz build failed: see $(FUZZ_LOG)"; exit 1; }
	@echo "The fuzz targets are built"
endif

fuzz-smoke: fuzz-build
	@$(MAKE) --no-print-directory smoke-run

smoke-run:
	SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy bash fuzz/run.sh smoke build/fuzz $(SMOKE_SECONDS) $(SMOKE_JOBS) $(FUZZ_TARGETS)

fuzz: fuzz-build
	SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy bash fuzz/run.sh long build/fuzz $(FUZZ_SECONDS) $(FUZZ_JOBS) $(FUZZ_TARGETS)

clean:
	rm -rf build
