# The two commands of a newcomer: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build programs configure deps clean sanitize fuzz bench install

deps:
	@bash tools/install_deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

# The two programs alone: what `make run` needs, no test.
programs: configure
	cmake --build $(BUILD) -j $(JOBS) --target Velstra_Ordoven_318 scenario

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: programs
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
	JOBS=$(JOBS) bash bench/run

fuzz:
	bash tools/fuzz.sh $(or $(FUZZ_SECONDS),60)

PREFIX ?= /usr/local
install: programs
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-bench dist
