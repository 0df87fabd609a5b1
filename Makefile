# make run  - installs what is missing, builds, and starts Trailbook in the sample data folder demo/
# make test - installs what is missing, builds, and runs every test (the desktop tests under Xvfb)
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test run clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	scripts/run-tests $(BUILD)

run: build
	cd demo && ../$(BUILD)/app/trailbook

clean:
	rm -rf $(BUILD)
