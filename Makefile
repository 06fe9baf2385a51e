# make run  -- install what is missing, build, generate the assets and start the game in build/run/
# make test -- the same set-up, then a sanitizer build and the whole test suite, headless, and a
#              short run of every fuzz target (a few seconds each)
# make fuzz  -- every fuzz target for FUZZ_SECONDS, FUZZ_JOBS targets at a time; new crashing inputs are
#              minimised into tests/fuzz/<name>/
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600
FUZZ_JOBS ?= $(JOBS)
SMOKE_SECONDS ?= 5
SMOKE_JOBS ?= 2
FUZZ_TARGETS ?=

.PHONY: deps build run test clean fuzz-build fuzz-smoke fuzz

deps:
	@bash tools/install_deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)

run: build
	cd build/run && ../gen_fixture . && ../oxa

test: deps
	cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DOXA_SANITIZE=ON -DOXA_WERROR=ON
	cmake --build build/asan -j $(JOBS)
	cd build/asan && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)
	$(MAKE) fuzz-smoke

# The fuzz targets and the game library built by clang with libFuzzer and the sanitizers.
fuzz-build: deps
	cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DOXA_FUZZ=ON -DOXA_TESTS=OFF -DOXA_BENCH=OFF
	cmake --build build/fuzz -j $(JOBS)

fuzz-smoke: fuzz-build
	SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy bash fuzz/run.sh smoke build/fuzz $(SMOKE_SECONDS) $(SMOKE_JOBS) $(FUZZ_TARGETS)

fuzz: fuzz-build
	SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy bash fuzz/run.sh long build/fuzz $(FUZZ_SECONDS) $(FUZZ_JOBS) $(FUZZ_TARGETS)

clean:
	rm -rf build
