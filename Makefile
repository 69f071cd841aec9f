# Rentiva: `make run` starts the program, `make test` runs every test.
BUILD ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench install package clean screenshots

all: build

deps:
	@bash scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/rentiva

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	cmake --build $(BUILD) --target benchmarks
	@set -e; for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

screenshots: configure
	cmake --build $(BUILD) --target capturas
	QT_QPA_PLATFORM=offscreen $(BUILD)/capturas docs/screenshots
	cmake --build $(BUILD) --target capturas_recibos
	$(BUILD)/capturas_recibos docs/screenshots

install: build
	cmake --install $(BUILD)

# The Debian package $(BUILD)/rentiva_<version>_amd64.deb (CPack, set up in CMakeLists.txt).
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
