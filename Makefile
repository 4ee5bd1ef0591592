# Tamble: the commands a developer types. CMake does the building.
#   make run    build the Windows programs and start Tamble.exe under Wine
#               (a demonstration with pictures when there is no display)
#   make test   build everything and run every test (native and under Wine)

JOBS ?= $(shell nproc)
BUILD := build

.PHONY: all deps deps-native native windows win32 win64 build test run bench fuzz format clean dist

all: build

deps:
	@./scripts/install-deps.sh

# What the native build alone needs (no Wine, no MinGW).
deps-native:
	@./scripts/install-deps.sh --native

native:
	cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Debug -DTAMBLE_SANITIZE=ON >/dev/null
	cmake --build $(BUILD)/native -j$(JOBS)

win32:
	cmake -S . -B $(BUILD)/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	  -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD)/win32 -j$(JOBS)

win64:
	cmake -S . -B $(BUILD)/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD)/win64 -j$(JOBS)

windows: win32 win64

build: native windows

test: deps
	@$(MAKE) --no-print-directory build
	@./scripts/run-tests.sh

run: deps
	@$(MAKE) --no-print-directory windows
	./scripts/run-tamble.sh

bench: deps
	cmake -S . -B $(BUILD)/bench -DCMAKE_BUILD_TYPE=Release -DTAMBLE_TESTS=OFF \
	  -DTAMBLE_BENCHMARKS=ON >/dev/null
	cmake --build $(BUILD)/bench -j$(JOBS)
	$(BUILD)/bench/bin/tamble_benchmarks
	@$(MAKE) --no-print-directory windows
	./scripts/wine-run.sh $(BUILD)/win32/bin/tamble_hook_cost.exe
	./scripts/wine-run.sh $(BUILD)/win64/bin/tamble_hook_cost.exe
	./scripts/wine-run.sh $(BUILD)/win32/bin/tamble_startup.exe
	./scripts/wine-run.sh $(BUILD)/win32/bin/tamble_main_window_cycles.exe
	./scripts/wine-run.sh $(BUILD)/win32/bin/tamble_macro_file.exe
	./scripts/wine-run.sh $(BUILD)/win32/bin/tamble_file_list_bench.exe
	./scripts/wine-run.sh $(BUILD)/win32/bin/tamble_page_switch.exe

# The package for Windows users: portable zips and per-user installers of
# both release builds, stripped, in build/dist/.
DIST_PROGRAMS := Tamble Tamblewiz Tamblecore tamblecli
dist: deps
	cmake -S . -B $(BUILD)/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	  -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD)/win32 -j$(JOBS) --target $(DIST_PROGRAMS)
	cmake -S . -B $(BUILD)/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD)/win64 -j$(JOBS) --target $(DIST_PROGRAMS)
	./scripts/make-dist.sh $(BUILD)/dist win32=$(BUILD)/win32 win64=$(BUILD)/win64

fuzz: deps
	./scripts/run-fuzzers.sh $(or $(FUZZ_SECONDS),60)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
