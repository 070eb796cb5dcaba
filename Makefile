# Thin wrapper over CMake: `make run` and `make test` install what is missing, build and go.
BUILD ?= build
SANITIZE ?= OFF
BENCH ?= ON
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DORVEL_SANITIZE=$(SANITIZE) -DORVEL_BENCH=$(BENCH) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/app/orvelbridge

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
