# Thin wrapper over CMake: `make run`, `make test` and `make bench` install what is missing,
# build and go. WERROR=ON makes compiler warnings errors, as CI and developers build (export
# it to keep every make call on one configuration); BUILD_TYPE picks CMake's build type
# (default RelWithDebInfo).
BUILD ?= build
SANITIZE ?= OFF
BENCH ?= ON
WERROR ?= OFF
BUILD_TYPE ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DORVEL_SANITIZE=$(SANITIZE) -DORVEL_BENCH=$(BENCH) -DORVEL_WERROR=$(WERROR) \
		$(if $(BUILD_TYPE),-DCMAKE_BUILD_TYPE=$(BUILD_TYPE)) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/app/orvelbridge

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Builds and runs every benchmark, printing each one's figures (needs BENCH=ON, the default).
bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target run_benchmarks -- --no-print-directory

clean:
	rm -rf $(BUILD)
