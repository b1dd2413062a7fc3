# The two commands of a newcomer: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps clean sanitize fuzz bench

deps:
	@bash tools/install_deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	mkdir -p dist
	cp $(BUILD)/Velstra_Ordoven_318 $(BUILD)/scenario dist/
	cd dist && ./Velstra_Ordoven_318

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVELSTRA_SANITIZE=ON >/dev/null
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVELSTRA_TESTS=OFF -DVELSTRA_BENCH=ON >/dev/null
	cmake --build build-bench -j $(JOBS) --target velstra_bench
	./build-bench/velstra_bench

fuzz:
	bash tools/fuzz.sh $(or $(FUZZ_SECONDS),60)

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-bench dist
