# The two commands of a newcomer: `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
# The build's own progress lines only, not each make entering its folders.
MAKEFLAGS += --no-print-directory

.PHONY: run test build programs configure deps clean sanitize fuzz bench install windows test-windows

deps:
	@bash tools/install_deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

# The two programs alone, no test (make install).
programs: configure
	cmake --build $(BUILD) -j $(JOBS) --target Velstra_Ordoven_318 scenario

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The program first: its target alone is built and run, and its files are
# listed, before the tool's longer build starts.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target Velstra_Ordoven_318
	@mkdir -p dist
	@cp $(BUILD)/Velstra_Ordoven_318 dist/
	@cd dist && ./Velstra_Ordoven_318
	@echo
	@echo "The scenario is in $(CURDIR)/dist:"
	@cd dist && for f in Velstra_Ordoven_linea.dat Velstra_Ordoven_318.sim Velstra_Ordoven_318.dat \
	  Velstra_Ordoven_318_scheda_treno.txt Velstra_Ordoven_318_rallentamenti.txt Velstra_Ordoven_318_note.txt; do \
	  printf '  %-40s %9s bytes\n' "$$f" "$$(wc -c < $$f)"; done
	@echo "Copy dist/Velstra_Ordoven_318 into the simulator's scenario folder and run it there."
	@echo
	@echo "Now the tool for scenario authors, into dist/scenario:"
	cmake --build $(BUILD) -j $(JOBS) --target scenario
	@cp $(BUILD)/scenario dist/
	@echo
	@echo "The scenario is in dist/ (listed above) and the tool is dist/scenario."
	@echo "To make a scenario of your own: dist/scenario extract work, then"
	@echo "README.md, 'The tool in five minutes'."

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVELSTRA_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

bench: deps
	JOBS=$(JOBS) bash bench/run

fuzz:
	bash tools/fuzz.sh $(or $(FUZZ_SECONDS),60)

# Each target for FUZZ_RUNS inputs or FUZZ_SECONDS seconds, JOBS at a time; what
# they find merged into fuzz/corpus/ (tools/fuzz_campagna.sh).
.PHONY: fuzz-campagna
fuzz-campagna:
	JOBS=$(JOBS) bash tools/fuzz_campagna.sh $(FUZZ_TARGETS)

PREFIX ?= /usr/local
# scenario in PREFIX/bin; the program, which writes its files beside itself,
# in PREFIX/share/velstra_ordoven for the user to copy into the simulator's
# folder. Both stripped.
install: programs
	cmake --install $(BUILD) --prefix $(PREFIX) --strip

# The Windows programs, cross-built with MinGW-w64 (static, no DLL needed):
# dist-windows/ gets the two programs, LEGGIMI.txt and a zip of the three.
WINDOWS_BUILD ?= build-windows
windows:
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DVELSTRA_TESTS=OFF $(WINDOWS_CMAKE_FLAGS) >/dev/null
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	rm -rf dist-windows && mkdir -p dist-windows
	cp $(WINDOWS_BUILD)/Velstra_Ordoven_318.exe $(WINDOWS_BUILD)/scenario.exe dist-windows/
	# scenario pack --windows on Linux packs the Windows program found beside
	# the tool: the one make run puts in dist/, and the one in the build.
	mkdir -p dist
	cp $(WINDOWS_BUILD)/Velstra_Ordoven_318.exe dist/velstra_stub.exe
	if [ -d $(BUILD) ]; then cp $(WINDOWS_BUILD)/Velstra_Ordoven_318.exe $(BUILD)/velstra_stub.exe; fi
	sed 's/$$/\r/' packaging/windows/LEGGIMI.txt > dist-windows/LEGGIMI.txt
	cd dist-windows && zip -q -X Velstra_Ordoven_318_windows.zip Velstra_Ordoven_318.exe scenario.exe LEGGIMI.txt

# The Windows programs under Wine and Xvfb, compared with the Linux ones.
test-windows:
	bash tests/windows/run.sh

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-bench build-costo dist $(WINDOWS_BUILD) dist-windows
