# Thin wrapper around CMake. `make run` builds the optimised engine and
# starts it on the terminal; `make test` builds everything and runs the tests.
JOBS ?= $(shell nproc)

.PHONY: build run test test-asan valgrind clean fuzz

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

# A short protocol session under valgrind's memory checker; any error
# fails it. The session ends with the end of input (exit code 0).
VALGRIND_SESSION = uci\nisready\nposition startpos moves e2e4 e7e5 g1f3\ngo depth 4\n$\
	position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1\ngo depth 3\n$\
	ucinewgame\nsetoption name Hash value 2\nposition fen 8/P7/8/8/8/8/6k1/4K3 w - - 0 1 moves a7a8n\ngo depth 3\n
valgrind: build
	printf '$(VALGRIND_SESSION)' | valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite ./build/morvane >/dev/null

clean:
	rm -rf build build-asan build-fuzz

# Fuzzes the command dispatcher for about a minute with libFuzzer (clang),
# starting from the seed corpus in tools/fuzz/corpus.
FUZZ_SECONDS ?= 60
fuzz:
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVANE_FUZZ=ON -DMORVANE_TESTS=OFF
	cmake --build build-fuzz --target morvane_fuzz -j $(JOBS)
	mkdir -p build-fuzz/corpus
	./build-fuzz/morvane_fuzz -artifact_prefix=build-fuzz/ -max_total_time=$(FUZZ_SECONDS) -timeout=20 -max_len=4096 -rss_limit_mb=4096 build-fuzz/corpus tools/fuzz/corpus

# The engine as a 32-bit Windows console program, cross-built with MinGW-w64
# (build-windows/morvane.exe, no DLLs needed); `make test-windows` checks it
# end to end under wine against the Linux engine's replies.
.PHONY: windows test-windows
windows:
	cmake --no-warn-unused-cli -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build build-windows -j $(JOBS) --target morvane

test-windows: build windows
	JOBS=$(JOBS) tests/windows/run_tests.sh build/morvane
