# Tamsolo: `make run` builds everything and starts the builder; `make test` runs all tests.
# Both install what they need from Debian's packages first (tools/setup.sh).
BUILD    ?= build
DIST     := $(BUILD)/dist/Tamsolo
JPEG     := $(BUILD)/deps/libjpeg
export WINEPREFIX := $(CURDIR)/$(BUILD)/wineprefix
export WINEDEBUG := -all
export WINEDLLOVERRIDES := mscoree,mshtml=;winemenubuilder.exe=d

.PHONY: all setup build test run bench release clean

all: build

setup:
	@bash tools/setup.sh

$(JPEG)/lib/libjpeg.a: tools/build-libjpeg.sh | setup
	@bash tools/build-libjpeg.sh $(JPEG)

$(BUILD)/build.ninja: | setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	  -DCMAKE_BUILD_TYPE=Release >/dev/null

build: setup $(JPEG)/lib/libjpeg.a $(BUILD)/build.ninja
	@cmake --build $(BUILD)

# A private Wine prefix, made once.
$(BUILD)/wineprefix/system.reg: | setup
	@mkdir -p $(BUILD)
	@echo "wine: creating the prefix $(WINEPREFIX)"
	@wineboot -i >/dev/null 2>&1; wineserver -w

test: build $(BUILD)/wineprefix/system.reg
	@bash tools/run-tests.sh $(BUILD)

run: build $(BUILD)/wineprefix/system.reg
	@bash tools/run.sh $(BUILD)

bench: build $(BUILD)/wineprefix/system.reg
	@bash tools/bench.sh $(BUILD)

# A release from a clean build: build/release/ gets the zip and the installer.
release: setup
	@rm -rf $(BUILD)/release-build
	@$(MAKE) --no-print-directory build BUILD=$(BUILD)/release-build
	@bash tools/release.sh $(BUILD)/release-build $(BUILD)/release

clean:
	rm -rf $(BUILD)
