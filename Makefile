# Thin wrapper around CMake. `make run` builds the optimised engine and
# starts it on the terminal; `make test` builds everything and runs the tests.
JOBS ?= $(shell nproc)

.PHONY: build run test test-asan clean

build:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
	cmake --build build -j $(JOBS)

run: build
	./build/morvane

test: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

test-asan:
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVANE_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	ctest --test-dir build-asan --output-on-failure -j $(JOBS)

clean:
	rm -rf build build-asan
