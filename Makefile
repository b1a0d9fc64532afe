# Thin wrapper around CMake presets. `make run` and `make test` install what is missing first.
PRESET ?= default
BUILD_DIR := build/$(PRESET)

.PHONY: all deps configure build run test bench package clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	@$(BUILD_DIR)/app/lunetide

test: build
	@ctest --preset $(PRESET)

bench: build
	@xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD_DIR)/bench/lunetide_bench
	@bench/sky_range.sh $(BUILD_DIR)/cli/lunetide-reading
	@bench/panel.sh $(BUILD_DIR)

# The Debian package, always from the optimised build: build/package/lunetide_<version>_<arch>.deb
package:
	@$(MAKE) --no-print-directory build PRESET=default
	@cpack --config build/default/CPackConfig.cmake -B build/package

clean:
	@rm -rf build
