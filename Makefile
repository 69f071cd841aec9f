# Rentiva: `make run` starts the program, `make test` runs every test.
BUILD ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench install clean screenshot

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

# The README's picture of the main window, with a demo workspace, under a virtual X server.
screenshot: build
	cmake --build $(BUILD) --target captura
	@set -e; tmp=$$(mktemp -d); trap 'rm -rf "$$tmp"' EXIT; \
	RENTIVA_SETTINGS=$$tmp/rentiva.conf $(BUILD)/rentiva-cli demo $$tmp/demostracion.rtv >/dev/null; \
	mkdir -p docs/screenshots; \
	xvfb-run -a -s "-screen 0 1280x800x24" $(BUILD)/captura $$tmp/demostracion.rtv docs/screenshots/main-window.png

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD)
