# make run  -- install what is missing, build, generate the assets and start the game in build/run/
# make test -- the same set-up, then a sanitizer build and the whole test suite, headless
JOBS ?= $(shell nproc)

.PHONY: deps build run test clean

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

clean:
	rm -rf build
