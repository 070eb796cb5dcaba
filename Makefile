# Thin wrapper over CMake: `make run`, `make test` and `make bench` install what is missing,
# build and go. Each asks only for the packages its purpose needs (scripts/install-deps):
# `make run` builds the suite alone, `make test` switches the tests (and, unless BENCH=OFF, the
# benchmarks) on and `make bench` the benchmarks, all in the same build folder, which keeps
# what was switched on. WERROR=ON makes compiler warnings errors, as CI and developers build
# (export it to keep every make call on one configuration); BUILD_TYPE picks CMake's build
# type (default RelWithDebInfo).
BUILD ?= build
SANITIZE ?= OFF
BENCH ?= ON
WERROR ?= OFF
BUILD_TYPE ?=
JOBS ?= $(shell nproc)

CONFIGURE = cmake -S . -B $(BUILD) -DORVEL_SANITIZE=$(SANITIZE) -DORVEL_WERROR=$(WERROR) \
	$(if $(BUILD_TYPE),-DCMAKE_BUILD_TYPE=$(BUILD_TYPE))

.PHONY: all build run test bench clean

all: build

build:
	@scripts/install-deps run
	@$(CONFIGURE) > /dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/app/orvelbridge

test:
	@scripts/install-deps test
	@$(CONFIGURE) -DORVEL_TESTS=ON -DORVEL_BENCH=$(BENCH) > /dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Builds and runs every benchmark, printing each one's figures.
bench:
	@scripts/install-deps test
	@$(CONFIGURE) -DORVEL_BENCH=ON > /dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target run_benchmarks -- --no-print-directory

clean:
	rm -rf $(BUILD)
